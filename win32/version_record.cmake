# The resource script of Velmora.exe: its version record, icons, pictures and
# manifest.

# FILEVERSION and PRODUCTVERSION: 1.0.0.0 becomes 1,0,0,0.
string(REPLACE "." "," VELMORA_VERSION_COMMAS ${PROJECT_VERSION})
# The version as shown: the major version, a full stop and the minor version
# in two digits, "1.00".
if(PROJECT_VERSION_MINOR LESS 10)
  set(VELMORA_DISPLAY_VERSION ${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR})
else()
  set(VELMORA_DISPLAY_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
endif()
set(VELMORA_PROGRAM_ICON ${VELMORA_ICON_DIR}/velmora.ico)
set(VELMORA_NOTES_ICON ${VELMORA_ICON_DIR}/notes.ico)
# The picture as raw pixels, shown without a decoder; the double-size one,
# needed only on a screen of twice the dots per inch, as PNG, which keeps the
# program under 1 MiB.
set(VELMORA_FRETBOARD ${VELMORA_PICTURE_DIR}/fretboard.pixels)
set(VELMORA_FRETBOARD_2X ${PROJECT_SOURCE_DIR}/resources/fretboard@2x.png)
# The manifest names the program's own architecture: a 32-bit Windows
# refuses a program whose manifest names another.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VELMORA_MANIFEST_ARCHITECTURE x86)
else()
  set(VELMORA_MANIFEST_ARCHITECTURE amd64)
endif()
set(VELMORA_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/velmora.manifest)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/velmora.manifest.in ${VELMORA_MANIFEST} @ONLY)

set(VELMORA_RESOURCE_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/velmora.rc)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/velmora.rc.in ${VELMORA_RESOURCE_SCRIPT} @ONLY)
set_source_files_properties(${VELMORA_RESOURCE_SCRIPT} PROPERTIES OBJECT_DEPENDS
  "${VELMORA_PROGRAM_ICON};${VELMORA_NOTES_ICON};${VELMORA_FRETBOARD};${VELMORA_FRETBOARD_2X};${VELMORA_MANIFEST}")
