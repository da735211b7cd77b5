#include "loading/system_libraries.h"

#include <string>

namespace velmora::win32 {
namespace {

// Whether every search by name already looks in System32 only.
bool searchRestricted = false;

DllSearchFunctions LookUp() {
  DllSearchFunctions functions;
  FindFunction(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories", functions.setDefaultDllDirectories);
  return functions;
}

// A name that the manifest's activation context redirects: looked up by
// name, so that the redirection applies, which a full path would bypass.
bool SideBySide(const wchar_t* name) { return lstrcmpiW(name, L"comctl32.dll") == 0; }

}  // namespace

const DllSearchFunctions& SystemDllSearchFunctions() {
  static const DllSearchFunctions functions = LookUp();
  return functions;
}

void RestrictDllSearchToSystem32(const DllSearchFunctions& functions) {
  searchRestricted = functions.setDefaultDllDirectories &&
                     functions.setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!searchRestricted) SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (searchRestricted) return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (SideBySide(name)) return LoadLibraryW(name);
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  // Its own imports are looked for beside it, in System32, first.
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void InitCommonControlsOfSystem32(DWORD classes) {
  // What the themed controls load as they first draw, loaded now: under
  // Wine the theming library loads it by a search that still looks in the
  // program's folder first, whatever the program has restricted.
  LoadSystemLibrary(L"msimg32.dll");
  BOOL(WINAPI * initCommonControlsEx)(const INITCOMMONCONTROLSEX*) = nullptr;
  FindFunction(LoadSystemLibrary(L"comctl32.dll"), "InitCommonControlsEx", initCommonControlsEx);
  const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
  if (initCommonControlsEx) initCommonControlsEx(&controls);
}

const AccessibilityLibrary& Oleacc() {
  static const AccessibilityLibrary library = [] {
    AccessibilityLibrary functions;
    const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    FindFunction(oleacc, "LresultFromObject", functions.lresultFromObject);
    FindFunction(oleacc, "CreateStdAccessibleObject", functions.createStdAccessibleObject);
    FindFunction(oleacc, "AccessibleObjectFromWindow", functions.accessibleObjectFromWindow);
    return functions;
  }();
  return library;
}

}  // namespace velmora::win32
