#include "window_position.h"

#include <QWidget>

#include "twips.h"

namespace velmora {

float WindowLeft(const QWidget& window) { return twips::FromPixels(window.x()); }

float WindowTop(const QWidget& window) { return twips::FromPixels(window.y()); }

void SetWindowLeft(QWidget& window, float leftTwips) {
  window.move(twips::ToWholePixels(leftTwips), window.y());
}

void SetWindowTop(QWidget& window, float topTwips) {
  window.move(window.x(), twips::ToWholePixels(topTwips));
}

}  // namespace velmora
