# Makes the packages as `make package` does: configures and builds the source
# SOURCE_DIR as a Release build in WORK_DIR/build (with GENERATOR), then packs
# it with CPACK into WORK_DIR/package, once for each of CPack's generators the
# build chose: the Debian package, and the RPM where rpmbuild is found.
# Neither step may print a CMake warning.
cmake_minimum_required(VERSION 3.25)

# run(<what> <command>...): runs the command, failing on an error or a
# CMake warning in its output.
function(run what)
  execute_process(COMMAND ${ARGN}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output
    RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "${what} failed:\n${output}")
  endif()
  if(output MATCHES "CMake Warning")
    message(FATAL_ERROR "${what} warns:\n${output}")
  endif()
endfunction()

set(build ${WORK_DIR}/build)
# The packages carry the Linux program only, so Velmora.exe is not cross-built.
run("Configuring" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF -DVELMORA_WINDOWS=OFF)
run("Building" ${CMAKE_COMMAND} --build ${build})
file(REMOVE_RECURSE ${WORK_DIR}/package)
run("cpack" ${CPACK} -B ${WORK_DIR}/package --config ${build}/CPackConfig.cmake)
