#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a fixed number of
# inputs under AddressSanitizer and UndefinedBehaviorSanitizer, seeded from the test fixtures.
# Usage: fuzz/run_fuzz.sh [runs]   (default 20000)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS="${1:-20000}"
BUILD=build-fuzz
SAN="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link -fno-omit-frame-pointer"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$SAN" \
  -DTK_FUZZ=ON -DTK_BUILD_TESTS=OFF -DTK_BUILD_CLI=OFF -DTK_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target msml_fuzz -j "${JOBS:-2}"

# Seeds: every fixture under each reader selector (byte 0) with beam 1 or 2 (byte 1).
corpus="$BUILD/corpus/msml"
rm -rf "$corpus" && mkdir -p "$corpus"
k=0
for f in tests/data/msml/*/*; do
  for sel in 0 1 2 3 4; do
    for beam in 1 2; do
      { printf "\\x0$sel\\x0$beam"; cat "$f"; } >"$corpus/seed_$k"
      k=$((k + 1))
    done
  done
done
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$BUILD/fuzz/msml_fuzz" -runs="$RUNS" -max_len=65536 -timeout=10 -rss_limit_mb=2048 "$corpus"
