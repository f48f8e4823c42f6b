#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds and runs the whole test suite, headless.
#   scripts/test.sh          the developer build (warnings are errors)
#   scripts/test.sh asan     the same unit tests under the address and undefined-behaviour sanitizers
# After the developer build's unit tests, the release program is built and run end to end on a
# private desktop (tests/e2e); the sanitizer run leaves that suite out.
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-dev}"
scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$(nproc)"

if [ "$preset" = dev ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release
  ctest --preset e2e -j "$(nproc)"
fi
