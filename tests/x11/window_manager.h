#pragma once

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace velmora {

// What the X server and the window manager say of a window, independent of
// what Qt believes, and the user's actions on the window manager's frame.
class WindowManager {
 public:
  // The outer top-left corner of the window's frame on the screen, from the
  // server's client position and the frame extents the window manager set;
  // nothing while the window is not shown in a frame.
  static std::optional<QPoint> FrameCorner(const QWidget& window);
  // Waits until the window is shown and its frame corner has stood still
  // for a while, and where one is `expected`, for a few seconds more until
  // it stands there; throws if it never stands still.
  static QPoint SettledFrameCorner(const QWidget& window, std::optional<QPoint> expected = std::nullopt);
  // Drags the window by its title bar with the mouse, as a user would.
  static void DragTitleBar(const QWidget& window, QPoint by);
  // Moves the window so that its frame corner lands on `corner`: by its
  // title bar, or where the manager keeps a dragged title bar on the
  // screen, by asking the manager to move it; returns where it settled.
  static QPoint DragTo(const QWidget& window, QPoint corner);
  // Asks the window manager, from outside the program, to move the window's
  // frame corner to `corner`; returns where it settled.
  static QPoint RequestMove(const QWidget& window, QPoint corner);
  // Asks the window manager to close the window, as its title bar's close
  // button does.
  static void RequestClose(const QWidget& window);
};

}  // namespace velmora
