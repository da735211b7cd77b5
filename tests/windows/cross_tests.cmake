# The tests built with Velmora.exe's cross compiler, run under Wine (the
# toolchain's CMAKE_CROSSCOMPILING_EMULATOR). GoogleTest is compiled from
# the source Debian ships, as no Windows build of it is packaged.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The tests of the 64-bit build are named windows_*, those of the 32-bit
# build windows32_*.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(family windows32)
else()
  set(family windows)
endif()

# The chord model's suite, as the Linux build runs it, in one Wine process.
add_executable(model_tests
  model/chord_vocabulary_test.cpp
  model/chord_table_test.cpp
  model/chord_theory_test.cpp
  model/chord_chart_test.cpp)
target_link_libraries(model_tests PRIVATE velmora_model GTest::gtest_main)
target_link_options(model_tests PRIVATE -static)
add_test(NAME ${family}_model_tests COMMAND model_tests)
# GCC 12 warns of an overlap inside libstdc++'s std::string at -O3 where
# there is none (GCC bug 105329).
target_compile_options(model_tests PRIVATE -Wno-restrict)
set(suites ${family}_model_tests)

# Velmora.exe's windows handing the chart's corner over on monitors of
# different scales, the densities supplied; windows that no screen shows,
# in a prefix with Wine's display-less driver. The 32-bit program's windows
# are tested on the test desktop only.
if(family STREQUAL "windows")
  add_executable(placement_tests win32/placement/monitor_handover_test.cpp ${VELMORA_RESOURCE_SCRIPT})
  target_link_libraries(placement_tests PRIVATE velmora_win32 GTest::gtest)
  target_link_options(placement_tests PRIVATE -static)
  target_compile_options(placement_tests PRIVATE -Wno-restrict)
  add_test(NAME windows_placement_tests COMMAND placement_tests)
  list(APPEND suites windows_placement_tests)
endif()

# Its own DLLs loaded from System32 where the DLL search cannot be
# restricted, a fake oleacc.dll beside the test program, in a folder of its
# own, that Wine is told to prefer.
add_executable(loading_tests win32/loading/system_libraries_test.cpp)
set_target_properties(loading_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/loading)
target_link_libraries(loading_tests PRIVATE velmora_win32 GTest::gtest)
target_link_options(loading_tests PRIVATE -static)
target_compile_options(loading_tests PRIVATE -Wno-restrict)
add_custom_command(TARGET loading_tests POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:planted_dll> ${CMAKE_CURRENT_BINARY_DIR}/loading/oleacc.dll
  VERBATIM)
add_test(NAME ${family}_loading_tests COMMAND loading_tests WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/loading)
list(APPEND suites ${family}_loading_tests)

# The Linux build that drives this one makes the prefix (tests/windows).
# A suite passes by what it says, not by its exit status alone: a Wine
# without its 32-bit side runs a 32-bit program with status 0 and nothing
# run.
set_tests_properties(${suites} PROPERTIES
  PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] [0-9]+ tests?\\." FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]"
  ENVIRONMENT "WINEPREFIX=${VELMORA_WINE_PREFIX};HOME=${VELMORA_WINE_PREFIX}-home;WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=\;winemenubuilder.exe=d"
  FIXTURES_REQUIRED ${VELMORA_WINE_FIXTURE} RESOURCE_LOCK ${VELMORA_WINE_FIXTURE} LABELS wine)
set_property(TEST ${family}_loading_tests APPEND PROPERTY ENVIRONMENT "WINEDLLOVERRIDES=mscoree,mshtml=\;winemenubuilder.exe=d\;oleacc=n,b")

# What the Linux-side tests of Velmora.exe read of its windows through the
# system, from a process of their own under Wine.
add_executable(chart_probe windows/chart_probe.cpp)
target_include_directories(chart_probe PRIVATE ${PROJECT_SOURCE_DIR}/win32)
target_compile_definitions(chart_probe PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0A00 WINVER=0x0A00)
target_compile_options(chart_probe PRIVATE -Wno-missing-field-initializers)
target_link_options(chart_probe PRIVATE -static -municode)

# A screen reader's hearing of Velmora.exe, as an MSAA reader gets it from
# another process, for the Linux-side tests.
add_executable(msaa_reader windows/msaa_reader.cpp)
target_compile_definitions(msaa_reader PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_options(msaa_reader PRIVATE -Wno-missing-field-initializers -Wno-restrict)
target_link_options(msaa_reader PRIVATE -static -municode)
target_link_libraries(msaa_reader PRIVATE oleacc oleaut32 ole32)

# A DLL planted beside a program, as a web page could leave one in
# Downloads, that marks its loading and ends the process; and the least a
# program can do against it, for the Linux-side tests of what Velmora.exe
# and its installer load.
add_library(planted_dll SHARED windows/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "" OUTPUT_NAME planted)
target_compile_options(planted_dll PRIVATE -fno-exceptions -fno-asynchronous-unwind-tables)
# Its entry point, as the linker names it: 32-bit x86 decorates a stdcall
# function with the bytes of its arguments.
if(family STREQUAL "windows32")
  target_link_options(planted_dll PRIVATE -nostdlib -Wl,--entry,_PlantedDllEntry@12)
else()
  target_link_options(planted_dll PRIVATE -nostdlib -Wl,--entry,PlantedDllEntry)
endif()
target_link_libraries(planted_dll PRIVATE kernel32)
add_executable(protected_start WIN32 windows/protected_start.cpp)
target_compile_definitions(protected_start PRIVATE UNICODE _UNICODE _WIN32_WINNT=0x0602 WINVER=0x0602)
target_link_options(protected_start PRIVATE -static -municode)
target_link_libraries(protected_start PRIVATE ole32 oleaut32)
