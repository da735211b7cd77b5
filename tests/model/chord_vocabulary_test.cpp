#include "chord_vocabulary.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fret_positions.h"

namespace velmora {
namespace {

TEST(SelectionKey, WritesPlainDecimalsJoinedByOneBlank) {
  EXPECT_EQ(MakeSelectionKey(0, 0), "0 0");
  EXPECT_EQ(MakeSelectionKey(11, 18), "11 18");
  EXPECT_EQ(MakeSelectionKey(10, 5), "10 5");
}

TEST(SelectionKey, WritesMinusOneForAListWithoutSelection) {
  EXPECT_EQ(MakeSelectionKey(0, -1), "0 -1");
  EXPECT_EQ(MakeSelectionKey(-1, 0), "-1 0");
  EXPECT_EQ(MakeSelectionKey(-1, -1), "-1 -1");
}

TEST(SelectionKey, IsDistinctForEveryPick) {
  std::set<std::string> keys;
  for (int root = -1; root <= kRootCount; ++root) {
    for (int type = -1; type <= kTypeCount; ++type) {
      keys.insert(MakeSelectionKey(root, type));
    }
  }
  EXPECT_EQ(keys.size(), static_cast<std::size_t>((kRootCount + 2) * (kTypeCount + 2)));
}

TEST(ChordName, JoinsRootAndTypeWithNothingBetween) {
  EXPECT_EQ(ChordName("A", ""), "A");
  EXPECT_EQ(ChordName("A", "m"), "Am");
  EXPECT_EQ(ChordName("C#", "maj7 3b"), "C#maj7 3b");
  EXPECT_EQ(ChordName("G#", "aug"), "G#aug");
  EXPECT_EQ(ChordName("", ""), "");
}

TEST(ChordLists, StartWithAAndTheMajorType) {
  EXPECT_EQ(kRootTexts.front(), "A");
  EXPECT_EQ(kRootTexts.back(), "G#");
  EXPECT_EQ(kTypeTexts.front(), "");
  EXPECT_EQ(kTypeTexts[8], "maj7 3b");
  EXPECT_EQ(kTypeTexts.back(), "aug");
}

TEST(ChordLists, HoldNoDuplicateText) {
  EXPECT_EQ(std::set<std::string_view>(kRootTexts.begin(), kRootTexts.end()).size(), kRootTexts.size());
  EXPECT_EQ(std::set<std::string_view>(kTypeTexts.begin(), kTypeTexts.end()).size(), kTypeTexts.size());
}

TEST(ChordLists, RootsAreTheTwelveSemitonesUpFromA) {
  // Each root is a natural note or the sharp of the one before it.
  for (std::size_t i = 1; i < kRootTexts.size(); ++i) {
    const std::string_view root = kRootTexts[i];
    const std::string_view previous = kRootTexts[i - 1];
    if (root.size() == 2) {
      EXPECT_EQ(root, std::string(previous) + "#") << i;
    } else {
      EXPECT_TRUE(previous.size() == 2 || previous == "B" || previous == "E") << i;
    }
  }
}

TEST(FretPositions, StartAtTheOpenStringAndStepUnevenlyBy310To360) {
  EXPECT_EQ(kFretPositions[0], 210.0F);
  EXPECT_EQ(kFretPositions[16], 5510.0F);
  EXPECT_EQ(kFretPositions[21], 7140.0F);
  for (std::size_t fret = 1; fret < kFretPositions.size(); ++fret) {
    const float step = kFretPositions[fret] - kFretPositions[fret - 1];
    EXPECT_GE(step, 310.0F) << "fret " << fret;
    EXPECT_LE(step, 360.0F) << "fret " << fret;
  }
}

}  // namespace
}  // namespace velmora
