# Where `cmake --install` puts the game and the files desktops use to list it.
# The PNG icons under packaging/icons/ were rendered once from assets/icon.svg
# (rsvg-convert -w N -h N) so that building needs no SVG renderer.
include(GNUInstallDirs)

set(VORN_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(VORN_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(VORN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vorn)

# The metadata, the manual page and the package's change log carry the
# project's version and release date.
# The first Debian packaging of this version.
set(VORN_DEB_RELEASE 1)
set(VORN_DEB_VERSION ${PROJECT_VERSION}-${VORN_DEB_RELEASE})
string(REPLACE "-" ";" date_parts ${VORN_RELEASE_DATE})
list(GET date_parts 0 year)
list(GET date_parts 1 month)
list(GET date_parts 2 day)
string(REGEX REPLACE "^0" "" month ${month})
string(REGEX REPLACE "^0" "" day_number ${day})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
math(EXPR month_index "${month} - 1")
list(GET months ${month_index} month_name)
# The weekday by Zeller's congruence (0 = Saturday).
set(y ${year})
set(m ${month})
if(m LESS 3)
  math(EXPR m "${m} + 12")
  math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day_number} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday_name)
set(VORN_RELEASE_DATE_RFC2822 "${weekday_name}, ${day} ${month_name} ${year} 12:00:00 +0000")

set(generated ${PROJECT_BINARY_DIR}/packaging)
configure_file(${VORN_PACKAGING_DIR}/${VORN_APP_ID}.metainfo.xml.in
               ${generated}/${VORN_APP_ID}.metainfo.xml @ONLY)
configure_file(${VORN_PACKAGING_DIR}/vorn.6 ${generated}/vorn.6 @ONLY)
configure_file(${VORN_PACKAGING_DIR}/changelog.Debian.in ${generated}/changelog.Debian @ONLY)
# Compressed as Debian ships them, without a name or time stamp in the
# header, so that the same sources give the same bytes.
find_program(VORN_GZIP gzip)
foreach(file vorn.6 changelog.Debian)
  if(VORN_GZIP)
    add_custom_command(OUTPUT ${generated}/${file}.gz
      COMMAND ${VORN_GZIP} -9nc ${generated}/${file} > ${generated}/${file}.gz
      DEPENDS ${generated}/${file} VERBATIM)
    list(APPEND compressed ${generated}/${file}.gz)
  endif()
endforeach()
add_custom_target(vorn_packaging_files ALL DEPENDS ${compressed})

install(TARGETS vorn RUNTIME DESTINATION ${VORN_INSTALL_GAMESDIR})
if(TARGET vorn_wayland_shell)
  install(TARGETS vorn_wayland_shell LIBRARY DESTINATION ${VORN_INSTALL_MODULEDIR})
endif()
# A stripped install (as the package is) also drops the compilers' notes.
if(CMAKE_OBJCOPY AND NOT WIN32)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${VORN_INSTALL_GAMESDIR}/$<TARGET_FILE_NAME:vorn>\")
    endif()")
endif()
install(FILES ${VORN_PACKAGING_DIR}/${VORN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# Desktops start the game, or bring the running one to the front, through
# the session bus (DBusActivatable): the service names the executable under
# the prefix it is installed to, which is known only then.
install(CODE "
  set(service \"${generated}/${VORN_APP_ID}.service\")
  set(game \"\${CMAKE_INSTALL_PREFIX}/${VORN_INSTALL_GAMESDIR}/$<TARGET_FILE_NAME:vorn>\")
  if(game MATCHES \" \")
    set(game \"\\\"\${game}\\\"\")
  endif()
  file(WRITE \"\${service}\" \"[D-BUS Service]\\nName=${VORN_APP_ID}\\nExec=\${game}\\n\")
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/dbus-1/services\"
       TYPE FILE PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ FILES \"\${service}\")")
install(FILES ${generated}/${VORN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/icon.svg
        DESTINATION ${VORN_ICON_DIR}/scalable/apps RENAME ${VORN_APP_ID}.svg)
foreach(size 48 64 128 256)
  install(FILES ${VORN_PACKAGING_DIR}/icons/vorn-${size}.png
          DESTINATION ${VORN_ICON_DIR}/${size}x${size}/apps RENAME ${VORN_APP_ID}.png)
endforeach()
install(FILES ${VORN_PACKAGING_DIR}/copyright DESTINATION ${VORN_DOC_DIR})
install(FILES ${VORN_PACKAGING_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vorn)
if(VORN_GZIP)
  install(FILES ${generated}/vorn.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${generated}/changelog.Debian.gz DESTINATION ${VORN_DOC_DIR})
else()
  install(FILES ${generated}/vorn.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()

# What an install onto this machine put where, for the uninstall target: not
# a package's staging (DESTDIR, or a prefix inside the build folder, as cpack
# uses), which must not replace the record of the real install.
set(VORN_INSTALL_RECORD ${PROJECT_BINARY_DIR}/vorn_installed.txt)
install(CODE "
  string(FIND \"\${CMAKE_INSTALL_PREFIX}\" \"${PROJECT_BINARY_DIR}/\" staging)
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND NOT staging EQUAL 0)
    list(REMOVE_DUPLICATES CMAKE_INSTALL_MANIFEST_FILES)
    string(REPLACE \";\" \"\\n\" installed \"\${CMAKE_INSTALL_MANIFEST_FILES}\")
    file(WRITE \"${VORN_INSTALL_RECORD}\" \"\${CMAKE_INSTALL_PREFIX}\\n\${installed}\\n\")
  endif()")
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DRECORD=${VORN_INSTALL_RECORD} -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing what the last install from this build put in place" VERBATIM)
