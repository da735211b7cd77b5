// Velmora.exe's start, from the same code, ending once the chart's first
// frame has been painted.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "first_frame_painted.h"
#include "forms/form1.h"
#include "forms/forms.h"
#include "loading/system_libraries.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velmora::win32::RestrictDllSearchToSystem32(velmora::win32::SystemDllSearchFunctions());
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  velmora::win32::InitCommonControlsOfSystem32(ICC_STANDARD_CLASSES);
  velmora::win32::Forms forms;
  forms.Start();
  return velmora::bench::RunUntilPainted(forms.form1().Handle());
}
