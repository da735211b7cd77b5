#pragma once

#include <QRgb>
#include <array>

namespace velmora::picture {

// What the chart expects of the fretboard picture, in picture pixels.

inline constexpr int kPictureWidth = 500;
inline constexpr int kPictureHeight = 93;
inline constexpr int kFretLineCount = 21;

// Fret lines are evenly spaced.
inline double ExpectedFretLineX(int k) { return 27.28 + 21.948 * k; }

inline constexpr double kNutLeft = 22.5;
inline constexpr double kNutRight = 28.3;
inline constexpr double kNutCentre = 25.25;
inline constexpr double kEdgeStripWidth = 2.0;

inline constexpr int kStringCount = 6;
inline constexpr std::array<double, kStringCount> kStringY = {6.0,  22.4, 38.5,
                                                              54.9, 71.7, 88.1};
inline constexpr std::array<double, kStringCount> kStringThickness = {
    1.0, 1.0, 1.5, 1.5, 2.0, 2.0};

// Fret spaces holding inlays, one entry per disc: 12 holds a pair.
inline constexpr std::array<int, 10> kInlaySpaces = {3,  5,  7,  9,  12,
                                                     12, 15, 17, 19, 21};

inline const QRgb kEdgeGrey = qRgb(133, 128, 134);
inline const QRgb kNutColour = qRgb(195, 191, 195);
inline const QRgb kFretColour = qRgb(182, 176, 173);
inline const QRgb kInlayColour = qRgb(250, 252, 252);
inline const QRgb kStringColour = qRgb(254, 251, 248);
inline const QRgb kMeanWood = qRgb(70, 45, 37);
inline const QRgb kDarkestWood = qRgb(48, 27, 26);
inline const QRgb kLightestWood = qRgb(89, 61, 50);

}  // namespace velmora::picture
