#!/usr/bin/env bash
# Runs a CTest command with its full output in BUILD/ctest.log and prints a short summary: the
# failed tests with their output, and CTest's closing lines.
# Usage: tools/ctest_summary.sh BUILD ctest ARGS...
set -uo pipefail
build="$1"; shift
log="$build/ctest.log"
"$@" --output-on-failure >"$log" 2>&1
rc=$?
if [ "$rc" -ne 0 ]; then
  # Each failed test's own output, then the list of failures.
  awk '/\*\*\*Failed|\(Failed\)|\*\*\*Exception|Timeout/ {p=1} p' "$log" | head -n 200
fi
grep -E "tests passed|tests failed|Total Test time" "$log"
echo "($build: full output in $log)"
exit "$rc"
