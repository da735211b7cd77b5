#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

namespace velmora {

// A window's Left and Top: its outer top-left corner on the screen, frame
// included, in twips. On X11 they are read from and written to the real
// windows in device pixels, so a value read from one window and written to
// another puts both corners on the same device pixel, at any screen scale
// and under any window manager, on the screen or partly off it.
float WindowLeft(const QWidget& window);
float WindowTop(const QWidget& window);
void SetWindowLeft(QWidget& window, float leftTwips);
void SetWindowTop(QWidget& window, float topTwips);

// Hides a window; it keeps its Left and Top while it is hidden.
void HideWindow(QWidget& window);

// Shows a window in answer to the user and asks for it to be given the
// keyboard, as showing a window does on the desktop the program comes
// from: the window manager is asked to activate it (with the time of the
// user's last event), and the control that last had the focus in it has it
// again. A manager that prevents focus stealing may still refuse.
void ShowWindow(QWidget& window);

// For a handler that shows a window and then moves it. While one of these
// lives, a window shown through ShowWindow becomes visible only when it
// ends, already at the Left and Top it was given meanwhile, so that the
// window system maps it once, where it ends up, and never shows it first at
// its old place. Where the toolkit places windows itself (offscreen,
// Wayland, without X11) windows are shown at once, as ever.
class ShowAfterPlacing {
 public:
  ShowAfterPlacing();
  ~ShowAfterPlacing();
  ShowAfterPlacing(const ShowAfterPlacing&) = delete;
  ShowAfterPlacing& operator=(const ShowAfterPlacing&) = delete;

 private:
  friend void ShowWindow(QWidget& window);

  ShowAfterPlacing* outer_;
  std::vector<QPointer<QWidget>> held_;
};

}  // namespace velmora
