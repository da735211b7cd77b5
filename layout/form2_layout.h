#pragma once

#include <string_view>

#include "layout/twips_rect.h"

// The About window as it is created, in twips from the client area's
// top-left corner, with its texts. Texts are UTF-16, as both window systems
// take them.
namespace velmora::form2_layout {

inline constexpr std::u16string_view kCaption = u"О программе \"Velmora\" ...";
inline constexpr int kClientWidth = 4710;
inline constexpr int kClientHeight = 1950;

// Controls from front to back.
inline constexpr twips::Rect kCommand1{105, 1470, 960, 330};
inline constexpr std::u16string_view kCommand1Caption = u"OK";
// The maker's line reaches 60 twips below the client area; that strip is
// never seen.
inline constexpr twips::Rect kLabel3{2520, 1575, 2115, 435};
inline constexpr std::u16string_view kLabel3Caption = u"Velmora, 2026";
// The maker's line as a screen reader says it, the year read as a word. Orca
// reads out only those of a dialog's loose texts that have three words or
// more (it takes shorter ones for the captions of controls).
inline constexpr std::u16string_view kLabel3SpokenName = u"Velmora, 2026 год";
inline constexpr double kLabel3PointSize = 8.25;  // bold
inline constexpr twips::Rect kLabel2{105, 840, 3585, 540};
inline constexpr std::u16string_view kLabel2Caption = u"Автор программы и её издатель — команда Velmora.";
inline constexpr double kLabel2PointSize = 9.75;
inline constexpr twips::Rect kLabel1{105, 105, 4425, 540};
inline constexpr std::u16string_view kLabel1Caption =
    u"В программе были использованы данные, выбранные из Ossendar v.4.3.";

}  // namespace velmora::form2_layout
