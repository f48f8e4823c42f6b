#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "There is no graphical display here: run this from a desktop session, or start Galvix on a virtual one with \"xvfb-run -a build/release/galvix\"." >&2
  exit 1
fi
exec build/release/galvix "$@"
