#pragma once

#include <windows.h>

namespace velmora::win32 {

// A window's Left and Top: the outer top-left corner on the screen, in
// twips, converted with the window's own dots per inch.
float WindowLeft(HWND window);
float WindowTop(HWND window);
void SetWindowLeft(HWND window, float twips);
void SetWindowTop(HWND window, float twips);

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
