// Runs the Wayland tests in a QApplication on Qt's Wayland platform, on its
// own compositor, started here and stopped at the end.

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>

#include "bounded_end.h"
#include "wayland_desktop.h"
#include "wayland_session.h"

namespace {
const velmora::WaylandDesktop* running = nullptr;
}

const velmora::WaylandDesktop& velmora::RunningWaylandDesktop() { return *running; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::WaylandDesktop desktop;
  running = &desktop;
  desktop.Enter();
  qputenv("QT_QPA_PLATFORM", "wayland");
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
    velmora::EndWithin(std::chrono::seconds(30));
  }
  return result;
}
