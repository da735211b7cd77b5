// Runs the real-window tests in a QApplication on its own X server with a
// reparenting window manager, both started here and stopped at the end.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "x11_session.h"

namespace {
const velmora::X11Session* running = nullptr;
}

const velmora::X11Session& velmora::RunningSession() { return *running; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::X11Session session;
  running = &session;
  qputenv("DISPLAY", session.Display().c_str());
  qputenv("QT_QPA_PLATFORM", "xcb");
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  return result;
}
