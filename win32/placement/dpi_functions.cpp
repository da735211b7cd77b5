#include "placement/dpi_functions.h"

#include "loading/system_libraries.h"

namespace velmora::win32 {
namespace {

// The effective density of a screen, as the user set its scale.
constexpr int kEffectiveDpi = 0;

DpiFunctions LookUp() {
  DpiFunctions functions;
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  FindFunction(user32, "GetDpiForWindow", functions.getDpiForWindow);
  FindFunction(user32, "GetDpiForSystem", functions.getDpiForSystem);
  FindFunction(user32, "AdjustWindowRectExForDpi", functions.adjustWindowRectExForDpi);
  FindFunction(user32, "GetSystemMetricsForDpi", functions.getSystemMetricsForDpi);
  if (!functions.getDpiForWindow) {
    // Loaded only where the window-level function is missing; the program
    // never unloads it.
    FindFunction(LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor", functions.getDpiForMonitor);
  }
  return functions;
}

}  // namespace

const DpiFunctions& SystemDpiFunctions() {
  static const DpiFunctions functions = LookUp();
  return functions;
}

UINT DesktopDpi(const DpiFunctions& functions) {
  if (functions.getDpiForSystem) return functions.getDpiForSystem();
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT WindowDpi(const DpiFunctions& functions, HWND window) {
  if (functions.getDpiForWindow) {
    if (const UINT dpi = functions.getDpiForWindow(window)) return dpi;
  }
  if (functions.getDpiForMonitor) {
    UINT x = 0;
    UINT y = 0;
    if (SUCCEEDED(functions.getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                                             &x, &y)) &&
        x > 0) {
      return x;
    }
  }
  return DesktopDpi(functions);
}

RECT OuterForClient(const DpiFunctions& functions, RECT client, DWORD style, DWORD exStyle, UINT dpi) {
  if (functions.adjustWindowRectExForDpi) {
    functions.adjustWindowRectExForDpi(&client, style, FALSE, exStyle, dpi);
  } else {
    // The frame at the desktop's density, which is the only one the system
    // draws frames at where the window-level functions are missing.
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
  }
  return client;
}

int SystemMetric(const DpiFunctions& functions, int index, UINT dpi) {
  if (functions.getSystemMetricsForDpi) return functions.getSystemMetricsForDpi(index, dpi);
  return GetSystemMetrics(index);
}

}  // namespace velmora::win32
