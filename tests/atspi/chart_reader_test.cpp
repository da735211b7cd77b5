// The program as a screen reader meets it: started on a desktop with an
// accessibility bus, read and driven from outside the process, through the
// bus and the keyboard and mouse of the X server.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "chart_words.h"
#include "processes.h"
#include "reader_session.h"
#include "screen_reader.h"
#include "x_desktop.h"
#include "x_windows.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// Generous, for a loaded machine; every wait ends as soon as it is met.
constexpr auto kWait = 60s;
constexpr auto kSearchPause = 800ms;

const std::string kFretboard = "Гриф гитары";

const std::string kNameChanged = "object:property-change:accessible-name";
const std::string kDescriptionChanged = "object:property-change:accessible-description";
const std::string kTextInserted = "object:text-changed:insert";
const std::string kFocused = "object:state-changed:focused";

class ChartOverTheBus : public testing::Test {
 protected:
  void SetUp() override {
    Reader().ClearEvents();
    program_ = Launch();
    // Ready once the chart is shown with the focus in the root list.
    ASSERT_TRUE(Reader().WaitFor(
        [&] {
          application_ = Reader().Application(program_);
          if (application_ == nullptr) return false;
          const ReadObject chart = Window(kChartTitle);
          const ReadObject* list = chart.Find("combo box", kRootList);
          return list != nullptr && list->focused;
        },
        kWait))
        << "the chart never showed up on the accessibility bus with the focus in the root list";
  }

  void TearDown() override {
    int status = 0;
    if (waitpid(program_, &status, WNOHANG) == program_) {
      ADD_FAILURE() << "the program ended during the test, wait status " << status;
      return;
    }
    Stop(program_, "velmora");
  }

  // Starts the program as the test's desktop would.
  virtual pid_t Launch() { return Desktop().Launch({VELMORA_PROGRAM}); }

  // The application's window (a frame or a dialog) of this title, read to
  // the bottom; an empty object while there is none.
  ReadObject Window(const std::string& title) const {
    for (const ReadObject& window : ScreenReader::Read(application_, 1).children) {
      if ((window.role == "frame" || window.role == "dialog") && window.name == title) {
        return ScreenReader::Read(window.handle);
      }
    }
    return {};
  }

  // Waits for an event of this type whose source has this role and name.
  bool WaitForEvent(std::size_t from, const std::string& type, const std::string& role, const std::string& name,
                    int detail1 = 0) {
    return Reader().WaitFor(
        [&] {
          const auto& events = Reader().Events();
          return std::any_of(events.begin() + static_cast<std::ptrdiff_t>(from), events.end(), [&](const ReadEvent& e) {
            return e.type == type && e.source.role == role && e.source.name == name && e.detail1 == detail1;
          });
        },
        kWait);
  }

  // The events from the given one on, for a failure's message.
  static std::string Log(std::size_t from) {
    std::string heard;
    const auto& events = Reader().Events();
    for (std::size_t e = from; e < events.size(); ++e) {
      heard += "\n  " + events[e].type + " " + std::to_string(events[e].detail1) + " '" + events[e].data + "' from " +
               events[e].source.role + " '" + events[e].source.name + "' '" + events[e].source.description + "'";
    }
    return heard;
  }

  // Waits for the focus to be handed to the item that a keyboard pick on the
  // closed list led to.
  bool WaitForItemFocus(std::size_t from, const std::string& item) {
    return WaitForEvent(from, kFocused, "list item", item, 1);
  }

  // Waits for the last thing a pick announces about the chord: the type
  // list's description.
  bool WaitForAnnouncement(std::size_t from, const std::string& chord, const std::string& fingering) {
    const std::string summary = "Аккорд " + chord + ": " + fingering;
    return Reader().WaitFor(
        [&] {
          const auto& events = Reader().Events();
          return std::any_of(events.begin() + static_cast<std::ptrdiff_t>(from), events.end(),
                             [&](const ReadEvent& e) {
                               return e.type == kDescriptionChanged && e.source.name == kTypeList &&
                                      e.source.description == summary;
                             });
        },
        kWait);
  }

  // How often each announcement came between two points of the log.
  struct Tally {
    int names = 0;
    int labelDescriptions = 0;
    int fretboardDescriptions = 0;
    int listDescriptions = 0;
    int itemTexts = 0;
    // The items the focus came to, each with its name and description.
    std::vector<std::pair<std::string, std::string>> itemFocuses;
  };

