#pragma once

#include <windows.h>

namespace velmora::win32 {

// The functions of the per-monitor dots-per-inch family that Windows 7 lacks,
// looked up at run time so that the program starts on Windows 7 SP1 and
// later. A missing function is null; each answer below then falls back to
// what Windows 7 offers. A table with some entries replaced stands in for a
// system of other densities.
struct DpiFunctions {
  // Windows 10 1607, user32.
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  UINT(WINAPI* getDpiForSystem)() = nullptr;
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;
  // Windows 8.1, shcore; its effective density when the window-level one
  // is missing.
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// The functions this system has, looked up once.
const DpiFunctions& SystemDpiFunctions();

// The desktop's one density, to which positions on the screen are converted
// (the primary screen's at sign-in): Windows 7's screen device context.
UINT DesktopDpi(const DpiFunctions& functions);
// The density of the screen the window stands on; the desktop's where
// densities are not per screen.
UINT WindowDpi(const DpiFunctions& functions, HWND window);
// The outer rectangle of a window whose client area is `client`, with the
// frame the system draws at `dpi`.
RECT OuterForClient(const DpiFunctions& functions, RECT client, DWORD style, DWORD exStyle, UINT dpi);
// A system metric at `dpi`.
int SystemMetric(const DpiFunctions& functions, int index, UINT dpi);

}  // namespace velmora::win32
