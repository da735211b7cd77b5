// The chart started on a busy desktop, where the accessibility bus answers
// the program only after the window manager has given the chart the focus:
// a reader that was listening before still hears the chart come to the
// front, and where its focus is.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chart_words.h"
#include "processes.h"
#include "reader_session.h"
#include "screen_reader.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

constexpr auto kWait = 60s;

TEST(ChartOnABusyDesktop, AReaderHearsTheChartThoughTheBusAnswersItLate) {
  Reader().ClearEvents();
  pid_t program = -1;
  bool focused = false;
  {
    // Held until the program has taken in the X input focus that the window
    // manager gave the chart: it comes to the front before it can reach the
    // accessibility bus.
    Desktop().PauseAccessibilityBusLauncher();
    struct Release {
      ~Release() { Desktop().ResumeAccessibilityBusLauncher(); }
    } release;
    program = Desktop().Launch({VELMORA_PROGRAM});
    XWindows server(Desktop().Display());
    const xcb_window_t chart = server.WaitForClientTitled(kChartTitle, kWait);
    focused = chart != XCB_WINDOW_NONE && server.WaitForInputFocus(chart, kWait) && server.Ping(chart, kWait);
  }
  const auto heard = [](const std::string& type, const std::string& role, const std::string& name, int detail1) {
    return std::any_of(Reader().Events().begin(), Reader().Events().end(), [&](const ReadEvent& e) {
      return e.type == type && e.detail1 == detail1 && e.source.role == role && e.source.name == name;
    });
  };
  const bool both = Reader().WaitFor(
      [&] {
        return heard("window:activate", "frame", kChartTitle, 0) &&
               heard("object:state-changed:focused", "combo box", kRootList, 1);
      },
      kWait);
  Stop(program, "velmora");
  ASSERT_TRUE(focused) << "the chart never had the input focus, or never took it in";
  std::string log;
  for (const ReadEvent& e : Reader().Events())
    log += "\n  " + e.type + " from " + e.source.role + " '" + e.source.name + "'";
  EXPECT_TRUE(both) << "the reader never heard the chart come to the front "
                       "with the focus in the root list; it heard:"
                    << log;
}

}  // namespace
}  // namespace velmora
