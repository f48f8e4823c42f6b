# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the layer check on small source trees: one that keeps every rule, and one a case that adds a
# single include breaking one rule, which the check must name with its file and its include and
# nothing else.
#   cmake -DCHECK=<check_layers.cmake> -DWORK_DIR=<scratch folder> -P check_layers_test.cmake

set(Failures 0)

# A tree that keeps the rules: the application opens the features, the features use the toolkit,
# the platform and their own files, the core uses the standard library and other core files, and
# the windows use Qt.
function(write_clean_tree root)
  file(REMOVE_RECURSE "${root}")
  file(WRITE "${root}/toolkit/surface.h" "#include <QWidget>\n#include \"toolkit/twips.h\"\n")
  file(WRITE "${root}/toolkit/twips.h" "#include <QtGlobal>\n")
  file(WRITE "${root}/platform/registry.h" "#include <cstdint>\n#include <queue>\n")
  file(WRITE "${root}/platform/qt_registry.cpp"
       "#include <QSettings>\n#include \"platform/registry.h\"\n#include \"toolkit/twips.h\"\n")
  file(WRITE "${root}/about/system_info.h" "#pragma once\n#include <string>\n#include \"platform/registry.h\"\n")
  file(WRITE "${root}/about/system_info.cpp" "#include \"about/system_info.h\"\n#include \"platform/application_info.h\"\n")
  file(WRITE "${root}/about/frmAbout.cpp"
       "#include <QDialog>\n#include \"about/system_info.h\"\n#include \"toolkit/surface.h\"\n")
  file(WRITE "${root}/weekly_menu/generators.cpp" "#include <vector>\n// #include <QString> is not needed here\n")
  file(WRITE "${root}/unit_calculator/frmChiefGalvix.cpp" "#include <QLineEdit>\n#include \"toolkit/surface.h\"\n")
  file(WRITE "${root}/app/frmMain.cpp"
       "#include <QMainWindow>\n#include \"about/frmAbout.h\"\n#include \"unit_calculator/frmChiefGalvix.h\"\n#include \"weekly_menu/frmWeeklyMenu.h\"\n")
  file(WRITE "${root}/app/placement.cpp" "#include <algorithm>\n#include \"platform/registry.h\"\n")
endfunction()

# The files the tree's galvix_core is made of.
set(CoreSources "platform/registry.h|about/system_info.h|about/system_info.cpp|weekly_menu/generators.cpp|app/placement.cpp")

function(run_check root result_var output_var)
  execute_process(COMMAND "${CMAKE_COMMAND}" "-DSOURCE_DIR=${root}" "-DCORE_SOURCES=${CoreSources}" -P "${CHECK}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

function(fail what)
  message("FAILED: ${what}")
  math(EXPR failures "${Failures} + 1")
  set(Failures ${failures} PARENT_SCOPE)
endfunction()

set(Clean "${WORK_DIR}/clean")
write_clean_tree("${Clean}")
run_check("${Clean}" result output)
if(NOT result EQUAL 0)
  fail("a tree that keeps the rules is refused:\n${output}")
endif()

# Each case: a name, the file to write (from the tree's root), its include line, and what the
# check must say about it.
set(Cases
  "toolkit includes a feature|toolkit/surface.cpp|#include \"weekly_menu/generators.h\"|the toolkit may not include a feature"
  "platform includes a feature|platform/sys_info_registry.cpp|#include \"about/system_info.h\"|the platform may not include a feature"
  "platform includes the application|platform/qt_registry.h|  #  include \"app/frmMain.h\"|the platform may not include a feature"
  "a feature includes another|weekly_menu/frmWeeklyMenu.cpp|#include \"unit_calculator/number_text.h\"|a feature may not include another"
  "a feature includes the application|about/frmAbout.h|#include \"app/frmMain.h\"|a feature may not include another"
  "a new feature folder includes another|galley_stores/frmStores.cpp|#include \"about/frmAbout.h\"|a feature may not include another"
  "a core file includes Qt|about/system_info.cpp|#include <QString>|a core file may not include Qt"
  "a core header includes a Qt module header|platform/registry.h|#include <QtCore/QList>|a core file may not include Qt"
  "a core file includes a lower-case Qt header|weekly_menu/generators.cpp|#include <qglobal.h>|a core file may not include Qt"
  "a core file includes a window file|app/placement.cpp|#include \"toolkit/surface.h\"|a core file may not include a file outside galvix_core"
)
foreach(entry IN LISTS Cases)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 file)
  list(GET fields 2 line)
  list(GET fields 3 rule)
  string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" include "${line}")

  set(root "${WORK_DIR}/case")
  write_clean_tree("${root}")
  if(EXISTS "${root}/${file}")
    file(APPEND "${root}/${file}" "${line}\n")
  else()
    file(WRITE "${root}/${file}" "${line}\n")
  endif()
  run_check("${root}" result output)

  set(expected "case/${file}: includes ${include}: ${rule}")
  string(REGEX MATCHALL "case/[^\n]*: includes [^\n]*" reported "${output}")
  if(result EQUAL 0)
    fail("${name}: the check passed")
  elseif(NOT reported STREQUAL expected)
    fail("${name}: expected exactly\n  ${expected}\nbut the check said\n${output}")
  endif()
endforeach()

if(Failures GREATER 0)
  message(FATAL_ERROR "${Failures} case(s) failed")
endif()
message(STATUS "The layer check names every include that breaks a rule, and only those")
