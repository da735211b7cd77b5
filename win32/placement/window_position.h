#pragma once

#include <windows.h>

namespace velmora::win32 {

// A window's Left and Top: the outer top-left corner on the screen, in
// twips. The screen is one coordinate space, even where its monitors have
// different scales: positions are converted with the desktop's one density,
// never with the density of the monitor a window stands on, so that a corner
// read from one window and written to another lands on the same device
// pixel wherever the two windows stand.
float WindowLeft(HWND window, UINT desktopDpi);
float WindowTop(HWND window, UINT desktopDpi);
// Left and Top are given together, in one move: under an X window manager
// Wine hands each move of a hidden window to the manager, which carries it
// out later, and Wine then replays every place the window passed through
// after it is shown. A window moved in one step never passes through a
// place that is neither the old one nor the new one.
void SetWindowCorner(HWND window, float leftTwips, float topTwips, UINT desktopDpi);

// Shows a window in answer to the user, with the keyboard. Inside a
// ShowAfterPlacing scope the window is shown only when the scope ends, so
// that a window shown and then moved appears once, where it ends up.
void ShowForm(HWND window);
void HideForm(HWND window);

class ShowAfterPlacing {
 public:
  ShowAfterPlacing();
  ~ShowAfterPlacing();
  ShowAfterPlacing(const ShowAfterPlacing&) = delete;
  ShowAfterPlacing& operator=(const ShowAfterPlacing&) = delete;
};

}  // namespace velmora::win32
