#!/usr/bin/env bash
# Runs the built program as a shell user would, with no display at all, and checks what each
# command line prints and the status it exits with.
#   check_command_line.sh <program> <version>
set -uo pipefail
program=$1
version=$2
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

expect 0 "Galvix $version" "" --version
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

[ "$failures" -eq 0 ] && echo "the command line answers as expected"
exit "$failures"
