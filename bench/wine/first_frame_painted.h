#pragma once

#include <windows.h>

namespace velmora::bench {

// Whether the window is shown and it and its children have painted
// everything they were asked to.
inline bool Painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetUpdateRect(child, nullptr, FALSE)) return false;
  }
  return true;
}

// Runs the window's messages until it has painted its first frame, then
// ends the process at once: taking the windows down is not start-up, and
// Wine waits for a window manager to let go of a destroyed window, which the
// benchmark's bare X server has none of.
inline int RunUntilPainted(HWND window) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
    if (Painted(window)) ExitProcess(0);
  }
  return 1;
}

}  // namespace velmora::bench
