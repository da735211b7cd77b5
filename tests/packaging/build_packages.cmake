# Makes the release as `make package` does, signed with throwaway keys made
# here in WORK_DIR/keys: a self-signed code-signing certificate and its key
# (OPENSSL) and a GnuPG key without a passphrase in a home of its own (GPG),
# its public half exported to public.asc. Configures and builds the source
# SOURCE_DIR as a Release build in WORK_DIR/build (with GENERATOR), with
# Velmora.exe and its installer where WINDOWS is on, then packs it and
# writes SHA256SUMS there. Its time stamps are EPOCH, those of the tree that
# runs the tests, whose unsigned programs the signed ones are compared with.
# No step may print a CMake warning.
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
  set(output "${output}" PARENT_SCOPE)
endfunction()

set(keys ${WORK_DIR}/keys)
file(REMOVE_RECURSE ${keys})
file(MAKE_DIRECTORY ${keys}/gnupg)
file(CHMOD ${keys}/gnupg PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
run("Making the certificate" ${OPENSSL} req -x509 -newkey rsa:2048 -nodes -days 2
    -subj "/CN=Velmora test signing" -keyout ${keys}/key.pem -out ${keys}/cert.pem)
set(ENV{GNUPGHOME} ${keys}/gnupg)
run("Making the GnuPG key" ${GPG} --batch --passphrase "" --quick-gen-key
    "Velmora test <test@velmora.invalid>" rsa2048 sign never)
run("Listing the GnuPG key" ${GPG} --batch --with-colons --list-secret-keys)
string(REGEX MATCH "\nfpr:+([0-9A-F]+):" _ "${output}")
set(fingerprint ${CMAKE_MATCH_1})
run("Exporting the GnuPG key" ${GPG} --batch --armor --output ${keys}/public.asc --export ${fingerprint})

set(ENV{VELMORA_SIGN_CERT} ${keys}/cert.pem)
set(ENV{VELMORA_SIGN_KEY} ${keys}/key.pem)
set(ENV{VELMORA_GPG_KEY} ${fingerprint})
set(build ${WORK_DIR}/build)
run("Configuring" ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G ${GENERATOR}
    -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF -DVELMORA_WINDOWS=${WINDOWS}
    -DVELMORA_SOURCE_DATE_EPOCH=${EPOCH})
run("Building and packing" ${CMAKE_COMMAND} --build ${build} --target package)
run("Writing SHA256SUMS" ${CMAKE_COMMAND} --build ${build} --target velmora-checksums)
# The agent that gpg started for the home.
execute_process(COMMAND gpgconf --kill gpg-agent)
