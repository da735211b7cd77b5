// The program's own DLLs on a Windows 7 without KB2533623, which lacks
// SetDefaultDllDirectories (the function taken away): loaded from System32
// all the same, by its full path, though a fake oleacc.dll stands beside
// this program and Wine is told to prefer it (WINEDLLOVERRIDES=oleacc=n,b),
// as Windows would look in the program's folder first. The fake, loaded,
// would end the process (tests/windows/planted_dll.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "loading/system_libraries.h"

namespace velmora::win32 {
namespace {

std::wstring FolderOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  const std::wstring file(path, length);
  return file.substr(0, file.find_last_of(L'\\'));
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH] = {};
  return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH));
}

TEST(SystemLibraries, ComeFromSystem32WhereTheSearchCannotBeRestricted) {
  ASSERT_NE(GetFileAttributesW(L"oleacc.dll"), INVALID_FILE_ATTRIBUTES) << "no fake oleacc.dll beside the test";
  RestrictDllSearchToSystem32(DllSearchFunctions{});
  const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
  ASSERT_NE(oleacc, nullptr);
  EXPECT_EQ(CompareStringOrdinal(FolderOf(oleacc).c_str(), -1, SystemFolder().c_str(), -1, TRUE), CSTR_EQUAL);
  EXPECT_NE(Oleacc().lresultFromObject, nullptr);
}

}  // namespace
}  // namespace velmora::win32

// A Unicode program, as Velmora.exe is.
int wmain(int argc, wchar_t* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
