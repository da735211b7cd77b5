#!/bin/sh
# Starts the program with DISPLAY naming a display on which no X server
# answers. It must say so in one line on stderr that names the display, print
# nothing else, and exit with status 1: no abort, no core dump.
# usage: unreachable_display.sh <program> <work dir>
set -u
program="$1"
work="$2"
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1

number=4700
while [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
display=":$number"

ulimit -c unlimited 2>/dev/null
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" >stdout 2>stderr
status=$?
cat stderr

fail() {
  echo "FAIL: $*"
  exit 1
}
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
[ ! -s stdout ] || fail "it printed on stdout: $(cat stdout)"
[ "$(wc -l <stderr)" -eq 1 ] || fail "$(wc -l <stderr) lines on stderr, expected one"
grep -q "\"$display\"" stderr || fail "the message does not name the display $display"
ls core* >/dev/null 2>&1 && fail "it left a core dump"
exit 0
