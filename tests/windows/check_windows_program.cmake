# Reads back Velmora.exe (PROGRAM): a GUI program for BITS-bit Windows (64
# or 32) under 1 MiB, its address space laid out at random and its data not
# executable, that imports only DLLs Windows always loads from System32
# (OBJDUMP), with the version record of the project's VERSION, its two icons
# and a manifest that names its own architecture (WRESTOOL, ICOTOOL; results
# in WORK_DIR).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

file(SIZE ${PROGRAM} size)
if(size GREATER_EQUAL 1048576)
  message(FATAL_ERROR "Velmora.exe is ${size} bytes, not under 1 MiB")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
if(BITS EQUAL 64)
  set(magic "020b[\t ]+\\(PE32\\+\\)")
else()
  set(magic "010b[\t ]+\\(PE32\\)")
endif()
if(NOT headers MATCHES "\nMagic[\t ]+${magic}"
   OR NOT headers MATCHES "\nSubsystem[\t ]+00000002[\t ]+\\(Windows GUI\\)")
  message(FATAL_ERROR "Velmora.exe is not a ${BITS}-bit GUI program:\n${headers}")
endif()
# DYNAMIC_BASE (0x40) and NX_COMPAT (0x100).
if(NOT headers MATCHES "\nDllCharacteristics[\t ]+([0-9a-f]+)")
  message(FATAL_ERROR "Velmora.exe: no DllCharacteristics in its header")
endif()
math(EXPR hardening "0x${CMAKE_MATCH_1} & 0x140" OUTPUT_FORMAT HEXADECIMAL)
if(NOT hardening STREQUAL "0x140")
  message(FATAL_ERROR "Velmora.exe is not both DYNAMIC_BASE and NX_COMPAT: DllCharacteristics ${CMAKE_MATCH_1}")
endif()
# Every DLL it imports is one that Windows 7 and later always take from
# System32, one of their KnownDLLs, whatever the program's folder holds: no
# C++, GCC or threads runtime, and nothing a planted file could stand in for.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(known_dlls advapi32 clbcatq comdlg32 difxapi gdi32 imagehlp imm32 kernel32 lpk msctf msvcrt normaliz nsi ole32
  oleaut32 psapi rpcrt4 sechost setupapi shell32 shlwapi urlmon user32 usp10 wininet wldap32 ws2_32)
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  string(REGEX REPLACE "\\.dll$" "" name "${dll}")
  if(NOT name IN_LIST known_dlls)
    message(FATAL_ERROR "Velmora.exe imports ${dll}, which Windows would look for in the program's folder first")
  endif()
endforeach()

# The version record: the fixed part's numbers, then the strings (UTF-16).
execute_process(COMMAND ${WRESTOOL} -x --raw --type=16 --name=1 -o ${WORK_DIR}/version.bin ${PROGRAM}
  COMMAND_ERROR_IS_FATAL ANY)
file(READ ${WORK_DIR}/version.bin version HEX)
# VS_FIXEDFILEINFO opens with its signature 0xFEEF04BD; the file and the
# product version follow as two pairs of 32-bit numbers, high word first.
# le_dword(<high> <low> <out-var>): the 32-bit number high * 65536 + low as
# the hex digits of its bytes in file order.
function(le_dword high low out_var)
  math(EXPR value "(${high} << 16) | ${low}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "00000000" value ${value})
  string(LENGTH ${value} length)
  math(EXPR start "${length} - 8")
  string(SUBSTRING ${value} ${start} 8 value)
  set(bytes)
  foreach(at IN ITEMS 6 4 2 0)
    string(SUBSTRING ${value} ${at} 2 byte)
    string(APPEND bytes ${byte})
  endforeach()
  string(TOLOWER ${bytes} bytes)
  set(${out_var} ${bytes} PARENT_SCOPE)
endfunction()
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)\\.([0-9]+)$" _ ${VERSION})
le_dword(${CMAKE_MATCH_1} ${CMAKE_MATCH_2} most)
le_dword(${CMAKE_MATCH_3} ${CMAKE_MATCH_4} least)
set(words ${most}${least})
if(NOT version MATCHES "bd04effe00000100${words}${words}")
  message(FATAL_ERROR "The version record does not give ${VERSION} as file and product version")
endif()
file(STRINGS ${WORK_DIR}/version.bin strings ENCODING UTF-16LE)
list(JOIN strings "|" strings)
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)" _ ${VERSION})
string(REGEX MATCH "[0-9][0-9]$" minor 0${CMAKE_MATCH_2})
set(shown ${CMAKE_MATCH_1}.${minor})
foreach(pair IN ITEMS "FileVersion|${shown}" "ProductVersion|${shown}" "InternalName|Velmora"
    "OriginalFilename|Velmora.exe" "ProductName|Velmora" "CompanyName|Velmora team")
  string(REPLACE "." "\\." pair_regex "${pair}")
  if(NOT strings MATCHES "(^|\\|)${pair_regex}(\\||$)")
    message(FATAL_ERROR "The version record lacks ${pair}: ${strings}")
  endif()
endforeach()

# icon(<group> <expected icotool listing>): the icon group read back.
function(icon group expected)
  execute_process(COMMAND ${WRESTOOL} -x --type=14 --name=${group} -o ${WORK_DIR}/icon${group}.ico ${PROGRAM}
    COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND ${ICOTOOL} -l ${WORK_DIR}/icon${group}.ico OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
  if(NOT listing STREQUAL expected)
    message(FATAL_ERROR "Icon group ${group} holds:\n${listing}expected:\n${expected}")
  endif()
endfunction()
set(image "--icon --index=%i --width=%s --height=%s --bit-depth=4 --palette-size=16\n")
string(REPLACE "%i" 1 first "${image}")
string(REPLACE "%s" 32 microphone "${first}")
string(REPLACE "%i" 2 second "${image}")
string(REPLACE "%s" 16 small_notes "${second}")
# The program's own icon, the lowest group: the microphone's one 32 x 32
# image. About's notes: 32 x 32 and 16 x 16.
icon(1 "${microphone}")
icon(2 "${microphone}${small_notes}")

# The manifest names the program's own architecture, which a 32-bit Windows
# holds a program to.
execute_process(COMMAND ${WRESTOOL} -x --raw --type=24 ${PROGRAM} OUTPUT_VARIABLE manifest COMMAND_ERROR_IS_FATAL ANY)
if(BITS EQUAL 64)
  set(architecture amd64)
else()
  set(architecture x86)
endif()
if(NOT manifest MATCHES "name=\"Velmora\"[^>]*processorArchitecture=\"${architecture}\"")
  message(FATAL_ERROR "Velmora.exe's manifest does not name ${architecture}:\n${manifest}")
endif()
