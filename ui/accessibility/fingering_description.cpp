#include "fingering_description.h"

#include <QStringList>
#include <algorithm>

#include "form1.h"

namespace velmora {

QString FingeringDescription(const Form1& form) {
  const auto& frets = form.Chart().FretTable;
  QStringList strings;
  for (int string = kStringCount; string >= 1; --string) {
    const MarkerShape& marker = form.Marker(string);
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
