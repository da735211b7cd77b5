#pragma once

class QWidget;

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

}  // namespace velmora
