#pragma once

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QPoint>
#include <map>
#include <optional>

#include "placement/native_placement.h"
#include "placement/x11_frame.h"

class QWidget;

namespace velmora::x11 {

// Window positions on X11, in device pixels of the screen, taken from and
// given to the real windows rather than Qt's record of them.
//
// A window manager need not put a window that is being shown where it was
// asked: it may place the frame's client corner there, or pull the window
// onto the screen. So once the manager has framed the window, its real
// corner is compared with the one it was given and, if they differ, the
// window is moved there; a few times at most, each time on the window
// system's own events, so that a manager that keeps refusing cannot cause a
// loop, and a correction left unanswered for a second is given up. Once the
// corner is right the window is left alone: a move the user makes after
// that is never undone. A window shown again before a lagging manager had
// let go of it is mapped anew once the manager has.
class Placement : public NativePlacement, public QAbstractNativeEventFilter {
 public:
  // The placement of this program's windows on X11; nullptr on any other
  // platform.
  static Placement* Instance();

  // The window's outer top-left corner: where it is asked to go while it is
  // on its way, where the manager shows it, or, while it is hidden, where it
  // stood when it was hidden.
  QPoint Corner(const QWidget& window) override;
  // Puts the window's outer top-left corner on `corner`.
  void MoveCorner(QWidget& window, QPoint corner) override;
  // Hides the window, keeping its corner as it stood.
  void Hide(QWidget& window) override;

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  struct Track {
    // The corner the window is on its way to, until the manager shows it
    // there or has been corrected often enough.
    std::optional<QPoint> target;
    int corrections = 0;
    // The frame's corner when the last correction was asked for, and
    // whether the window has been mapped since.
    std::optional<QPoint> lastSeen;
    bool mappedSinceCorrection = false;
    // Where the window last stood while shown.
    std::optional<QPoint> corner;
  };

  explicit Placement(xcb_connection_t* connection);
  Track& TrackOf(QWidget& window);
  QWidget* WindowOf(xcb_window_t id) const;
  void Settle(QWidget& window, Track& track);
  // Ends a correction the manager has not answered.
  void GiveUp(QWidget& window, int correction);
  std::optional<Frame> Measure(const QWidget& window);

  xcb_connection_t* connection_;
  // How far the manager's frame reaches left of and above the client area,
  // as last seen on a framed window: where to put a window's client area
  // before it is framed so that its frame lands on the target.
  QPoint frameOffset_;
  std::map<QWidget*, Track> tracks_;
};

}  // namespace velmora::x11
