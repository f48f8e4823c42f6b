# Everything that makes Galvix a desktop program once installed: the program, its desktop entry,
# its icon in the hicolor theme and its AppStream metadata.

# The name the desktop knows the program by, in reverse-DNS form: the Navorel family of
# seafarers' aids as the owner, so that its other programs can sit beside this one. Lower case,
# as AppStream recommends. The entry, the icons and the metadata are all installed under it.
set(GALVIX_DESKTOP_ID "io.github.navorel.galvix")
set(GALVIX_HOMEPAGE "https://github.com/navorel/galvix" CACHE STRING "The project's home page")
set(GALVIX_SCREENSHOT_URL "https://raw.githubusercontent.com/navorel/galvix/main/docs/images"
    CACHE STRING "Where the README's screenshots can be fetched from, for software centres")

if(NOT GALVIX_BUILD_GUI)
  return()
endif()
configure_file(${PROJECT_SOURCE_DIR}/src/app/desktop_id.h.in
               ${PROJECT_BINARY_DIR}/generated/app/desktop_id.h @ONLY)

include(GNUInstallDirs)
set(GALVIX_DATA_DIR ${PROJECT_BINARY_DIR}/data)
set(GALVIX_DESKTOP_FILE ${GALVIX_DATA_DIR}/${GALVIX_DESKTOP_ID}.desktop)
set(GALVIX_METAINFO_FILE ${GALVIX_DATA_DIR}/${GALVIX_DESKTOP_ID}.metainfo.xml)
set(GALVIX_ICON_SVG ${PROJECT_SOURCE_DIR}/data/icons/galvix.svg)
configure_file(${PROJECT_SOURCE_DIR}/data/galvix.desktop.in ${GALVIX_DESKTOP_FILE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/galvix.metainfo.xml.in ${GALVIX_METAINFO_FILE} @ONLY)

# The PNG icons are rendered from the one drawing at build time, so they cannot drift from it.
# The same PNGs are the windows' icon, embedded as a Qt resource (Qt reads no SVG without QtSvg).
find_program(GALVIX_RSVG_CONVERT rsvg-convert REQUIRED)
set(GALVIX_ICON_SIZES 48 256)
set(GALVIX_ICON_PNGS)
foreach(size ${GALVIX_ICON_SIZES})
  set(png ${GALVIX_DATA_DIR}/icons/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GALVIX_DATA_DIR}/icons
    COMMAND ${GALVIX_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${GALVIX_ICON_SVG}
    DEPENDS ${GALVIX_ICON_SVG}
    COMMENT "Rendering the ${size} px icon"
    VERBATIM)
  list(APPEND GALVIX_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${GALVIX_DESKTOP_ID}.png)
endforeach()
qt_add_resources(galvix_gui galvix_icons PREFIX /icons BASE ${GALVIX_DATA_DIR}/icons FILES ${GALVIX_ICON_PNGS})

install(TARGETS galvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${GALVIX_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GALVIX_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GALVIX_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${GALVIX_DESKTOP_ID}.svg)
