// The least a Windows-API program does to put a window of the chart's size
// on the screen: one plain window holding one label, ending once its first
// frame has been painted.
#include <windows.h>

#include "first_frame_painted.h"
#include "floor_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND window = velmora::bench::CreateFloorWindow(instance, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
  CreateWindowExW(0, L"STATIC", L"Am7", WS_CHILD | WS_VISIBLE, 168, 7, 71, 22, window, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  return velmora::bench::RunUntilPainted(window);
}
