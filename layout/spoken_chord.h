#pragma once

#include <array>
#include <string>

#include "chord_vocabulary.h"
#include "fret_positions.h"

// What a screen reader is told of the chord the chart shows.
namespace velmora::spoken_chord {

// The fingering the markers show, as a guitarist reads a chord diagram:
// string 6 first, "x" for a string whose marker is hidden, else the fret of
// `frets` its marker stands on ("x 0 2 2 2 0" for A major). `lefts` and
// `shown` hold S1 (string 1) to S6.
std::string Fingering(const std::array<float, kFretCount>& frets,
                      const std::array<float, kStringCount>& lefts,
                      const std::array<bool, kStringCount>& shown);

// What both lists tell a reader of the chord they lead to: its name and its
// fingering ("Аккорд A: x 0 2 2 2 0").
std::u16string Summary(std::u16string_view chord, std::string_view fingering);

}  // namespace velmora::spoken_chord
