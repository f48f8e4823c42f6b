#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Galvix for Windows on Debian, tests it under Wine and packages it:
#   1. installs what is missing (Debian packages only: the mingw-w64 cross compiler, Wine, NSIS);
#   2. builds Qt for Windows from Debian's own qt6-base source package, of the same version as
#      this machine's Qt tools, once: it is kept in the cache folder below and reused;
#   3. cross-builds the program and its unit tests (the "windows" preset) and runs the tests
#      under Wine;
#   4. writes build/windows/galvix-<version>-win64.exe, an installer, and a portable
#      galvix-<version>-win64.zip;
#   5. installs that installer in a fresh Wine prefix on a private X display and drives the
#      installed program from outside (tests/wine).
# "scripts/windows.sh qt" stops after step 2, once Qt and GoogleTest for Windows are in the cache.
#
# GALVIX_WINDOWS_CACHE (default ~/.cache/galvix-windows) keeps Qt for Windows and GoogleTest for
# Windows, one folder per version; delete a folder to have it built again.
set -euo pipefail
case ${1:-} in
  '' | qt) ;;
  *) echo "usage: scripts/windows.sh [qt]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
checkout=$PWD
scripts/setup.sh windows

cache=${GALVIX_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/galvix-windows}
toolchain=$checkout/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)
started=$SECONDS
step() { printf '=== %s (%ds so far)\n' "$1" $((SECONDS - started)); }

# --- Qt for Windows --------------------------------------------------------------------------
qt_source_package=$(dpkg-query -W -f='${source:Package}' qt6-base-dev)
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_prefix=$cache/googletest-$gtest_version-mingw-w64

# Fetches the source package through an apt configuration of its own in `work`, with a deb-src
# line for each archive the system's sources name, so that the system's sources and package lists
# stay as they are. apt picks the archive that has the version installed.
fetch_qt_source() {
  local work=$1
  mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial" "$work/source"
  apt-get indextargets --format 'deb-src $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    sort -u >"$work/apt/sources.list"
  local options=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/none"
                 -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::archives=$work/apt/archives"
                 -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
  apt-get -qq "${options[@]}" update
  (cd "$work/source" && apt-get -qq "${options[@]}" source --download-only "$qt_source_package=$qt_version")
  dpkg-source --no-check -x "$work/source/${qt_source_package}_${qt_version#*:}.dsc" "$work/qtbase" >/dev/null
}

# Only what Galvix uses: Core, Gui, Widgets, PrintSupport and Test, the Windows platform plug-in
# and the native style, with the third-party libraries Qt carries. Debian's source leaves out the
# tablet library (wintab) for its licence, so tablet events are off. Direct2D stays on: Qt builds
# its DirectWrite font engine, which printing calls, only with it; Direct2D 1.1 is off, which only
# leaves out the second, Direct2D-drawn platform plug-in. With OpenGL off, its dynamic loader must
# be turned off by name, or the Windows plug-in still asks for it. The widgets named below are
# ones no window of Galvix shows, that no dialog it opens is built from (the print dialog needs the
# date editor, so that stays), and that the native styles do not include either (they include the
# input dialog, the command link button and the graphics view, so those stay too).
qt_off=(opengl dynamicgl dbus network sql xml concurrent vulkan zstd tabletevent freetype jpeg gif
        textmarkdownreader textmarkdownwriter textodfwriter androiddeployqt direct2d1_1
        mdiarea colordialog fontdialog fontcombobox wizard errormessage undoview columnview
        keysequenceedit lcdnumber dial toolbox syntaxhighlighter splashscreen datawidgetmapper)
qt_bundled=(zlib pcre2 png jpeg harfbuzz freetype doubleconversion)
# Compiled for size rather than speed (-Os instead of -O3 for Core and Gui and -O2 for the rest):
# it compiles faster, makes the DLLs the installer carries smaller, and nothing Galvix draws is
# heavy enough to notice. Where the Qt version has it (6.6 and later), a unity build compiles the
# sources in batches, which spares parsing the same headers hundreds of times over;
# cmake/qt_for_windows.cmake adds the bundled HarfBuzz to it, and QtGui where Qt has one.
qt_configuration() {
  local source=$1 feature library
  for feature in "${qt_off[@]}"; do echo "-DFEATURE_$feature=OFF"; done
  for library in "${qt_bundled[@]}"; do echo "-DFEATURE_system_$library=OFF"; done
  printf '%s\n' -DFEATURE_optimize_size=ON -DFEATURE_printsupport=ON -DFEATURE_testlib=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  if [ -n "$source" ] && grep -rqs --include='*.cmake' QT_UNITY_BUILD "$source/cmake"; then
    echo -DQT_UNITY_BUILD=ON
  fi
}

