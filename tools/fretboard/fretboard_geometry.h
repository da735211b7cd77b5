#pragma once

#include <QColor>
#include <array>

namespace velmora::fretboard {

// Everything below is in picture pixels of the single-resolution picture,
// x to the right from the left edge, y downwards from the top edge. The
// double-resolution picture uses the same figures through a scaled painter.

inline constexpr int kWidth = 500;
inline constexpr int kHeight = 93;

// The grey strip along the left edge, and the faint grey line along the top.
inline constexpr double kEdgeStripWidth = 2.0;
inline constexpr double kTopLineHeight = 1.0;
inline constexpr double kTopLineOpacity = 0.45;

// The nut is a bar from x 22.5 to 28.3, its edges falling between pixels.
inline constexpr double kNutLeft = 22.5;
inline constexpr double kNutRight = 28.3;

// Fret lines are evenly spaced; line k (1 to 21) is centred at
// kFretLineOrigin + kFretLineSpacing * k and is one pixel wide, snapped to
// the pixel column that holds its centre so that it stays sharp.
inline constexpr int kFretLineCount = 21;
inline constexpr double kFretLineOrigin = 27.28;
inline constexpr double kFretLineSpacing = 21.948;

struct Inlay {
  double x;
  double y;
};

inline constexpr double kInlayDiameter = 11.0;

// Single dots midway between strings 3 and 4 in fret spaces 3, 5, 7, 9, 15,
// 17, 19 and 21; a pair in fret space 12 between strings 2-3 and 4-5.
inline constexpr std::array<Inlay, 10> kInlays = {{{81.5, 47.0},
                                                   {125.5, 47.0},
                                                   {169.5, 47.0},
                                                   {213.0, 47.0},
                                                   {279.0, 30.5},
                                                   {279.0, 63.5},
                                                   {345.0, 47.0},
                                                   {388.5, 47.0},
                                                   {432.5, 47.0},
                                                   {476.5, 47.0}}};

struct String {
  double centreY;
  double thickness;
};

// String 1 (high e, thinnest) at the top to string 6 (low E) at the bottom.
inline constexpr std::array<String, 6> kStrings = {{{6.0, 1.0},
                                                    {22.4, 1.0},
                                                    {38.5, 1.5},
                                                    {54.9, 1.5},
                                                    {71.7, 2.0},
                                                    {88.1, 2.0}}};

// Strings start right of the grey edge strip and run off the right edge.
inline constexpr double kStringStart = kEdgeStripWidth;

inline const QColor kEdgeGrey{133, 128, 134};
inline const QColor kNutColour{195, 191, 195};
inline const QColor kFretColour{182, 176, 173};
inline const QColor kInlayColour{250, 252, 252};
inline const QColor kStringColour{254, 251, 248};

}  // namespace velmora::fretboard
