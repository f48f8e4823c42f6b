#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a configured and built tree, checks it with lintian, unpacks it into
# a scratch root as dpkg would install it, and checks that the program, its desktop entry, its
# icons, its metadata, its manual page and its copyright and changelog land where the desktop and
# Debian look for them, and that Depends names a package for every library it links.
#   check_package.sh <cpack> <build folder> <desktop id> <version> <lintian>
set -euo pipefail
cpack=$1
build=$2
id=$3
version=$4
lintian=$5

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/package" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  fail "cpack could not build the package"
fi
shopt -s nullglob
packages=("$scratch"/package/*.deb)
[ ${#packages[@]} -eq 1 ] || fail "expected one .deb, found ${#packages[@]}"
deb=${packages[0]}
# Errors and warnings both fail.
if ! "$lintian" --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1; then
  cat "$scratch/lintian.log"
  fail "lintian finds errors or warnings in $(basename "$deb")"
fi
root=$scratch/root
dpkg-deb -x "$deb" "$root"

# Where a desktop looks for each file.
for file in usr/bin/galvix \
            "usr/share/applications/$id.desktop" \
            "usr/share/metainfo/$id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$id.png" \
            "usr/share/icons/hicolor/256x256/apps/$id.png" \
            usr/share/man/man1/galvix.1.gz usr/share/doc/galvix/copyright usr/share/doc/galvix/changelog.gz; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done
[ -x "$root/usr/bin/galvix" ] || fail "usr/bin/galvix is not executable"
outside=$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 48 256; do
  got=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size} px icon is $got"
done

# The entry starts the installed program and names the installed icon.
entry=$root/usr/share/applications/$id.desktop
grep -qx "Exec=galvix" "$entry" || fail "the desktop entry does not start galvix"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not name the icon $id"
desktop-file-validate "$entry" || fail "the installed desktop entry is not valid"
appstreamcli validate-tree --no-net "$root" >"$scratch/appstream.log" 2>&1 \
  || { cat "$scratch/appstream.log"; fail "the installed metadata does not validate"; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = galvix ] || fail "the package is called $(field Package)"
[ "$(field Version)" = "$version" ] || fail "the package has version $(field Version), not $version"
depends=$(field Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed -E 's/^ +//; s/ .*//')
depends_on() { grep -qxF "$1" <<<"$names"; }

# Every library the program links must come from a package that Depends names: the library's file,
# as the loader finds it, is looked up in dpkg's database, so a package renamed by a release (as
# Debian 13 renamed libqt6core6 to libqt6core6t64) still satisfies the check.
owner() {
  local path=$1 candidate
  # dpkg records a file under the path its package ships it at, /lib or /usr/lib, whatever the
  # loader printed.
  for candidate in "$path" "$(realpath "$path")" "/usr${path#/usr}" "${path#/usr}"; do
    dpkg-query -S "$candidate" 2>/dev/null | head -n 1 | sed -E 's/:.*//' && return
  done
}
needed=$(objdump -p "$root/usr/bin/galvix" | awk '$1 == "NEEDED" { print $2 }')
[ -n "$needed" ] || fail "objdump lists no libraries for the program"
loaded=$(ldd "$root/usr/bin/galvix")
for library in $needed; do
  path=$(awk -v lib="$library" '$1 == lib && $2 == "=>" { print $3 }' <<<"$loaded")
  [ -n "$path" ] && [ "$path" != "not" ] || fail "the loader does not find $library"
  package=$(owner "$path")
  [ -n "$package" ] || fail "no installed package provides $library ($path)"
  depends_on "$package" || fail "Depends lacks $package, which provides $library: $depends"
done
# The one dependency the linker cannot see: the font every caption is measured in.
depends_on fonts-liberation2 || fail "Depends lacks fonts-liberation2: $depends"

# The unpacked program runs, and is the version packaged.
[ "$("$root/usr/bin/galvix" --version | head -n 1)" = "Galvix $version" ] || fail "the packaged program does not run"
echo "$(basename "$deb") installs the program, its entry, its icons and its metadata"
