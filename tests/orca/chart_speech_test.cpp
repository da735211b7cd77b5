// The chart heard through Orca, the screen reader a blind guitarist runs on
// the desktop: Orca runs on a private desktop against the real program, the
// chart is walked by keyboard only, and what Orca says after each key is
// checked against the chord table.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "chart_words.h"
#include "orca_reader.h"
#include "processes.h"
#include "speech_transcript.h"
#include "x_desktop.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// Generous, for a loaded machine; every wait ends as soon as it is met.
constexpr auto kWait = 60s;
// Letters typed in quick succession search for a longer text ("ed"): a user
// pauses between two searches, longer than the toolkit's keyboard input
// interval (400 ms).
constexpr auto kSearchPause = 800ms;

const std::string kAboutButton = "О программе";
const std::string kChord = "Аккорд ";
const std::vector<std::string> kAboutTexts{"В программе были использованы данные, выбранные из Ossendar v.4.3.",
                                           "Автор программы и её издатель — команда Velmora.", "Velmora, 2026"};

// What a step of the walk does.
enum class Kind {
  kClosedPick,        // picks an item on the closed list
  kOpen,              // opens the list
  kMoveInOpenedList,  // moves to another item of the opened list
  kOpenedPick,        // picks the item moved to and closes the list
  kCancel,            // closes the opened list, picking nothing
  kToList,            // moves the focus to a list
  kToButton,          // moves the focus to the About button
  kOpenAbout,
  kCloseAbout,
};

struct Step {
  std::string keys;
  Kind kind;
  std::string root;  // the chord shown after the step
  std::string type;
  std::string item;  // the item picked or moved to, the list or button reached
};

// How many of the utterances read `text`, or contain it.
int Count(const std::vector<std::string>& said, const std::string& text) {
  return static_cast<int>(
      std::count_if(said.begin(), said.end(), [&](const std::string& s) { return Plain(s) == text; }));
}
int CountContaining(const std::vector<std::string>& said, const std::string& text) {
  int count = 0;
  for (const std::string& s : said) {
    for (auto at = s.find(text); at != std::string::npos; at = s.find(text, at + text.size())) ++count;
  }
  return count;
}

// What Orca says last for a step, waited for before the next key.
std::string Awaited(const Step& step) {
  switch (step.kind) {
    case Kind::kMoveInOpenedList:
      return step.item;
    case Kind::kOpen:
      // The opened list, entered, with its item count last.
      return "List with " + std::to_string(step.item == kTypeList ? kTypeTexts.size() : kRootTexts.size()) + " items";
    case Kind::kToButton:
      return kAboutButton + " push button";
    case Kind::kOpenAbout:
      return "OK push button";
    case Kind::kCloseAbout:
      return kAboutButton + " push button";
    default:
      return ChordSummary(step.root, step.type);
  }
}

// Checks what Orca said for one step.
void ExpectHeard(const Step& step, const std::vector<std::string>& said, const std::string& echo) {
  const std::string summary = ChordSummary(step.root, step.type);
  const std::string at = "after " + step.keys + " (to " + step.root + (step.type == kMajor ? "" : step.type) +
                         "), Orca said:" + Quoted(said);
  switch (step.kind) {
    case Kind::kClosedPick: {
      // The new item, then the chord with its fingering, once each; no
      // window title, no list name, no item count: the focus stayed.
      EXPECT_EQ(Count(said, step.item), 1) << at;
      EXPECT_EQ(Count(said, summary), 1) << at;
      for (const std::string& s : said) {
        EXPECT_TRUE(Plain(s) == step.item || Plain(s) == summary || Plain(s) == echo) << "'" << s << "' " << at;
      }
      const auto item =
          std::find_if(said.begin(), said.end(), [&](const std::string& s) { return Plain(s) == step.item; });
      const auto chord =
          std::find_if(said.begin(), said.end(), [&](const std::string& s) { return Plain(s) == summary; });
      EXPECT_LT(item - said.begin(), chord - said.begin()) << "the chord came before the item " << at;
      break;
    }
    case Kind::kOpenedPick:
      // The list is read again as the focus comes back from its items, with
      // the new item and the chord it shows, once each.
      EXPECT_EQ(Count(said, step.item), 1) << at;
      EXPECT_EQ(Count(said, summary), 1) << at;
      EXPECT_EQ(CountContaining(said, kChord), 1) << at;
      break;
    case Kind::kMoveInOpenedList:
      EXPECT_EQ(Count(said, step.item), 1) << at;
      EXPECT_EQ(CountContaining(said, kChord), 0) << "a chord before the pick " << at;
      break;
    case Kind::kOpen:
      EXPECT_EQ(CountContaining(said, step.item), 1) << at;
      EXPECT_EQ(CountContaining(said, kChord), 0) << at;
      break;
    case Kind::kCancel:
      // Nothing changes: the list may be read again, with the chord shown,
      // but no other chord.
      for (const std::string& s : said) {
        if (s.find(kChord) != std::string::npos) {
          EXPECT_EQ(Plain(s), summary) << at;
        }
      }
      EXPECT_LE(Count(said, summary), 1) << at;
      break;
    case Kind::kToList:
      // The list reached, its item and the chord, once each.
      EXPECT_EQ(CountContaining(said, step.item), 1) << at;
      EXPECT_EQ(Count(said, step.item == kRootList ? step.root : step.type), 1) << at;
      EXPECT_EQ(Count(said, summary), 1) << at;
      EXPECT_EQ(CountContaining(said, kChord), 1) << at;
      break;
    case Kind::kToButton:
      EXPECT_EQ(CountContaining(said, kAboutButton), 1) << at;
      EXPECT_EQ(CountContaining(said, kChord), 0) << at;
      break;
    case Kind::kOpenAbout:
      // As a reader presents an About box: its title, its texts, its button.
      EXPECT_EQ(CountContaining(said, kAboutTitle), 1) << at;
      for (const std::string& text : kAboutTexts) EXPECT_EQ(CountContaining(said, text), 1) << text << " " << at;
      EXPECT_EQ(CountContaining(said, "OK"), 1) << at;
      break;
    case Kind::kCloseAbout:
      // The chart, back, with the focus on the button that opened About.
      EXPECT_EQ(CountContaining(said, kAboutButton + " push button"), 1) << at;
      EXPECT_EQ(CountContaining(said, kAboutTitle), 0) << at;
      break;
  }
}

