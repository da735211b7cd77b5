// Runs the screen-reader tests on a private desktop with its own
// accessibility bus, started here and stopped at the end, with one
// libatspi reader listening on it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <exception>

#include "bounded_end.h"
#include "reader_session.h"
#include "screen_reader.h"
#include "x_desktop.h"

namespace {
velmora::XDesktop* runningDesktop = nullptr;
velmora::ScreenReader* runningReader = nullptr;
}  // namespace

const velmora::XDesktop& velmora::Desktop() { return *runningDesktop; }
velmora::ScreenReader& velmora::Reader() { return *runningReader; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  int result = 1;
  try {
    velmora::XDesktop desktop({.windowManager = "openbox", .accessibilityBus = true});
    // The reader finds the accessibility bus through the session bus.
    desktop.Enter();
    {
      velmora::ScreenReader reader;
      runningDesktop = &desktop;
      runningReader = &reader;
      result = RUN_ALL_TESTS();
      velmora::EndWithin(std::chrono::seconds(30));
      runningReader = nullptr;
      runningDesktop = nullptr;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "screen-reader session: %s\n", e.what());
  }
  return result;
}
