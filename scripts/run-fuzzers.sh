#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed
# corpus; any finding fails the run. PFC_FUZZ_SECONDS sets the time per target (60).
# Prints, per target, the executions in total and per second (also kept in
# build-fuzz/fuzz-summary.log).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${PFC_FUZZ_SECONDS:-60}"
build="$root/build-fuzz"
"$root/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DPFC_BUILD_GUI=OFF \
  -DPFC_BUILD_TESTS=OFF -DPFC_BUILD_BENCHMARKS=OFF -DPFC_BUILD_FUZZERS=ON

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
summary="$build/fuzz-summary.log"
: > "$summary"
status=0
for target in "$build"/bin/*_fuzz; do
  name="$(basename "$target")"
  seeds="$root/fuzz/corpus/${name%_fuzz}"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/findings"
  echo "== Fuzzing $name for ${seconds}s =="
  # New inputs go to the work folder (first); the committed seeds are only read.
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
      "$work" "$seeds" > "$build/$name.log" 2>&1; then
    status=1
    echo "FINDING in $name (input saved in $build/findings/):"
    tail -n 40 "$build/$name.log"
  fi
  runs="$(grep -a -oP 'stat::number_of_executed_units:\s*\K[0-9]+' "$build/$name.log" || echo 0)"
  rate="$(grep -a -oP 'stat::average_exec_per_sec:\s*\K[0-9]+' "$build/$name.log" || echo 0)"
  printf '%-22s %10s executions %8s per second\n' "$name" "$runs" "$rate" | tee -a "$summary"
done
exit "$status"
