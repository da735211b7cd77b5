# Makes the Wine prefix PREFIX afresh for the tests of Velmora.exe, at DPI
# dots per inch. Wine is told not to offer its .NET and HTML engines, which
# are not installed, nor to add menu entries; the prefix's server is waited
# for until it has ended.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
set(ENV{WINEPREFIX} ${PREFIX})
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
execute_process(COMMAND ${WINESERVER} --wait COMMAND_ERROR_IS_FATAL ANY)
