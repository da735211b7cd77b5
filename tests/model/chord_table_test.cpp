#include "chord_table.h"
#include "picks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velmora {
namespace {

// A row as a chord diagram reads it, string 6 first: "x 0 2 2 2 0".
std::string Diagram(const ChordShape& shape) {
  std::string text;
  for (int string = kStringCount; string >= 1; --string) {
    text += shape.IsMuted(string) ? std::string("x") : std::to_string(shape.Fret(string));
    if (string > 1) text += ' ';
  }
  return text;
}

std::string DiagramOf(const char* key) {
  const ChordShape* shape = ChordTable::Find(key);
  return shape ? Diagram(*shape) : std::string("<none>");
}

class EveryRow : public testing::TestWithParam<Pick> {};

TEST_P(EveryRow, IsFoundByItsKeyAndByItsIndexes) {
  const auto [root, type] = GetParam();
  const ChordShape* byIndexes = ChordTable::Find(root, type);
  ASSERT_NE(byIndexes, nullptr);
  EXPECT_EQ(ChordTable::Find(MakeSelectionKey(root, type)), byIndexes);
}

TEST_P(EveryRow, UsesFretsZeroToElevenAndMutesOnlyTheBassStrings) {
  const ChordShape& shape = *ChordTable::Find(GetParam().root, GetParam().type);
  for (int string = 1; string <= kStringCount; ++string) {
    if (shape.IsMuted(string)) {
      EXPECT_GE(string, 5) << "string " << string << " of " << Diagram(shape);
    } else {
      EXPECT_GE(shape.Fret(string), 0);
      EXPECT_LE(shape.Fret(string), 11);
    }
  }
  // String 5 is muted only together with string 6.
  if (shape.IsMuted(5)) {
    EXPECT_TRUE(shape.IsMuted(6)) << Diagram(shape);
  }
}

INSTANTIATE_TEST_SUITE_P(ChordTable, EveryRow, testing::ValuesIn(AllPicks()), PickName);

TEST(ChordTable, FindsExactlyTheKeysOfThe228Picks) {
  // Every text of up to five characters over digits, blank and minus: only
  // the 228 keys find a row, and each finds its own.
  std::map<std::string, const ChordShape*> expected;
  for (const Pick& pick : AllPicks()) {
    expected[MakeSelectionKey(pick.root, pick.type)] = ChordTable::Find(pick.root, pick.type);
  }
  const std::string alphabet = "0123456789 -";
  std::vector<std::string> texts = {""};
  std::size_t found = 0;
  for (int length = 0; length <= 5; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : texts) {
      const auto it = expected.find(text);
      const ChordShape* want = it == expected.end() ? nullptr : it->second;
      ASSERT_EQ(ChordTable::Find(text), want) << '"' << text << '"';
      if (want) ++found;
      if (length < 5) {
        for (char c : alphabet) longer.push_back(text + c);
      }
    }
    texts = std::move(longer);
  }
  EXPECT_EQ(found, 228U);
}

TEST(ChordTable, FindsNothingForNearMissKeys) {
  for (const char* key : {"00 0", " 0 0", "0  0", "0 0 ", "", "12 0", "0 19", "0 -1", "-1 0",
                          "0\t0", "+0 0", "0 00", "1 018"}) {
    EXPECT_EQ(ChordTable::Find(key), nullptr) << '"' << key << '"';
  }
}

TEST(ChordTable, FindsNothingForIndexesOutsideTheLists) {
  for (const auto& [root, type] : std::vector<Pick>{
           {0, -1}, {-1, 0}, {-1, -1}, {12, 0}, {0, 19}, {12, 19}, {-32768, 0}, {0, 32767}}) {
    EXPECT_EQ(ChordTable::Find(root, type), nullptr) << root << ' ' << type;
  }
}

