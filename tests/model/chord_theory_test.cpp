// Checks every fingering against music theory rather than against a second
// copy of the table: a fret typed one off sounds a note outside the chord.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "chord_table.h"
#include "picks.h"

namespace velmora {
namespace {

// Pitch classes, C = 0. Standard tuning, string 1 (high e) to string 6 (low E).
constexpr std::array<int, kStringCount> kOpenStrings = {4, 11, 7, 2, 9, 4};
constexpr int kPitchOfA = 9;

// Semitones above the root that each chord type may sound, in list order.
// Some types are read loosely by the fingerings (a "sus" with the sixth, a
// "7sus4" keeping the third, "dim" as the diminished seventh).
const std::array<std::set<int>, kTypeCount> kTypeIntervals = {{
    {0, 4, 7},                  // major
    {0, 4, 7, 9},               // 6
    {0, 4, 7, 10},              // 7
    {0, 2, 7, 10},              // 7sus2
    {0, 4, 5, 7, 10},           // 7sus4
    {0, 2, 4, 7, 10},           // 9
    {0, 2, 4, 5, 7, 10},        // 11
    {0, 2, 4, 5, 7, 9, 10},     // 13
    {0, 3, 7, 11},              // maj7 3b
    {0, 4, 7, 11},              // maj7
    {0, 3, 7},                  // m
    {0, 3, 7, 9},               // min6
    {0, 3, 7, 10},              // min7
    {0, 3, 6, 10},              // min7 5b
    {0, 2, 5, 7, 9},            // sus
    {0, 2, 7},                  // sus2
    {0, 5, 7, 10},              // sus4
    {0, 3, 6, 9},               // dim
    {0, 4, 8},                  // aug
}};

class Fingering : public testing::TestWithParam<Pick> {};

TEST_P(Fingering, SoundsItsRootAndOnlyNotesOfItsType) {
  const auto [root, type] = GetParam();
  const ChordShape& shape = *ChordTable::Find(root, type);
  const int rootPitch = (kPitchOfA + root) % 12;
  bool soundsRoot = false;
  for (int string = 1; string <= kStringCount; ++string) {
    if (shape.IsMuted(string)) continue;
    const int pitch = (kOpenStrings[static_cast<std::size_t>(string - 1)] + shape.Fret(string)) % 12;
    const int interval = (pitch - rootPitch + 12) % 12;
    soundsRoot = soundsRoot || interval == 0;
    EXPECT_EQ(kTypeIntervals[static_cast<std::size_t>(type)].count(interval), 1U)
        << "string " << string << " at fret " << shape.Fret(string) << " sounds interval " << interval;
  }
  EXPECT_TRUE(soundsRoot);
}

INSTANTIATE_TEST_SUITE_P(ChordTable, Fingering, testing::ValuesIn(AllPicks()), PickName);

}  // namespace
}  // namespace velmora
