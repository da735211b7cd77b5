// The least a Windows-API program does to put a window of the chart's size
// on the screen: one plain window holding one label, ending once its first
// frame has been painted.
#include <windows.h>

#include "first_frame_painted.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"Floor";
  RegisterClassExW(&wc);
  RECT outer{0, 0, 497, 136};
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&outer, style, FALSE, 0);
  HWND window = CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  CreateWindowExW(0, L"STATIC", L"Am7", WS_CHILD | WS_VISIBLE, 168, 7, 71, 22, window, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  return velmora::bench::RunUntilPainted(window);
}
