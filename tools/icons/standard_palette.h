#pragma once

#include <array>
#include <optional>

#include <QRgb>

namespace velmora::icons {

// The sixteen colours of the classic 4-bit palette, in their customary index
// order: the dark half, then the light half.
inline constexpr std::array<QRgb, 16> kStandardPalette = {
    qRgb(0, 0, 0),        // black
    qRgb(128, 0, 0),      // maroon
    qRgb(0, 128, 0),      // green
    qRgb(128, 128, 0),    // olive
    qRgb(0, 0, 128),      // navy
    qRgb(128, 0, 128),    // purple
    qRgb(0, 128, 128),    // teal
    qRgb(192, 192, 192),  // silver
    qRgb(128, 128, 128),  // grey
    qRgb(255, 0, 0),      // red
    qRgb(0, 255, 0),      // lime
    qRgb(255, 255, 0),    // yellow
    qRgb(0, 0, 255),      // blue
    qRgb(255, 0, 255),    // fuchsia
    qRgb(0, 255, 255),    // aqua
    qRgb(255, 255, 255),  // white
};

// The palette index of the colour `rgb` (its alpha is ignored), or nothing
// if the colour is not one of the sixteen.
std::optional<int> StandardPaletteIndex(QRgb rgb);

}  // namespace velmora::icons
