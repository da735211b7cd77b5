#pragma once

#include <QString>
#include <array>

#include "chord_vocabulary.h"
#include "fret_positions.h"

namespace velmora {

class MarkerShape;

// The fingering the markers show, as a guitarist reads a chord diagram:
// string 6 first, "x" for a string whose marker is hidden, else the fret of
// `frets` its marker stands on ("x 0 2 2 2 0" for A major). `markers` holds
// S1 (string 1) to S6.
QString FingeringDescription(const std::array<float, kFretCount>& frets,
                             const std::array<MarkerShape*, kStringCount>& markers);

}  // namespace velmora
