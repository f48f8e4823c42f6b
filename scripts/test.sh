#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite, headless.
#   scripts/test.sh          the developer build (warnings are errors)
#   scripts/test.sh asan     the same suite under the address and undefined-behaviour sanitizers
set -euo pipefail
cd "$(dirname "$0")/.."

preset="${1:-dev}"
scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$(nproc)"
