// Velmora.exe's start, from the same code, ending once the chart's first
// frame has been painted.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "first_frame_painted.h"
#include "forms/form1.h"
#include "forms/forms.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  velmora::win32::Forms forms;
  forms.Start();
  return velmora::bench::RunUntilPainted(forms.form1().Handle());
}
