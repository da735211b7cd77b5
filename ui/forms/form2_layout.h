#pragma once

#include <QString>

#include "placement/twips.h"

namespace velmora::form2_layout {

// The About window as it is created, in twips from the client area's
// top-left corner.
inline const QString kCaption = QStringLiteral("О программе \"Velmora\" ...");
inline constexpr int kClientWidth = 4710;
inline constexpr int kClientHeight = 1950;

inline constexpr twips::Rect kCommand1{105, 1470, 960, 330};
inline const QString kCommand1Caption = QStringLiteral("OK");
// The maker's line reaches 60 twips below the client area; that strip is
// never seen.
inline constexpr twips::Rect kLabel3{2520, 1575, 2115, 435};
inline const QString kLabel3Caption = QStringLiteral("Velmora, 2026");
// The maker's line as a screen reader says it, the year read as a word. Orca
// reads out only those of a dialog's loose texts that have three words or
// more (it takes shorter ones for the captions of controls).
inline const QString kLabel3SpokenName = QStringLiteral("Velmora, 2026 год");
inline constexpr double kLabel3PointSize = 8.25;  // bold
inline constexpr twips::Rect kLabel2{105, 840, 3585, 540};
inline const QString kLabel2Caption = QStringLiteral("Автор программы и её издатель — команда Velmora.");
inline constexpr double kLabel2PointSize = 9.75;
inline constexpr twips::Rect kLabel1{105, 105, 4425, 540};
inline const QString kLabel1Caption =
    QStringLiteral("В программе были использованы данные, выбранные из Ossendar v.4.3.");

}  // namespace velmora::form2_layout
