// Velmora.exe under Wine on the test desktop, seen from outside as a user
// sees it: keys and drags through the X server, the windows read back from
// the X server and its screen, and from Wine by the chart probe.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

#include "chart_words.h"
#include "chord_table.h"
#include "fret_positions.h"
#include "layout/form1_layout.h"
#include "layout/form2_layout.h"
#include "wine_chart.h"
#include "wine_test_session.h"
#include "x_desktop.h"
#include "x_windows.h"
#include "yellow_discs.h"

namespace velmora {
namespace {

// The title of Wine's own desktop window.
const std::string kWineDesktop = "velmora - Wine desktop";
// How long the X server may take to show what Wine has done.
constexpr auto kServerWait = std::chrono::seconds(10);

bool VirtualDesktop() {
  const char* mode = std::getenv("VELMORA_WINE_DESKTOP");
  return mode != nullptr && std::string(mode) == "virtual";
}

// Twips of the layouts in the chart's device pixels.
double Pixels(double twips, unsigned dpi) { return twips * dpi / 1440.0; }

void RunCommand(const std::string& command) {
  const std::string line = "DISPLAY=" + TestDesktop().Display() + " " + command;
  if (std::system(line.c_str()) != 0) throw std::runtime_error("failed: " + line);
}

class WineChartTest : public testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<XWindows>(TestDesktop().Display());
    chart_ = std::make_unique<WineChart>(TestDesktop(), VirtualDesktop(), WithReader());
    // Shown, activated and its root list focused: only then does it take
    // keys, and only then has Wine settled where it stands.
    start_ = chart_->WaitFor([](const ChartState& s) { return s.chartShown && s.label == "A" && s.focus == 101; },
                             "showed the chart with A major and the root list holding the keyboard");
    shownIn_ = ShownWindow(VirtualDesktop() ? kWineDesktop : Utf8(form1_layout::kCaption));
  }

  // Whether the MSAA reader listens to the chart from its start.
  virtual bool WithReader() const { return false; }

  // The X window that shows the chart's client area, and where that area
  // lies in it.
  struct Surface {
    xcb_window_t window;
    int x;
    int y;
  };
  Surface ChartSurface(const ChartState& state) {
    if (!VirtualDesktop()) return {shownIn_, 0, 0};
    return {shownIn_, state.clientX, state.clientY};
  }

  // The one managed window titled `title`, once the X server shows
  // it: Wine says a window is shown before the server does.
  xcb_window_t ShownWindow(const std::string& title) {
    const xcb_window_t window = server_->WaitForClientTitled(title, kServerWait);
    if (window == XCB_WINDOW_NONE) throw std::runtime_error("no single window titled " + title + " shown");
    return window;
  }

