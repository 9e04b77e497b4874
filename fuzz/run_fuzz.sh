#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each under AddressSanitizer and
# UndefinedBehaviorSanitizer, seeded from the corpora in fuzz/corpus/ (and, for the result-file
# readers, from the test fixtures). The fuzzers' own output goes to build-fuzz/fuzz-<target>.log;
# a finding prints the end of that log and fails.
# Usage: fuzz/run_fuzz.sh runs N      each target for N inputs (default 20000)
#        fuzz/run_fuzz.sh seconds S   each target for S seconds
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
MODE="${1:-runs}"
AMOUNT="${2:-20000}"
case "$MODE" in
  runs) LIMIT="-runs=$AMOUNT" ;;
  seconds) LIMIT="-max_total_time=$AMOUNT" ;;
  *) echo "usage: $0 runs N | seconds S" >&2; exit 2 ;;
esac
BUILD=build-fuzz
SAN="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link -fno-omit-frame-pointer"
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$SAN" "${LAUNCHER[@]}" \
  -DTK_FUZZ=ON -DTK_BUILD_TESTS=OFF -DTK_BUILD_CLI=OFF -DTK_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target msml_fuzz text_fuzz kalbex_run_fuzz -j "${JOBS:-2}" >"$BUILD/fuzz-build.log" 2>&1 ||
  { tail -40 "$BUILD/fuzz-build.log"; exit 1; }

# Working corpora: the seeds of the repository, grown by the runs (the repository's stay as they are).
rm -rf "$BUILD/corpus" && mkdir -p "$BUILD/corpus/msml" "$BUILD/corpus/text" "$BUILD/corpus/kalbex_run"
cp fuzz/corpus/text/* "$BUILD/corpus/text/"
cp fuzz/corpus/kalbex_run/* "$BUILD/corpus/kalbex_run/"
# Result-file seeds: every fixture under each reader selector (byte 0) with beam 1 or 2 (byte 1).
k=0
for f in tests/data/msml/*/*; do
  for sel in 0 1 2 3 4; do
    for beam in 1 2; do
      { printf "\\x0$sel\\x0$beam"; cat "$f"; } >"$BUILD/corpus/msml/seed_$k"
      k=$((k + 1))
    done
  done
done

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The run path calls calculators that read files by relative names: run it in a scratch folder.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for t in msml_fuzz text_fuzz kalbex_run_fuzz; do
  name="${t%_fuzz}"
  log="$PWD/$BUILD/fuzz-$name.log"
  maxlen=65536
  [ "$t" = text_fuzz ] && maxlen=4096
  if (cd "$scratch" && "$ROOT/$BUILD/fuzz/$t" "$LIMIT" -max_len=$maxlen -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$ROOT/$BUILD/" "$ROOT/$BUILD/corpus/$name") \
        >"$log" 2>&1; then
    echo "fuzz $t: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$log" | tail -1)"
  else
    echo "fuzz $t: FAILED (log $log)"
    tail -60 "$log"
    status=1
  fi
done
exit $status
