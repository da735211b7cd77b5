// The About round trip in real windows, under a window manager that adds a
// frame and a title bar: the outer corners of the two windows must meet on
// the same pixel every time.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "../ui/shown_chart.h"
#include "forms.h"
#include "window_manager.h"
#include "window_position.h"
#include "x11_session.h"

namespace velmora {
namespace {

class AboutHandOver : public ShownChart {
 protected:
  // Waits for the About window to be gone and the chart to be back.
  void WaitForChart() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return forms.LoadedForm2() == nullptr; }, 5000));
    EXPECT_TRUE(QTest::qWaitForWindowExposed(chart, kExposureWait));
  }
};

TEST_F(AboutHandOver, AboutOpensOnTheChartsCorner) {
  const QPoint chartCorner = WindowManager::SettledFrameCorner(*chart);
  Form2& about = OpenAbout();
  EXPECT_EQ(WindowManager::SettledFrameCorner(about), chartCorner);
  EXPECT_FALSE(chart->isVisible());
}

TEST_F(AboutHandOver, AboutOpensOnTheChartsCornerAfterTheChartWasMoved) {
  WindowManager::DragTitleBar(*chart, QPoint(-120, 75));
  const QPoint moved = WindowManager::SettledFrameCorner(*chart);
  Form2& about = OpenAbout();
  EXPECT_EQ(WindowManager::SettledFrameCorner(about), moved);
}

TEST_F(AboutHandOver, UnmovedAboutGivesTheChartBackItsPlace) {
  const QPoint chartCorner = WindowManager::SettledFrameCorner(*chart);
  OpenAbout().Command1->click();
  WaitForChart();
  EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), chartCorner);
}

TEST_F(AboutHandOver, MovedAboutTakesTheChartToItsLastPlace) {
  Form2& about = OpenAbout();
  WindowManager::DragTitleBar(about, QPoint(90, -60));
  const QPoint aboutCorner = WindowManager::SettledFrameCorner(about);
  about.Command1->click();
  WaitForChart();
  EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), aboutCorner);
}

TEST_F(AboutHandOver, CloseRequestFromTheTitleBarActsAsOk) {
  Form2& about = OpenAbout();
  WindowManager::DragTitleBar(about, QPoint(-50, 40));
  const QPoint aboutCorner = WindowManager::SettledFrameCorner(about);
  WindowManager::RequestClose(about);
  WaitForChart();
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), aboutCorner);
}

TEST_F(AboutHandOver, TwentyRoundTripsDoNotDrift) {
  QPoint last;
  for (int trip = 0; trip < 20; ++trip) {
    Form2& about = OpenAbout();
    if (trip % 2 == 1) WindowManager::DragTitleBar(about, QPoint(trip % 4 == 1 ? 13 : -11, trip % 3 == 0 ? 7 : -5));
    last = WindowManager::SettledFrameCorner(about);
    if (trip % 5 == 4) {
      WindowManager::RequestClose(about);
    } else {
      about.Command1->click();
    }
    WaitForChart();
  }
  EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), last);
}

TEST_F(AboutHandOver, AboutClosedBeforeTheWindowManagerFramedItStillHandsBackExactly) {
  // OK pressed in the same turn of the event loop that showed the window,
  // before the window manager has reparented it.
  WindowManager::DragTitleBar(*chart, QPoint(33, 21));
  const QPoint chartCorner = WindowManager::SettledFrameCorner(*chart);
  for (int trip = 0; trip < 5; ++trip) {
    chart->Command1->click();
    ASSERT_NE(forms.LoadedForm2(), nullptr);
    forms.LoadedForm2()->Command1->click();
    WaitForChart();
  }
  EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), chartCorner);
}

TEST_F(AboutHandOver, ChartWaitsForTheWindowManagerToLetGoBeforeShowingAgain) {
  // The window manager is held still while the About button hides the chart
  // and OK shows it again, as on a busy machine. The chart may be shown again
  // only once the manager, let go on, has taken it out of its frame; else the
  // manager frames it again in the wrong place.
  const QPoint chartCorner = WindowManager::SettledFrameCorner(*chart);
  for (int trip = 0; trip < 3; ++trip) {
    std::atomic<bool> resumed = false;
    RunningSession().PauseWindowManager();
    std::thread resume([&resumed] {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
      resumed = true;
      RunningSession().ResumeWindowManager();
    });
    chart->Command1->click();
    ASSERT_NE(forms.LoadedForm2(), nullptr);
    forms.LoadedForm2()->Command1->click();
    EXPECT_TRUE(resumed) << "trip " << trip;
    resume.join();
    WaitForChart();
    EXPECT_EQ(WindowManager::SettledFrameCorner(*chart), chartCorner) << "trip " << trip;
  }
}

TEST_F(AboutHandOver, ChartComesBackEvenIfTheWindowManagerNeverLetsGo) {
  // A hung window manager must not hang the program: OK still shows the chart.
  RunningSession().PauseWindowManager();
  chart->Command1->click();
  ASSERT_NE(forms.LoadedForm2(), nullptr);
  forms.LoadedForm2()->Command1->click();
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(forms.LoadedForm2(), nullptr);
  RunningSession().ResumeWindowManager();
  WaitForChart();
}

TEST_F(AboutHandOver, PositionsReadInTwipsMatchTheFrames) {
  const QPoint corner = WindowManager::SettledFrameCorner(*chart);
  EXPECT_EQ(WindowLeft(*chart), corner.x() * 15.0F);
  EXPECT_EQ(WindowTop(*chart), corner.y() * 15.0F);
}

TEST_F(AboutHandOver, ClosingTheChartFromItsTitleBarEndsTheProgram) {
  QTimer::singleShot(0, chart, [this] { WindowManager::RequestClose(*chart); });
  // A loop that does not end in time fails the test rather than hanging it.
  QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
}

}  // namespace
}  // namespace velmora
