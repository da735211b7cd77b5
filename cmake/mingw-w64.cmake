# Cross-compiles for Windows on CMAKE_SYSTEM_PROCESSOR (x86_64 or i686),
# set by the toolchain file that includes this one, with Debian's MinGW-w64
# (the POSIX threads flavour of g++, whose runtime is linked in statically).
set(CMAKE_SYSTEM_NAME Windows)

set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine, by the loader of their own architecture:
# where Wine's 32-bit side is installed, Debian's `wine` is the 32-bit
# loader, which starts a 64-bit program as a second process; Debian keeps
# the 64-bit loader out of PATH.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  find_program(VELMORA_WINE_LOADER wine64 PATHS /usr/lib/wine REQUIRED)
else()
  find_program(VELMORA_WINE_LOADER wine REQUIRED)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE_LOADER})
