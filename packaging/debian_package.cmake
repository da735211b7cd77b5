# The Debian package, built by `cmake --build <build> --target package`.
# dpkg-shlibdeps works out the libraries the program links against; the font
# it asks for by name is added from the package that ships it.
include(${CMAKE_CURRENT_SOURCE_DIR}/debian_font_package.cmake)

# Liberation Sans stands in for the windows' "MS Sans Serif" (ui/form_font.cpp).
velmora_debian_font_package("Liberation Sans" form_font_package)

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
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "^${PROJECT_SOURCE_DIR}/build/")

include(CPack)
