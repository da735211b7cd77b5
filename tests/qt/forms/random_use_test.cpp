// Thousands of random user actions on both windows; after each one the chart
// must agree with the chord table for its lists' selection, and exactly one
// window must be visible.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <random>
#include <set>

#include "chord_table.h"
#include "forms/forms.h"
#include "shown_chart.h"

namespace velmora {
namespace {

class RandomUse : public ShownChart {
 protected:

  int Below(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

  DropDownList* AnyList() { return Below(2) == 0 ? chart->Combo1 : chart->Combo2; }

  void PickWithMouse(DropDownList* list) {
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    if (!view->isVisible()) return;  // the click did not open the list
    const QModelIndex item = view->model()->index(Below(list->count()), 0);
    view->scrollTo(item);
    const QPoint at = view->visualRect(item).center();
    // The pointer travels to the item before the click, as a hand would.
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (view->isVisible()) list->hidePopup();  // a click between items
  }

  void PickWithKeyboard(DropDownList* list) {
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_A,  Qt::Key_M, Qt::Key_7};
    list->setFocus();
    QTest::keyClick(list, keys[Below(std::size(keys))]);
  }

  void MoveWindow(QWidget& window) {
    window.move(Below(1600) - 400, Below(1200) - 300);
  }

  // One random action on whichever window the user can reach.
  void Act() {
    if (Form2* about = forms.LoadedForm2()) {
      switch (Below(4)) {
        case 0: QTest::mouseClick(about->Command1, Qt::LeftButton); break;
        case 1: QTest::keyClick(about->Command1, Qt::Key_Space); break;
        case 2: about->close(); break;  // the title bar's close
        default: MoveWindow(*about); break;
      }
      return;
    }
    switch (Below(10)) {
      case 0: case 1: case 2: PickWithMouse(AnyList()); break;
      case 3: case 4: case 5: PickWithKeyboard(AnyList()); break;
      case 6: QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : chart, Qt::Key_Tab); break;
      case 7: MoveWindow(*chart); break;
      default: QTest::mouseClick(chart->Command1, Qt::LeftButton); break;
    }
  }

  void ExpectConsistent(int step) {
    Form2* about = forms.LoadedForm2();
    ASSERT_NE(chart->isVisible(), about != nullptr && about->isVisible()) << "step " << step;
    const int root = chart->Combo1->ListIndex();
    const int type = chart->Combo2->ListIndex();
    ASSERT_GE(root, 0);
    ASSERT_GE(type, 0);
    EXPECT_EQ(chart->Label1->text(), chart->Combo1->Text() + chart->Combo2->Text()) << "step " << step;
    EXPECT_EQ(chart->Chart().SelectionKey, MakeSelectionKey(root, type)) << "step " << step;
    const ChordShape& shape = *ChordTable::Find(root, type);
    for (int string = 1; string <= kStringCount; ++string) {
      EXPECT_EQ(chart->Marker(string).isHidden(), shape.IsMuted(string)) << "step " << step << " S" << string;
      if (!shape.IsMuted(string)) {
        EXPECT_EQ(chart->Marker(string).Left(), kFretPositions[static_cast<std::size_t>(shape.Fret(string))])
            << "step " << step << " S" << string;
      }
    }
  }

  std::mt19937 random{20261207};
};

TEST_F(RandomUse, ChartAlwaysShowsTheChordItsListsName) {
  constexpr int kActions = 3000;
  QElapsedTimer clock;
  clock.start();
  int done = 0;
  int trips = 0;
  std::set<std::string> chords;
  // Bounded in time as well as in count, so a slow machine cannot hang CI.
  for (; done < kActions && clock.elapsed() < 60000; ++done) {
    const QPoint chartCorner = chart->pos();
    const bool aboutWasOpen = forms.LoadedForm2() != nullptr;
    const QPoint aboutCorner = aboutWasOpen ? forms.LoadedForm2()->pos() : QPoint();
    Act();
    ExpectConsistent(done);
    if (HasFailure()) break;
    const bool aboutIsOpen = forms.LoadedForm2() != nullptr;
    chords.insert(chart->Chart().SelectionKey);
    if (!aboutWasOpen && aboutIsOpen) {
      ++trips;
      EXPECT_EQ(forms.LoadedForm2()->pos(), chartCorner) << "step " << done;
    }
    if (aboutWasOpen && !aboutIsOpen) {
      EXPECT_EQ(chart->pos(), aboutCorner) << "step " << done;
    }
  }
  EXPECT_GE(done, 1000) << "too few actions ran in the time allowed";
  // The walk must have reached far: most chords, many visits to About.
  EXPECT_GE(chords.size(), 150U);
  EXPECT_GE(trips, 50);
  std::printf("%d actions, %zu chords, %d About visits\n", done, chords.size(), trips);
}

}  // namespace
}  // namespace velmora
