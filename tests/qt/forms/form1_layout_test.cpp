// The chart window as created, before its load code runs.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QPushButton>

#include "forms/form1.h"
#include "forms/forms.h"
#include "placement/twips.h"

namespace velmora {
namespace {

class CreatedForm1 : public testing::Test {
 protected:
  Forms forms;
  Form1 form{forms};
};

TEST_F(CreatedForm1, IsAFixedSizeWindowWithItsCaptionAndNoMaximize) {
  EXPECT_TRUE(form.isWindow());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Аккорды"));
  EXPECT_EQ(form.size(), twips::ToSize(7455, 2040));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  const Qt::WindowFlags flags = form.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

struct Placement {
  const char* name;
  twips::Rect rect;
};

TEST_F(CreatedForm1, ControlsStandWhereTheLayoutPutsThem) {
  const std::vector<std::pair<QWidget*, Placement>> controls = {
      {form.Command1, {"Command1", {3675, 105, 3690, 330}}},
      {form.Combo2, {"Combo2", {1260, 105, 1065, 315}}},
      {form.Combo1, {"Combo1", {105, 105, 1065, 315}}},
      {form.Label1, {"Label1", {2520, 105, 1065, 330}}},
      {form.Image1, {"Image1", {0, 630, 7500, 1395}}},
  };
  for (const auto& [widget, placement] : controls) {
    EXPECT_EQ(widget->geometry(), twips::ToRect(placement.rect)) << placement.name;
    EXPECT_EQ(widget->parentWidget(), &form) << placement.name;
  }
}

TEST_F(CreatedForm1, MarkersAreVisibleAtTheOpenStringOnTheirRows) {
  const int tops[] = {735, 960, 1200, 1450, 1700, 1940};
  for (int string = 1; string <= 6; ++string) {
    const MarkerShape& marker = form.Marker(string);
    EXPECT_FALSE(marker.isHidden()) << "S" << string;
    EXPECT_EQ(marker.Left(), 210.0F) << "S" << string;
    const QPointF centre = marker.Centre();
    EXPECT_DOUBLE_EQ(centre.x(), twips::ToPixels(210 + 7.5)) << "S" << string;
    EXPECT_DOUBLE_EQ(centre.y(), twips::ToPixels(tops[string - 1] + 7.5)) << "S" << string;
    // The widget holds the whole disc.
    EXPECT_TRUE(QRectF(marker.geometry()).contains(QRectF(centre - QPointF(5, 5), QSizeF(10, 10))))
        << "S" << string;
  }
}

TEST_F(CreatedForm1, ListsHoldTheirItemsInOrderAndNoSelection) {
  const QStringList roots = {"A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};
  const QStringList types = {"",     "6",    "7",    "7sus2", "7sus4", "9",   "11",
                             "13",   "maj7 3b", "maj7", "m",  "min6",  "min7", "min7 5b",
                             "sus",  "sus2", "sus4", "dim",   "aug"};
  for (const auto& [list, items] : {std::pair{form.Combo1, roots}, std::pair{form.Combo2, types}}) {
    ASSERT_EQ(list->count(), items.size());
    for (int i = 0; i < items.size(); ++i) EXPECT_EQ(list->itemText(i), items[i]);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(list->Text(), QString());
  }
}

TEST_F(CreatedForm1, LabelReadsLabel1InItsOwnFont) {
  EXPECT_EQ(form.Label1->text(), QStringLiteral("Label1"));
  EXPECT_DOUBLE_EQ(form.Label1->font().pointSizeF(), 9.75);
  EXPECT_EQ(form.Label1->font().weight(), QFont::Normal);
  EXPECT_DOUBLE_EQ(form.font().pointSizeF(), 8.25);
  EXPECT_TRUE(form.Label1->wordWrap());
  EXPECT_TRUE(form.Label1->autoFillBackground());
  EXPECT_EQ(form.Label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  EXPECT_EQ(form.Label1->focusPolicy(), Qt::NoFocus);
}

TEST_F(CreatedForm1, ButtonShowsTheAboutCaptionAndIsNotTheDefault) {
  EXPECT_EQ(form.Command1->text(), QStringLiteral("О программе ..."));
  EXPECT_FALSE(form.Command1->isDefault());
}

TEST_F(CreatedForm1, ListsAndButtonLieInFrontOfTheMarkersThatLieInFrontOfLabelAndPicture) {
  // Children are stacked in creation order, the last on top.
  const QObjectList children = form.children();
  std::vector<const QObject*> expected = {form.Image1, form.Label1};
  for (int string = 1; string <= 6; ++string) expected.push_back(&form.Marker(string));
  expected.insert(expected.end(), {form.Combo1, form.Combo2, form.Command1});
  std::vector<const QObject*> actual;
  for (const QObject* child : children) {
    if (child->isWidgetType()) actual.push_back(child);
  }
  EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace velmora
