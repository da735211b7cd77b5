#pragma once

#include <windows.h>

namespace velmora::bench {

// A floor's window: button-face, with a client area of the chart's 497 x 136
// pixels, created hidden.
inline HWND CreateFloorWindow(HINSTANCE instance, DWORD style) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"Floor";
  RegisterClassExW(&wc);
  RECT outer{0, 0, 497, 136};
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  return CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                         outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
}

}  // namespace velmora::bench
