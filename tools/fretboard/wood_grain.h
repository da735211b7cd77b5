#pragma once

#include <QImage>

namespace velmora::fretboard {

// Covers the whole image with dark rosewood in fine vertical grain streaks.
// The grain is a fixed function of picture coordinates, sampled at the centre
// of every device pixel, so an image `scale` times the picture's size shows
// the same wood at a finer resolution.
void PaintWood(QImage& image, double scale);

}  // namespace velmora::fretboard
