#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// What the chord display update needs of the chart window: the two lists, the
// chord-name label and the six string markers. Markers are addressed by their
// string number, 1 (S1, top row) to 6 (S6, bottom row).
class ChartView {
 public:
  virtual ~ChartView() = default;

  // The selected item's text of the root list; empty while nothing is selected.
  virtual std::string RootListText() const = 0;
  virtual std::string TypeListText() const = 0;
  // The selected item's index; -1 while nothing is selected.
  virtual std::int16_t RootListIndex() const = 0;
  virtual std::int16_t TypeListIndex() const = 0;

  virtual void SetChordCaption(const std::string& caption) = 0;
  virtual void SetMarkerVisible(int string, bool visible) = 0;
  // X of the marker's left edge, in twips.
  virtual void SetMarkerLeft(int string, float leftTwips) = 0;
};

}  // namespace velmora
