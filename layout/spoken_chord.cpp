#include "layout/spoken_chord.h"

#include <algorithm>

namespace velmora::spoken_chord {

std::string Fingering(const std::array<float, kFretCount>& frets,
                      const std::array<float, kStringCount>& lefts,
                      const std::array<bool, kStringCount>& shown) {
  std::string text;
  for (int string = kStringCount; string >= 1; --string) {
    if (!text.empty()) text += ' ';
    const auto marker = static_cast<std::size_t>(string - 1);
    if (!shown[marker]) {
      text += 'x';
      continue;
    }
    const auto fret = std::find(frets.begin(), frets.end(), lefts[marker]);
    // Only during the window's load does a marker stand off every fret.
    if (fret == frets.end()) {
      text += '?';
      continue;
    }
    // Frets 0 to 21: one or two digits.
    const auto number = fret - frets.begin();
    if (number >= 10) text += static_cast<char>('0' + number / 10);
    text += static_cast<char>('0' + number % 10);
  }
  return text;
}

std::u16string Summary(std::u16string_view chord, std::string_view fingering) {
  std::u16string text = u"Аккорд ";
  text += chord;
  text += u": ";
  // The fingering is digits, blanks and x: ASCII.
  text.append(fingering.begin(), fingering.end());
  return text;
}

}  // namespace velmora::spoken_chord
