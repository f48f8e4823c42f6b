#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release of the commit checked out, into dist/:
#   galvix-<version>.tar.xz                  the commit's files, the source of everything below
#   galvix_<version>_debian<N>_<arch>.deb    the Debian package for the release this runs on
#   galvix-<version>-win64.exe and .zip      the Windows installer and the portable folder
#   SHA256SUMS                               the checksums of the four
# The packages are built from the source archive itself, unpacked in a scratch folder, so they are
# what anyone who takes that archive builds; every time stamp is the commit's, so building the same
# commit again gives the same files. The Windows program is tested under Wine as scripts/windows.sh
# always does. Uncommitted changes are not part of a release: the script stops when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
started=$SECONDS

if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release.sh: the checkout has uncommitted changes; commit them or set them aside first" >&2
  exit 1
fi
scripts/setup.sh windows
version=$(sed -nE 's/^project\(Galvix VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
dist=$checkout/dist
rm -rf "$dist"
mkdir -p "$dist"

# The source: git writes every entry with the commit's time, and xz on one thread always packs it
# the same way.
source_archive=$dist/galvix-$version.tar.xz
git archive --format=tar --prefix="galvix-$version/" HEAD | xz -9 --threads=1 >"$source_archive"

scratch=$(mktemp -d "${TMPDIR:-/var/tmp}/galvix-release.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
tar -xJf "$source_archive" -C "$scratch"
source=$scratch/galvix-$version

echo "=== the Debian package"
(cd "$source" && cmake --workflow --preset package >"$scratch/package.log" 2>&1) ||
  { tail -n 40 "$scratch/package.log"; exit 1; }
cp "$source"/build/release/galvix_"$version"_*.deb "$dist"/

echo "=== the Windows installer and zip"
(cd "$source" && scripts/windows.sh)
cp "$source/build/windows/galvix-$version-win64.exe" "$source/build/windows/galvix-$version-win64.zip" "$dist"/

(cd "$dist" && sha256sum -- *.tar.xz *.deb *.exe *.zip >SHA256SUMS)
echo "=== dist/, made in $((SECONDS - started)) s"
(cd "$dist" && ls -l --time-style=+ -- * | awk '{ printf "%12d  %s\n", $5, $NF }')
