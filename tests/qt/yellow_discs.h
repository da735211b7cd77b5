#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

namespace velmora {

// A yellow disc found in a rendered image: its centroid and pixel count.
struct Disc {
  QPointF centre;
  int pixels = 0;
};

// Finds the marker discs of a rendered window: connected areas of strong
// yellow. Centres are in the image's device pixels, measured from the image's
// top-left corner, with pixel (x, y) covering [x, x + 1).
std::vector<Disc> FindYellowDiscs(const QImage& image);

}  // namespace velmora
