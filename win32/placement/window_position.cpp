#include "placement/window_position.h"

#include <vector>

#include "placement/dpi_twips.h"

namespace velmora::win32 {
namespace {

// Windows whose showing waits for the end of the ShowAfterPlacing scope.
bool holding = false;
std::vector<HWND> held;

RECT OuterRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

void ShowNow(HWND window) {
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
}

}  // namespace

float WindowLeft(HWND window, UINT desktopDpi) { return FromDevicePixels(OuterRect(window).left, desktopDpi); }

float WindowTop(HWND window, UINT desktopDpi) { return FromDevicePixels(OuterRect(window).top, desktopDpi); }

void SetWindowCorner(HWND window, float leftTwips, float topTwips, UINT desktopDpi) {
  SetWindowPos(window, nullptr, ToDevicePixels(leftTwips, desktopDpi), ToDevicePixels(topTwips, desktopDpi), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowForm(HWND window) {
  if (holding) {
    held.push_back(window);
    return;
  }
  ShowNow(window);
}

void HideForm(HWND window) { ShowWindow(window, SW_HIDE); }

ShowAfterPlacing::ShowAfterPlacing() { holding = true; }

ShowAfterPlacing::~ShowAfterPlacing() {
  holding = false;
  for (HWND window : held) ShowNow(window);
  held.clear();
}

}  // namespace velmora::win32
