# The Windows installers beside the Debian package: NSIS's makensis packs
# this tree's Velmora.exe (a Release cross-build in every tree,
# cmake/windows_cross_build.cmake) with packaging/nsis/velmora.nsi.in, as
# Velmora-<version>-win64.exe for 64-bit Windows and, where the 32-bit
# program is built, as Velmora-<version>-win32.exe with that one for 32-bit
# Windows: each installer a program of its program's architecture, with an
# uninstaller of its own (packaging/nsis/uninstall.nsi.in) made first
# beside its scripts. Part of the default build, so `make package` makes
# them too. The target names the files it makes in its properties
# VELMORA_INSTALLER_FILES and VELMORA_UNINSTALLER_FILES.
# Signed where a certificate is given (packaging/authenticode.cmake).
# Looked for on PATH only, as the packaging tools are.
find_program(VELMORA_MAKENSIS makensis NO_CMAKE_PATH NO_CMAKE_SYSTEM_PATH NO_CMAKE_ENVIRONMENT_PATH)
if(NOT VELMORA_MAKENSIS)
  message(STATUS "makensis not found: the Windows installers are not built (scripts/install-deps installs nsis)")
  return()
endif()

include(${CMAKE_CURRENT_SOURCE_DIR}/authenticode.cmake)
# The signing command as makensis hands it to the shell.
set(VELMORA_NSIS_SIGN "")
foreach(argument IN LISTS VELMORA_AUTHENTICODE_SIGN)
  string(APPEND VELMORA_NSIS_SIGN " \"${argument}\"")
endforeach()
string(STRIP "${VELMORA_NSIS_SIGN}" VELMORA_NSIS_SIGN)
# The installers' and the uninstallers' icon: the program's microphone.
set(VELMORA_PROGRAM_ICON ${VELMORA_ICON_DIR}/velmora.ico)
# The parts the scripts share.
set(VELMORA_NSIS_DIR ${CMAKE_CURRENT_SOURCE_DIR}/nsis)
set(nsis_sources ${VELMORA_NSIS_DIR}/velmora.nsh ${VELMORA_NSIS_DIR}/running_copy.nsh ${VELMORA_PROGRAM_ICON}
  velmora-icons ${CMAKE_CURRENT_SOURCE_DIR}/authenticode_sign.cmake ${VELMORA_AUTHENTICODE_SIGNER})

add_custom_target(velmora-windows-installer ALL)
# velmora_windows_installer(<bits> <program> <program target> <folder>): the
# installer of the <bits>-bit <program>, Velmora-<version>-win<bits>.exe, its
# scripts and uninstaller in <folder>.
function(velmora_windows_installer bits program program_target folder)
  set(VELMORA_WINDOWS_BITS ${bits})
  set(VELMORA_WINDOWS_EXE ${program})
  if(bits EQUAL 64)
    set(VELMORA_NSIS_TARGET amd64-unicode)
  else()
    set(VELMORA_NSIS_TARGET x86-unicode)
  endif()
  set(installer_name Velmora-${PROJECT_VERSION}-win${bits}.exe)
  set(VELMORA_INSTALLER ${PROJECT_BINARY_DIR}/${installer_name})
  set(VELMORA_UNINSTALLER ${CMAKE_CURRENT_BINARY_DIR}/${folder}/Uninstall.exe)
  set(uninstall_script ${CMAKE_CURRENT_BINARY_DIR}/${folder}/uninstall.nsi)
  set(script ${CMAKE_CURRENT_BINARY_DIR}/${folder}/velmora.nsi)
  configure_file(${VELMORA_NSIS_DIR}/uninstall.nsi.in ${uninstall_script} @ONLY)
  configure_file(${VELMORA_NSIS_DIR}/velmora.nsi.in ${script} @ONLY)

  # The scripts are UTF-8 without a byte order mark; warnings fail the
  # build. The uninstaller first: the installer carries it.
  add_custom_command(
    OUTPUT ${VELMORA_UNINSTALLER}
    COMMAND ${VELMORA_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 ${uninstall_script}
    DEPENDS ${uninstall_script} ${nsis_sources}
    COMMENT "Making the ${bits}-bit Windows uninstaller ${folder}/Uninstall.exe"
    VERBATIM)
  add_custom_command(
    OUTPUT ${VELMORA_INSTALLER}
    COMMAND ${VELMORA_MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 ${script}
    DEPENDS ${script} ${VELMORA_UNINSTALLER} ${program} ${program_target} ${nsis_sources}
    COMMENT "Making the Windows installer ${installer_name}"
    VERBATIM)
  add_custom_target(velmora-windows${bits}-installer DEPENDS ${VELMORA_INSTALLER})
  add_dependencies(velmora-windows-installer velmora-windows${bits}-installer)
  set_property(TARGET velmora-windows-installer APPEND PROPERTY VELMORA_INSTALLER_FILES ${VELMORA_INSTALLER})
  set_property(TARGET velmora-windows-installer APPEND PROPERTY VELMORA_UNINSTALLER_FILES ${VELMORA_UNINSTALLER})
endfunction()

velmora_windows_installer(64 ${VELMORA_WINDOWS_EXE} velmora-windows nsis)
if(VELMORA_WINDOWS32_EXE)
  velmora_windows_installer(32 ${VELMORA_WINDOWS32_EXE} velmora-windows32 nsis32)
endif()
