# Everything that makes Galvix a desktop program once installed: the program, its desktop entry,
# its icon in the hicolor theme, its AppStream metadata, and a Debian package of all of them.

# The name the desktop knows the program by, in reverse-DNS form: the Navorel family of
# seafarers' aids as the owner, so that its other programs can sit beside this one. Lower case,
# as AppStream recommends. The entry, the icons and the metadata are all installed under it.
set(GALVIX_DESKTOP_ID "io.github.navorel.galvix")
set(GALVIX_HOMEPAGE "https://github.com/navorel/galvix" CACHE STRING "The project's home page")
set(GALVIX_SCREENSHOT_URL "https://raw.githubusercontent.com/navorel/galvix/main/docs/images"
    CACHE STRING "Where the README's screenshots can be fetched from, for software centres")
set(GALVIX_PACKAGE_CONTACT "Galvix developers <galvix@navorel.invalid>"
    CACHE STRING "The Debian package's maintainer")

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
# The 48 px one is also the windows' icon, embedded as a Qt resource (Qt reads no SVG without
# QtSvg).
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
  if(NOT WIN32)
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${GALVIX_DESKTOP_ID}.png)
  endif()
endforeach()
add_custom_target(galvix_icon_pngs ALL DEPENDS ${GALVIX_ICON_PNGS})
qt_add_resources(galvix_gui galvix_icons PREFIX /icons BASE ${GALVIX_DATA_DIR}/icons
                 FILES ${GALVIX_DATA_DIR}/icons/48.png)

if(WIN32)
  include(${PROJECT_SOURCE_DIR}/cmake/windows_package.cmake)
  return()
endif()

install(TARGETS galvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${GALVIX_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${GALVIX_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${GALVIX_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${GALVIX_DESKTOP_ID}.svg)

# A Debian package of the above: cpack -G DEB in a build folder, or the "package" workflow preset.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME galvix)
set(CPACK_PACKAGE_VENDOR "Navorel")
set(CPACK_PACKAGE_CONTACT "${GALVIX_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${GALVIX_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Galvix plans a week of a merchant ship's meals from fixed dish lists\n"
       "and converts galley weights and liquid measures, with a small\n"
       "four-operation calculator.")
# dpkg-shlibdeps finds the libraries the program links; the font its windows are laid out for is
# not a library, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
