# Runs LINTIAN on the one Debian package in PACKAGE_DIR: it must report no
# error and no warning. Every tag is shown, informational ones included.
cmake_minimum_required(VERSION 3.25)
file(GLOB package ${PACKAGE_DIR}/*.deb)
execute_process(
  COMMAND ${LINTIAN} --fail-on error,warning --display-level ">=pedantic" ${package}
  OUTPUT_VARIABLE tags
  ERROR_VARIABLE complaints
  RESULT_VARIABLE result)
message("${tags}")
if(result OR tags MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian fails ${package}:\n${tags}${complaints}")
endif()
