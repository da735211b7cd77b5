# Checks the tree installed in PREFIX: exactly the expected files, the
# program being the one built (PROGRAM), and the desktop entry and AppStream
# description naming the application id APP_ID, the installed program and the
# project's VERSION.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

velmora_installed_files(${APP_ID} expected)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " expected "${expected}")
  string(REPLACE ";" "\n  " installed "${installed}")
  message(FATAL_ERROR "Installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()

file(SHA256 ${PREFIX}/bin/velmora installed_program)
file(SHA256 ${PROGRAM} built_program)
if(NOT installed_program STREQUAL built_program)
  message(FATAL_ERROR "bin/velmora is not the program built at ${PROGRAM}")
endif()
execute_process(COMMAND test -x ${PREFIX}/bin/velmora RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "bin/velmora is not executable")
endif()

# expect_value(<what> <actual> <expected>)
function(expect_value what actual expected)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${what} is \"${actual}\", expected \"${expected}\"")
  endif()
endfunction()

# The desktop entry starts the installed program and shows the installed icon.
set(desktop_file ${PREFIX}/share/applications/${APP_ID}.desktop)
file(STRINGS ${desktop_file} exec REGEX "^Exec=")
file(STRINGS ${desktop_file} icon REGEX "^Icon=")
expect_value("The desktop entry's Exec line" "${exec}" "Exec=velmora")
expect_value("The desktop entry's Icon line" "${icon}" "Icon=${APP_ID}")

# The AppStream description: its id, the desktop entry it launches, the
# program it provides and its newest release.
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "<id>([^<]*)</id>" _ "${metainfo}")
expect_value("The AppStream id" "${CMAKE_MATCH_1}" "${APP_ID}")
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${metainfo}")
expect_value("The AppStream launchable" "${CMAKE_MATCH_1}" "${APP_ID}.desktop")
string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${metainfo}")
expect_value("The AppStream binary" "${CMAKE_MATCH_1}" "velmora")
# Releases are listed newest first.
string(REGEX MATCH "<release version=\"([^\"]*)\"" _ "${metainfo}")
expect_value("The newest AppStream release" "${CMAKE_MATCH_1}" "${VERSION}")
