// A DLL such as a web page could leave in the Downloads folder under the
// name of one a program loads. Loaded, it leaves a mark beside itself, a
// file named after it with ".loaded" added, and ends the process at once
// with status 86. It imports kernel32 alone and has no runtime of its own,
// so that planting it under any name loads nothing else.
#include <windows.h>

extern "C" BOOL WINAPI PlantedDllEntry(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t mark[MAX_PATH + 8];
  const DWORD length = GetModuleFileNameW(self, mark, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    lstrcpyW(mark + length, L".loaded");
    const HANDLE file = CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  TerminateProcess(GetCurrentProcess(), 86);
  return FALSE;
}
