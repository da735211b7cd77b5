// The rendered chart: for every chord, the yellow discs in the grabbed window
// stand where the fret table and the marker rows put them, and the chord name
// fits on one line of its label.

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include "chord_table.h"
#include "forms/form1.h"
#include "forms/forms.h"
#include "picks.h"
#include "yellow_discs.h"

namespace velmora {
namespace {

constexpr double kMarkerTops[] = {735, 960, 1200, 1450, 1700, 1940};

class RenderedChord : public testing::TestWithParam<Pick> {
 protected:
  static void SetUpTestSuite() {
    forms = new Forms;
    form = &forms->form1();
  }
  static void TearDownTestSuite() { delete forms; }

  static Forms* forms;
  static Form1* form;
};
Forms* RenderedChord::forms = nullptr;
Form1* RenderedChord::form = nullptr;

TEST_P(RenderedChord, ShowsOneDiscPerPlayedStringOnItsRowAndFret) {
  const auto [root, type] = GetParam();
  form->Combo1->SetListIndex(root);
  form->Combo2->SetListIndex(type);
  const QImage image = form->grab().toImage();
  ASSERT_EQ(image.devicePixelRatio(), 1.0);

  std::vector<QPointF> expected;
  const ChordShape& shape = *ChordTable::Find(root, type);
  for (int string = 1; string <= kStringCount; ++string) {
    if (shape.IsMuted(string)) continue;
    const double left = kFretPositions[static_cast<std::size_t>(shape.Fret(string))];
    expected.emplace_back((left + 7.5) / 15, (kMarkerTops[string - 1] + 7.5) / 15);
  }
  const std::vector<Disc> discs = FindYellowDiscs(image);
  ASSERT_EQ(discs.size(), expected.size());
  for (const QPointF& want : expected) {
    const auto match = std::find_if(discs.begin(), discs.end(), [&](const Disc& d) {
      return std::abs(d.centre.x() - want.x()) <= 0.5 && std::abs(d.centre.y() - want.y()) <= 0.5;
    });
    EXPECT_NE(match, discs.end()) << "no disc at " << want.x() << ", " << want.y();
    if (match != discs.end()) {
      // About ten pixels across: a disc of 9 to 11 pixels' diameter.
      EXPECT_GE(match->pixels, 64);
      EXPECT_LE(match->pixels, 100);
    }
  }
}

TEST_P(RenderedChord, NameFitsOnOneLineOfTheLabel) {
  const auto [root, type] = GetParam();
  form->Combo1->SetListIndex(root);
  form->Combo2->SetListIndex(type);
  const QString name = form->Label1->text();
  ASSERT_EQ(name.toStdString(), ChordName(kRootTexts[static_cast<std::size_t>(root)],
                                          kTypeTexts[static_cast<std::size_t>(type)]));
  const QFontMetrics metrics(form->Label1->font());
  const QRect oneLine = metrics.boundingRect(form->Label1->contentsRect(), Qt::TextWordWrap, name);
  EXPECT_EQ(oneLine.height(), metrics.height()) << name.toStdString() << " wraps";
  EXPECT_LE(metrics.horizontalAdvance(name), form->Label1->contentsRect().width()) << name.toStdString();
  EXPECT_LE(oneLine.height(), form->Label1->height());
}

INSTANTIATE_TEST_SUITE_P(Form1, RenderedChord, testing::ValuesIn(AllPicks()), PickName);

TEST(Form1Picture, ShowsTheCommittedFretboardPixelForPixel) {
  Forms forms;
  Form1& form = forms.form1();
  const QImage shown = form.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage committed = QImage(VELMORA_RESOURCES_DIR "/fretboard.png").convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(committed.isNull());
  EXPECT_EQ(shown, committed);
}

TEST(Form1Fonts, ResolveToAFontWithCyrillicThatKeepsTheSizes) {
  if (!QFontDatabase::hasFamily("MS Sans Serif") && !QFontDatabase::hasFamily("Liberation Sans")) {
    GTEST_SKIP() << "neither MS Sans Serif nor Liberation Sans is installed";
  }
  Forms forms;
  Form1 form{forms};
  for (const QWidget* widget : {static_cast<const QWidget*>(&form), static_cast<const QWidget*>(form.Label1)}) {
    const QFontInfo info(widget->font());
    EXPECT_TRUE(info.family() == "MS Sans Serif" || info.family() == "Liberation Sans") << info.family().toStdString();
    EXPECT_FALSE(info.bold());
    const QFontMetrics metrics(widget->font());
    for (const QChar c : QStringLiteral("О программе Аккорды")) EXPECT_TRUE(metrics.inFontUcs4(c.unicode()));
  }
  EXPECT_DOUBLE_EQ(QFontInfo(form.Label1->font()).pointSizeF(), 9.75);
}

}  // namespace
}  // namespace velmora
