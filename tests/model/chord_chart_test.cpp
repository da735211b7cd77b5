#include "chord_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chord_table.h"
#include "picks.h"
#include "recording_view.h"

namespace velmora {
namespace {

using Log = std::vector<std::string>;

const Log kReads = {"root text", "type text"};

Log Lefts(const std::array<int, kStringCount>& lefts) {
  Log log;
  for (int string = 1; string <= kStringCount; ++string) {
    log.push_back("left S" + std::to_string(string) + " " + std::to_string(lefts[static_cast<std::size_t>(string - 1)]));
  }
  return log;
}

Log Visibles(const std::array<bool, kStringCount>& visible) {
  Log log;
  for (int string = 1; string <= kStringCount; ++string) {
    log.push_back("visible S" + std::to_string(string) + (visible[static_cast<std::size_t>(string - 1)] ? " on" : " off"));
  }
  return log;
}

Log Concat(std::initializer_list<Log> parts) {
  Log all;
  for (const Log& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class ChordChartTest : public testing::Test {
 protected:
  ChordChartTest() { chart.FillFretTable(); }

  // Selects the pair and runs the update as a list's Click would.
  Log Pick(int root, int type) {
    view.Select(root, type);
    view.TakeLog();
    chart.UpdateChordDisplay();
    return view.TakeLog();
  }

  std::array<int, kStringCount> MarkerLefts() const {
    std::array<int, kStringCount> lefts{};
    for (std::size_t i = 0; i < lefts.size(); ++i) lefts[i] = static_cast<int>(view.markers[i].left);
    return lefts;
  }
  std::array<bool, kStringCount> MarkerVisibility() const {
    std::array<bool, kStringCount> visible{};
    for (std::size_t i = 0; i < visible.size(); ++i) visible[i] = view.markers[i].visible;
    return visible;
  }

  RecordingView view;
  ChordChart chart{view};
};

TEST_F(ChordChartTest, FillFretTableCopiesTheMeasuredPositions) {
  ChordChart fresh{view};
  EXPECT_EQ(fresh.FretTable, (std::array<float, kFretCount>{}));
  fresh.FillFretTable();
  EXPECT_EQ(fresh.FretTable, kFretPositions);
}

TEST_F(ChordChartTest, StartUpRunsForRootOnlyThenShowsAMajor) {
  // The load selects root 0 while the type list has no selection yet.
  const Log first = Pick(0, -1);
  EXPECT_EQ(first, Concat({kReads, {"caption A", "root index", "type index"}, Lefts({0, 0, 0, 0, 0, 0})}));
  EXPECT_EQ(chart.SelectionKey, "0 -1");
  EXPECT_EQ(MarkerVisibility(), (std::array<bool, 6>{true, true, true, true, true, true}));

  const Log second = Pick(0, 0);
  EXPECT_EQ(second, Concat({kReads, {"caption A", "root index", "type index"},
                            Visibles({true, true, true, true, true, false}),
                            Lefts({210, 900, 900, 900, 210, 210})}));
  EXPECT_EQ(chart.SelectionKey, "0 0");
  EXPECT_EQ(view.caption, "A");
}

TEST_F(ChordChartTest, AMinorShowsItsName) {
  Pick(0, 10);
  EXPECT_EQ(view.caption, "Am");
  EXPECT_EQ(MarkerLefts(), (std::array<int, 6>{210, 570, 900, 900, 210, 210}));
  EXPECT_EQ(MarkerVisibility(), (std::array<bool, 6>{true, true, true, true, true, false}));
}

TEST_F(ChordChartTest, AMajorToEMajorShowsTheLowStringAgain) {
  Pick(0, 0);
  Pick(7, 0);
  EXPECT_EQ(view.caption, "E");
  EXPECT_EQ(MarkerLefts(), (std::array<int, 6>{210, 210, 570, 900, 900, 210}));
  EXPECT_EQ(MarkerVisibility(), (std::array<bool, 6>{true, true, true, true, true, true}));
}

TEST_F(ChordChartTest, AllStringsToDMajorHidesTheTwoBassMarkers) {
  Pick(3, 7);
  ASSERT_EQ(MarkerVisibility(), (std::array<bool, 6>{true, true, true, true, true, true}));
  Pick(5, 0);
  EXPECT_EQ(MarkerVisibility(), (std::array<bool, 6>{true, true, true, true, false, false}));
  EXPECT_EQ(MarkerLefts(), (std::array<int, 6>{900, 1220, 900, 210, 210, 210}));
}

TEST_F(ChordChartTest, ElevenPutsStringOneAtTheHighestPositionOfAnyChord) {
  Pick(4, 6);
  EXPECT_EQ(view.markers[0].left, 3860.0F);
  float highest = 0;
  for (const velmora::Pick& pick : AllPicks()) {
    Pick(pick.root, pick.type);
    for (const auto& marker : view.markers) {
      if (marker.visible) highest = std::max(highest, marker.left);
    }
  }
  EXPECT_EQ(highest, 3860.0F);
}

TEST_F(ChordChartTest, ASelectionWithoutChordKeepsMarkersAndResetsTheirLefts) {
  Pick(7, 0);
  const auto lefts = MarkerLefts();
  const auto visible = MarkerVisibility();
  for (const auto& [root, type] : std::vector<std::pair<int, int>>{{-1, 0}, {3, -1}, {-1, -1}}) {
    view.markers[2].left = 0;  // a stray value that the update must overwrite
    const Log log = Pick(root, type);
    const std::string name = ChordName(root < 0 ? "" : kRootTexts[static_cast<std::size_t>(root)],
                                       type < 0 ? "" : kTypeTexts[static_cast<std::size_t>(type)]);
    EXPECT_EQ(log, Concat({kReads, {"caption " + name, "root index", "type index"}, Lefts(lefts)}));
    EXPECT_EQ(chart.SelectionKey, MakeSelectionKey(root, type));
    EXPECT_EQ(view.caption, name);
    EXPECT_EQ(MarkerVisibility(), visible);
    EXPECT_EQ(MarkerLefts(), lefts);
  }
}

TEST_F(ChordChartTest, TheSameSelectionTwiceMakesTheSameCalls) {
  Pick(2, 13);
  const Log first = Pick(9, 3);
  const Log second = Pick(9, 3);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first.size(), 2U + 3U + 6U + 6U);
}

class EveryChord : public testing::TestWithParam<velmora::Pick> {};

TEST_P(EveryChord, SetsNameThenSixVisibilitiesThenSixLeftsFromTheFretTable) {
  const auto [root, type] = GetParam();
  RecordingView view;
  ChordChart chart{view};
  chart.FillFretTable();
  view.Select(root, type);
  chart.UpdateChordDisplay();

  const ChordShape& shape = *ChordTable::Find(root, type);
  std::array<bool, kStringCount> visible{};
  std::array<int, kStringCount> lefts{};
  for (int string = 1; string <= kStringCount; ++string) {
    const auto i = static_cast<std::size_t>(string - 1);
    visible[i] = !shape.IsMuted(string);
    lefts[i] = static_cast<int>(kFretPositions[static_cast<std::size_t>(visible[i] ? shape.Fret(string) : 0)]);
  }
  const std::string name = ChordName(kRootTexts[static_cast<std::size_t>(root)], kTypeTexts[static_cast<std::size_t>(type)]);
  EXPECT_EQ(view.TakeLog(), Concat({kReads, {"caption " + name, "root index", "type index"}, Visibles(visible), Lefts(lefts)}));
  EXPECT_EQ(chart.SelectionKey, MakeSelectionKey(root, type));
  for (std::size_t i = 0; i < kStringCount; ++i) EXPECT_EQ(chart.StringLeft[i], view.markers[i].left);
}

INSTANTIATE_TEST_SUITE_P(ChordChart, EveryChord, testing::ValuesIn(AllPicks()), PickName);

}  // namespace
}  // namespace velmora