// What Orca echoes of a key the user types: a letter's name.
std::string Echo(const std::string& keys) { return keys.size() == 1 ? keys : std::string(); }

TEST(OrcaHearsTheChart, EveryPickIsSpokenOnceWithItsFingering) {
  XDesktop desktop({.windowManager = "openbox", .accessibilityBus = true});
  OrcaReader orca(desktop);

  const std::size_t startMark = orca.Said();
  const pid_t program = desktop.Launch({VELMORA_PROGRAM});
  const std::string start = ChordSummary("A", kMajor);
  if (!orca.WaitToSay(start, startMark, kWait)) {
    orca.KeepFolder();
    FAIL() << "Orca never read the chart; it said:" << Quoted(orca.SaidSince(startMark))
           << "\n  Orca's files: " << orca.Folder();
  }

  const std::vector<Step> walk{
      {"Down", Kind::kClosedPick, "A#", kMajor, "A#"},
      {"Up", Kind::kClosedPick, "A", kMajor, "A"},
      {"End", Kind::kClosedPick, "G#", kMajor, "G#"},
      {"Home", Kind::kClosedPick, "A", kMajor, "A"},
      {"e", Kind::kClosedPick, "E", kMajor, "E"},  // a root's first letter
      {"Tab", Kind::kToList, "E", kMajor, kTypeList},
      {"Down", Kind::kClosedPick, "E", "6", "6"},
      {"Up", Kind::kClosedPick, "E", kMajor, kMajor},  // the major item, which shows nothing
      {"End", Kind::kClosedPick, "E", "aug", "aug"},
      {"Up", Kind::kClosedPick, "E", "dim", "dim"},
      {"alt+Down", Kind::kOpen, "E", "dim", kTypeList},
      {"Up", Kind::kMoveInOpenedList, "E", "dim", "sus4"},
      {"Return", Kind::kOpenedPick, "E", "sus4", "sus4"},
      {"alt+Down", Kind::kOpen, "E", "sus4", kTypeList},
      {"Escape", Kind::kCancel, "E", "sus4", kTypeList},
      {"Home", Kind::kClosedPick, "E", kMajor, kMajor},
      {"shift+Tab", Kind::kToList, "E", kMajor, kRootList},
      {"d", Kind::kClosedPick, "D", kMajor, "D"},  // two muted strings
      {"Tab", Kind::kToList, "D", kMajor, kTypeList},
      {"Tab", Kind::kToButton, "D", kMajor, kAboutButton},
      {"space", Kind::kOpenAbout, "D", kMajor, {}},
      {"space", Kind::kCloseAbout, "D", kMajor, {}},
  };
  EXPECT_EQ(TableFingering("D", kMajor), "x x 0 2 3 2") << "the chord table's D";

  std::vector<std::int64_t> pressed;
  auto lastLetter = std::chrono::steady_clock::time_point();
  for (const Step& step : walk) {
    if (step.keys.size() == 1) {
      std::this_thread::sleep_until(lastLetter + kSearchPause);
      lastLetter = std::chrono::steady_clock::now();
    }
    const std::size_t mark = orca.Said();
    pressed.push_back(Micros(std::chrono::system_clock::now()));
    desktop.PressKeys(step.keys);
    if (!orca.WaitToSay(Awaited(step), mark, kWait)) {
      orca.KeepFolder();
      FAIL() << "Orca did not say '" << Awaited(step) << "' after " << step.keys
             << "; it said:" << Quoted(orca.SaidSince(mark)) << "\n  Orca's files: " << orca.Folder();
    }
  }

  const std::vector<Utterance> heard = orca.Stop();
  Stop(program, "velmora");

  const std::vector<std::vector<std::string>> parts = SplitAtMoments(heard, pressed);
  // What Orca said, key by key, in the test's output.
  std::cout << "Orca at start:" << Quoted(parts[0]) << "\n";
  for (std::size_t i = 0; i < walk.size(); ++i) std::cout << walk[i].keys << ":" << Quoted(parts[i + 1]) << "\n";
  // At start: the window, the root list, its item and the chord.
  EXPECT_EQ(CountContaining(parts[0], kChartTitle), 1) << Quoted(parts[0]);
  EXPECT_EQ(CountContaining(parts[0], kRootList), 1) << Quoted(parts[0]);
  EXPECT_EQ(Count(parts[0], "A"), 1) << Quoted(parts[0]);
  EXPECT_EQ(Count(parts[0], start), 1) << Quoted(parts[0]);
  for (std::size_t i = 0; i < walk.size(); ++i) ExpectHeard(walk[i], parts[i + 1], Echo(walk[i].keys));
  if (HasFailure()) {
    orca.KeepFolder();
    ADD_FAILURE() << "Orca's files: " << orca.Folder();
  }
}

