#include "accessibility/focus_announcement.h"

namespace velmora::win32 {
namespace {

// The window whose focus the system has just announced.
thread_local HWND announced = nullptr;

void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF) announced = window;
}

// Hears the program's own focus events as they are raised, inside the call
// that raises them: an in-context hook on this thread alone.
bool Listening() {
  static const HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, GetModuleHandleW(nullptr), &Heard,
                      GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_INCONTEXT);
  return hook != nullptr;
}

}  // namespace

void GiveFocus(HWND control) {
  // Where the program cannot hear the system, it leaves the telling to it.
  const bool listening = Listening();
  announced = nullptr;
  SetFocus(control);
  if (listening && GetFocus() == control && announced != control) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, control, OBJID_CLIENT, CHILDID_SELF);
  }
}

}  // namespace velmora::win32
