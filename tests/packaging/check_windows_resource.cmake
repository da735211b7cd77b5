# Compiles the Windows resource script RC with WINDRES, reads the compiled
# resources back as text and checks the version record of the project's
# VERSION and the program icon. WINDRES uses PREPROCESSOR, so that no Windows
# compiler is needed; the results go into WORK_DIR.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(
  COMMAND ${WINDRES} --preprocessor=${PREPROCESSOR}
          --preprocessor-arg=-E --preprocessor-arg=-xc
          --preprocessor-arg=-DRC_INVOKED
          --input ${RC} --output-format res --output ${WORK_DIR}/velmora.res
  COMMAND_ERROR_IS_FATAL ANY)
execute_process(
  COMMAND ${WINDRES} --input ${WORK_DIR}/velmora.res --input-format res
          --output-format rc --output ${WORK_DIR}/compiled.rc
  COMMAND_ERROR_IS_FATAL ANY)
file(READ ${WORK_DIR}/compiled.rc compiled)

# expect(<what> <regex>): the compiled resources hold a match.
function(expect what regex)
  if(NOT compiled MATCHES "${regex}")
    message(FATAL_ERROR "The compiled resources lack ${what}:\n${compiled}")
  endif()
endfunction()

string(REPLACE "." ", " fixed_version ${VERSION})
expect("FILEVERSION ${fixed_version}" "\n FILEVERSION ${fixed_version}\n")
expect("PRODUCTVERSION ${fixed_version}" "\n PRODUCTVERSION ${fixed_version}\n")
# Shown as the major version and the minor version in two digits.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)" _ ${VERSION})
set(major ${CMAKE_MATCH_1})
string(REGEX MATCH "[0-9][0-9]$" minor 0${CMAKE_MATCH_2})
set(shown_version ${major}.${minor})
foreach(value IN ITEMS
    "FileVersion\", \"${shown_version}"
    "ProductVersion\", \"${shown_version}"
    "InternalName\", \"Velmora"
    "OriginalFilename\", \"Velmora.exe"
    "ProductName\", \"Velmora"
    "CompanyName\", \"Velmora team")
  string(REPLACE "." "\\." value_regex "${value}")
  expect("VALUE \"${value}\"" "\n *VALUE \"${value_regex}\"\n")
endforeach()
# The program's icon: a group under id 1 holding the microphone's single
# 32 x 32 image.
expect("the icon group 1" "\n1 14 /\\* RT_GROUP_ICON \\*/")
expect("a single 32 x 32 image in the icon group"
  "Has 1 elements\\.  \\*/\n[^\n]*\n *\"\\\\040\\\\040")
