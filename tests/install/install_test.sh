#!/usr/bin/env bash
# Installs the library into a temporary prefix and builds a consumer with find_package.
set -euo pipefail
build="${1:?build dir}"; src="${2:?source dir}"
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
# The examples save their inputs as /tmp/kalbex-example-*.tav: the installed copies save here.
sed -i "s|/tmp/kalbex-example-|$tmp/kalbex-example-|g" "$tmp"/prefix/share/tavrine_kalbex/examples/*.json
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
# The installed Python module, where the build has one.
py="$(ls -d "$tmp"/prefix/lib*/python3/dist-packages 2>/dev/null | head -1)"
if [ -n "$py" ] && [ -d "$py/tavrine_kalbex" ]; then
  interp=/usr/bin/python3; [ -x "$interp" ] || interp=python3
  dAs="$(cd "$tmp/elsewhere" && env -u LD_LIBRARY_PATH PYTHONPATH="$py" PYTHONDONTWRITEBYTECODE=1 "$interp" -c \
    'import tavrine_kalbex as tk; print(round(tk.create("clsMoment").MuAsCommon(iK=1, iSecPos=5, dMu=100, sFy=310, sFcm=11, sB=200, sH=500, sCas=35)["dAs"], 1))')"
  # x = 465 - sqrt(465^2 - 2e8 / (11 * 200)) = 111.0 mm; As = 11 * 200 * x / 310 = 787.7 mm2
  [ "$dAs" = "787.7" ] || { echo "installed Python module: dAs = $dAs, wanted 787.7"; exit 1; }
fi
echo "3 passed, 0 failed"
