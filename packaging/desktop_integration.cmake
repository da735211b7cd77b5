# The freedesktop.org side of the installation: the menu entry, the AppStream
# description for software centres and the microphone icon in the hicolor
# theme, all named after the application id.
set(desktop_sources ${PROJECT_SOURCE_DIR}/resources/desktop)

install(FILES ${desktop_sources}/${VELMORA_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop_sources}/${VELMORA_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The sizes tools/icons exports.
set(VELMORA_ICON_SIZES 16 32 48 64 128)
foreach(size IN LISTS VELMORA_ICON_SIZES)
  set(apps_dir hicolor/${size}x${size}/apps)
  install(FILES ${VELMORA_ICON_DIR}/${apps_dir}/velmora.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/${apps_dir}
    RENAME ${VELMORA_APP_ID}.png)
endforeach()
