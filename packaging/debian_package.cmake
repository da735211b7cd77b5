# The Debian package. dpkg-shlibdeps works out the libraries the program
# links against; the font it asks for by name is added from the package that
# ships it.
include(${CMAKE_CURRENT_SOURCE_DIR}/debian_font_package.cmake)

# Liberation Sans stands in for the windows' "MS Sans Serif" (qt/controls/form_font.cpp).
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

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.invalid/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${form_font_package})
