#include "placement/window_position.h"

#include <QWidget>

#include "placement/native_placement.h"
#include "placement/twips.h"

namespace velmora {
namespace {

double Scale(const QWidget& window) { return window.devicePixelRatioF(); }

// The innermost ShowAfterPlacing alive, if any.
ShowAfterPlacing* placing = nullptr;

void ShowAndActivate(QWidget& window) {
  window.setVisible(true);
  // Not yet mapped, the window is activated as soon as it is.
  window.activateWindow();
}

}  // namespace

float WindowLeft(const QWidget& window) {
  if (auto* native = PlatformPlacement()) return twips::FromDevicePixels(native->Corner(window).x(), Scale(window));
  return twips::FromPixels(window.x());
}

float WindowTop(const QWidget& window) {
  if (auto* native = PlatformPlacement()) return twips::FromDevicePixels(native->Corner(window).y(), Scale(window));
  return twips::FromPixels(window.y());
}

void SetWindowLeft(QWidget& window, float leftTwips) {
  if (auto* native = PlatformPlacement()) {
    native->MoveCorner(window, QPoint(twips::ToDevicePixels(leftTwips, Scale(window)), native->Corner(window).y()));
    return;
  }
  window.move(twips::ToWholePixels(leftTwips), window.y());
}

void SetWindowTop(QWidget& window, float topTwips) {
  if (auto* native = PlatformPlacement()) {
    native->MoveCorner(window, QPoint(native->Corner(window).x(), twips::ToDevicePixels(topTwips, Scale(window))));
    return;
  }
  window.move(window.x(), twips::ToWholePixels(topTwips));
}

void HideWindow(QWidget& window) {
  if (auto* native = PlatformPlacement()) {
    native->Hide(window);
    return;
  }
  window.setVisible(false);
}

void ShowWindow(QWidget& window) {
  if (placing != nullptr && PlatformPlacement() != nullptr) {
    placing->held_.emplace_back(&window);
    return;
  }
  ShowAndActivate(window);
}

ShowAfterPlacing::ShowAfterPlacing() : outer_(placing) { placing = this; }

ShowAfterPlacing::~ShowAfterPlacing() {
  placing = outer_;
  for (const QPointer<QWidget>& window : held_) {
    if (window) ShowAndActivate(*window);
  }
}

}  // namespace velmora
