#!/bin/sh
# Runs the offscreen tests of the portable build (portable_build.sh) and
# checks that its program links nothing of X11 and still says when it has no
# display.
# usage: portable_offscreen_tests.sh <work dir>
set -eu
build="$1/build"

if readelf --dynamic "$build/velmora" | grep -q "Shared library: \[libxcb"; then
  echo "FAIL: the program built without X11 links libxcb"
  exit 1
fi

"$build/tests/model_tests" --gtest_brief=1
QT_QPA_PLATFORM=offscreen "$build/tests/qt_tests" --gtest_brief=1

set +e
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$build/velmora" 2>&1)
status=$?
set -e
echo "$message"
if [ "$status" -ne 1 ] || ! echo "$message" | grep -q "no display"; then
  echo "FAIL: without a display the program exits with status $status"
  exit 1
fi
