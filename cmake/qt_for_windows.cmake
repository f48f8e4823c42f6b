# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by Qt's own configuration when scripts/windows.sh builds Qt for Windows
# (CMAKE_PROJECT_INCLUDE), and run once every target of Qt is defined. It compiles more of Qt in
# batches, which spares parsing the same headers over and over:
# - the bundled HarfBuzz in one, as HarfBuzz is written to be built;
# - where Qt has its own unity build (6.6 and later), QtGui too. Qt leaves QtGui out of that on
#   Windows because a few of its Windows-only sources define the same helpers; those sources are
#   still compiled one by one.
function(galvix_unity_build)
  if(TARGET BundledHarfbuzz)
    set_target_properties(BundledHarfbuzz PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  endif()
  if(NOT QT_UNITY_BUILD OR NOT TARGET Gui)
    return()
  endif()
  set_target_properties(Gui PROPERTIES UNITY_BUILD ON)
  get_target_property(sources Gui SOURCES)
  set(one_by_one "")
  foreach(source IN LISTS sources)
    if(source MATCHES "(_win\\.cpp|/windows/|/qrhid3d|D3D12)" AND NOT source MATCHES "\\$<")
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${CMAKE_SOURCE_DIR}/src/gui" NORMALIZE)
      list(APPEND one_by_one "${source}")
    endif()
  endforeach()
  set_source_files_properties(${one_by_one} DIRECTORY "${CMAKE_SOURCE_DIR}/src/gui"
                              PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
endfunction()
cmake_language(DEFER CALL galvix_unity_build)
