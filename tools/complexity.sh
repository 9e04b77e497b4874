#!/usr/bin/env bash
# Fails when a function of the library is harder to follow than the house allows: clang-tidy's
# cognitive complexity above 40. Needs the compile database of a configured build folder.
# Usage: tools/complexity.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
limit=40
[ -f "$build/compile_commands.json" ] || { echo "complexity: no $build/compile_commands.json" >&2; exit 2; }
config="{Checks: '-*,readability-function-cognitive-complexity', CheckOptions: [{key: readability-function-cognitive-complexity.Threshold, value: $limit}, {key: readability-function-cognitive-complexity.DescribeBasicIncrements, value: false}]}"
found=$(git ls-files 'src/*.cpp' |
  xargs -P "${JOBS:-2}" -n 8 clang-tidy -p "$build" --quiet --config="$config" 2>/dev/null |
  grep 'warning:' | sed "s|^$PWD/||" | sort -u || true)
if [ -n "$found" ]; then
  echo "$found"
  echo "complexity: $(wc -l <<<"$found") function(s) above $limit" >&2
  exit 1
fi
echo "complexity: every function at or below $limit"
