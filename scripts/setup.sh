#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Galvix needs to build, test and run, skipping those already there.
#   scripts/setup.sh           for Debian: build, test and run
#   scripts/setup.sh windows   the same, and what building and testing the Windows program needs
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2
  xvfb xauth python3-xlib valgrind
  weston qt6-wayland
  poppler-utils
  librsvg2-bin desktop-file-utils appstream dpkg-dev lintian man-db bsdextrautils reuse git
  diffoscope-minimal
  file
  python3 python3-pyatspi python3-gi gir1.2-atspi-2.0 at-spi2-core dbus dbus-bin
  openbox xdotool wmctrl x11-utils xclip imagemagick
  qt6-gtk-platformtheme gnome-themes-extra
)
if [ "${1:-}" = windows ]; then
  packages+=(
    g++-mingw-w64-x86-64-posix wine wine64 nsis dpkg-dev xz-utils
  )
fi
# g++-mingw-w64-x86-64-posix, wine and nsis: the Windows program is cross-compiled, run and
# packaged here; dpkg-dev unpacks the Qt source package that Qt for Windows is built from.
# file: the Debian package's dpkg-shlibdeps step needs it to find the program's libraries.
# lintian, man-db and bsdextrautils (col), reuse, git and diffoscope-minimal: the package is checked
# as Debian checks it, the manual page as man shows it, every file's licence as REUSE reads it, the
# build takes its time stamps from the commit, and two builds that differ are shown side by side.
# weston and qt6-wayland: the main window's test on a Wayland compositor.
# qt6-gtk-platformtheme and gnome-themes-extra: the end-to-end run under GTK's dark Adwaita theme,
# which is how a GNOME desktop hands Qt programs its dark palette.
# The two lines before them are the end-to-end suite's: a window manager on the virtual display, the
# session and accessibility buses, and the tools that drive the program and look at its windows.

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Installing them needs root: run this again as root, or install sudo first." >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
