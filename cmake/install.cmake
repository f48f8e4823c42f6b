# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
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
include(${PROJECT_SOURCE_DIR}/cmake/news.cmake)
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

# The manual page and the package's changelog, compressed as Debian wants them: at the highest
# level, with no name or time stamp inside, so that the same text always gives the same bytes.
set(GALVIX_MAN_PAGE ${GALVIX_DATA_DIR}/galvix.1)
configure_file(${PROJECT_SOURCE_DIR}/data/galvix.1.in ${GALVIX_MAN_PAGE} @ONLY)
file(WRITE ${GALVIX_DATA_DIR}/changelog.new "${GALVIX_DEBIAN_CHANGELOG}")
file(COPY_FILE ${GALVIX_DATA_DIR}/changelog.new ${GALVIX_DATA_DIR}/changelog ONLY_IF_DIFFERENT)
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${GALVIX_DATA_DIR}/copyright @ONLY)
find_program(GALVIX_GZIP gzip REQUIRED)
set(compressed)
foreach(file galvix.1 changelog)
  add_custom_command(OUTPUT ${GALVIX_DATA_DIR}/${file}.gz
    COMMAND ${GALVIX_GZIP} -9nc ${file} > ${file}.gz
    DEPENDS ${GALVIX_DATA_DIR}/${file}
    WORKING_DIRECTORY ${GALVIX_DATA_DIR}
    VERBATIM)
  list(APPEND compressed ${GALVIX_DATA_DIR}/${file}.gz)
endforeach()
add_custom_target(galvix_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${GALVIX_DATA_DIR}/galvix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${GALVIX_DATA_DIR}/changelog.gz ${GALVIX_DATA_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/galvix)

# The release of Debian the package is built on, for its file name: a package built on Debian 12
# links Debian 12's libraries, so the two releases' packages must never be taken for each other.
set(GALVIX_DEBIAN_RELEASE "")
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release os_release REGEX "^(ID|VERSION_ID)=")
  if(os_release MATCHES "ID=\"?debian\"?" AND os_release MATCHES "VERSION_ID=\"?([0-9]+)")
    set(GALVIX_DEBIAN_RELEASE debian${CMAKE_MATCH_1})
  endif()
endif()

# A Debian package of the above: cpack -G DEB in a build folder, or the "package" workflow preset.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME galvix)
set(CPACK_PACKAGE_VENDOR "Navorel")
set(CPACK_PACKAGE_CONTACT "${GALVIX_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${GALVIX_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
find_program(GALVIX_DPKG dpkg)
if(GALVIX_DEBIAN_RELEASE AND GALVIX_DPKG)
  execute_process(COMMAND ${GALVIX_DPKG} --print-architecture OUTPUT_VARIABLE architecture
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(CPACK_DEBIAN_FILE_NAME galvix_${PROJECT_VERSION}_${GALVIX_DEBIAN_RELEASE}_${architecture}.deb)
else()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Galvix plans a week of a merchant ship's meals from fixed dish lists\n"
       "and converts galley weights and liquid measures, with a small\n"
       "four-operation calculator.")
# dpkg-shlibdeps finds the libraries the program links; the font its windows are laid out for is
# not a library, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Folders are packaged as root's and readable by all, whatever the umask of the build was.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(${PROJECT_SOURCE_DIR}/cmake/reproducible.cmake)
include(CPack)
