#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on Wayland: a headless Weston compositor of its own, in a private runtime
# folder, ended again by its pid when the program is done.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=galvix-test --shell=desktop-shell.so \
  --width=1280 --height=1024 --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/galvix-test" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
  fi
  sleep 0.1
done
[ -S "$runtime/galvix-test" ] || { echo "weston opened no socket" >&2; exit 1; }

WAYLAND_DISPLAY=galvix-test QT_QPA_PLATFORM=wayland "$@"