build_qt() {
  local work
  work=$(mktemp -d "${TMPDIR:-/var/tmp}/galvix-qt.XXXXXX")
  trap 'rm -rf "$work"' RETURN
  fetch_qt_source "$work"
  local configuration
  mapfile -t configuration < <(qt_configuration "$work/qtbase")
  cmake -G Ninja -S "$work/qtbase" -B "$work/build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix.partial" -DCMAKE_PROJECT_INCLUDE="$checkout/cmake/qt_for_windows.cmake" \
    "${configuration[@]}" >"$work/configure.log" ||
    { tail -n 40 "$work/configure.log"; return 1; }
  local TIMEFORMAT="Qt for Windows built in %0Rs (%0Us user, %0Ss system)"
  time cmake --build "$work/build" --parallel "$jobs"
  rm -rf "$qt_prefix.partial"
  cmake --install "$work/build" >/dev/null
  # What each step of the build cost, for anyone who wants to see where the time goes.
  cp "$work/build/.ninja_log" "$qt_prefix.partial/build-steps.ninja_log"
  mv "$qt_prefix.partial" "$qt_prefix"
}

build_gtest() {
  local work
  work=$(mktemp -d "${TMPDIR:-/var/tmp}/galvix-gtest.XXXXXX")
  trap 'rm -rf "$work"' RETURN
  cmake -G Ninja -S /usr/src/googletest -B "$work" -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest_prefix.partial" >/dev/null
  cmake --build "$work" --parallel "$jobs" >/dev/null
  rm -rf "$gtest_prefix.partial"
  cmake --install "$work" >/dev/null
  mv "$gtest_prefix.partial" "$gtest_prefix"
}

# The folder is named by the version and by the configuration, so that a change to the latter
# builds Qt again instead of reusing one built otherwise.
qt_prefix=$cache/qt-$qt_version-$( (qt_configuration ""; cat cmake/qt_for_windows.cmake) | sha256sum | cut -c1-8)-mingw-w64
mkdir -p "$cache"
if [ -d "$qt_prefix" ]; then
  echo "Qt for Windows: $qt_prefix"
else
  step "building Qt $qt_version for Windows into $qt_prefix (once)"
  build_qt
fi
[ -d "$gtest_prefix" ] || { step "building GoogleTest $gtest_version for Windows"; build_gtest; }
[ "${1:-}" != qt ] || { step "done"; exit 0; }

# --- the program, its unit tests under Wine, the installer -----------------------------------
export GALVIX_WINDOWS_PREFIX="$qt_prefix;$gtest_prefix"
# The tests run under Wine in a prefix of their own, which lives as long as the build folder.
export WINEPREFIX=$checkout/build/windows/wine-prefix WINEARCH=win64
# No installer of Wine's Mono or Gecko is offered: nothing here uses them.
export WINEDLLOVERRIDES="mscoree,mshtml="
step "building the program and its unit tests"
cmake --preset windows >/dev/null
cmake --build --preset windows
step "running the unit tests under Wine"
[ -d "$WINEPREFIX" ] || wineboot --init >/dev/null 2>&1
# Wine's own desktop, which draws the windows' frames and moves the focus as Windows does. It is
# set every time: the build itself runs a tool under Wine, so the prefix is usually there already.
# Without it, Wine 8 (Debian 12) waits some two seconds for a window manager at every window shown.
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
wineserver --wait
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows -j "$jobs"
step "packaging"
(cd build/windows && cpack >/dev/null)
# This version's packages, not those an earlier version left in the build folder.
package=build/windows/$(sed -n 's/^set(CPACK_PACKAGE_FILE_NAME "\(.*\)")$/\1/p' build/windows/CPackConfig.cmake)
ls -l "$package.exe" "$package.zip"
wineserver --kill 2>/dev/null || true

step "the installed program under Wine"
# From the tests folder, where the suite's package and the desktop-driving package it shares with
# tests/e2e are; the window tables are the ones the Windows build wrote.
(cd tests && GALVIX_WINE_INSTALLER=$checkout/$package.exe \
   GALVIX_E2E_TABLES=$checkout/build/windows/tests/wine/window_tables.json \
   GALVIX_E2E_FIRST_WEEK=$checkout/tests/data/first_week.txt PYTHONDONTWRITEBYTECODE=1 \
   /usr/bin/python3 -m unittest -v wine.test_installed)
step "done"
