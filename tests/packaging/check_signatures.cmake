# Checks the release BUILD_DIR that build_packages.cmake signed with the
# throwaway keys in KEYS: OSSLSIGNCODE accepts the Authenticode signatures
# of the WINDOWS_FILES (each Velmora.exe, uninstaller and installer, named
# as in the release) against the certificate, and the digest each signature
# covers is the file's own; the digest of each signed Velmora.exe and
# uninstaller is that of the unsigned one of this commit at the same place
# in UNSIGNED_DIR, as verify reports it of a copy of each signed here. RPM
# accepts the RPM's signature with the public key in a database of its
# own; GPG accepts SHA256SUMS.asc, and SHA256SUMS gives the digests of the
# packages, the installers and the programs.
cmake_minimum_required(VERSION 3.25)
set(ENV{GNUPGHOME} ${KEYS}/gnupg)
set(work ${BUILD_DIR}/signature-checks)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})

# run(<what> <command>...): the command's output, failing with it when the
# command fails.
function(run what)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
  if(result)
    message(FATAL_ERROR "${what} fails:\n${output}")
  endif()
  set(output "${output}" PARENT_SCOPE)
endfunction()

foreach(name IN LISTS WINDOWS_FILES)
  # The installers carry the signed programs, so their digests are their own.
  set(unsigned "")
  if(NOT name MATCHES "^Velmora-")
    set(unsigned ${UNSIGNED_DIR}/${name})
  endif()
  run("osslsigncode verify ${name}" ${OSSLSIGNCODE} verify -CAfile ${KEYS}/cert.pem -in ${BUILD_DIR}/${name})
  if(NOT output MATCHES "\nSignature verification: ok\n"
     OR NOT output MATCHES "\nCurrent message digest +: ([0-9A-F]+) *\nCalculated message digest +: ([0-9A-F]+)")
    message(FATAL_ERROR "osslsigncode does not accept ${name}:\n${output}")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "${name} was changed after signing:\n${output}")
  endif()
  string(TOLOWER ${CMAKE_MATCH_2} digest)
  message("${name}: Authenticode digest ${digest}")
  if(unsigned)
    # The Authenticode digest of the unsigned program: what verify reports
    # of a copy signed here with the same key (osslsigncode 2.5, Debian
    # 12's, has no command that reports it of an unsigned file).
    run("osslsigncode sign ${unsigned}" ${OSSLSIGNCODE} sign -certs ${KEYS}/cert.pem
        -key ${KEYS}/key.pem -h sha256 -in ${unsigned} -out ${work}/unsigned-signed.exe)
    run("osslsigncode verify ${unsigned}, signed here" ${OSSLSIGNCODE} verify
        -CAfile ${KEYS}/cert.pem -in ${work}/unsigned-signed.exe)
    file(REMOVE ${work}/unsigned-signed.exe)
    if(NOT output MATCHES "\nCurrent message digest +: ([0-9A-F]+) *\n")
      message(FATAL_ERROR "osslsigncode reports no digest of ${unsigned}:\n${output}")
    endif()
    string(TOLOWER ${CMAKE_MATCH_1} unsigned_digest)
    if(NOT unsigned_digest STREQUAL digest)
      message(FATAL_ERROR "The unsigned ${unsigned} has another Authenticode digest (${unsigned_digest}) "
                          "than the signed ${name}")
    endif()
  endif()
endforeach()

file(GLOB rpm ${BUILD_DIR}/velmora-${VERSION}-*.rpm)
run("rpm --initdb" ${RPM} --dbpath ${work}/rpmdb --initdb)
run("rpm --import" ${RPM} --dbpath ${work}/rpmdb --import ${KEYS}/public.asc)
run("rpm -K" ${RPM} --dbpath ${work}/rpmdb -K ${rpm})
if(NOT output MATCHES ": digests signatures OK\n$")
  message(FATAL_ERROR "rpm does not accept the RPM's signature:\n${output}")
endif()

run("gpg --verify" ${GPG} --batch --verify ${BUILD_DIR}/SHA256SUMS.asc ${BUILD_DIR}/SHA256SUMS)
execute_process(COMMAND gpgconf --kill gpg-agent)
execute_process(COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${BUILD_DIR}
  OUTPUT_VARIABLE checked RESULT_VARIABLE result)
string(REGEX REPLACE "velmora-${VERSION}-[^:]*\\.rpm" "velmora-${VERSION}-ARCH.rpm" checked "${checked}")
string(REGEX REPLACE "velmora_${VERSION}_[^:]*\\.deb" "velmora_${VERSION}_ARCH.deb" checked "${checked}")
# The release's files as SHA256SUMS lists them, in order.
set(listed velmora-${VERSION}-ARCH.rpm velmora_${VERSION}_ARCH.deb ${WINDOWS_FILES})
list(FILTER listed EXCLUDE REGEX "Uninstall\\.exe$")
list(SORT listed)
list(JOIN listed ": OK\n" expected)
string(APPEND expected ": OK\n")
if(result OR NOT checked STREQUAL expected)
  message(FATAL_ERROR "sha256sum -c SHA256SUMS says:\n${checked}")
endif()
