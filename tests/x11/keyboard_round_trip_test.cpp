// A keyboard user's About round trips in real windows: the window that the
// program shows in answer to a key gets the keyboard, under the session's
// window manager, every time.

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "shown_chart.h"
#include "x11_session.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace velmora {
namespace {

// Generous, for a loaded machine; every wait ends as soon as it is met.
constexpr int kWait = 10000;

// Where the About window once came up without the keyboard now and then,
// many trips; elsewhere a few.
int TripsUnder(const std::string& manager) { return manager == "fluxbox" ? 20 : 4; }

class KeyboardRoundTrip : public ShownChart {
 protected:
  // Waits until the window, or a window inside it, has the X input focus.
  static bool HasTheKeyboard(const QWidget& window) {
    return QTest::qWaitFor([&] { return Server().HoldsInputFocus(static_cast<xcb_window_t>(window.winId())); }, kWait);
  }

  static void Press(const std::string& keys) { RunningDesktop().PressKeys(keys); }
};

TEST_F(KeyboardRoundTrip, AboutAndTheChartTakeTheKeyboardInTurn) {
  const std::string manager = RunningDesktop().WindowManagerName();
  ASSERT_TRUE(HasTheKeyboard(*chart)) << "the chart started without the keyboard under " << manager;
  // From the root list to the About button.
  Press("Tab Tab");
  ASSERT_TRUE(QTest::qWaitFor([&] { return chart->Command1->hasFocus(); }, kWait));
  for (int trip = 0; trip < TripsUnder(manager); ++trip) {
    const std::string at = manager + ", trip " + std::to_string(trip + 1);
    Press("space");
    ASSERT_TRUE(QTest::qWaitFor([&] { return forms.LoadedForm2() != nullptr; }, kWait)) << at;
    const Form2& about = *forms.LoadedForm2();
    ASSERT_TRUE(HasTheKeyboard(about)) << "the About window opened without the keyboard, " << at;
    // The toolkit hears of the focus just after the server gives it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.Command1->hasFocus(); }, kWait)) << at;

    Press("space");
    ASSERT_TRUE(QTest::qWaitFor([&] { return forms.LoadedForm2() == nullptr; }, kWait))
        << "Space on OK did not close the About window, " << at;
    ASSERT_TRUE(HasTheKeyboard(*chart)) << "the chart came back without the keyboard, " << at;
    EXPECT_TRUE(QTest::qWaitFor([&] { return chart->Command1->hasFocus(); }, kWait)) << at;

    // Back to the type list, and the next type; after the last, the first.
    const int type = chart->Combo2->ListIndex();
    const int next = type + 1 < chart->Combo2->count() ? type + 1 : 0;
    Press(next != 0 ? "shift+Tab Down" : "shift+Tab Home");
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->Combo2->ListIndex() == next; }, kWait))
        << "the chart did not take the type list's keys, " << at;
    EXPECT_EQ(chart->Label1->text(), chart->Combo1->Text() + chart->Combo2->Text()) << at;
    Press("Tab");
    ASSERT_TRUE(QTest::qWaitFor([&] { return chart->Command1->hasFocus(); }, kWait)) << at;
  }
}

}  // namespace
}  // namespace velmora
