// The chart window's load sequence, its picks and its keyboard handling.

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "forms/form1.h"
#include "forms/forms.h"
#include "shown_chart.h"

namespace velmora {
namespace {

TEST(Form1Load, RunsTheUpdateTwiceFirstWithoutAChordTypeThenForAMajor) {
  Forms forms;
  Form1 form{forms};
  std::vector<std::string> keys;
  // Connected after the window's own handlers, so these see each update's result.
  const auto record = [&] { keys.push_back(form.Chart().SelectionKey); };
  QObject::connect(form.Combo1, &DropDownList::Click, record);
  QObject::connect(form.Combo2, &DropDownList::Click, record);

  form.Form_Load();

  EXPECT_EQ(keys, (std::vector<std::string>{"0 -1", "0 0"}));
  EXPECT_EQ(form.Combo1->Text(), QStringLiteral("A"));
  EXPECT_EQ(form.Combo2->Text(), QString());
  EXPECT_EQ(form.Combo2->ListIndex(), 0);
  EXPECT_EQ(form.Label1->text(), QStringLiteral("A"));
  const float lefts[] = {210, 900, 900, 900, 210};
  for (int string = 1; string <= 5; ++string) {
    EXPECT_FALSE(form.Marker(string).isHidden()) << "S" << string;
    EXPECT_EQ(form.Marker(string).Left(), lefts[string - 1]) << "S" << string;
  }
  EXPECT_TRUE(form.Marker(6).isHidden());
  EXPECT_EQ(form.Chart().FretTable, kFretPositions);
}

class ShownForm1 : public ShownChart {
 protected:
  ShownForm1() { EXPECT_TRUE(QTest::qWaitForWindowActive(chart)); }

  // Counts the updates a step runs: each list's Click runs exactly one.
  int UpdatesDuring(const std::function<void()>& step) {
    QSignalSpy roots(form->Combo1, &DropDownList::Click);
    QSignalSpy types(form->Combo2, &DropDownList::Click);
    step();
    return static_cast<int>(roots.count() + types.count());
  }

  Form1* form = chart;
};

TEST_F(ShownForm1, ShowsAMajorWithTheRootListFocusedAndCentred) {
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), form->Combo1);
  EXPECT_EQ(form->Chart().SelectionKey, "0 0");
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_LE(std::abs(form->geometry().center().x() - screen.center().x()), 1);
  EXPECT_LE(std::abs(form->geometry().center().y() - screen.center().y()), 1);
}

TEST_F(ShownForm1, KeyboardPickInTheTypeListRunsOneUpdate) {
  form->Combo2->setFocus();
  EXPECT_EQ(UpdatesDuring([&] { QTest::keyClick(form->Combo2, Qt::Key_Down); }), 1);
  EXPECT_EQ(form->Combo2->ListIndex(), 1);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("A6"));
  EXPECT_EQ(form->Chart().SelectionKey, "0 1");
  EXPECT_EQ(form->Marker(1).Left(), 900.0F);  // A6 plays string 1 at fret 2
}

TEST_F(ShownForm1, KeyboardPickInTheRootListRunsOneUpdate) {
  EXPECT_EQ(UpdatesDuring([&] { QTest::keyClick(form->Combo1, Qt::Key_End); }), 1);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("G#"));
  EXPECT_EQ(form->Chart().SelectionKey, "11 0");
  EXPECT_FALSE(form->Marker(6).isHidden());
}

TEST_F(ShownForm1, PickByTheProgramRunsOneUpdate) {
  EXPECT_EQ(UpdatesDuring([&] { form->Combo2->SetListIndex(10); }), 1);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("Am"));
}

TEST_F(ShownForm1, PickFromTheOpenedListRunsOneUpdate) {
  EXPECT_EQ(UpdatesDuring([&] {
              QTest::keyClick(form->Combo2, Qt::Key_F4);  // opens the list
              ASSERT_NE(QApplication::activePopupWidget(), nullptr);
              QTest::keyClick(form->Combo2->view(), Qt::Key_Down);
              QTest::keyClick(form->Combo2->view(), Qt::Key_Return);
            }),
            1);
  EXPECT_EQ(form->Combo2->ListIndex(), 1);
  EXPECT_EQ(form->Label1->text(), QStringLiteral("A6"));
}

TEST_F(ShownForm1, NothingButAPickRunsTheUpdate) {
  EXPECT_EQ(UpdatesDuring([&] {
              QTest::keyClick(form, Qt::Key_Tab);
              QTest::mouseClick(form->Label1, Qt::LeftButton);
              QTest::mouseClick(form->Image1, Qt::LeftButton);
              form->hide();
              form->show();
            }),
            0);
}

TEST_F(ShownForm1, EnterAndEscapeOnAListDoNotPressTheAboutButton) {
  QTest::keyClick(form->Combo1, Qt::Key_Return);
  QTest::keyClick(form->Combo1, Qt::Key_Escape);
  EXPECT_EQ(forms.LoadedForm2(), nullptr);
  EXPECT_TRUE(form->isVisible());
}

TEST_F(ShownForm1, TheFocusedAboutButtonAnswersSpaceAndEnter) {
  for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
    form->Command1->setFocus();
    QTest::keyClick(form->Command1, key);
    ASSERT_NE(forms.LoadedForm2(), nullptr);
    EXPECT_FALSE(form->isVisible());
    forms.LoadedForm2()->Command1->click();
    EXPECT_TRUE(form->isVisible());
  }
}

TEST_F(ShownForm1, TabCyclesTheListsAndTheButton) {
  std::vector<QWidget*> visited;
  for (int i = 0; i < 4; ++i) {
    visited.push_back(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, (std::vector<QWidget*>{form->Combo1, form->Combo2, form->Command1, form->Combo1}));
}

TEST_F(ShownForm1, ListsCannotBeTypedInto) {
  QTest::keyClicks(form->Combo1, "Hello");
  EXPECT_TRUE(form->Combo1->findChildren<QLineEdit*>().isEmpty());
  EXPECT_NE(form->Combo1->findText(form->Combo1->Text(), Qt::MatchExactly), -1);
}

TEST_F(ShownForm1, ClosingTheWindowEndsTheEventLoop) {
  QTimer::singleShot(0, form, [this] { form->close(); });
  // A loop that does not end in time fails the test rather than hanging it.
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace velmora
