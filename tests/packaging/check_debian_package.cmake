# Builds the Debian package of the build tree BUILD_DIR with CPACK into
# WORK_DIR and checks its control fields (name, the project's VERSION, the
# library dependencies dpkg-shlibdeps found and the font package) and that it
# holds exactly the installed files of APP_ID under /usr.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
execute_process(
  COMMAND ${CPACK} -G DEB -B ${WORK_DIR} --config ${BUILD_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${BUILD_DIR}
  OUTPUT_VARIABLE cpack_output
  ERROR_VARIABLE cpack_output
  RESULT_VARIABLE cpack_result)
if(cpack_result)
  message(FATAL_ERROR "cpack failed:\n${cpack_output}")
endif()
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages package_count)
if(NOT package_count EQUAL 1)
  message(FATAL_ERROR "cpack made ${package_count} packages: ${packages}")
endif()

# field(<name> <out-var>): a control field of the package.
function(field name out_var)
  execute_process(
    COMMAND ${DPKG_DEB} --field ${packages} ${name}
    OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

# expect_field(<name> <expected>)
function(expect_field name expected)
  field(${name} value)
  if(NOT value STREQUAL expected)
    message(FATAL_ERROR "${name} is \"${value}\", expected \"${expected}\"")
  endif()
endfunction()

expect_field(Package velmora)
expect_field(Version ${VERSION})
expect_field(Section sound)
expect_field(Maintainer "Velmora team <team@velmora.invalid>")

# "libc6 (>= 2.34), libqt6widgets6 (>= 6.1.2), fonts-liberation2" down to the
# package names, alternatives included.
field(Depends depends)
string(REGEX REPLACE " *\\([^)]*\\)" "" depends "${depends}")
string(REGEX REPLACE " *[,|] *" ";" depends "${depends}")
foreach(dependency IN ITEMS libqt6widgets6 fonts-liberation2)
  if(NOT dependency IN_LIST depends)
    message(FATAL_ERROR "The package does not depend on ${dependency}: ${depends}")
  endif()
endforeach()

# --contents lists "mode owner size date time ./path" per entry; folders
# end in a slash.
execute_process(
  COMMAND ${DPKG_DEB} --contents ${packages}
  OUTPUT_VARIABLE contents
  COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" files "${contents}")
list(TRANSFORM files REPLACE "^\\./usr/(.*)\n$" "\\1")
list(SORT files)
velmora_installed_files(${APP_ID} expected)
if(NOT files STREQUAL expected)
  message(FATAL_ERROR "The package holds ${files}\nexpected ${expected}")
endif()
