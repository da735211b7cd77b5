# Makes the Wine prefix PREFIX afresh for the tests of Velmora.exe, 64-bit
# or 32-bit as ARCH says (win64, win32), at DPI dots per inch, with Wine
# telling programs it is WINDOWS_VERSION (win7, win10, ...), and with
# GRAPHICS=null its display-less driver, whose windows are real windows
# that no screen shows. Wine is told not to offer its .NET and HTML
# engines, which are not installed, nor to add menu entries; the prefix's
# server is waited for until it has ended.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
set(ENV{WINEPREFIX} ${PREFIX})
set(ENV{WINEARCH} ${ARCH})
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=;winemenubuilder.exe=d")
# What Wine writes for the user outside the prefix goes beside it.
set(ENV{HOME} ${PREFIX}-home)
unset(ENV{DISPLAY})
execute_process(COMMAND ${WINE} wineboot --init COMMAND_ERROR_IS_FATAL ANY)
if(NOT DPI EQUAL 96)
  execute_process(
    COMMAND ${WINE} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d ${DPI} /f
    COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${WINE} winecfg -v ${WINDOWS_VERSION} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINE} winecfg -v OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
if(NOT version STREQUAL WINDOWS_VERSION)
  message(FATAL_ERROR "Wine was not set to ${WINDOWS_VERSION}:\n${version}")
endif()
if(GRAPHICS)
  execute_process(
    COMMAND ${WINE} reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /t REG_SZ /d ${GRAPHICS} /f
    COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${WINESERVER} --wait COMMAND_ERROR_IS_FATAL ANY)
