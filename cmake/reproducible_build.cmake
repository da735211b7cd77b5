# What makes two builds of one commit give the same bytes wherever and
# whenever they run.
#
# VELMORA_SOURCE_DATE_EPOCH: the one time every time stamp of a release
# comes from (file times in the packages, the RPM's build time, Velmora.exe's
# PE header, the signatures' signing time), fixed when configuring: the
# environment's SOURCE_DATE_EPOCH where set, else the date of the commit the
# source is checked out at, else that of the newest changelog entry (a
# source tree outside git). The cross build of Velmora.exe is handed its
# parent's.
if(NOT VELMORA_SOURCE_DATE_EPOCH)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(VELMORA_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
  else()
    find_package(Git QUIET)
    if(GIT_FOUND)
      execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} rev-parse --show-toplevel
        OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_result ERROR_QUIET)
    endif()
    if(GIT_FOUND AND NOT git_result AND git_top STREQUAL PROJECT_SOURCE_DIR)
      execute_process(COMMAND ${GIT_EXECUTABLE} -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    else()
      file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog trailer REGEX "^ -- " LIMIT_COUNT 1)
      string(REGEX REPLACE "^ -- [^>]+>  " "" changelog_date "${trailer}")
      execute_process(COMMAND date --date=${changelog_date} +%s
        OUTPUT_VARIABLE VELMORA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endif()
endif()
if(NOT VELMORA_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${VELMORA_SOURCE_DATE_EPOCH}")
endif()

# No folder of this build's finds its way into an optimized program: the
# compiler names the sources and generated files relative to the source
# and the build tree (the build tree's mapping, the more specific one, last:
# the compiler tries the last mapping first). Debug builds keep the real
# paths for the debugger.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

# MinGW-w64's linker stamps a program's PE header with SOURCE_DATE_EPOCH
# when the variable is set, else with the time of linking.
if(WIN32)
  set_property(GLOBAL PROPERTY RULE_LAUNCH_LINK
    "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VELMORA_SOURCE_DATE_EPOCH}")
endif()