TEST(OrcaTranscript, ReadsSpeechFromTheDebugFileAndSplitsItAtTheKeys) {
  std::istringstream log(
      "12:00:00.000001 - EVENT MANAGER: something\n"
      "12:00:01.500000 - SPEECH OUTPUT: 'Аккорды frame.'{'established': False}\n"
      "12:00:02.000000 - SPEECH OUTPUT: 'tab ' {'established': False}\n"
      "                  ANY DATA: 'SPEECH OUTPUT: 'not a line of speech'\n"
      "12:00:02.100000 - SPEECH OUTPUT: 'A#' voice=uppercase{'average-pitch': 7.0}\n"
      "00:00:00.100000 - SPEECH OUTPUT: 'past midnight'{'established': False}\n");
  const std::int64_t day = 24LL * 3600 * 1000000;
  const std::int64_t noon = 20000 * day + 12LL * 3600 * 1000000;
  const std::vector<Utterance> said = SpeechFromDebugLog(log, noon);
  ASSERT_EQ(said.size(), 4U);
  EXPECT_EQ(said[0].text, "Аккорды frame.");
  EXPECT_EQ(said[0].micros, noon + 1500000);
  EXPECT_EQ(said[1].text, "tab ");
  EXPECT_EQ(said[2].text, "A#");
  EXPECT_EQ(said[3].micros, noon + 12LL * 3600 * 1000000 + 100000);

  const auto parts = SplitAtMoments(said, {noon + 1900000, noon + 2050000});
  ASSERT_EQ(parts.size(), 3U);
  EXPECT_EQ(parts[0], std::vector<std::string>{"Аккорды frame."});
  EXPECT_EQ(parts[1], std::vector<std::string>{"tab "});
  EXPECT_EQ(parts[2], (std::vector<std::string>{"A#", "past midnight"}));
  EXPECT_EQ(Plain("A."), "A");
  EXPECT_EQ(Plain("tab "), "tab");
  EXPECT_EQ(Plain("Аккорд A: x 0 2 2 2 0."), "Аккорд A: x 0 2 2 2 0");
}

TEST(OrcaTranscript, ReadsSpeechFromSpeechDispatchersLog) {
  const std::string log =
      "[Mon Dec  7 17:58:25 2026 : 830054] speechd:     25:REPLY:|208 OK CLIENT NAME SET\n|\n"
      "[Mon Dec  7 17:58:25 2026 : 940039] speechd:     25:DATA:|<speak><mark name=\"0:6\"/>Screen "
      "<mark name=\"7:13\"/>reader <mark name=\"14:17\"/>on.</speak>\n| (90)\n"
      "[Mon Dec  7 17:58:28 2026 : 631965] speechd:     25:DATA:|<speak>О программе &quot;Velmora&quot; "
      "...</speak>\n";
  EXPECT_EQ(SpeechFromProtocolLog(log), (std::vector<std::string>{"Screen reader on.", "О программе \"Velmora\" ..."}));
}

}  // namespace
}  // namespace velmora
