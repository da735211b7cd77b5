#include "accessibility/fingering_description.h"

#include <QStringList>
#include <algorithm>

#include "controls/marker_shape.h"

namespace velmora {

QString FingeringDescription(const std::array<float, kFretCount>& frets,
                             const std::array<MarkerShape*, kStringCount>& markers) {
  QStringList strings;
  for (int string = kStringCount; string >= 1; --string) {
    const MarkerShape& marker = *markers[static_cast<std::size_t>(string - 1)];
    if (marker.isHidden()) {
      strings.append(QStringLiteral("x"));
      continue;
    }
    const auto fret = std::find(frets.begin(), frets.end(), marker.Left());
    // Only during the window's load does a marker stand off every fret.
    strings.append(fret == frets.end() ? QStringLiteral("?") : QString::number(fret - frets.begin()));
  }
  return strings.join(QLatin1Char(' '));
}

}  // namespace velmora
