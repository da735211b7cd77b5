# The keys a release is signed with, read from the environment when
# configuring (`make package` configures every time):
#   VELMORA_SIGN_CERT, VELMORA_SIGN_KEY  a code-signing certificate and its
#       key, PEM files: Velmora.exe, the installer and its uninstaller are
#       Authenticode-signed (packaging/authenticode.cmake);
#   VELMORA_GPG_KEY  a GnuPG key id, from GNUPGHOME as usual: the RPM is
#       signed and SHA256SUMS gets its detached signature SHA256SUMS.asc
#       (packaging/release_checksums.cmake).
# Without them nothing is signed.
set(VELMORA_SIGN_CERT "$ENV{VELMORA_SIGN_CERT}")
set(VELMORA_SIGN_KEY "$ENV{VELMORA_SIGN_KEY}")
set(VELMORA_GPG_KEY "$ENV{VELMORA_GPG_KEY}")
if(NOT VELMORA_SIGN_CERT STREQUAL "" OR NOT VELMORA_SIGN_KEY STREQUAL "")
  foreach(file IN ITEMS "${VELMORA_SIGN_CERT}" "${VELMORA_SIGN_KEY}")
    if(NOT IS_ABSOLUTE "${file}" OR NOT EXISTS "${file}")
      message(FATAL_ERROR "VELMORA_SIGN_CERT and VELMORA_SIGN_KEY must both name PEM files by "
        "their full paths: \"${VELMORA_SIGN_CERT}\", \"${VELMORA_SIGN_KEY}\"")
    endif()
  endforeach()
  message(STATUS "Authenticode-signing the Windows programs with ${VELMORA_SIGN_CERT}")
endif()
# Which certificate, by its digest, or none: a new certificate in the same
# file signs the programs anew, in this build and in the cross build.
set(VELMORA_SIGNER "unsigned")
if(VELMORA_SIGN_CERT)
  file(SHA256 ${VELMORA_SIGN_CERT} VELMORA_SIGNER)
endif()
if(VELMORA_GPG_KEY)
  find_program(VELMORA_GPG gpg REQUIRED)
  find_program(VELMORA_RPMSIGN rpmsign REQUIRED)
  message(STATUS "Signing the RPM and SHA256SUMS with the GnuPG key ${VELMORA_GPG_KEY}")
endif()
