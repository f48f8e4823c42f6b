# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Galvix for Windows: the program with its icon and version in its resources, the font its captions
# were measured against, everything it loads beside it, and an installer and a portable zip of
# them (cpack in the build folder).

# Windows has no Liberation Sans: the program carries the two faces it uses, with their licence.
# Debian 12 keeps Liberation 2 in fonts-liberation2 (its fonts-liberation is the older 1.07);
# Debian 13 moved it to fonts-liberation, and fonts-liberation2 only depends on that.
find_path(GALVIX_FONT_DIR LiberationSans-Regular.ttf
          PATHS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
get_filename_component(font_folder "${GALVIX_FONT_DIR}" NAME)
set(GALVIX_FONT_LICENCE /usr/share/doc/fonts-${font_folder}/copyright)
foreach(file ${GALVIX_FONT_DIR}/LiberationSans-Regular.ttf ${GALVIX_FONT_DIR}/LiberationSans-Bold.ttf
             ${GALVIX_FONT_LICENCE})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "${file} is missing: install Debian's fonts-liberation2")
  endif()
endforeach()
qt_add_resources(galvix_gui galvix_fonts PREFIX /fonts BASE ${GALVIX_FONT_DIR}
                 FILES ${GALVIX_FONT_DIR}/LiberationSans-Regular.ttf ${GALVIX_FONT_DIR}/LiberationSans-Bold.ttf)

# The program's icon, in the sizes Explorer, the Start menu and the task bar draw, and its version.
find_program(GALVIX_CONVERT convert REQUIRED)
set(GALVIX_ICO ${GALVIX_DATA_DIR}/icons/galvix.ico)
set(ico_pngs)
foreach(size 16 24 32)
  set(png ${GALVIX_DATA_DIR}/icons/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${GALVIX_DATA_DIR}/icons
    COMMAND ${GALVIX_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${GALVIX_ICON_SVG}
    DEPENDS ${GALVIX_ICON_SVG} VERBATIM)
  list(APPEND ico_pngs ${png})
endforeach()
list(APPEND ico_pngs ${GALVIX_DATA_DIR}/icons/48.png ${GALVIX_DATA_DIR}/icons/256.png)
add_custom_command(OUTPUT ${GALVIX_ICO}
  COMMAND ${GALVIX_CONVERT} ${ico_pngs} ${GALVIX_ICO}
  DEPENDS ${ico_pngs}
  COMMENT "Making the program's icon file"
  VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/data/galvix.rc.in ${GALVIX_DATA_DIR}/galvix.rc @ONLY)
set_source_files_properties(${GALVIX_DATA_DIR}/galvix.rc PROPERTIES OBJECT_DEPENDS ${GALVIX_ICO})
target_sources(galvix PRIVATE ${GALVIX_DATA_DIR}/galvix.rc)
set_target_properties(galvix PROPERTIES WIN32_EXECUTABLE ON)
# The linker would write the time of the link into the program's header: the same source then
# never gives the same program twice.
target_link_options(galvix PRIVATE -Wl,--no-insert-timestamp)

# Everything is installed in one folder: the program finds the DLLs beside it, the platform plug-in
# in platforms/ and the native styles in styles/ below it. Galvix itself draws every window with
# Fusion, which is built into Qt; the native styles are what Qt deploys with any Widgets program,
# and what Qt's own parts take when nothing chooses another (Windows 10's "windowsvista", and from
# Qt 6.7 on Windows 11's "windows11"). Qt's image formats and icon engines are not carried: the
# program's only image is a PNG, which Qt reads without a plug-in.
install(TARGETS galvix RUNTIME DESTINATION .)
set(qt_dlls)
foreach(module Core Gui Widgets PrintSupport)
  list(APPEND qt_dlls $<TARGET_FILE:Qt6::${module}>)
endforeach()
install(FILES ${qt_dlls} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
set(GALVIX_QT_STYLES)
foreach(style QWindowsVistaStylePlugin QModernWindowsStylePlugin)
  if(TARGET Qt6::${style})
    list(APPEND GALVIX_QT_STYLES Qt6::${style})
    install(FILES $<TARGET_FILE:Qt6::${style}> DESTINATION styles)
  endif()
endforeach()
if(NOT GALVIX_QT_STYLES)
  message(FATAL_ERROR "Qt for Windows has no native style plug-in (Qt6::QWindowsVistaStylePlugin)")
endif()
# The compiler's own run-time libraries, which the program and Qt load.
set(GALVIX_MINGW_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  list(APPEND GALVIX_MINGW_DLLS ${path})
endforeach()
install(FILES ${GALVIX_MINGW_DLLS} DESTINATION .)
# The DLLs come with their symbols, which nobody here reads: without them the folder is a third of
# the size.
install(CODE "set(galvix_strip \"${CMAKE_STRIP}\")")
install(CODE [[
  file(GLOB dlls "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/*.dll" "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/platforms/*.dll"
             "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/styles/*.dll")
  execute_process(COMMAND "${galvix_strip}" --strip-unneeded ${dlls} COMMAND_ERROR_IS_FATAL ANY)
]])
# Galvix's own licence, and those of what the folder carries besides the program: the font, Qt
# (built from Debian's source, whose copyright file covers it) and the compiler's run-time
# libraries.
install(FILES ${PROJECT_SOURCE_DIR}/COPYING DESTINATION licences RENAME Galvix.txt)
install(FILES ${GALVIX_FONT_LICENCE} DESTINATION licences RENAME LiberationSans.txt)
file(GLOB qt_copyright /usr/share/doc/libqt6core6*/copyright)
install(FILES ${qt_copyright} DESTINATION licences RENAME Qt.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licences RENAME GCC-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licences RENAME mingw-w64.txt)
# Galvix's licence, then what the folder carries and under which licence: the installer's licence
# page, and a file beside the program.
configure_file(${PROJECT_SOURCE_DIR}/data/windows_notice.txt.in ${GALVIX_DATA_DIR}/notice.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${GALVIX_DATA_DIR}/notice.txt DESTINATION licences RENAME README.txt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Galvix)
set(CPACK_PACKAGE_VENDOR Navorel)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${GALVIX_HOMEPAGE}")
set(CPACK_PACKAGE_FILE_NAME galvix-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Galvix)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Galvix)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${GALVIX_DATA_DIR}/notice.txt)
# The Start menu's entry starts galvix.exe and shows its icon.
set(CPACK_PACKAGE_EXECUTABLES galvix Galvix)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Galvix)
set(CPACK_NSIS_DISPLAY_NAME Galvix)
set(CPACK_NSIS_MUI_ICON ${GALVIX_ICO})
set(CPACK_NSIS_MUI_UNIICON ${GALVIX_ICO})
set(CPACK_NSIS_INSTALLED_ICON_NAME galvix.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "${GALVIX_HOMEPAGE}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for a 64-bit program: it needs no 32-bit layer on the system it installs on.
# It records no file times: besides the program's files, whose times CPack sets to the commit's,
# it packs a page description that CPack writes while packaging, whose time would change the
# installer on every run; the installed files take the time they are installed at.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n  SetDateSave off")
include(${PROJECT_SOURCE_DIR}/cmake/reproducible.cmake)
include(CPack)
