#pragma once

#include <QPointF>
#include <QRect>

#include "layout/twips_rect.h"

namespace velmora::twips {

// Layouts are written in twips; Qt lays out in device-independent pixels.
// Every conversion between the two goes through here, 15 twips to a pixel.

constexpr double ToPixels(double twips) { return twips / kPerPixel; }

constexpr float FromPixels(int pixels) { return static_cast<float>(pixels * kPerPixel); }

// Screen positions are handed over in the window system's own device
// pixels. On a screen scaled by `scale` a device pixel is 15 / scale twips
// (12 at 125 %, 10 at 150 %, 7.5 at 200 %), so every device pixel has a twips
// value of its own and a value read from one window and written to another
// lands on the same device pixel.
inline float FromDevicePixels(int pixels, double scale) {
  return static_cast<float>(pixels * kPerPixel / scale);
}

inline int ToDevicePixels(float twips, double scale) { return qRound(twips * scale / kPerPixel); }

// A position given in twips, rounded to the nearest whole pixel.
inline int ToWholePixels(double twips) { return qRound(ToPixels(twips)); }

inline QRect ToRect(const Rect& r) {
  return QRect(ToWholePixels(r.left), ToWholePixels(r.top), ToWholePixels(r.width),
               ToWholePixels(r.height));
}

inline QSize ToSize(int widthTwips, int heightTwips) {
  return QSize(ToWholePixels(widthTwips), ToWholePixels(heightTwips));
}

inline QPointF ToPointF(double xTwips, double yTwips) {
  return QPointF(ToPixels(xTwips), ToPixels(yTwips));
}

}  // namespace velmora::twips
