# Runs RPMLINT with the settings CONFIG on the one RPM in PACKAGE_DIR: it
# must check it and report no error and no warning.
cmake_minimum_required(VERSION 3.25)
file(GLOB package ${PACKAGE_DIR}/*.rpm)
execute_process(
  COMMAND ${RPMLINT} --config ${CONFIG} ${package}
  OUTPUT_VARIABLE report
  ERROR_VARIABLE complaints
  RESULT_VARIABLE result)
set(report "${report}${complaints}")
message("${report}")
if(result OR report MATCHES "(^|\n)[^\n]*: [EW]: "
   OR NOT report MATCHES "\n 1 packages and 0 [a-z]+ checked; 0 errors, 0 warnings,")
  message(FATAL_ERROR "rpmlint fails ${package}")
endif()
