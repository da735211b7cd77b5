#pragma once

#include <array>

namespace velmora {

inline constexpr int kFretCount = 22;

// Marker Left positions in twips, fret 0 (open string, left of the nut) to
// fret 21. These are measured against the fretboard picture, not derived from
// a fret-spacing rule: each puts a marker within about a pixel of the middle
// of its fret space, which is why the steps are uneven.
inline constexpr std::array<float, kFretCount> kFretPositions = {
    210.0F,  570.0F,  900.0F,  1220.0F, 1540.0F, 1890.0F, 2200.0F, 2530.0F,
    2880.0F, 3210.0F, 3520.0F, 3860.0F, 4190.0F, 4520.0F, 4840.0F, 5160.0F,
    5510.0F, 5840.0F, 6170.0F, 6500.0F, 6830.0F, 7140.0F};

}  // namespace velmora
