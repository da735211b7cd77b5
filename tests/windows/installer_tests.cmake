# The Windows installers (packaging/windows_installer.cmake) under Wine, each
# on a test desktop of its own: the 64-bit one in the 64-bit prefix that
# tells programs it is Windows 7 (windows_installer), run from a folder of
# planted DLLs, installed for all users and for the current user, over an
# open chart and uninstalled; the 32-bit one in the 32-bit prefix
# (windows32_installer), for all users. The installers are the release's,
# signed with throwaway keys by the packaging tests
# (tests/packaging/build_packages.cmake). Skipped, saying why, where the
# installers or the test desktop are not built.
if(NOT VELMORA_MAKENSIS OR NOT VELMORA_X11)
  if(NOT VELMORA_MAKENSIS)
    set(why "not found: makensis")
  else()
    set(why "the X11 test desktop is not built")
  endif()
  velmora_skipped_test(windows_installer "${why}")
  if(wine32_tests)
    velmora_skipped_test(windows32_installer "${why}")
  endif()
  return()
endif()

add_executable(windows_installer_tests installer_test.cpp planted_dlls.cpp)
target_link_libraries(windows_installer_tests PRIVATE GTest::gtest velmora_test_desktop)
target_compile_definitions(windows_installer_tests PRIVATE
  VELMORA_PROGRAM_ICON="${VELMORA_ICON_DIR}/velmora.ico"
  VELMORA_WRESTOOL="${VELMORA_WRESTOOL}"
  VELMORA_WINESERVER="${VELMORA_WINESERVER}"
  VELMORA_VERSION="${PROJECT_VERSION}")

set(installers windows_installer:win64:windows:nsis:win7:*:${VELMORA_WINE64})
if(wine32_tests)
  list(APPEND installers windows32_installer:win32:windows32:nsis32:win32:WindowsInstaller.*:${VELMORA_WINE})
endif()
foreach(installer IN LISTS installers)
  string(REPLACE ":" ";" installer ${installer})
  list(GET installer 0 name)
  list(GET installer 1 suffix)
  list(GET installer 2 windows)
  list(GET installer 3 nsis)
  list(GET installer 4 prefix)
  list(GET installer 5 cases)
  list(GET installer 6 loader)
  set(release ${VELMORA_SIGNED_RELEASE_DIR})
  set(environment "VELMORA_INSTALLER=${release}/Velmora-${PROJECT_VERSION}-${suffix}.exe"
                  "VELMORA_WINDOWS_EXE=${release}/${windows}/Velmora.exe"
                  "VELMORA_UNINSTALLER=${release}/packaging/${nsis}/Uninstall.exe"
                  "VELMORA_PLANTED_DLL=${PROJECT_BINARY_DIR}/${windows}/tests/planted.dll"
                  "VELMORA_WINE_PREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-${prefix}" "VELMORA_WINE=${loader}")
  add_test(NAME ${name} COMMAND windows_installer_tests --gtest_filter=${cases})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${environment}"
    FIXTURES_REQUIRED "wine_${prefix};velmora_packages" RESOURCE_LOCK wine_${prefix} TIMEOUT 300 COST 1000
    ${velmora_runtime_dir})
endforeach()