  // The picture's rows as the screen shows them, with the marker discs in it.
  QImage Picture(const ChartState& state) {
    const Surface surface = ChartSurface(state);
    const int width = static_cast<int>(std::lround(Pixels(form1_layout::kClientWidth, state.dpi)));
    const int top = static_cast<int>(std::lround(Pixels(form1_layout::kImage1.top, state.dpi)));
    const int height = static_cast<int>(std::lround(Pixels(form1_layout::kImage1.height, state.dpi)));
    const auto pixels = server_->Pixels(surface.window, surface.x, surface.y + top, width, height);
    if (pixels.empty()) return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        image.setPixel(x, y, 0xff000000U | pixels[static_cast<std::size_t>(y * width + x)]);
      }
    }
    return image;
  }

  // Whether the screen shows the markers of the chord (root, type): one disc
  // on each played string's row at its fret, none for a muted string.
  bool ShowsMarkers(const ChartState& state, int root, int type, std::string& seen) {
    const ChordShape& shape = *ChordTable::Find(root, type);
    const QImage picture = Picture(state);
    const std::vector<Disc> discs = FindYellowDiscs(picture);
    seen = std::to_string(discs.size()) + " discs:";
    for (const Disc& disc : discs) {
      seen += " (" + std::to_string(disc.centre.x()) + ", " + std::to_string(disc.centre.y()) + ")";
    }
    int played = 0;
    for (int string = 1; string <= kStringCount; ++string) {
      if (shape.IsMuted(string)) continue;
      ++played;
      const double x = Pixels(kFretPositions[static_cast<std::size_t>(shape.Fret(string))] + 7.5, state.dpi);
      const double y = Pixels(form1_layout::kMarkerTops[static_cast<std::size_t>(string - 1)] + 7.5 -
                                  form1_layout::kImage1.top,
                              state.dpi);
      const double tolerance = state.dpi / 96.0;
      const bool found = std::any_of(discs.begin(), discs.end(), [&](const Disc& disc) {
        return std::abs(disc.centre.x() - x) <= tolerance && std::abs(disc.centre.y() - y) <= tolerance;
      });
      if (!found) return false;
    }
    return static_cast<int>(discs.size()) == played;
  }

  void ExpectChord(int root, int type) {
    const std::string name = std::string(kRootTexts[static_cast<std::size_t>(root)]) +
                             std::string(kTypeTexts[static_cast<std::size_t>(type)]);
    const ChartState state = chart_->WaitFor(
        [&](const ChartState& s) { return s.root == root && s.type == type && s.label == name; },
        "showed " + name);
    // The label and the lists change at once; the picture follows when it
    // is next painted.
    std::string seen;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!ShowsMarkers(state, root, type, seen)) {
      ASSERT_LT(std::chrono::steady_clock::now(), deadline) << name << " is not marked on the screen: " << seen;
    }
  }

  // Closes the chart or About from its title bar: the manager's close, or
  // where Wine draws the frame, a click on its close button.
  void CloseByTitleBar(bool about) {
    const std::string title = Utf8(about ? form2_layout::kCaption : form1_layout::kCaption);
    if (!VirtualDesktop()) {
      std::ostringstream id;
      id << std::showbase << std::hex << ShownWindow(title);
      RunCommand("wmctrl -i -c " + id.str());
      return;
    }
    const ChartState state = chart_->WaitFor(
        [&](const ChartState& s) { return (about ? s.aboutCloseX : s.chartCloseX) != 0; }, "showed a close button");
    const OuterRect& rect = about ? state.about : state.chart;
    if (!ServerShowsAt(title, rect.left, rect.top)) throw std::runtime_error("the X server never showed " + title);
    const auto corners = server_->Corners(shownIn_);
    const int x = corners->client.x + (about ? state.aboutCloseX : state.chartCloseX);
    const int y = corners->client.y + (about ? state.aboutCloseY : state.chartCloseY);
    RunCommand("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
  }

  // Inside its own desktop Wine takes a pointer event against the window
  // under it as the X server last placed that window, which may lag behind
  // Wine: waits until the server shows the window titled `title` at
  // (left, top), where Wine has put it; whether it came to.
  bool ServerShowsAt(const std::string& title, int left, int top) {
    return server_->WaitForChildAt(shownIn_, title, {left, top}, kServerWait);
  }

  std::unique_ptr<XWindows> server_;
  std::unique_ptr<WineChart> chart_;
  ChartState start_;
  // The X window the chart is shown in: its own under a window manager,
  // Wine's desktop inside that.
  xcb_window_t shownIn_ = XCB_WINDOW_NONE;
};

