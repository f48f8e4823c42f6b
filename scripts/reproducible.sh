#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the committed source builds the same packages, byte for byte, wherever it is built:
# the packages of this checkout's build folder are compared with those of a second clone of the same
# commit, at another path, built afterwards. Where they differ, diffoscope says how.
#   scripts/reproducible.sh           the Debian package (build/release, made by scripts/test.sh)
#   scripts/reproducible.sh windows   the Windows installer and zip (build/windows, from scripts/windows.sh)
# Both need the build folder of this checkout built first; the second clone is built here.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
kind=${1:-debian}

if [ "$kind" = windows ]; then
  preset=windows
  patterns=("galvix-*-win64.exe" "galvix-*-win64.zip")
  # The tests are not packaged: the second build leaves them out.
  configure=(-DGALVIX_BUILD_TESTS=OFF)
  export GALVIX_WINDOWS_PREFIX=${GALVIX_WINDOWS_PREFIX:-$(sed -n 's/^CMAKE_PREFIX_PATH:[A-Z]*=//p' build/windows/CMakeCache.txt)}
else
  preset=release
  patterns=("galvix_*.deb")
  configure=()
fi
[ -f "build/$preset/CPackConfig.cmake" ] ||
  { echo "reproducible.sh: build/$preset is not built; run scripts/${kind/debian/test}.sh first" >&2; exit 1; }

scratch=$(mktemp -d "${TMPDIR:-/var/tmp}/galvix-reproducible.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# The first: this checkout's build, packaged again now.
(cd "build/$preset" && cpack -B "$scratch/first" >/dev/null)
# The second: a fresh clone of the commit at a path of another length, built from nothing.
second=$scratch/another/folder/galvix
git clone --quiet "$checkout" "$second"
git -C "$second" checkout --quiet --detach "$(git rev-parse HEAD)"
(cd "$second" && cmake --preset "$preset" "${configure[@]}" >/dev/null &&
   cmake --build --preset "$preset" >/dev/null && cd "build/$preset" && cpack -B "$scratch/second" >/dev/null)

status=0
for pattern in "${patterns[@]}"; do
  for first in "$scratch"/first/$pattern; do
    name=$(basename "$first")
    if [ ! -f "$first" ]; then
      echo "FAIL: this checkout's build made no $pattern"
      status=1
    elif [ ! -f "$scratch/second/$name" ]; then
      echo "FAIL: the second build made no $name"
      status=1
    elif cmp -s "$first" "$scratch/second/$name"; then
      echo "$name: the same $(stat -c %s "$first") bytes from both builds"
    else
      echo "FAIL: $name differs between the two builds"
      if command -v diffoscope >/dev/null; then
        diffoscope "$first" "$scratch/second/$name" | head -n 200 || true
      fi
      status=1
    fi
  done
done
exit "$status"
