// Velmora.exe: the chord chart on the Windows API. The program starts with
// the chart and ends when the chart is closed.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "forms/forms.h"
#include "loading/system_libraries.h"

namespace {

// The keyboard of a form: Tab and Shift+Tab go round its controls, Enter
// presses a focused button as Space does. Other keys go to the focused
// control.
bool FormKeyboard(MSG& message) {
  const HWND form = GetAncestor(message.hwnd, GA_ROOT);
  if (!form) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
    const HWND focused = GetFocus();
    wchar_t className[16] = {};
    GetClassNameW(focused, className, 16);
    if (focused && lstrcmpiW(className, WC_BUTTONW) == 0) {
      SendMessageW(focused, BM_CLICK, 0, 0);
      return true;
    }
  }
  return IsDialogMessageW(form, &message) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything loads a DLL that Windows would look for beside the
  // program first.
  velmora::win32::RestrictDllSearchToSystem32(velmora::win32::SystemDllSearchFunctions());
  // What a screen reader gets of the windows, and the picture decoder, are
  // COM objects.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  velmora::win32::InitCommonControlsOfSystem32(ICC_STANDARD_CLASSES);

  int status = 0;
  {
    velmora::win32::Forms forms;
    forms.Start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (FormKeyboard(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    status = static_cast<int>(message.wParam);
  }
  CoUninitialize();
  return status;
}
