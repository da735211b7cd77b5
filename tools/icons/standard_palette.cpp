#include "standard_palette.h"

namespace velmora::icons {

std::optional<int> StandardPaletteIndex(QRgb rgb) {
  const QRgb opaque = rgb | 0xff000000u;
  for (int i = 0; i < static_cast<int>(kStandardPalette.size()); ++i) {
    if (kStandardPalette[i] == opaque) {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace velmora::icons
