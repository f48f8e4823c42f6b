# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads NEWS.md, the one changelog, and makes from it what the packages carry: the Debian package's
# changelog and the AppStream metadata's <releases>. A release is a heading "## <version> (<date>)"
# followed by a summary paragraph and "- " items, a line that goes on indented by two blanks.
#
# Sets GALVIX_RELEASE_DATE (the newest release's date, YYYY-MM-DD), GALVIX_APPSTREAM_RELEASES and
# GALVIX_DEBIAN_CHANGELOG, and stops the configuration when the newest release is not the version of
# the project() line, so that the two cannot disagree.

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS.md)
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS.md news_lines ENCODING UTF-8)

# The releases as lists: galvix_news_versions, and for release i galvix_news_<i>_date and
# galvix_news_<i>_entries (each paragraph or item one entry, its lines joined by blanks).
set(galvix_news_versions)
set(release -1)
set(entry "")
macro(galvix_news_end_entry)
  if(NOT entry STREQUAL "" AND release GREATER_EQUAL 0)
    list(APPEND galvix_news_${release}_entries "${entry}")
  endif()
  set(entry "")
endmacro()
foreach(line IN LISTS news_lines)
  if(line MATCHES "^## ([0-9.]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
    galvix_news_end_entry()
    math(EXPR release "${release} + 1")
    list(APPEND galvix_news_versions ${CMAKE_MATCH_1})
    set(galvix_news_${release}_date ${CMAKE_MATCH_2})
    set(galvix_news_${release}_entries)
  elseif(release LESS 0 OR line MATCHES "^#")
    continue()
  elseif(line STREQUAL "")
    galvix_news_end_entry()
  elseif(line MATCHES "^- (.*)$")
    galvix_news_end_entry()
    set(entry "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^ *(.*)$")
    if(entry STREQUAL "")
      set(entry "${CMAKE_MATCH_1}")
    else()
      string(APPEND entry " ${CMAKE_MATCH_1}")
    endif()
  endif()
endforeach()
galvix_news_end_entry()

list(GET galvix_news_versions 0 newest)
if(NOT newest STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "NEWS.md's newest release is ${newest}, but the project is ${PROJECT_VERSION}: "
                      "say what ${PROJECT_VERSION} is in NEWS.md")
endif()
set(GALVIX_RELEASE_DATE ${galvix_news_0_date})

# Words wrapped to lines of at most 79 characters, the first after `first`, the rest after `rest`.
function(galvix_wrap out text first rest)
  string(REPLACE " " ";" words "${text}")
  set(result "")
  set(line "${first}")
  set(empty TRUE)
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(NOT empty AND length GREATER 79)
      string(APPEND result "${line}\n")
      set(line "${rest}${word}")
    elseif(empty)
      set(line "${line}${word}")
    else()
      set(line "${line} ${word}")
    endif()
    set(empty FALSE)
  endforeach()
  set(${out} "${result}${line}\n" PARENT_SCOPE)
endfunction()

function(galvix_xml_escape out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(GALVIX_APPSTREAM_RELEASES "<releases>\n")
set(GALVIX_DEBIAN_CHANGELOG "")
list(LENGTH galvix_news_versions count)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET galvix_news_versions ${i} version)
  set(date ${galvix_news_${i}_date})
  # The package's changelog: every paragraph and item one "*" entry.
  string(APPEND GALVIX_DEBIAN_CHANGELOG "galvix (${version}) unstable; urgency=medium\n\n")
  foreach(text IN LISTS galvix_news_${i}_entries)
    galvix_wrap(wrapped "${text}" "  * " "    ")
    string(APPEND GALVIX_DEBIAN_CHANGELOG "${wrapped}")
  endforeach()
  execute_process(COMMAND date -u -R -d "${date} 12:00" OUTPUT_VARIABLE stamp
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  string(APPEND GALVIX_DEBIAN_CHANGELOG "\n -- ${GALVIX_PACKAGE_CONTACT}  ${stamp}\n")
  if(i LESS last)
    string(APPEND GALVIX_DEBIAN_CHANGELOG "\n")
  endif()
  # Software centres' release notes: paragraphs, then the items as a list.
  string(APPEND GALVIX_APPSTREAM_RELEASES "    <release version=\"${version}\" date=\"${date}\">\n"
                                          "      <description>\n")
  # The first entry of a release is its summary paragraph; the rest are its items.
  set(entries ${galvix_news_${i}_entries})
  list(POP_FRONT entries summary)
  galvix_xml_escape(summary "${summary}")
  string(APPEND GALVIX_APPSTREAM_RELEASES "        <p>${summary}</p>\n")
  if(entries)
    string(APPEND GALVIX_APPSTREAM_RELEASES "        <ul>\n")
    foreach(text IN LISTS entries)
      galvix_xml_escape(text "${text}")
      string(APPEND GALVIX_APPSTREAM_RELEASES "          <li>${text}</li>\n")
    endforeach()
    string(APPEND GALVIX_APPSTREAM_RELEASES "        </ul>\n")
  endif()
  string(APPEND GALVIX_APPSTREAM_RELEASES "      </description>\n    </release>\n")
endforeach()
string(APPEND GALVIX_APPSTREAM_RELEASES "  </releases>")
