#pragma once

class QWidget;

namespace velmora {

// A window's Left and Top: its outer top-left corner on the screen, frame
// included, in twips. A value read from one window and written to another
// puts both corners on the same pixel.
float WindowLeft(const QWidget& window);
float WindowTop(const QWidget& window);
void SetWindowLeft(QWidget& window, float leftTwips);
void SetWindowTop(QWidget& window, float topTwips);

}  // namespace velmora
