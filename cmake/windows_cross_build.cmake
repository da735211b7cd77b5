# Velmora.exe is built beside the Qt program by a build tree of its own,
# cross-compiled with Debian's MinGW-w64: CMake builds for one platform per
# tree. The icons and the picture's pixels it carries are made by this
# tree's tools first.
# VELMORA_WINDOWS_EXE names the program it makes.
# Looked for on PATH only, so that the PATH a build runs with decides.
foreach(tool IN ITEMS MINGW_CXX:x86_64-w64-mingw32-g++-posix WINE:wine WINESERVER:wineserver)
  string(REPLACE ":" ";" tool ${tool})
  list(GET tool 0 var)
  list(GET tool 1 program)
  find_program(VELMORA_${var} ${program} NO_CMAKE_PATH NO_CMAKE_SYSTEM_PATH NO_CMAKE_ENVIRONMENT_PATH)
endforeach()
set(windows_default OFF)
if(VELMORA_MINGW_CXX AND VELMORA_WINE AND VELMORA_WINESERVER)
  set(windows_default ON)
endif()
option(VELMORA_WINDOWS "Cross-build Velmora.exe with MinGW-w64 and test it under Wine" ${windows_default})
if(NOT VELMORA_WINDOWS)
  message(STATUS "MinGW-w64's g++ or Wine not found: Velmora.exe is not built")
  return()
endif()

# Where its tests find the Wine prefix they run in (tests/windows).
set(windows_test_arguments)
if(VELMORA_TESTS)
  set(windows_test_arguments -DVELMORA_WINE_PREFIX=${PROJECT_BINARY_DIR}/tests/windows/wine-unit)
endif()

include(ExternalProject)
set(VELMORA_WINDOWS_DIR ${PROJECT_BINARY_DIR}/windows)
set(VELMORA_WINDOWS_EXE ${VELMORA_WINDOWS_DIR}/Velmora.exe)
ExternalProject_Add(velmora-windows
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${VELMORA_WINDOWS_DIR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-x86_64.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DVELMORA_ICON_DIR=${VELMORA_ICON_DIR}
    -DVELMORA_PICTURE_DIR=${VELMORA_PICTURE_DIR}
    -DVELMORA_TESTS=${VELMORA_TESTS}
    -DVELMORA_BENCH=${VELMORA_BENCH}
    -DVELMORA_WERROR=${VELMORA_WERROR}
    # The same time stamps and signatures as the packages beside it.
    -DVELMORA_SOURCE_DATE_EPOCH=${VELMORA_SOURCE_DATE_EPOCH}
    -DVELMORA_SIGN_CERT=${VELMORA_SIGN_CERT}
    -DVELMORA_SIGN_KEY=${VELMORA_SIGN_KEY}
    -DVELMORA_SIGNER=${VELMORA_SIGNER}
    ${windows_test_arguments}
  BUILD_BYPRODUCTS ${VELMORA_WINDOWS_EXE}
  INSTALL_COMMAND ""
  # Its sources are this tree's: let its own build decide what is stale.
  BUILD_ALWAYS ON
  DEPENDS velmora-icons velmora-picture-pixels-files
  USES_TERMINAL_BUILD ON)