  // Counts the announcements between two points of the log, checking that
  // each carries this chord, fingering and list item, and that the focus
  // stays in the list, though its items may take turns in it.
  static Tally Count(std::size_t from, std::size_t to, const std::string& list, const std::string& chord,
                     const std::string& fingering, const std::string& item) {
    Tally tally;
    for (std::size_t e = from; e < to; ++e) {
      const ReadEvent& event = Reader().Events()[e];
      const ReadObject& source = event.source;
      const std::string at = "towards " + chord + ": " + event.type + " from " + source.role + " '" + source.name + "'";
      if (event.type == kNameChanged && source.role == "label") {
        ++tally.names;
        EXPECT_EQ(source.name, chord) << at;
        EXPECT_EQ(source.description, fingering) << at;
      } else if (event.type == kDescriptionChanged && source.role == "label") {
        ++tally.labelDescriptions;
      } else if (event.type == kDescriptionChanged && source.name == kFretboard) {
        ++tally.fretboardDescriptions;
        EXPECT_EQ(source.description, fingering) << at;
      } else if (event.type == kDescriptionChanged && source.role == "combo box") {
        ++tally.listDescriptions;
        EXPECT_EQ(source.description, "Аккорд " + chord + ": " + fingering) << at;
      } else if (event.type == kTextInserted && source.name == list) {
        ++tally.itemTexts;
        EXPECT_EQ(event.data, item) << at;
      } else if (event.type == kFocused && event.detail1 == 1 && source.role == "list item") {
        tally.itemFocuses.emplace_back(source.name, source.description);
      } else if (event.type == kFocused && event.detail1 == 1) {
        EXPECT_EQ(source.name, list) << at;
      }
    }
    return tally;
  }

  // A pick announces the chord once on the label and on both lists, the item
  // once on its list and, if it changed, the fingering once on the label and
  // on the fretboard; a step that picks nothing announces nothing. A pick on
  // the closed list also hands the focus to its new item once; on the opened
  // list the toolkit moves the focus through the items itself, which is not
  // counted.
  enum class PickedOn { kClosedList, kOpenedList };
  static void ExpectOnce(const Tally& tally, bool pick, bool fingeringChanged, const std::string& at,
                         PickedOn where = PickedOn::kClosedList) {
    if (where == PickedOn::kClosedList) {
      EXPECT_EQ(tally.itemFocuses.size(), pick ? 1U : 0U) << at;
    }
    EXPECT_EQ(tally.names, pick ? 1 : 0) << at;
    EXPECT_EQ(tally.listDescriptions, pick ? 2 : 0) << at;
    EXPECT_EQ(tally.itemTexts, pick ? 1 : 0) << at;
    EXPECT_EQ(tally.labelDescriptions, pick && fingeringChanged ? 1 : 0) << at;
    EXPECT_EQ(tally.fretboardDescriptions, pick && fingeringChanged ? 1 : 0) << at;
  }

  pid_t program_ = -1;
  Accessible application_;
};

// Every object under the window has a name, and no object is a bare filler.
void ExpectAllNamed(const ReadObject& object, const std::string& path) {
  for (std::size_t i = 0; i < object.children.size(); ++i) {
    const ReadObject& child = object.children[i];
    const std::string at = path + "/" + std::to_string(i) + " " + child.role + " '" + child.name + "'";
    EXPECT_FALSE(child.name.empty()) << "nameless object " << at;
    EXPECT_NE(child.role, "filler") << at;
    ExpectAllNamed(child, at);
  }
}

TEST_F(ChartOverTheBus, TheChartReadsAsItIsShown) {
  const ReadObject chart = Window(kChartTitle);
  ASSERT_EQ(chart.name, kChartTitle);
  EXPECT_EQ(chart.role, "frame");
  EXPECT_TRUE(chart.showing);
  // The controls, and nothing for the six markers.
  ASSERT_EQ(chart.children.size(), 5U);
  const ReadObject& fretboard = chart.children[0];
  EXPECT_EQ(fretboard.role, "image");
  EXPECT_EQ(fretboard.name, kFretboard);
  EXPECT_EQ(fretboard.description, "x 0 2 2 2 0");
  const ReadObject& label = chart.children[1];
  EXPECT_EQ(label.role, "label");
  EXPECT_EQ(label.name, "A");
  EXPECT_EQ(label.description, "x 0 2 2 2 0");
  const ReadObject& roots = chart.children[2];
  EXPECT_EQ(roots.role, "combo box");
  EXPECT_EQ(roots.name, kRootList);
  EXPECT_TRUE(roots.hasText);
  EXPECT_EQ(roots.text, "A");
  EXPECT_EQ(roots.description, "Аккорд A: x 0 2 2 2 0");
  const ReadObject& types = chart.children[3];
  EXPECT_EQ(types.role, "combo box");
  EXPECT_EQ(types.name, kTypeList);
  EXPECT_EQ(types.text, kMajor);
  const ReadObject& about = chart.children[4];
  EXPECT_EQ(about.role, "push button");
  EXPECT_EQ(about.name, "О программе");

  // The lists' items, the empty major item spoken as a word.
  ASSERT_EQ(types.children.size(), 1U);
  ASSERT_EQ(types.children[0].children.size(), kTypeTexts.size());
  EXPECT_EQ(types.children[0].children[0].name, kMajor);
  EXPECT_EQ(types.children[0].children[6].name, "11");
  ASSERT_EQ(roots.children.size(), 1U);
  EXPECT_EQ(roots.children[0].children.size(), kRootTexts.size());
  ExpectAllNamed(chart, kChartTitle);
}

