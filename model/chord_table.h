#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "chord_vocabulary.h"

namespace velmora {

// One fingering: for each string 1 to 6, muted or the fret it is played at
// (0 is the open string).
class ChordShape {
 public:
  // Frets as a chord diagram reads them, string 6 on the left to string 1 on
  // the right; kMuted for a string that is not played.
  static constexpr std::int8_t kMuted = -1;
  using Diagram = std::array<std::int8_t, kStringCount>;

  constexpr ChordShape(const Diagram& string6To1)
      : frets_{string6To1[5], string6To1[4], string6To1[3],
               string6To1[2], string6To1[1], string6To1[0]} {}

  // `string` is 1 (high e) to 6 (low E).
  constexpr bool IsMuted(int string) const { return frets_[string - 1] == kMuted; }
  // The fret of a played string; kMuted for a muted one.
  constexpr int Fret(int string) const { return frets_[string - 1]; }

  friend constexpr bool operator==(const ChordShape& a, const ChordShape& b) {
    return a.frets_ == b.frets_;
  }

 private:
  std::array<std::int8_t, kStringCount> frets_;  // [0] is string 1
};

// The 228 fingerings, one for each root and chord type.
class ChordTable {
 public:
  static constexpr int kRowCount = kRootCount * kTypeCount;

  // The row whose selection key equals `key` character for character, or
  // nullptr: "0 0" finds A major; "00 0", " 0 0", "0 0 " and "12 0" find
  // nothing.
  static const ChordShape* Find(std::string_view key);

  // The row of a root and type index pair, or nullptr when either index lies
  // outside its list (-1, the index of an empty list, included).
  static const ChordShape* Find(int rootIndex, int typeIndex);
};

}  // namespace velmora
