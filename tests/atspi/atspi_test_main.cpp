// Runs the screen-reader tests on a private desktop with its own
// accessibility bus, started here and stopped at the end, with one
// libatspi reader listening on it.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "accessibility_desktop.h"
#include "reader_session.h"
#include "screen_reader.h"

namespace {
velmora::AccessibilityDesktop* runningDesktop = nullptr;
velmora::ScreenReader* runningReader = nullptr;
}  // namespace

const velmora::AccessibilityDesktop& velmora::Desktop() { return *runningDesktop; }
velmora::ScreenReader& velmora::Reader() { return *runningReader; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  try {
    velmora::AccessibilityDesktop desktop;
    // The reader finds the accessibility bus through the session bus.
    setenv("DISPLAY", desktop.Display().c_str(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", desktop.SessionBus().c_str(), 1);
    velmora::ScreenReader reader;
    runningDesktop = &desktop;
    runningReader = &reader;
    const int result = RUN_ALL_TESTS();
    runningReader = nullptr;
    runningDesktop = nullptr;
    return result;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "screen-reader session: %s\n", e.what());
    return 1;
  }
}
