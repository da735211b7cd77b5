#pragma once

#include <windows.h>

#include <commctrl.h>
#include <unknwn.h>

namespace velmora::win32 {

// Where Velmora.exe takes its DLLs from. People run it from their Downloads
// folder, where a web page can leave a file unasked, and Windows looks for a
// DLL in the program's own folder first. So the program imports only DLLs
// that Windows always takes from System32, its KnownDLLs (kernel32, user32,
// gdi32, ole32, oleaut32, msvcrt), and loads everything else itself, from
// System32, once the search has been restricted to it.

// SetDefaultDllDirectories: Windows 8 and later, and Windows 7 SP1 with
// KB2533623; null where the system lacks it. A table with it taken away
// stands in for a Windows 7 without that update.
struct DllSearchFunctions {
  BOOL(WINAPI* setDefaultDllDirectories)(DWORD) = nullptr;
};

// The functions this system has, looked up once.
const DllSearchFunctions& SystemDllSearchFunctions();

// The program's first act: from now on every DLL loaded by name, by the
// program or by the DLLs it loads, comes from System32 only. Without
// SetDefaultDllDirectories the current folder is at least taken out of the
// search, and LoadSystemLibrary loads by System32's full path.
void RestrictDllSearchToSystem32(const DllSearchFunctions& functions);

// `function` set to the procedure `name` of `module`; left as it was where
// either is missing.
template <typename Function>
void FindFunction(HMODULE module, const char* name, Function& function) {
  if (module) function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A DLL of System32 by its file name, after RestrictDllSearchToSystem32. A
// DLL that the manifest redirects to a side-by-side version (comctl32) is
// that version. Null if it did not load.
HMODULE LoadSystemLibrary(const wchar_t* name);

// The common controls of the manifest's version, for the forms' controls.
void InitCommonControlsOfSystem32(DWORD classes);

// The functions of the accessibility library, oleacc, loaded on first use.
// Null where it did not load: the windows then answer a screen reader with
// the system's own objects.
struct AccessibilityLibrary {
  LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, IUnknown*) = nullptr;
  HRESULT(WINAPI* createStdAccessibleObject)(HWND, LONG, REFIID, void**) = nullptr;
  HRESULT(WINAPI* accessibleObjectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
};
const AccessibilityLibrary& Oleacc();

}  // namespace velmora::win32
