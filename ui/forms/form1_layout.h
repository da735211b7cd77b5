#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "chord_vocabulary.h"
#include "placement/twips.h"

namespace velmora::form1_layout {

// The chart window as it is created, in twips from the client area's
// top-left corner.
inline const QString kCaption = QStringLiteral("Аккорды");
inline constexpr int kClientWidth = 7455;
inline constexpr int kClientHeight = 2040;

inline constexpr twips::Rect kCommand1{3675, 105, 3690, 330};
inline const QString kCommand1Caption = QStringLiteral("О программе ...");
inline constexpr twips::Rect kCombo2{1260, 105, 1065, 315};
inline constexpr twips::Rect kCombo1{105, 105, 1065, 315};
inline constexpr twips::Rect kLabel1{2520, 105, 1065, 330};
inline const QString kLabel1Caption = QStringLiteral("Label1");
inline constexpr double kLabel1PointSize = 9.75;
// The picture is shown at its natural size, 500 x 93 pixels; its last three
// columns lie beyond the client area's right edge.
inline constexpr twips::Rect kImage1{0, 630, 7500, 1395};
inline const QString kImage1Picture = QStringLiteral(":/fretboard.pixels");

// Markers S1 (string 1, top row) to S6: one-pixel boxes, all created at the
// open-string position; the row of each never changes.
inline constexpr int kMarkerLeft = 210;
inline constexpr std::array<int, kStringCount> kMarkerTops = {735, 960, 1200, 1450, 1700, 1940};

// Names a screen reader announces for the controls. The chord-name label is
// named by the chord it shows.
inline const QString kCombo1Name = QStringLiteral("Основной тон");
inline const QString kCombo2Name = QStringLiteral("Тип аккорда");
inline const QString kImage1Name = QStringLiteral("Гриф гитары");
inline const QString kCommand1Name = QStringLiteral("О программе");
// The major type's item shows nothing; a reader says this instead.
inline const QString kMajorSpokenText = QStringLiteral("мажор");
// What both lists tell a reader of the chord they lead to: its name and its
// fingering ("Аккорд A: x 0 2 2 2 0").
inline const QString kChordSummary = QStringLiteral("Аккорд %1: %2");

QStringList RootItems();
QStringList TypeItems();

}  // namespace velmora::form1_layout
