// The chart coming back from the About window, watched from the X server:
// its frame is mapped once, already where the About window stood, and never
// shown first at its old place or half-way.

#include <gtest/gtest.h>

#include <QTest>
#include <string>

#include "shown_chart.h"
#include "window_manager.h"
#include "x11_session.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace velmora {
namespace {

std::string Describe(const std::vector<ShownPlace>& places) {
  std::string text;
  for (const ShownPlace& place : places) {
    text += " " + place.event + " at " + std::to_string(place.at.x) + "," + std::to_string(place.at.y);
  }
  return text.empty() ? " nothing" : text;
}

class ChartShownOnce : public ShownChart {};

TEST_F(ChartShownOnce, ChartIsMappedOnceWhereTheAboutWindowStood) {
  const std::string manager = RunningDesktop().WindowManagerName();
  for (int trip = 0; trip < 12; ++trip) {
    const std::string at = manager + ", trip " + std::to_string(trip + 1);
    Form2& about = OpenAbout();
    QPoint corner = WindowManager::SettledFrameCorner(about);
    // Every other trip the user drags the About window to odd device
    // pixels; the others leave it where it opened.
    if (trip % 2 == 0) {
      const QPoint target(((corner.x() + (trip % 4 == 0 ? 37 : -29)) | 1),
                          ((corner.y() + (trip % 3 == 0 ? 23 : -17)) | 1));
      corner = WindowManager::DragTo(about, target);
      ASSERT_EQ(corner, target) << manager << " did not let the About window go there";
    }
    Server().WatchFrame(static_cast<xcb_window_t>(chart->winId()));
    // OK, and every third trip the title bar's close.
    if (trip % 3 == 2) {
      WindowManager::RequestClose(about);
    } else {
      about.Command1->click();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return forms.LoadedForm2() == nullptr; }, 10000)) << at;
    EXPECT_EQ(WindowManager::SettledFrameCorner(*chart, corner), corner) << at;
    const std::vector<ShownPlace>& places = Server().ShownPlaces();
    EXPECT_EQ(places.size(), 1U) << "the chart's frame was shown at:" << Describe(places) << "; " << at;
    if (!places.empty()) {
      EXPECT_EQ(places.front().event, "map") << at;
    }
  }
}

}  // namespace
}  // namespace velmora
