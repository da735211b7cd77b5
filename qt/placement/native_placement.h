#pragma once

#include <QPoint>

class QWidget;

namespace velmora {

// Window positions in the window system's own device pixels, read from and
// written to the real windows, where the program can reach them (X11).
class NativePlacement {
 public:
  virtual ~NativePlacement() = default;

  // The window's outer top-left corner on the screen.
  virtual QPoint Corner(const QWidget& window) = 0;
  // Puts the window's outer top-left corner on `corner`.
  virtual void MoveCorner(QWidget& window, QPoint corner) = 0;
  // Hides the window, keeping its corner as it stood.
  virtual void Hide(QWidget& window) = 0;
};

// The placement of the platform the program runs on; nullptr where Qt's own
// device-independent geometry is all there is (offscreen, Wayland, other
// systems).
NativePlacement* PlatformPlacement();

}  // namespace velmora