TEST(ChordTable, MutePatternsAreNoneBassOrBothBassStrings) {
  int none = 0, sixth = 0, sixthAndFifth = 0;
  for (const Pick& pick : AllPicks()) {
    const ChordShape& shape = *ChordTable::Find(pick.root, pick.type);
    if (!shape.IsMuted(6)) {
      ++none;
    } else if (!shape.IsMuted(5)) {
      ++sixth;
    } else {
      ++sixthAndFifth;
    }
  }
  EXPECT_EQ(none, 92);
  EXPECT_EQ(sixth, 95);
  EXPECT_EQ(sixthAndFifth, 41);
}

TEST(ChordTable, EqualRowsAreOnlyTheSus4AndSixThirteenTwins) {
  std::vector<std::string> equal;
  for (int root = 0; root < kRootCount; ++root) {
    for (int a = 0; a < kTypeCount; ++a) {
      for (int b = a + 1; b < kTypeCount; ++b) {
        if (*ChordTable::Find(root, a) == *ChordTable::Find(root, b)) {
          equal.push_back(MakeSelectionKey(root, a) + "=" + MakeSelectionKey(root, b));
        }
      }
    }
  }
  std::vector<std::string> expected;
  for (int root = 1; root < kRootCount; ++root) {
    if (root == 2 || root == 5) expected.push_back(MakeSelectionKey(root, 1) + "=" + MakeSelectionKey(root, 7));
    expected.push_back(MakeSelectionKey(root, 4) + "=" + MakeSelectionKey(root, 16));
  }
  EXPECT_EQ(equal, expected);
  EXPECT_EQ(equal.size(), 13U);
}

TEST(ChordTable, HighFretsStandOnlyWhereExpected) {
  std::vector<std::string> tenths, elevenths;
  for (const Pick& pick : AllPicks()) {
    const ChordShape& shape = *ChordTable::Find(pick.root, pick.type);
    for (int string = 1; string <= kStringCount; ++string) {
      const std::string where = MakeSelectionKey(pick.root, pick.type) + " s" + std::to_string(string);
      if (shape.Fret(string) == 10) tenths.push_back(where);
      if (shape.Fret(string) == 11) elevenths.push_back(where);
    }
  }
  // "4 6" reaches fret 10 on its way to 11; "3 1" is the one chord played at 10.
  EXPECT_EQ(tenths, (std::vector<std::string>{"3 1 s2", "3 1 s4", "4 6 s3"}));
  EXPECT_EQ(elevenths, (std::vector<std::string>{"4 6 s1", "4 14 s3", "4 14 s4", "4 17 s2", "4 17 s4"}));
}

TEST(ChordTable, NamedRowsReadAsTheirDiagrams) {
  EXPECT_EQ(DiagramOf("0 0"), "x 0 2 2 2 0");
  EXPECT_EQ(DiagramOf("0 10"), "x 0 2 2 1 0");
  EXPECT_EQ(DiagramOf("4 6"), "9 9 9 10 9 11");
  EXPECT_EQ(DiagramOf("3 1"), "x x 10 0 10 0");
  EXPECT_EQ(DiagramOf("3 7"), "0 0 0 0 1 0");
  EXPECT_EQ(DiagramOf("11 18"), "x x 6 5 5 0");
  EXPECT_EQ(DiagramOf("1 4"), "6 6 6 8 6 6");
  EXPECT_EQ(DiagramOf("1 16"), "6 6 6 8 6 6");
  EXPECT_EQ(DiagramOf("0 4"), "x 0 0 0 2 0");
  EXPECT_EQ(DiagramOf("0 16"), "x 0 0 0 3 0");
  EXPECT_EQ(DiagramOf("7 0"), "0 2 2 1 0 0");
  EXPECT_EQ(DiagramOf("5 0"), "x x 0 2 3 2");
}

TEST(ChordShape, StoresStringOneLastInTheDiagramFirstInItsNumbering) {
  const ChordShape shape({ChordShape::kMuted, 1, 2, 3, 4, 5});
  EXPECT_EQ(shape.Fret(1), 5);
  EXPECT_EQ(shape.Fret(5), 1);
  EXPECT_TRUE(shape.IsMuted(6));
  EXPECT_FALSE(shape.IsMuted(1));
}

}  // namespace
}  // namespace velmora
