# The Windows installer, Velmora-<version>-win64.exe beside the Debian
# package: NSIS's makensis packs this tree's Velmora.exe (a Release cross-build
# in every tree, cmake/windows_cross_build.cmake) with packaging/nsis/velmora.nsi.in.
# Part of the default build, so `make package` makes it too. The target
# names the file it makes in its property VELMORA_INSTALLER_FILE, and the
# uninstaller it carries, a program of its own made first beside the
# scripts, in VELMORA_UNINSTALLER_FILE.
# Signed where a certificate is given (packaging/authenticode.cmake).
# Looked for on PATH only, as the packaging tools are.
find_program(VELMORA_MAKENSIS makensis NO_CMAKE_PATH NO_CMAKE_SYSTEM_PATH NO_CMAKE_ENVIRONMENT_PATH)
if(NOT VELMORA_MAKENSIS)
  message(STATUS "makensis not found: the Windows installer is not built (scripts/install-deps installs nsis)")
  return()
endif()

set(VELMORA_INSTALLER ${PROJECT_BINARY_DIR}/Velmora-${PROJECT_VERSION}-win64.exe)
set(VELMORA_UNINSTALLER ${CMAKE_CURRENT_BINARY_DIR}/nsis/Uninstall.exe)
include(${CMAKE_CURRENT_SOURCE_DIR}/authenticode.cmake)
# The signing command as makensis hands it to the shell.
set(VELMORA_NSIS_SIGN "")
foreach(argument IN LISTS VELMORA_AUTHENTICODE_SIGN)
  string(APPEND VELMORA_NSIS_SIGN " \"${argument}\"")
endforeach()
string(STRIP "${VELMORA_NSIS_SIGN}" VELMORA_NSIS_SIGN)
# The installer's and the uninstaller's icon: the program's microphone.
set(VELMORA_PROGRAM_ICON ${VELMORA_ICON_DIR}/velmora.ico)
# The part the two scripts share.
set(VELMORA_NSIS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/nsis)
set(uninstall_script ${CMAKE_CURRENT_BINARY_DIR}/nsis/uninstall.nsi)
set(script ${CMAKE_CURRENT_BINARY_DIR}/nsis/velmora.nsi)
configure_file(${VELMORA_NSIS_DIR}/uninstall.nsi.in ${uninstall_script} @ONLY)
configure_file(${VELMORA_NSIS_DIR}/velmora.nsi.in ${script} @ONLY)

# The scripts are UTF-8 without a byte order mark; warnings fail the build.
# The uninstaller first: the installer carries it.
set(nsis_sources ${VELMORA_NSIS_DIR}/running_copy.nsh ${VELMORA_PROGRAM_ICON} velmora-icons
  ${CMAKE_CURRENT_SOURCE_DIR}/authenticode_sign.cmake ${VELMORA_AUTHENTICODE_SIGNER})
add_custom_command(
  OUTPUT ${VELMORA_UNINSTALLER}
  COMMAND ${VELMORA_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 ${uninstall_script}
  DEPENDS ${uninstall_script} ${nsis_sources}
  COMMENT "Making the Windows uninstaller Uninstall.exe"
  VERBATIM)
add_custom_command(
  OUTPUT ${VELMORA_INSTALLER}
  COMMAND ${VELMORA_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 ${script}
  DEPENDS ${script} ${VELMORA_UNINSTALLER} ${VELMORA_WINDOWS_EXE} velmora-windows ${nsis_sources}
  COMMENT "Making the Windows installer Velmora-${PROJECT_VERSION}-win64.exe"
  VERBATIM)
add_custom_target(velmora-windows-installer ALL DEPENDS ${VELMORA_INSTALLER})
set_target_properties(velmora-windows-installer PROPERTIES VELMORA_INSTALLER_FILE ${VELMORA_INSTALLER}
  VELMORA_UNINSTALLER_FILE ${VELMORA_UNINSTALLER})
