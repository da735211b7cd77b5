# The RPM, packed by CPack beside the Debian package from the same
# installation. rpmbuild works out the shared libraries the program needs;
# the package asks for nothing else, so that it names no package of any one
# distribution. The icons and the desktop entry need nothing installed: the
# folders they go in are left to whichever package owns them there (the
# filesystem and the hicolor icon theme), and the RPM owns only its own.
find_program(VELMORA_PACKAGE_RPMBUILD rpmbuild)
if(NOT VELMORA_PACKAGE_RPMBUILD)
  message(STATUS "rpmbuild not found: the package target makes no RPM "
    "(scripts/install-deps installs it)")
  return()
endif()
list(APPEND CPACK_GENERATOR RPM)

include(${CMAKE_CURRENT_SOURCE_DIR}/rpm_changelog.cmake)

# velmora-<version>-<release>.<arch>.rpm, as rpmbuild names it.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
# The RPM family capitalizes the summary, Debian does not.
set(CPACK_RPM_PACKAGE_SUMMARY "Guitar chord chart")
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
# The licence as the copyright file and the AppStream description name it.
set(CPACK_RPM_PACKAGE_LICENSE LicenseRef-proprietary)
# From the list of groups rpm itself documents.
set(CPACK_RPM_PACKAGE_GROUP Applications/Multimedia)
set(CPACK_RPM_PACKAGE_URL https://velmora.invalid/)
# rpmbuild finds that the program needs Qt 6, the version of all its Qt
# symbols; it needs Qt 6.2, the first whose libraries define Qt_6.2.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(rpm_64bit "(64bit)")
endif()
set(CPACK_RPM_PACKAGE_REQUIRES "libQt6Core.so.6(Qt_${VELMORA_QT_MINIMUM})${rpm_64bit}")
# Installs into /usr and nowhere else: no Prefix: to relocate it by.
set(CPACK_PACKAGE_RELOCATABLE OFF)
# The Packager tag comes from the macro. No debuginfo package is made, so
# the /usr/lib/.build-id links that would point into one are left out too.
# The build time is SOURCE_DATE_EPOCH (packaging/reproducible_staging.cmake
# sets it), no file is dated later, and the build host is the project's,
# not the machine's.
string(CONCAT CPACK_RPM_SPEC_MORE_DEFINE
  "%define packager ${CPACK_PACKAGE_CONTACT}\n%define _build_id_links none\n"
  "%define use_source_date_epoch_as_buildtime 1\n%define clamp_mtime_to_source_date_epoch 1\n"
  "%define source_date_epoch_from_changelog 0\n%define _buildhost velmora.invalid")

velmora_rpm_changelog(${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog
  ${CPACK_RPM_PACKAGE_RELEASE} ${CMAKE_CURRENT_BINARY_DIR}/rpm/changelog)
set(CPACK_RPM_CHANGELOG_FILE ${CMAKE_CURRENT_BINARY_DIR}/rpm/changelog)

# The licence goes where the RPM family keeps licences, marked %license; the
# history is the package's %changelog rather than a file.
set(rpm_license_dir /usr/share/licenses/${CPACK_PACKAGE_NAME})
set(CPACK_RPM_USER_FILELIST "%license ${rpm_license_dir}/copyright")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/rpm_staging.cmake)

# The folders the package puts files in but does not own, beside /usr,
# /usr/bin, /usr/share and /usr/share/doc, which CPack leaves out by itself.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
  /usr/share/applications /usr/share/metainfo /usr/share/licenses
  /usr/share/man /usr/share/man/man1 /usr/share/icons /usr/share/icons/hicolor)
foreach(size IN LISTS VELMORA_ICON_SIZES)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
