// Runs the Wayland tests in a QApplication on Qt's Wayland platform, on its
// own compositor, started here and stopped at the end.

#include <gtest/gtest.h>

#include <QApplication>

#include "wayland_session.h"

namespace {
const velmora::WaylandSession* running = nullptr;
}

const velmora::WaylandSession& velmora::RunningWaylandSession() { return *running; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::WaylandSession session;
  running = &session;
  qputenv("XDG_RUNTIME_DIR", session.RuntimeDir().c_str());
  qputenv("WAYLAND_DISPLAY", session.WaylandDisplay().c_str());
  qputenv("DISPLAY", session.XDisplay().c_str());
  qputenv("XDG_SESSION_TYPE", "wayland");
  qputenv("QT_QPA_PLATFORM", "wayland");
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  return result;
}
