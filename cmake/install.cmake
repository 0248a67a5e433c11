# Where `cmake --install` puts the game and the files desktops use to list it.
# The PNG icons under packaging/icons/ were rendered once from assets/icon.svg
# (rsvg-convert -w N -h N) so that building needs no SVG renderer.
include(GNUInstallDirs)

set(VORN_APP_ID org.example.Vorn)
set(VORN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VORN_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS vorn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VORN_PACKAGING_DIR}/${VORN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VORN_PACKAGING_DIR}/${VORN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
        DESTINATION ${VORN_ICON_DIR}/scalable/apps RENAME ${VORN_APP_ID}.svg)
foreach(size 48 64 128 256)
  install(FILES ${VORN_PACKAGING_DIR}/icons/vorn-${size}.png
          DESTINATION ${VORN_ICON_DIR}/${size}x${size}/apps RENAME ${VORN_APP_ID}.png)
endforeach()
