# The Linux packages, built by `cmake --build <build> --target package` from
# one stripped installation into /usr: the Debian package and, where rpmbuild
# is found, the RPM. What they share is here; each has a file of its own.

# A stripped installation (CPack's, or `cmake --install --strip`) also drops
# the compiler's .comment and .note sections, as Debian's dh_strip and the
# RPM family's brp-strip-comment-note do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(
      COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:velmora>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
# All four parts: CPack would drop the fourth by default.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velmora team")
set(CPACK_PACKAGE_CONTACT "Velmora team <team@velmora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guitar chord chart")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Velmora shows how to play a chord on the six-string guitar in standard\n"
  "tuning. Pick a root from A to G# and one of nineteen chord types: the\n"
  "window names the chord and marks on a picture of the fretboard where each\n"
  "string is pressed and which strings ring open. All 228 fingerings are\n"
  "built in. The interface is in Russian.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# Every package packs the same bytes from the same commit: the staged
# files' times and permissions are made the release's, and so are the
# Debian package's archive members' permissions; the RPM is signed where a
# GnuPG key is given.
set(CPACK_VELMORA_SOURCE_DATE_EPOCH ${VELMORA_SOURCE_DATE_EPOCH})
set(CPACK_VELMORA_GPG_KEY ${VELMORA_GPG_KEY})
set(CPACK_VELMORA_RPMSIGN ${VELMORA_RPMSIGN})
set(CPACK_VELMORA_GPG ${VELMORA_GPG})
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/deb_archive_modes.cmake
  ${CMAKE_CURRENT_SOURCE_DIR}/rpm_signing.cmake)

include(${CMAKE_CURRENT_SOURCE_DIR}/debian_package.cmake)
include(${CMAKE_CURRENT_SOURCE_DIR}/rpm_package.cmake)
list(APPEND CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/reproducible_staging.cmake)

# `package_source` packs the source tree; keep the build trees and the
# repository out of it.
# CPack writes these into a CMake script of its own, so the regular
# expressions' backslashes are escaped twice.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "^${PROJECT_SOURCE_DIR}/build/")

include(CPack)
