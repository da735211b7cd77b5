#pragma once

#include <array>
#include <string_view>

#include "chord_vocabulary.h"
#include "layout/twips_rect.h"

// The chart window as it is created, in twips from the client area's top-left
// corner, with its texts and the names a screen reader gives its controls.
// Texts are UTF-16, as both window systems take them.
namespace velmora::form1_layout {

inline constexpr std::u16string_view kCaption = u"Аккорды";
inline constexpr int kClientWidth = 7455;
inline constexpr int kClientHeight = 2040;

// Controls from front to back.
inline constexpr twips::Rect kCommand1{3675, 105, 3690, 330};
inline constexpr std::u16string_view kCommand1Caption = u"О программе ...";
inline constexpr twips::Rect kCombo2{1260, 105, 1065, 315};
inline constexpr twips::Rect kCombo1{105, 105, 1065, 315};
inline constexpr twips::Rect kLabel1{2520, 105, 1065, 330};
inline constexpr std::u16string_view kLabel1Caption = u"Label1";
inline constexpr double kLabel1PointSize = 9.75;
// The picture is shown at its natural size, 500 x 93 pixels; its last three
// columns lie beyond the client area's right edge.
inline constexpr twips::Rect kImage1{0, 630, 7500, 1395};

// Markers S1 (string 1, top row) to S6: one-pixel boxes, all created at the
// open-string position; the row of each never changes. Each shows as a
// yellow disc 10 pixels across centred on its box.
inline constexpr int kMarkerLeft = 210;
inline constexpr std::array<int, kStringCount> kMarkerTops = {735, 960, 1200, 1450, 1700, 1940};
inline constexpr double kMarkerDiscRadiusPixels = 5.0;

// Names a screen reader announces for the controls. The chord-name label is
// named by the chord it shows.
inline constexpr std::u16string_view kCombo1Name = u"Основной тон";
inline constexpr std::u16string_view kCombo2Name = u"Тип аккорда";
inline constexpr std::u16string_view kImage1Name = u"Гриф гитары";
inline constexpr std::u16string_view kCommand1Name = u"О программе";
// The major type's item shows nothing; a reader says this instead.
inline constexpr std::u16string_view kMajorSpokenText = u"мажор";

}  // namespace velmora::form1_layout
