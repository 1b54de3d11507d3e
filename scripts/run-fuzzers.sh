#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed
# corpus; any finding fails the run. PFC_FUZZ_SECONDS sets the time per target (60).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${PFC_FUZZ_SECONDS:-60}"
build="$root/build-fuzz"
"$root/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DPFC_BUILD_GUI=OFF \
  -DPFC_BUILD_TESTS=OFF -DPFC_BUILD_BENCHMARKS=OFF -DPFC_BUILD_FUZZERS=ON

status=0
for target in "$build"/bin/*_fuzz; do
  name="$(basename "$target")"
  seeds="$root/fuzz/corpus/${name%_fuzz}"
  work="$build/corpus/$name"
  mkdir -p "$work" "$build/findings"
  echo "== Fuzzing $name for ${seconds}s =="
  if ! "$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/findings/$name-" "$work" "$seeds" > "$build/$name.log" 2>&1; then
    status=1
    echo "FINDING in $name:"
    tail -n 40 "$build/$name.log"
  fi
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$build/$name.log" || true
done
exit "$status"
