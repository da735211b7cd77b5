#pragma once

#include <windows.h>

#include <cmath>

#include "layout/twips_rect.h"

namespace velmora::win32 {

// Twips are 1/1440 inch; a window's device pixels are 1/dpi inch. Every
// conversion between the two goes through here, with the window's own dots
// per inch, so that a position read from one window and written to another
// lands on the same device pixel.
inline constexpr double kTwipsPerInch = 1440.0;

inline int ToDevicePixels(double twips, UINT dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}
inline double ToDevicePixelsExact(double twips, UINT dpi) { return twips * dpi / kTwipsPerInch; }
inline float FromDevicePixels(int pixels, UINT dpi) {
  return static_cast<float>(pixels * kTwipsPerInch / dpi);
}

inline RECT ToDeviceRect(const twips::Rect& r, UINT dpi) {
  const int left = ToDevicePixels(r.left, dpi);
  const int top = ToDevicePixels(r.top, dpi);
  return RECT{left, top, left + ToDevicePixels(r.width, dpi), top + ToDevicePixels(r.height, dpi)};
}

}  // namespace velmora::win32
