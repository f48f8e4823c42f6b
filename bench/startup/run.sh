#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The side-by-side start-up benchmark: builds the optimised program and the bare main window
# (preset bench-gui) and starts them alternately on a fresh Xvfb.
#   bench/startup/run.sh                  20 pairs
#   bench/startup/run.sh --pairs 40       more pairs for a steadier median
#   bench/startup/run.sh --instructions   instruction counts under callgrind instead of times
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh
cmake --preset bench-gui >/dev/null
cmake --build --preset bench-gui >/dev/null
# The system Python: it has python3-xlib.
exec /usr/bin/python3 bench/startup/startup_bench.py --galvix build/bench-gui/galvix \
  --reference build/bench-gui/bench/startup/bare_window "$@"
