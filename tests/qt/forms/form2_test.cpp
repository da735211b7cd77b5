// The About window: its layout, its keyboard and the hand-over of the screen
// position with the chart, on the offscreen platform.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "forms/forms.h"
#include "placement/twips.h"
#include "placement/window_position.h"
#include "shown_chart.h"

namespace velmora {
namespace {

class About : public ShownChart {
 protected:
  // Waits until the unloaded About window has been destroyed.
  static void WaitDestroyed(QPointer<Form2> about) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }, 2000));
  }
};

TEST_F(About, IsAFixedWindowWithOnlyAClosebutton) {
  Form2& about = OpenAbout();
  EXPECT_EQ(about.windowTitle(), QStringLiteral("О программе \"Velmora\" ..."));
  EXPECT_EQ(about.size(), twips::ToSize(4710, 1950));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  EXPECT_TRUE(about.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(about.parentWidget(), nullptr);
  EXPECT_FALSE(about.windowIcon().availableSizes().isEmpty());
  EXPECT_TRUE(about.windowIcon().availableSizes().contains(QSize(32, 32)));
  EXPECT_TRUE(about.windowIcon().availableSizes().contains(QSize(16, 16)));
}

TEST_F(About, ControlsStandWhereTheLayoutPutsThemInTheirFonts) {
  Form2& about = OpenAbout();
  struct Expected {
    QWidget* widget;
    twips::Rect rect;
    double points;
    bool bold;
  };
  for (const Expected& e : {Expected{about.Command1, {105, 1470, 960, 330}, 8.25, false},
                            Expected{about.Label3, {2520, 1575, 2115, 435}, 8.25, true},
                            Expected{about.Label2, {105, 840, 3585, 540}, 9.75, false},
                            Expected{about.Label1, {105, 105, 4425, 540}, 8.25, false}}) {
    EXPECT_EQ(e.widget->geometry(), twips::ToRect(e.rect));
    EXPECT_DOUBLE_EQ(e.widget->font().pointSizeF(), e.points);
    EXPECT_EQ(e.widget->font().bold(), e.bold);
  }
  // Created from back to front: OK lies in front.
  std::vector<QObject*> widgets;
  for (QObject* child : about.children()) {
    if (child->isWidgetType()) widgets.push_back(child);
  }
  EXPECT_EQ(widgets, (std::vector<QObject*>{about.Label1, about.Label2, about.Label3, about.Command1}));
}

TEST_F(About, CaptionsFitTheirBoxes) {
  Form2& about = OpenAbout();
  EXPECT_EQ(about.Label1->text(),
            QStringLiteral("В программе были использованы данные, выбранные из Ossendar v.4.3."));
  EXPECT_TRUE(about.Label3->text().contains(QStringLiteral("Velmora")));
  EXPECT_TRUE(about.Label3->text().contains(QStringLiteral("2026")));
  EXPECT_TRUE(about.Label2->text().contains(QStringLiteral("Velmora")));
  EXPECT_EQ(about.Command1->text(), QStringLiteral("OK"));
  // The maker's line shows in the part of its box inside the client area.
  const int visibleLabel3 = about.height() - about.Label3->y();
  for (const auto& [label, room] : {std::pair{about.Label1, about.Label1->height()},
                                    std::pair{about.Label2, about.Label2->height()},
                                    std::pair{about.Label3, visibleLabel3}}) {
    const QFontMetrics metrics(label->font());
    const QRect used = metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
    EXPECT_LE(used.height(), room) << label->text().toStdString();
    // Words are never cut: each one fits the width.
    for (const QString& word : label->text().split(' ')) EXPECT_LE(metrics.horizontalAdvance(word), label->width());
    for (const QChar c : label->text()) EXPECT_TRUE(metrics.inFontUcs4(c.unicode())) << label->text().toStdString();
  }
}

TEST_F(About, OkHoldsTheFocusAndSpacePressesIt) {
  Form2& about = OpenAbout();
  EXPECT_EQ(QApplication::focusWidget(), about.Command1);
  QTest::keyClick(about.Command1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), about.Command1);
  for (QLabel* label : {about.Label1, about.Label2, about.Label3}) EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
  QPointer<Form2> open = &about;
  QTest::keyClick(about.Command1, Qt::Key_Space);
  EXPECT_EQ(forms.LoadedForm2(), nullptr);
  EXPECT_TRUE(chart->isVisible());
  WaitDestroyed(open);
}

