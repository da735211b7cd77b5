#!/bin/sh
# Builds the memcheck scenario without sanitizers (valgrind cannot run a
# sanitized program) and runs it under memcheck. Fails on any memory error
# and on any block definitely lost.
# usage: run_memcheck.sh <source dir> <build dir>
set -eu
src="$1"
build="$2"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_TESTS=ON >/dev/null
cmake --build "$build" --target memcheck_scenario >/dev/null
exec valgrind --tool=memcheck --error-exitcode=1 --errors-for-leak-kinds=definite \
  --leak-check=full --show-leak-kinds=definite --track-origins=yes --num-callers=30 \
  "$build/tests/memcheck_scenario"
