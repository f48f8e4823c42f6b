#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Galvix developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the built program as a shell user would, with no display at all, and checks what each
# command line prints and the status it exits with, and that its manual page shows cleanly and
# names the same options.
#   check_command_line.sh <program> <version> <copyright> <manual page>
set -uo pipefail
program=$1
version=$2
copyright=$3
page=$4
usage="Usage: galvix [--help | --version]"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect <status> <stdout> <stderr> [arguments...]: the whole of each output, line by line.
expect() {
  local status=$1 out=$2 err=$3
  shift 3
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$scratch/out" 2>"$scratch/err"
  local got=$?
  if [ "$got" -ne "$status" ] || [ "$(cat "$scratch/out")" != "$out" ] || [ "$(cat "$scratch/err")" != "$err" ]; then
    echo "FAIL: galvix $*"
    echo "  status $got, expected $status"
    echo "  stdout: $(cat "$scratch/out")"
    echo "  expected: $out"
    echo "  stderr: $(cat "$scratch/err")"
    echo "  expected: $err"
    failures=$((failures + 1))
  fi
}

expect 0 "Galvix $version
Copyright (C) $copyright
License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law." "" --version
expect 0 "$usage" "" --help
expect 0 "$usage" "" -h
expect 2 "" "galvix: unrecognized option '--frobnicate'
$usage" --frobnicate
expect 2 "" "galvix: unexpected argument 'menu.txt'
$usage" menu.txt
expect 2 "" "galvix: unrecognized option '-platform'
$usage" -platform offscreen
# Without an argument it would open its windows, which it cannot do here: it says so instead.
expect 1 "" 'Galvix needs a graphical display: start it from a desktop session, or give it a virtual one with "xvfb-run -a galvix".'

# A version that cannot be written out is a failure, not a success.
if "$program" --version >/dev/full 2>/dev/null; then
  echo "FAIL: galvix --version >/dev/full exited 0"
  failures=$((failures + 1))
fi

# The manual page: man shows it without a warning, its synopsis is the usage line, and the options
# it describes are the ones the usage line names, with -h beside --help.
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
if ! MANWIDTH=80 man --warnings -E UTF-8 -l "$page" >"$scratch/page" 2>"$scratch/warnings"; then
  fail "man -l $page failed: $(cat "$scratch/warnings")"
fi
[ ! -s "$scratch/warnings" ] || fail "man -l $page warns: $(cat "$scratch/warnings")"
col -b <"$scratch/page" >"$scratch/text"
# section <NAME>: the lines of one section of the page, without its heading.
section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' "$scratch/text"; }
synopsis=$(section SYNOPSIS | sed -E 's/^ +//; /^$/d')
[ "$synopsis" = "${usage#Usage: }" ] || fail "the page's synopsis is '$synopsis', not '${usage#Usage: }'"
documented=$(section OPTIONS | grep -oE '(^|[ ,])--?[a-z]+' | tr -d ' ,' | sort -u)
named=$( (grep -oE -- '--?[a-z]+' <<<"$usage"; echo -h) | sort -u)
[ "$documented" = "$named" ] || fail "the page describes the options $(echo $documented), the program $(echo $named)"

[ "$failures" -eq 0 ] && echo "the command line answers as expected"
exit "$failures"
