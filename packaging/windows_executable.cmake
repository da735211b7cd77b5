# On Windows the program is the GUI executable Velmora.exe, which carries its
# version record and the microphone icon as its own icon. The resource script
# is made on every platform so that it can be checked anywhere.

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

set(resource_script ${CMAKE_CURRENT_BINARY_DIR}/velmora.rc)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/velmora.rc.in
  ${resource_script} @ONLY)
# Where the tests find the script.
set_property(TARGET velmora PROPERTY VELMORA_RESOURCE_SCRIPT ${resource_script})

if(WIN32)
  set_target_properties(velmora PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Velmora)
  target_sources(velmora PRIVATE ${resource_script})
  set_source_files_properties(${resource_script} TARGET_DIRECTORY velmora
    PROPERTIES OBJECT_DEPENDS ${VELMORA_PROGRAM_ICON})
  add_dependencies(velmora velmora-icons)
endif()