TEST_F(WineChartTest, StartsCentredWithItsLayoutAndTheFretboard) {
  const unsigned dpi = start_.dpi;
  EXPECT_EQ(dpi, static_cast<unsigned>(std::atoi(std::getenv("VELMORA_TEST_DPI"))));
  ExpectChord(0, 0);
  // Centred on the screen (1280 x 1024; the virtual desktop 1024 x 768).
  const int screenWidth = VirtualDesktop() ? 1024 : 1280;
  const int screenHeight = VirtualDesktop() ? 768 : 1024;
  EXPECT_LE(std::abs(start_.chart.left + start_.chart.right - screenWidth), 1) << Describe(start_);
  EXPECT_LE(std::abs(start_.chart.top + start_.chart.bottom - screenHeight), 1) << Describe(start_);

  if (!VirtualDesktop()) {
    // The client area, as the X server has it: 497 x 136 pixels at 96 dpi.
    const auto size = server_->Size(ChartSurface(start_).window);
    ASSERT_TRUE(size);
    EXPECT_EQ(size->x, std::lround(Pixels(form1_layout::kClientWidth, dpi)));
    EXPECT_EQ(size->y, std::lround(Pixels(form1_layout::kClientHeight, dpi)));
  }

  // The fretboard pixel for pixel as the Qt program shows it, but where the
  // A major markers cover it.
  const QImage shown = Picture(start_);
  ASSERT_FALSE(shown.isNull());
  const QImage expected(dpi > 96 ? VELMORA_RESOURCES_DIR "/fretboard@2x.png" : VELMORA_RESOURCES_DIR "/fretboard.png");
  ASSERT_FALSE(expected.isNull());
  const std::vector<Disc> discs = FindYellowDiscs(shown);
  ASSERT_EQ(discs.size(), 5U);
  const double clear = Pixels(15 * (form1_layout::kMarkerDiscRadiusPixels + 1.5), dpi);
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const bool underMarker = std::any_of(discs.begin(), discs.end(), [&](const Disc& d) {
        return std::hypot(x + 0.5 - d.centre.x(), y + 0.5 - d.centre.y()) < clear;
      });
      if (!underMarker && shown.pixel(x, y) != expected.pixel(x, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0) << "pixels of the fretboard differ from the picture";
}

// The roots whose chords are walked: all, or the first VELMORA_TEST_ROOTS.
int RootsWalked() {
  const char* roots = std::getenv("VELMORA_TEST_ROOTS");
  return roots ? std::clamp(std::atoi(roots), 1, kRootCount) : kRootCount;
}

// The chart with a screen reader listening: every chord is also heard, as
// the new description of the list picked on.
class WineChartHeardTest : public WineChartTest {
 protected:
  bool WithReader() const override { return true; }

  // Presses `keys` on a list; the chord (root, type) is shown and the reader
  // hears it once, with the fingering of the chord table, and no other.
  void Pick(const std::string& keys, int root, int type) {
    WineReader& reader = chart_->Reader();
    const std::size_t mark = reader.Said();
    TestDesktop().PressKeys(keys);
    ExpectChord(root, type);
    const std::string heard =
        "description\t" + ChordSummary(std::string(kRootTexts[static_cast<std::size_t>(root)]),
                                        type == 0 ? kMajor : std::string(kTypeTexts[static_cast<std::size_t>(type)]));
    ASSERT_TRUE(reader.WaitFor(mark, [&](const std::string& line) { return line == heard; }))
        << "not heard: " << heard << "; heard:" << Quoted(reader.SaidSince(mark));
    const std::vector<std::string> said = reader.SaidSince(mark);
    EXPECT_EQ(std::count_if(said.begin(), said.end(),
                            [](const std::string& line) { return line.rfind("description\t", 0) == 0; }),
              1)
        << Quoted(said);
  }
};

TEST_F(WineChartHeardTest, EveryChordPickedByKeyboardIsNamedMarkedAndHeard) {
  TestDesktop().PressKeys("Tab");
  chart_->WaitFor([](const ChartState& s) { return s.focus == 102; }, "gave the type list the keyboard");
  for (int root = 0; root < RootsWalked(); ++root) {
    if (root > 0) {
      // The root list moves on; the type list keeps its type, then goes
      // back to the major chord.
      TestDesktop().PressKeys("shift+Tab");
      chart_->WaitFor([](const ChartState& s) { return s.focus == 101; }, "gave the root list the keyboard");
      Pick("Down", root, kTypeCount - 1);
      TestDesktop().PressKeys("Tab");
      chart_->WaitFor([](const ChartState& s) { return s.focus == 102; }, "gave the type list the keyboard");
      Pick("Home", root, 0);
    } else {
      ExpectChord(root, 0);
    }
    for (int type = 1; type < kTypeCount; ++type) Pick("Down", root, type);
  }
}

TEST_F(WineChartTest, TabGoesRoundTheListsAndTheButton) {
  for (int focus : {102, 104, 101, 102}) {
    TestDesktop().PressKeys("Tab");
    chart_->WaitFor([&](const ChartState& s) { return s.focus == focus; }, "moved the keyboard on to " + std::to_string(focus));
  }
  for (int focus : {101, 104}) {
    TestDesktop().PressKeys("shift+Tab");
    chart_->WaitFor([&](const ChartState& s) { return s.focus == focus; }, "moved the keyboard back to " + std::to_string(focus));
  }
}

TEST_F(WineChartTest, AboutTakesTheChartsPlaceAndGivesItBack) {
  // A chord other than the first, to see that the trip keeps it: a root's
  // first letter, then End.
  TestDesktop().PressKeys("g");
  chart_->WaitFor([](const ChartState& s) { return s.root == 10 && s.label == "G"; }, "picked G by its letter");
  TestDesktop().PressKeys("End");
  chart_->WaitFor([](const ChartState& s) { return s.root == 11; }, "picked G#");
  // The chart's window on the X server, which Wine keeps while the chart is
  // hidden (only where the window manager frames it).
  const xcb_window_t chartWindow = VirtualDesktop() ? xcb_window_t{XCB_WINDOW_NONE} : shownIn_;
  TestDesktop().PressKeys("Tab Tab");
  chart_->WaitFor([](const ChartState& s) { return s.focus == 104; }, "gave the About button the keyboard");
  const std::string aboutTitle = Utf8(form2_layout::kCaption);
  // Moved to odd pixels or left alone; closed by OK or by the title bar.
  // Inside Wine's own desktop also moved partly off its left edge, and
  // opened there on the next trip: under an X window manager Wine marks the
  // places it asks for as the program's, and the manager keeps such windows
  // wholly on the screen.
  struct Trip {
    int dx;
    int dy;
    bool closeByTitleBar;
    bool offTheLeft = false;
  };
  std::vector<Trip> trips = {{0, 0, false}, {-37, 53, false}, {0, 0, true}, {91, -29, true}, {-5, -3, false}};
  if (VirtualDesktop()) trips.insert(trips.end(), {{0, 0, false, true}, {0, 0, true}});
  for (const Trip& trip : trips) {
    const ChartState before = chart_->State();
    TestDesktop().PressKeys("space");
    // Wine reads a window's place back from the X server as the window
    // manager frames it, and for a moment may read it inside a frame not yet
    // moved to its place: the place is waited for, not read once.
    const ChartState open = chart_->WaitFor(
        [&](const ChartState& s) {
          return s.aboutShown && !s.chartShown && s.focus == 201 && s.about.left == before.chart.left &&
                 s.about.top == before.chart.top;
        },
        "opened About on the chart's corner with OK holding the keyboard");

    const int dx = trip.offTheLeft ? -43 - open.about.left : trip.dx;
    OuterRect target{open.about.left + dx, open.about.top + trip.dy};
    if (dx != 0 || trip.dy != 0) {
      if (VirtualDesktop()) {
        // Moved through the system, as its keyboard Move or another program
        // would: a drag inside Wine's desktop reaches Wine through two X
        // clients, the program's and the desktop's, which under load may
        // hand Wine the pointer's old place after its new one.
        chart_->MoveAbout(target.left, target.top);
      } else {
        const auto window = ShownWindow(aboutTitle);
        const auto corners = server_->Corners(window);
        RunCommand("xdotool windowmove " + std::to_string(window) + " " + std::to_string(corners->client.x + dx) +
            " " + std::to_string(corners->client.y + trip.dy));
      }
      chart_->WaitFor([&](const ChartState& s) { return s.about.left == target.left && s.about.top == target.top; },
                      "moved About");
    }

    if (chartWindow != XCB_WINDOW_NONE) server_->WatchFrame(chartWindow);
    if (trip.closeByTitleBar) {
      CloseByTitleBar(true);
    } else {
      TestDesktop().PressKeys("Return");
    }
    const ChartState back = chart_->WaitFor(
        [&](const ChartState& s) {
          return s.chartShown && !s.aboutShown && s.focus == 104 && s.chart.left == target.left &&
                 s.chart.top == target.top;
        },
        "brought the chart back on About's corner with the About button holding the keyboard");
    EXPECT_EQ(back.chart.right - back.chart.left, before.chart.right - before.chart.left);
    EXPECT_EQ(back.root, 11);
    EXPECT_EQ(back.label, "G#");
    if (chartWindow != XCB_WINDOW_NONE) {
      // Wine shows the chart before the X server does.
      EXPECT_TRUE(server_->WaitForInputFocus(chartWindow, kServerWait));
      // Shown once, already at its new place: one map, no move after it.
      const auto corners = server_->Corners(chartWindow);
      const std::vector<ShownPlace> places = server_->ShownPlaces();
      ASSERT_EQ(places.size(), 1U) << "the chart was shown or moved more than once";
      EXPECT_EQ(places[0].event, "map");
      ASSERT_TRUE(corners);
      EXPECT_EQ(places[0].at, corners->frame);
    }
  }
}

TEST_F(WineChartTest, ClosingTheChartEndsTheProgramWithStatusZero) {
  CloseByTitleBar(false);
  if (VirtualDesktop()) {
    // Wine's desktop, not the program, is the process started here: the
    // program's window is gone with it.
    chart_->WaitFor([](const ChartState& s) { return s.chart == OuterRect{}; }, "closed the chart");
    return;
  }
  EXPECT_EQ(chart_->WaitForExit(), 0);
}

}  // namespace
}  // namespace velmora

