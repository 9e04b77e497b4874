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
echo "1 passed, 0 failed"
