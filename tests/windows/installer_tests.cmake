# The Windows installer (packaging/windows_installer.cmake) under Wine, in
# the prefix that tells programs it is Windows 7, and on a test desktop of its
# own: installed silently, the installed program's chart shown, uninstalled
# silently, the prefix then as it was. The installer is the release's, signed
# with throwaway keys by the packaging tests
# (tests/packaging/build_packages.cmake). One test; skipped, saying why, where
# the installer or the test desktop is not built.
if(NOT VELMORA_MAKENSIS OR NOT VELMORA_X11)
  if(NOT VELMORA_MAKENSIS)
    set(why "not found: makensis")
  else()
    set(why "the X11 test desktop is not built")
  endif()
  add_test(NAME windows_installer COMMAND ${CMAKE_COMMAND} -E echo "test skipped: ${why}")
  set_tests_properties(windows_installer PROPERTIES SKIP_REGULAR_EXPRESSION "(^|\n)test skipped: ")
  return()
endif()

add_executable(windows_installer_tests installer_test.cpp planted_dlls.cpp)
target_link_libraries(windows_installer_tests PRIVATE GTest::gtest velmora_test_desktop)
target_compile_definitions(windows_installer_tests PRIVATE
  VELMORA_INSTALLER="${VELMORA_SIGNED_RELEASE_DIR}/Velmora-${PROJECT_VERSION}-win64.exe"
  VELMORA_WINDOWS_EXE="${VELMORA_SIGNED_RELEASE_DIR}/windows/Velmora.exe"
  VELMORA_UNINSTALLER="${VELMORA_SIGNED_RELEASE_DIR}/packaging/nsis/Uninstall.exe"
  VELMORA_PROGRAM_ICON="${VELMORA_ICON_DIR}/velmora.ico"
  VELMORA_PLANTED_DLL="${VELMORA_WINDOWS_DIR}/tests/planted.dll"
  VELMORA_WRESTOOL="${VELMORA_WRESTOOL}"
  VELMORA_WINE_PREFIX="${CMAKE_CURRENT_BINARY_DIR}/wine-win7"
  VELMORA_WINE="${VELMORA_WINE}"
  VELMORA_WINESERVER="${VELMORA_WINESERVER}"
  VELMORA_VERSION="${PROJECT_VERSION}")
add_test(NAME windows_installer COMMAND windows_installer_tests)
set_tests_properties(windows_installer PROPERTIES
  FIXTURES_REQUIRED "wine_win7;velmora_packages" RESOURCE_LOCK wine_win7 TIMEOUT 300 COST 1000
  ${velmora_runtime_dir})
