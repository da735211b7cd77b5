#pragma once

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QString>

#include "placement/twips.h"

namespace velmora {

// What both windows share: a fixed single border with the given title-bar
// buttons besides close, a client area given in twips, the default form
// font, and the button-face background.
void SetUpFixedWindow(QWidget& window, const QString& caption, const QIcon& icon,
                      Qt::WindowFlags titleButtons, int clientWidthTwips, int clientHeightTwips);

// A label as the windows' layouts have them: left-aligned plain text that
// wraps at word boundaries, fixed size, opaque button-face background.
QLabel* MakeLabel(const QString& caption, const twips::Rect& rect, const QFont& font, QWidget* parent);

// A push button that no window makes its default: Enter presses it only while
// it has the focus, as Space does.
QPushButton* MakeCommandButton(const QString& caption, const twips::Rect& rect, QWidget* parent);

}  // namespace velmora