TEST_F(ChartOverTheBus, AboutOpensAndClosesFromTheKeyboard) {
  Desktop().PressKeys("Tab Tab");
  ASSERT_TRUE(WaitForEvent(0, kFocused, "push button", "О программе", 1));
  const std::size_t opened = Reader().Events().size();
  Desktop().PressKeys("space");
  ASSERT_TRUE(WaitForEvent(opened, kFocused, "push button", "OK", 1));
  const auto& events = Reader().Events();
  EXPECT_TRUE(std::any_of(events.begin() + static_cast<std::ptrdiff_t>(opened), events.end(),
                          [](const ReadEvent& e) { return e.type == "window:activate" && e.data == kAboutTitle; }))
      << "no window activation with the About window's title";

  const ReadObject about = Window(kAboutTitle);
  // A dialog, whose texts a reader reads out as it opens.
  EXPECT_EQ(about.role, "dialog");
  EXPECT_TRUE(about.showing);
  std::vector<std::pair<std::string, std::string>> controls;
  for (const ReadObject& control : about.children) controls.emplace_back(control.role, control.name);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"label", "В программе были использованы данные, выбранные из Ossendar v.4.3."},
      {"label", "Автор программы и её издатель — команда Velmora."},
      {"label", "Velmora, 2026 год"},
      {"push button", "OK"}};
  EXPECT_EQ(controls, expected);
  EXPECT_FALSE(Window(kChartTitle).showing);

  // OK gives the chart back, the focus where it was.
  const std::size_t closed = Reader().Events().size();
  Desktop().PressKeys("space");
  ASSERT_TRUE(WaitForEvent(closed, kFocused, "push button", "О программе", 1)) << Log(closed);
  EXPECT_TRUE(Window(kChartTitle).showing);
  EXPECT_FALSE(Window(kAboutTitle).showing);
}

// One step of a walk through the lists from the keyboard.
struct Step {
  std::string keys;
  std::string list;  // the list the keys go to
  std::string root;  // the chord the step leads to; the same as before for
  std::string type;  // a step that only moves the focus
  std::string sample = {};  // its fingering as a guitarist knows it, if given
};

