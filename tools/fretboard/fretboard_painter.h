#pragma once

#include <QImage>

namespace velmora::fretboard {

// Draws the fretboard at `scale` device pixels per picture pixel: 1 gives the
// 500 x 93 picture, 2 the double-resolution one. The result is opaque.
QImage DrawFretboard(int scale);

}  // namespace velmora::fretboard
