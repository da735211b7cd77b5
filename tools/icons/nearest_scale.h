#pragma once

#include <QImage>

namespace velmora::icons {

// `image` enlarged `factor` times in both directions, every pixel becoming a
// factor x factor block of the same colour and alpha (nearest neighbour).
// The result is ARGB32; `factor` must be 1 or more.
QImage EnlargeNearest(const QImage& image, int factor);

}  // namespace velmora::icons
