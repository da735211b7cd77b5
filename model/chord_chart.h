#pragma once

#include <array>
#include <string>

#include "chart_view.h"
#include "chord_vocabulary.h"
#include "fret_positions.h"

namespace velmora {

// The chart window's chord state and the update that shows the picked chord.
class ChordChart {
 public:
  explicit ChordChart(ChartView& view) : view_(view) {}

  // Fills FretTable, fret 0 to fret 21 in increasing order; the window's load
  // does this before it gives either list a selection.
  void FillFretTable();

  // Reads both lists, shows the chord name, and moves or hides the six
  // markers for the chord the lists name. A selection that names no chord
  // (one list still without a selection) changes only the name and the key;
  // the markers keep their visibility and are set again to their held X.
  void UpdateChordDisplay();

  std::array<float, kFretCount> FretTable{};
  // The last X given to each marker, string 1 first. A muted string gets
  // FretTable[0], the open-string position where the layout creates every
  // marker; it is never seen, since a muted string's marker is hidden.
  std::array<float, kStringCount> StringLeft{};
  // The key built by the last update, whether or not it names a chord.
  std::string SelectionKey;

 private:
  ChartView& view_;
};

}  // namespace velmora
