// Velmora.exe heard by a screen reader under Wine: the MSAA reader hooks the
// chart's WinEvents from its own process and says what NVDA's rules speak,
// while the chart is driven by real keys through the X server.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "chart_words.h"
#include "layout/form2_layout.h"
#include "wine_chart.h"
#include "wine_test_session.h"

namespace velmora {
namespace {

// The roles a reader names, as MSAA numbers them.
constexpr int kClient = 10;
constexpr int kDialog = 18;
constexpr int kGraphic = 40;
constexpr int kStaticText = 41;
constexpr int kPushButton = 43;
constexpr int kComboBox = 46;

const std::string kAboutButton = "О программе";
// What a call on an object whose window is gone answers, and one with a
// child id that names nothing.
constexpr char kNotConnected[] = "800401fd";
constexpr char kInvalidArgument[] = "80070057";

std::string Focus(const std::string& name, int role, const std::string& value = {},
                  const std::string& description = {}) {
  return "focus\tname=" + name + "\trole=" + std::to_string(role) + "\tvalue=" + value +
         "\tdescription=" + description;
}

std::string Window(const std::string& name, int role, const std::string& text = {}) {
  return "window\tname=" + name + "\trole=" + std::to_string(role) + "\ttext=" + text;
}

class WineReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    chart_ = std::make_unique<WineChart>(TestDesktop(), false, true);
    chart_->WaitFor([](const ChartState& s) { return s.chartShown && s.label == "A" && s.focus == 101; },
                    "showed the chart with A major and the root list holding the keyboard");
  }

  // Presses `keys` (none: only listens) and returns what the reader says
  // until it has said `last`.
  std::vector<std::string> Hear(const std::string& keys, const std::string& last) {
    WineReader& reader = chart_->Reader();
    // Without keys, from the start: after the reader said it was ready.
    const std::size_t mark = keys.empty() ? 1 : reader.Said();
    if (!keys.empty()) TestDesktop().PressKeys(keys);
    EXPECT_TRUE(reader.WaitFor(mark, [&](const std::string& line) { return line == last; }))
        << "after " << keys << " never heard '" << last << "'; heard:" << Quoted(reader.SaidSince(mark));
    return reader.SaidSince(mark);
  }

  // A pick on the focused list: the item it shows, then the chord it leads
  // to, once each and nothing else.
  void ExpectPick(const std::string& keys, const std::string& root, const std::string& type,
                  const std::string& item) {
    const std::string chord = "description\t" + ChordSummary(root, type);
    EXPECT_EQ(Hear(keys, chord), (std::vector<std::string>{"value\t" + item, chord})) << keys;
  }

  std::unique_ptr<WineChart> chart_;
};

TEST_F(WineReaderTest, HearsEveryStopAndEveryPickOnce) {
  const std::string a = ChordSummary("A", kMajor);
  // The start: the window, then the root list with its item and the chord.
  const std::string start = Focus(kRootList, kComboBox, "A", a);
  EXPECT_EQ(Hear("", start), (std::vector<std::string>{Window(kChartTitle, kClient), start}));
  // Tab goes round the lists and the button, each heard once.
  for (const std::string& stop : {Focus(kTypeList, kComboBox, kMajor, a), Focus(kAboutButton, kPushButton),
                                  Focus(kRootList, kComboBox, "A", a)}) {
    EXPECT_EQ(Hear("Tab", stop), std::vector<std::string>{stop});
  }

  ExpectPick("Down", "A#", kMajor, "A#");
  ExpectPick("Up", "A", kMajor, "A");
  ExpectPick("End", "G#", kMajor, "G#");
  ExpectPick("Home", "A", kMajor, "A");
  ExpectPick("e", "E", kMajor, "E");
  const std::string typeList = Focus(kTypeList, kComboBox, kMajor, ChordSummary("E", kMajor));
  EXPECT_EQ(Hear("Tab", typeList), std::vector<std::string>{typeList});
  ExpectPick("Down", "E", "6", "6");
  ExpectPick("Up", "E", kMajor, kMajor);
  ExpectPick("End", "E", "aug", "aug");
  ExpectPick("Home", "E", kMajor, kMajor);
  ExpectPick("s", "E", "sus", "sus");

  // The label and the fretboard, as a reader finds them among the window's
  // objects.
  const std::vector<std::string> children = chart_->Reader().Ask("children", "end");
  const std::string fingering = TableFingering("E", "sus");
  for (const std::string& child : {"child\tname=Esus\trole=" + std::to_string(kStaticText) + "\tvalue=\tdescription=" +
                                       fingering,
                                   "child\tname=Гриф гитары\trole=" + std::to_string(kGraphic) +
                                       "\tvalue=\tdescription=" + fingering}) {
    EXPECT_EQ(std::count(children.begin(), children.end(), child), 1) << child << Quoted(children);
  }
}

TEST_F(WineReaderTest, HearsAboutAsADialogAndNothingOfItOnceItIsGone) {
  Hear("", Focus(kRootList, kComboBox, "A", ChordSummary("A", kMajor)));
  const std::string button = Focus(kAboutButton, kPushButton);
  Hear("Tab Tab", button);

  // About: its title and its texts, then OK with the keyboard.
  const std::string ok = Focus(Utf8(form2_layout::kCommand1Caption), kPushButton);
  const std::string about = Window(kAboutTitle, kDialog,
                                   Utf8(form2_layout::kLabel1Caption) + " | " + Utf8(form2_layout::kLabel2Caption) +
                                       " | " + Utf8(form2_layout::kLabel3SpokenName));
  EXPECT_EQ(Hear("space", ok), (std::vector<std::string>{about, ok}));
  // The reader holds on to OK and the dialog past their end.
  chart_->Reader().Ask("hold", "held");

  // Back on the chart, at the button that opened About.
  EXPECT_EQ(Hear("Return", button), (std::vector<std::string>{Window(kChartTitle, kClient), button}));
  const std::vector<std::string> check = chart_->Reader().Ask("check", "check");
  std::string held;
  for (int call = 0; call < 10; ++call) held += std::string(call ? "," : "") + kNotConnected;
  EXPECT_EQ(check.back(), "check\theld=" + held + "\tunknownchild=" + kInvalidArgument);
  // The program is still there, and still heard.
  EXPECT_EQ(Hear("Tab", Focus(kRootList, kComboBox, "A", ChordSummary("A", kMajor))).size(), 1U);
}

}  // namespace
}  // namespace velmora
