#include "accessibility/fingering_description.h"

#include "controls/marker_shape.h"
#include "layout/spoken_chord.h"

namespace velmora {

QString FingeringDescription(const std::array<float, kFretCount>& frets,
                             const std::array<MarkerShape*, kStringCount>& markers) {
  std::array<float, kStringCount> lefts{};
  std::array<bool, kStringCount> shown{};
  for (std::size_t marker = 0; marker < markers.size(); ++marker) {
    lefts[marker] = markers[marker]->Left();
    shown[marker] = !markers[marker]->isHidden();
  }
  return QString::fromStdString(spoken_chord::Fingering(frets, lefts, shown));
}

}  // namespace velmora
