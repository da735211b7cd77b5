# The Debian package, built by `cmake --build <build> --target package`.
# dpkg-shlibdeps works out the libraries the program links against; the font
# it asks for by name is added from the package that ships it.
include(${CMAKE_CURRENT_SOURCE_DIR}/debian_font_package.cmake)

# Liberation Sans stands in for the windows' "MS Sans Serif" (ui/controls/form_font.cpp).
velmora_debian_font_package("Liberation Sans" form_font_package)

# What a Debian package carries beside the program: the copyright file, the
# changelog and the manual page, the last two compressed as Debian wants
# them (gzip -9n: no name, no time stamp, so the same bytes on every build).
find_program(VELMORA_GZIP gzip REQUIRED)
set(doc_dir ${CMAKE_CURRENT_BINARY_DIR}/doc)
# The manual page's footer names the project's version.
configure_file(velmora.1.in ${CMAKE_CURRENT_BINARY_DIR}/velmora.1 @ONLY)
set(compressed)
foreach(source IN ITEMS ${CMAKE_CURRENT_SOURCE_DIR}/debian/changelog ${CMAKE_CURRENT_BINARY_DIR}/velmora.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${doc_dir}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${doc_dir}/${name}
    COMMAND ${VELMORA_GZIP} -9nf ${doc_dir}/${name}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND compressed ${doc_dir}/${name}.gz)
endforeach()
add_custom_target(velmora-debian-docs ALL DEPENDS ${compressed})

set(package_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velmora)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright DESTINATION ${package_doc_dir})
# The package is its own upstream (a native package), so its changelog is
# changelog.gz rather than changelog.Debian.gz.
install(FILES ${doc_dir}/changelog.gz DESTINATION ${package_doc_dir})
install(FILES ${doc_dir}/velmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# A stripped installation (CPack's, or `cmake --install --strip`) also drops
# the compiler's .comment and .note sections, as Debian's dh_strip does.
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
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.invalid/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${form_font_package})

# `package_source` packs the source tree; keep the build trees and the
# repository out of it.
# CPack writes these into a CMake script of its own, so the regular
# expressions' backslashes are escaped twice.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "^${PROJECT_SOURCE_DIR}/build/")

include(CPack)
