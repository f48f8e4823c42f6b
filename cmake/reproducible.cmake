# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The same commit builds the same packages, byte for byte, wherever and whenever it is built.
#
# Every time a build would record (the Qt resources' file times, the packages' file times) is the
# time of the commit built, which reproducible-builds.org's SOURCE_DATE_EPOCH names: taken from the
# environment when it is set, else from git, else (a source archive without git) from the newest
# release's date in NEWS.md.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(GALVIX_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  find_package(Git QUIET)
  set(GALVIX_SOURCE_DATE_EPOCH "")
  if(GIT_FOUND AND EXISTS ${PROJECT_SOURCE_DIR}/.git)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE GALVIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      set(GALVIX_SOURCE_DATE_EPOCH "")
    endif()
    # A new commit is a new time: the configuration is made again after every one.
    foreach(head .git/HEAD .git/logs/HEAD)
      if(EXISTS ${PROJECT_SOURCE_DIR}/${head})
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${head})
      endif()
    endforeach()
  endif()
  if(GALVIX_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND date -u -d "${GALVIX_RELEASE_DATE} 00:00" +%s
                    OUTPUT_VARIABLE GALVIX_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endif()

# Qt's resource compiler records each file's time, and the icons are drawn at build time: it takes
# SOURCE_DATE_EPOCH instead when that is set, as for every other step the build runs.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${GALVIX_SOURCE_DATE_EPOCH}")

# CPack reads the time when it packages: the Debian package's file times, and, through the script
# below, those of the files an installer or a zip holds, which it would otherwise take from the disk.
set(GALVIX_CPACK_PROJECT_CONFIG ${PROJECT_BINARY_DIR}/galvix_cpack.cmake)
file(CONFIGURE OUTPUT ${GALVIX_CPACK_PROJECT_CONFIG} CONTENT [[
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} @GALVIX_SOURCE_DATE_EPOCH@)
endif()
]] @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${GALVIX_CPACK_PROJECT_CONFIG})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/file_times.cmake)
