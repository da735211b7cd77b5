# Runs RPMLINT with the settings CONFIG on the one RPM in PACKAGE_DIR: it
# must check it and report no error and no warning. The RPM is signed with
# the throwaway key whose public half is KEY: rpm's database, where rpmlint
# looks for the key, is one of the test's own (RPM), named in the
# .rpmmacros of a home of its own.
cmake_minimum_required(VERSION 3.25)
file(GLOB package ${PACKAGE_DIR}/*.rpm)
set(home ${PACKAGE_DIR}/rpmlint-home)
file(REMOVE_RECURSE ${home})
execute_process(COMMAND ${RPM} --dbpath ${home}/rpmdb --initdb COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${RPM} --dbpath ${home}/rpmdb --import ${KEY} COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${home}/.rpmmacros "%_dbpath ${home}/rpmdb\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env HOME=${home} ${RPMLINT} --config ${CONFIG} ${package}
  OUTPUT_VARIABLE report
  ERROR_VARIABLE complaints
  RESULT_VARIABLE result)
set(report "${report}${complaints}")
message("${report}")
if(result OR report MATCHES "(^|\n)[^\n]*: [EW]: "
   OR NOT report MATCHES "\n 1 packages and 0 [a-z]+ checked; 0 errors, 0 warnings,")
  message(FATAL_ERROR "rpmlint fails ${package}")
endif()
