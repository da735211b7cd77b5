# Velmora.exe is built beside the Qt program, for 64-bit Windows and, where
# MinGW-w64's i686 compiler is found too, for 32-bit Windows, each by a
# build tree of its own, cross-compiled with Debian's MinGW-w64: CMake
# builds for one platform per tree. The icons and the picture's pixels they
# carry are made by this tree's tools first.
# VELMORA_WINDOWS_EXE names the 64-bit program, in VELMORA_WINDOWS_DIR;
# VELMORA_WINDOWS32_EXE the 32-bit one, in VELMORA_WINDOWS32_DIR, where it
# is built.
# Looked for on PATH only, so that the PATH a build runs with decides.
foreach(tool IN ITEMS MINGW_CXX:x86_64-w64-mingw32-g++-posix MINGW32_CXX:i686-w64-mingw32-g++-posix WINE:wine
                      WINESERVER:wineserver)
  string(REPLACE ":" ";" tool ${tool})
  list(GET tool 0 var)
  list(GET tool 1 program)
  find_program(VELMORA_${var} ${program} NO_CMAKE_PATH NO_CMAKE_SYSTEM_PATH NO_CMAKE_ENVIRONMENT_PATH)
endforeach()
# Wine's 64-bit loader, which runs a 64-bit program as the process it
# starts: `wine` does so only where Wine's 32-bit side is missing, and is
# otherwise the 32-bit loader, which starts it as a second process. Debian
# keeps it out of PATH.
find_program(VELMORA_WINE64 wine64 PATHS /usr/lib/wine NO_CMAKE_PATH NO_CMAKE_SYSTEM_PATH NO_CMAKE_ENVIRONMENT_PATH)
set(windows_default OFF)
if(VELMORA_MINGW_CXX AND VELMORA_WINE AND VELMORA_WINE64 AND VELMORA_WINESERVER)
  set(windows_default ON)
endif()
option(VELMORA_WINDOWS "Cross-build Velmora.exe with MinGW-w64 and test it under Wine" ${windows_default})
if(NOT VELMORA_WINDOWS)
  message(STATUS "MinGW-w64's g++ or Wine not found: Velmora.exe is not built")
  return()
endif()

include(ExternalProject)
# velmora_windows_build(<target> <processor> <folder> <wine fixture> <bench>):
# the tree <folder> of the build for <processor>, whose cross-built suites
# run in the Wine prefix that the tests' fixture <wine fixture> makes.
function(velmora_windows_build target processor folder fixture bench)
  set(test_arguments)
  if(VELMORA_TESTS)
    string(REPLACE "wine_" "wine-" prefix ${fixture})
    set(test_arguments -DVELMORA_WINE_PREFIX=${PROJECT_BINARY_DIR}/tests/windows/${prefix}
                       -DVELMORA_WINE_FIXTURE=${fixture})
  endif()
  ExternalProject_Add(${target}
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${PROJECT_BINARY_DIR}/${folder}
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64-${processor}.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DVELMORA_ICON_DIR=${VELMORA_ICON_DIR}
      -DVELMORA_PICTURE_DIR=${VELMORA_PICTURE_DIR}
      -DVELMORA_TESTS=${VELMORA_TESTS}
      -DVELMORA_BENCH=${bench}
      -DVELMORA_WERROR=${VELMORA_WERROR}
      # The same time stamps and signatures as the packages beside it.
      -DVELMORA_SOURCE_DATE_EPOCH=${VELMORA_SOURCE_DATE_EPOCH}
      -DVELMORA_SIGN_CERT=${VELMORA_SIGN_CERT}
      -DVELMORA_SIGN_KEY=${VELMORA_SIGN_KEY}
      -DVELMORA_SIGNER=${VELMORA_SIGNER}
      ${test_arguments}
    BUILD_BYPRODUCTS ${PROJECT_BINARY_DIR}/${folder}/Velmora.exe
    INSTALL_COMMAND ""
    # Its sources are this tree's: let its own build decide what is stale.
    BUILD_ALWAYS ON
    DEPENDS velmora-icons velmora-picture-pixels-files
    USES_TERMINAL_BUILD ON)
endfunction()

# The cross-built suites of the 64-bit program run in a prefix with Wine's
# display-less driver; its start-up is measured (bench/wine).
set(VELMORA_WINDOWS_DIR ${PROJECT_BINARY_DIR}/windows)
set(VELMORA_WINDOWS_EXE ${VELMORA_WINDOWS_DIR}/Velmora.exe)
velmora_windows_build(velmora-windows x86_64 windows wine_unit ${VELMORA_BENCH})
# Those of the 32-bit program in the 32-bit prefix its tests run in.
# `make windows` builds both (velmora-windows-programs).
add_custom_target(velmora-windows-programs DEPENDS velmora-windows)
if(VELMORA_MINGW32_CXX)
  set(VELMORA_WINDOWS32_DIR ${PROJECT_BINARY_DIR}/windows32)
  set(VELMORA_WINDOWS32_EXE ${VELMORA_WINDOWS32_DIR}/Velmora.exe)
  velmora_windows_build(velmora-windows32 i686 windows32 wine_win32 OFF)
  add_dependencies(velmora-windows-programs velmora-windows32)
else()
  message(STATUS "MinGW-w64's i686 g++ not found: the 32-bit Velmora.exe is not built")
endif()
