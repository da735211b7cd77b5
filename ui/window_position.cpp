#include "window_position.h"

#include <QWidget>

#include "twips.h"
#include "x11_placement.h"

namespace velmora {
namespace {

double Scale(const QWidget& window) { return window.devicePixelRatioF(); }

}  // namespace

float WindowLeft(const QWidget& window) {
  if (auto* x11 = x11::Placement::Instance()) return twips::FromDevicePixels(x11->Corner(window).x(), Scale(window));
  return twips::FromPixels(window.x());
}

float WindowTop(const QWidget& window) {
  if (auto* x11 = x11::Placement::Instance()) return twips::FromDevicePixels(x11->Corner(window).y(), Scale(window));
  return twips::FromPixels(window.y());
}

void SetWindowLeft(QWidget& window, float leftTwips) {
  if (auto* x11 = x11::Placement::Instance()) {
    x11->MoveCorner(window, QPoint(twips::ToDevicePixels(leftTwips, Scale(window)), x11->Corner(window).y()));
    return;
  }
  window.move(twips::ToWholePixels(leftTwips), window.y());
}

void SetWindowTop(QWidget& window, float topTwips) {
  if (auto* x11 = x11::Placement::Instance()) {
    x11->MoveCorner(window, QPoint(x11->Corner(window).x(), twips::ToDevicePixels(topTwips, Scale(window))));
    return;
  }
  window.move(window.x(), twips::ToWholePixels(topTwips));
}

void HideWindow(QWidget& window) {
  if (auto* x11 = x11::Placement::Instance()) {
    x11->Hide(window);
    return;
  }
  window.setVisible(false);
}

}  // namespace velmora
