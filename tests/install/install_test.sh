#!/usr/bin/env bash
# Installs the library into a temporary prefix and builds a consumer with find_package.
set -euo pipefail
build="${1:?build dir}"; src="${2:?source dir}"
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
cmake -S "$src/tests/install/consumer" -B "$tmp/build" -G Ninja -DCMAKE_PREFIX_PATH="$tmp/prefix" >/dev/null
cmake --build "$tmp/build" >/dev/null
LD_LIBRARY_PATH="$tmp/prefix/lib:$tmp/prefix/lib64:${LD_LIBRARY_PATH:-}" "$tmp/build/consumer"
"$tmp/build/consumer_static"
# The installed kalbex runs by itself (no LD_LIBRARY_PATH) from another folder, and its demo
# finds the installed examples and their result files.
mkdir "$tmp/elsewhere"
out="$(cd "$tmp/elsewhere" && env -u LD_LIBRARY_PATH -u KALBEX_EXAMPLES "$tmp/prefix/bin/kalbex" demo 2>/dev/null)"
grep -q "==== clsMoment.CalMu_As.json ====" <<<"$out" || { echo "installed demo lacks the examples"; exit 1; }
grep -q "弯矩 .*计算结果" <<<"$out" || { echo "installed demo printed no report"; exit 1; }
tbsa="$(grep -A2 "==== clsMsMl.CalMaxMsForTbsa.json ====" <<<"$out" | grep "\"operation\":\"CalMaxMsForTbsa\"" | head -1)"
grep -q '"lErr":0' <<<"$tbsa" || { echo "installed demo did not read the result files: $tbsa"; exit 1; }
[ -z "$(ls -A "$tmp/elsewhere")" ] || { echo "the demo wrote into the current folder"; exit 1; }
echo "2 passed, 0 failed"
