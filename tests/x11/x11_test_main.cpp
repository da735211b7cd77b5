// Runs the real-window tests in a QApplication on their own desktop: an X
// server with the window manager VELMORA_TEST_WM names, started here and
// stopped at the end.

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <memory>

#include "bounded_end.h"
#include "x11_session.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace {
const velmora::XDesktop* runningDesktop = nullptr;
velmora::XWindows* runningServer = nullptr;
}  // namespace

const velmora::XDesktop& velmora::RunningDesktop() { return *runningDesktop; }
velmora::XWindows& velmora::Server() { return *runningServer; }

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  velmora::XDesktop desktop({velmora::ChosenWindowManager()});
  desktop.Enter();
  velmora::XWindows server(desktop.Display());
  runningDesktop = &desktop;
  runningServer = &server;
  qputenv("QT_QPA_PLATFORM", "xcb");
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
    velmora::EndWithin(std::chrono::seconds(30));
  }
  return result;
}