TEST_F(About, EscapeDoesNotCloseIt) {
  Form2& about = OpenAbout();
  QTest::keyClick(about.Command1, Qt::Key_Escape);
  QTest::keyClick(&about, Qt::Key_Escape);
  EXPECT_EQ(forms.LoadedForm2(), &about);
  EXPECT_TRUE(about.isVisible());
  EXPECT_FALSE(chart->isVisible());
}

TEST_F(About, AboutButtonHidesTheChartAndOpensANewWindowEachTime) {
  Form2& first = OpenAbout();
  EXPECT_FALSE(chart->isVisible());
  EXPECT_TRUE(first.isVisible());
  QPointer<Form2> gone = &first;
  first.Command1->click();
  WaitDestroyed(gone);
  Form2& second = OpenAbout();
  EXPECT_NE(gone.data(), &second);
  EXPECT_TRUE(second.isVisible());
}

TEST_F(About, OpensOnTheChartsCornerAndUnmovedGivesItBack) {
  chart->move(QPoint(173, 91));
  const QPoint corner = chart->pos();
  Form2& about = OpenAbout();
  EXPECT_EQ(about.pos(), corner);
  EXPECT_EQ(WindowLeft(about), WindowLeft(*chart));
  EXPECT_EQ(WindowTop(about), WindowTop(*chart));
  about.Command1->click();
  EXPECT_EQ(chart->pos(), corner);
}

TEST_F(About, MovedItTakesTheChartAlong) {
  Form2& about = OpenAbout();
  about.move(about.pos() + QPoint(-64, 48));
  const QPoint corner = about.pos();
  about.Command1->click();
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(chart->pos(), corner);
}

TEST_F(About, ClosingItFromTheTitleBarActsAsOk) {
  Form2& about = OpenAbout();
  about.move(about.pos() + QPoint(25, 35));
  const QPoint corner = about.pos();
  QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
  about.close();
  EXPECT_EQ(forms.LoadedForm2(), nullptr);
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(chart->pos(), corner);
  EXPECT_EQ(lastClosed.count(), 0);
}

TEST_F(About, PositionsPartlyOffTheScreenAreHandedOverUnchanged) {
  const QRect screen = chart->screen()->geometry();
  for (const QPoint corner : {QPoint(-200, -150), QPoint(screen.right() - 40, screen.bottom() - 30),
                              QPoint(-300, screen.bottom() - 10)}) {
    chart->move(corner);
    Form2& about = OpenAbout();
    EXPECT_EQ(about.pos(), corner);
    about.Command1->click();
    EXPECT_EQ(chart->pos(), corner);
  }
  Form2& about = OpenAbout();
  about.move(-123, -45);
  about.Command1->click();
  EXPECT_EQ(chart->pos(), QPoint(-123, -45));
}

TEST_F(About, RoundTripLeavesTheChartAsItWas) {
  chart->Combo1->SetListIndex(4);
  chart->Combo2->SetListIndex(6);
  const std::string key = chart->Chart().SelectionKey;
  const QString label = chart->Label1->text();
  std::vector<std::pair<bool, float>> markers;
  for (int string = 1; string <= 6; ++string) markers.emplace_back(chart->Marker(string).isHidden(), chart->Marker(string).Left());
  const QImage before = chart->grab().toImage();

  OpenAbout().Command1->click();

  EXPECT_EQ(chart->Chart().SelectionKey, key);
  EXPECT_EQ(chart->Combo1->ListIndex(), 4);
  EXPECT_EQ(chart->Combo2->ListIndex(), 6);
  EXPECT_EQ(chart->Label1->text(), label);
  for (int string = 1; string <= 6; ++string) {
    EXPECT_EQ(chart->Marker(string).isHidden(), markers[static_cast<std::size_t>(string - 1)].first);
    EXPECT_EQ(chart->Marker(string).Left(), markers[static_cast<std::size_t>(string - 1)].second);
  }
  EXPECT_EQ(chart->grab().toImage(), before);
}

TEST_F(About, TheProgramEndsOnlyWhenTheChartIsClosedAfterwards) {
  QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
  OpenAbout().Command1->click();
  EXPECT_EQ(lastClosed.count(), 0);
  QTimer::singleShot(0, chart, [this] { chart->close(); });
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace velmora
