# Checks the program's icons installed in PREFIX under the hicolor theme: one
# PNG named APP_ID.png in every size folder the build exports into ICON_DIR,
# identical to the exported microphone, and as wide and high as its folder
# says.
cmake_minimum_required(VERSION 3.25)
file(GLOB exported RELATIVE ${ICON_DIR}/hicolor ${ICON_DIR}/hicolor/*/apps/velmora.png)
file(GLOB installed RELATIVE ${PREFIX}/share/icons/hicolor
  ${PREFIX}/share/icons/hicolor/*/apps/*.png)
list(TRANSFORM exported REPLACE "/velmora\\.png$" "/${APP_ID}.png")
list(SORT exported)
list(SORT installed)
if(NOT installed STREQUAL exported OR installed STREQUAL "")
  message(FATAL_ERROR "Installed icons: ${installed}\nexported: ${exported}")
endif()

foreach(icon IN LISTS installed)
  set(path ${PREFIX}/share/icons/hicolor/${icon})
  string(REGEX REPLACE "/${APP_ID}\\.png$" "/velmora.png" source ${icon})
  file(SHA256 ${path} installed_hash)
  file(SHA256 ${ICON_DIR}/hicolor/${source} exported_hash)
  if(NOT installed_hash STREQUAL exported_hash)
    message(FATAL_ERROR "${icon} differs from the exported ${source}")
  endif()

  # A PNG opens with its 8-byte signature and the IHDR chunk: length, type,
  # then width and height as 32-bit big-endian numbers.
  file(READ ${path} header HEX LIMIT 24)
  string(SUBSTRING "${header}" 0 32 signature_and_chunk)
  if(NOT signature_and_chunk STREQUAL "89504e470d0a1a0a0000000d49484452")
    message(FATAL_ERROR "${icon} is not a PNG")
  endif()
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  string(REGEX MATCH "^([0-9]+)x([0-9]+)/" _ ${icon})
  if(NOT width EQUAL CMAKE_MATCH_1 OR NOT height EQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "${icon} is ${width}x${height} pixels")
  endif()
endforeach()
