# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the includes of a source tree keep its layers one way:
#   cmake -DSOURCE_DIR=<folder holding the subsystem folders> "-DCORE_SOURCES=<file>|<file>..." -P check_layers.cmake
#
# - the toolkit and the platform are the ground floor: they include no feature folder;
# - a feature includes no other feature; only the application, which opens the windows, includes
#   the features (and no feature includes the application). Every folder that is neither the
#   ground floor nor the application is a feature, so a new one is checked without being listed;
# - a file of galvix_core (CORE_SOURCES: its sources, absolute or from SOURCE_DIR, separated by
#   "|") includes no Qt header and
#   no file of ours that is not in galvix_core, so the core builds with the standard library alone.
#
# Every include that breaks a rule is printed as "<file>: includes <include>: <rule>", and the
# check then fails.

set(GroundFolders toolkit platform)
set(ApplicationFolder app)

if(NOT SOURCE_DIR OR NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "check_layers: SOURCE_DIR must name the source folder")
endif()
if(NOT CORE_SOURCES)
  message(FATAL_ERROR "check_layers: CORE_SOURCES must list the files of galvix_core")
endif()
get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
get_filename_component(ShownRoot "${SOURCE_DIR}" NAME)

# The files of galvix_core, as "<folder>/<file>", from the list CMake holds for the target.
set(CoreFiles)
string(REPLACE "|" ";" CoreSources "${CORE_SOURCES}")
foreach(path IN LISTS CoreSources)
  cmake_path(ABSOLUTE_PATH path BASE_DIRECTORY "${SOURCE_DIR}" NORMALIZE)
  cmake_path(RELATIVE_PATH path BASE_DIRECTORY "${SOURCE_DIR}")
  list(APPEND CoreFiles "${path}")
endforeach()

# The Qt headers: <QWidget>, <QtCore/QString>, <qstring.h>; not <queue>.
set(QtHeader "^(Q[A-Za-z0-9_]*(/.*)?|Qt[A-Za-z0-9_]*/.*|q[a-z0-9_]*\\.h)$")

set(Problems)
file(GLOB_RECURSE Sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.hpp"
     "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.cc" "${SOURCE_DIR}/*.in")
list(SORT Sources)
set(FeatureFolders)
foreach(source IN LISTS Sources)
  if(source MATCHES "^([^/]+)/")
    list(APPEND FeatureFolders "${CMAKE_MATCH_1}")
  endif()
endforeach()
list(REMOVE_DUPLICATES FeatureFolders)
list(REMOVE_ITEM FeatureFolders ${GroundFolders} ${ApplicationFolder})
foreach(source IN LISTS Sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND GroundFolders "${folder}" ground)
  list(FIND FeatureFolders "${folder}" feature)
  list(FIND CoreFiles "${source}" core)
  file(STRINGS "${SOURCE_DIR}/${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]+[>\"]")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*([<\"][^>\"]+[>\"]).*$" "\\1" include "${line}")
    string(REGEX REPLACE "^.(.*).$" "\\1" target "${include}")
    string(REGEX MATCH "^[^/]+" target_folder "${target}")
    if(NOT target STREQUAL target_folder AND NOT target_folder STREQUAL folder)
      list(FIND FeatureFolders "${target_folder}" target_feature)
      if(NOT ground EQUAL -1 AND (target_feature GREATER -1 OR target_folder STREQUAL ApplicationFolder))
        list(APPEND Problems "${ShownRoot}/${source}: includes ${include}: the ${folder} may not include a feature")
      elseif(NOT feature EQUAL -1 AND (target_feature GREATER -1 OR target_folder STREQUAL ApplicationFolder))
        list(APPEND Problems
             "${ShownRoot}/${source}: includes ${include}: a feature may not include another; only ${ApplicationFolder}/ opens them")
      endif()
    endif()
    if(core EQUAL -1)
      continue()
    endif()
    if(include MATCHES "^<" AND target MATCHES "${QtHeader}")
      list(APPEND Problems "${ShownRoot}/${source}: includes ${include}: a core file may not include Qt")
    elseif(include MATCHES "^\"" AND EXISTS "${SOURCE_DIR}/${target}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${target}")
      list(FIND CoreFiles "${target}" target_core)
      if(target_core EQUAL -1)
        list(APPEND Problems
             "${ShownRoot}/${source}: includes ${include}: a core file may not include a file outside galvix_core")
      endif()
    endif()
  endforeach()
endforeach()

list(LENGTH Sources checked)
if(Problems)
  list(LENGTH Problems count)
  list(JOIN Problems "\n" text)
  message("${text}")
  message(FATAL_ERROR "${count} include(s) break the layers (${checked} files checked)")
endif()
message(STATUS "The layers go one way (${checked} files checked)")
