#pragma once

namespace velmora::twips {

// Layouts are written in twips, 1/1440 inch: 15 to a pixel at 96 dots per
// inch.
inline constexpr double kPerPixel = 15.0;

// A control's box in twips, from the top-left corner of its window's client
// area.
struct Rect {
  int left;
  int top;
  int width;
  int height;
};

}  // namespace velmora::twips
