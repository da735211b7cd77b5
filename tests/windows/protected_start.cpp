// The least a program can do against DLLs planted beside it: it imports
// what Velmora.exe imports, the KnownDLLs kernel32, user32, gdi32, ole32,
// oleaut32 and msvcrt; its first act restricts the DLL search to System32;
// then it loads the common controls and the accessibility library and ends
// with status 0. Whatever still loads from its folder, Wine's own start
// loads, before any program's first instruction.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return 1;
  const bool loaded = LoadLibraryW(L"comctl32.dll") && LoadLibraryW(L"oleacc.dll");
  // One call into each of the other imports, which start before this line.
  const bool imported = GetSystemMetrics(SM_CXSCREEN) >= 0 && GetStockObject(WHITE_BRUSH) &&
                        SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) && SysStringLen(nullptr) == 0;
  return loaded && imported ? 0 : 2;
}