TEST_F(ChartOverTheBus, KeyboardPicksReachTheReaderOnceEach) {
  const std::vector<Step> walk{
      {"e", kRootList, "E", kMajor, "0 2 2 1 0 0"},  // a root's first letter; six strings, three open
      {"End", kRootList, "G#", kMajor},
      {"c", kRootList, "C", kMajor, "x 3 2 0 1 0"},
      {"Down", kRootList, "C#", kMajor, "x 4 6 6 6 4"},
      {"Tab", kTypeList, "C#", kMajor},
      {"Down", kTypeList, "C#", "6"},
      {"Down", kTypeList, "C#", "7"},
      {"Down", kTypeList, "C#", "7sus2"},
      {"Down", kTypeList, "C#", "7sus4"},
      {"Down", kTypeList, "C#", "9"},
      {"Down", kTypeList, "C#", "11", "9 9 9 10 9 11"},  // string 1 at fret 11, the highest any chord uses
      {"End", kTypeList, "C#", "aug"},
      {"Home", kTypeList, "C#", kMajor},  // back to the major item, which shows nothing
      {"Shift+Tab", kRootList, "C#", kMajor},
  };
  std::vector<std::size_t> starts;
  std::string chord = "A";
  auto lastLetter = std::chrono::steady_clock::time_point();
  for (const Step& step : walk) {
    if (step.keys.size() == 1) {
      // Letters typed in quick succession search for a longer text ("ec"):
      // a user pauses between two searches, longer than the toolkit's
      // keyboard input interval (400 ms).
      std::this_thread::sleep_until(lastLetter + kSearchPause);
      lastLetter = std::chrono::steady_clock::now();
    }
    starts.push_back(Reader().Events().size());
    Desktop().PressKeys(step.keys);
    const std::string next = step.root + (step.type == kMajor ? "" : step.type);
    if (next == chord) {
      ASSERT_TRUE(WaitForEvent(starts.back(), kFocused, "combo box", step.list, 1)) << step.keys;
      continue;
    }
    ASSERT_TRUE(WaitForAnnouncement(starts.back(), next, TableFingering(step.root, step.type)))
        << "no announcement of " << next << " after " << step.keys << "; heard:" << Log(starts.back());
    ASSERT_TRUE(WaitForItemFocus(starts.back(), step.list == kRootList ? step.root : step.type))
        << "the focus was not handed to the new item after " << step.keys << "; heard:" << Log(starts.back());
    chord = next;
  }
  // Anything a step raised has come in before the focus moved back.
  starts.push_back(Reader().Events().size());

  std::string previousFingering = "x 0 2 2 2 0";
  chord = "A";
  for (std::size_t i = 0; i < walk.size(); ++i) {
    const Step& step = walk[i];
    const std::string next = step.root + (step.type == kMajor ? "" : step.type);
    const std::string fingering = TableFingering(step.root, step.type);
    if (!step.sample.empty()) {
      EXPECT_EQ(fingering, step.sample) << "the chord table's " << next;
    }
    const std::string item = step.list == kRootList ? step.root : step.type;
    const Tally tally = Count(starts[i], starts[i + 1], step.list, next, fingering, item);
    const std::string at = "step " + std::to_string(i) + " (" + step.keys + " to " + next + ")";
    ExpectOnce(tally, next != chord, fingering != previousFingering, at);
    // The item the focus is handed to reads as the item and the chord.
    for (const auto& [name, description] : tally.itemFocuses) {
      EXPECT_EQ(name, item) << at;
      EXPECT_EQ(description, "Аккорд " + next + ": " + fingering) << at;
    }
    chord = next;
    previousFingering = fingering;
  }
}

TEST_F(ChartOverTheBus, MousePickReachesTheReaderOnce) {
  const ReadObject chart = Window(kChartTitle);
  const ReadObject* types = chart.Find("combo box", kTypeList);
  ASSERT_NE(types, nullptr);
  const auto [listX, listY] = ScreenReader::Centre(types->handle);
  Desktop().Click(listX, listY);
  ReadObject item;
  ASSERT_TRUE(Reader().WaitFor(
      [&] {
        const ReadObject opened = ScreenReader::Read(types->handle);
        const ReadObject* seventh = opened.Find("list item", "7");
        if (seventh == nullptr || !seventh->showing) return false;
        item = *seventh;
        return true;
      },
      kWait))
      << "the type list did not open under the mouse";

  const std::size_t picked = Reader().Events().size();
  const auto [x, y] = ScreenReader::Centre(item.handle);
  Desktop().Click(x, y);
  ASSERT_TRUE(WaitForAnnouncement(picked, "A7", "x 0 2 0 2 0")) << Log(picked);
  // The focus moving on to the button closes what the pick raised.
  const std::size_t moved = Reader().Events().size();
  Desktop().PressKeys("Tab");
  ASSERT_TRUE(WaitForEvent(moved, kFocused, "push button", "О программе", 1)) << Log(moved);
  ExpectOnce(Count(picked, moved, kTypeList, "A7", "x 0 2 0 2 0", "7"), true, true, Log(picked),
             PickedOn::kOpenedList);
}

// On a busy desktop the accessibility bus may answer the program only after
// the window manager has given the chart the focus: here its launcher is held
// until the program has taken that focus in.
class ChartOnABusyDesktop : public ChartOverTheBus {
 protected:
  pid_t Launch() override {
    Desktop().PauseAccessibilityBusLauncher();
    struct Release {
      ~Release() { Desktop().ResumeAccessibilityBusLauncher(); }
    } release;
    const pid_t program = ChartOverTheBus::Launch();
    XWindows server(Desktop().Display());
    const xcb_window_t chart = server.WaitForClientTitled(kChartTitle, kWait);
    EXPECT_TRUE(chart != XCB_WINDOW_NONE && server.WaitForInputFocus(chart, kWait) && server.Ping(chart, kWait))
        << "the chart never had the input focus, or never took it in";
    return program;
  }
};

TEST_F(ChartOnABusyDesktop, AReaderStillHearsTheChartComeToTheFront) {
  EXPECT_TRUE(WaitForEvent(0, "window:activate", "frame", kChartTitle)) << Log(0);
  EXPECT_TRUE(WaitForEvent(0, kFocused, "combo box", kRootList, 1)) << Log(0);
}

}  // namespace
}  // namespace velmora
