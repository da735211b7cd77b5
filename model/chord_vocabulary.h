#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The root list, sharps only, starting from A; a root's index is its place here.
inline constexpr std::array<std::string_view, 12> kRootTexts = {
    "A", "A#", "B", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#"};

// The chord-type list; the empty text is the major chord. The order is the
// order of the list and of the chord table, not alphabetical.
inline constexpr std::array<std::string_view, 19> kTypeTexts = {
    "",     "6",    "7",    "7sus2",   "7sus4", "9",    "11",
    "13",   "maj7 3b", "maj7", "m",    "min6",  "min7", "min7 5b",
    "sus",  "sus2", "sus4", "dim",     "aug"};

inline constexpr int kRootCount = static_cast<int>(kRootTexts.size());
inline constexpr int kTypeCount = static_cast<int>(kTypeTexts.size());

// Strings are numbered 1 (high e, top row) to 6 (low E, bottom row).
inline constexpr int kStringCount = 6;

// The text that names one pick: "<root> <type>", plain decimal, one blank.
// Defined for any pair, so (0, -1) gives "0 -1", which names no chord.
std::string MakeSelectionKey(int rootIndex, int typeIndex);

// The chord name shown to the user: the root text followed by the type text.
std::string ChordName(std::string_view rootText, std::string_view typeText);

}  // namespace velmora
