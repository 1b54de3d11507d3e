#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time from its seed
# corpus; any finding fails the run.
#   scripts/run-fuzzers.sh [build|run]   only build, or only run what was built (default both)
# PFC_FUZZ_SECONDS sets the time per target (60); PFC_FUZZ_SEED the random seed (from the
# commit); PFC_FUZZ_JOBS how many targets run at once
# (one per core: each target is one process). Prints, per target, the executions in total
# and per second (also kept in build-fuzz/fuzz-summary.log).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
step="${1:-all}"
seconds="${PFC_FUZZ_SECONDS:-60}"
parallel="${PFC_FUZZ_JOBS:-$(nproc)}"
build="$root/build-fuzz"
case "$step" in
  all | build | run) ;;
  *)
    echo "usage: $0 [build|run]" >&2
    exit 2
    ;;
esac

if [ "$step" != run ]; then
  "$root/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DPFC_BUILD_GUI=OFF \
    -DPFC_BUILD_TESTS=OFF -DPFC_BUILD_BENCHMARKS=OFF -DPFC_BUILD_FUZZERS=ON \
    -- fuzzers
fi
if [ "$step" = build ]; then
  exit 0
fi

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
targets=("$build"/bin/*_fuzz)
if [ ! -x "${targets[0]}" ]; then
  echo "No fuzz targets in $build/bin: build them first ($0 build)." >&2
  exit 1
fi
mkdir -p "$build/findings"
# The random seed comes from the commit, so a finding repeats on any machine from the same
# tree (PFC_FUZZ_SEED overrides it), while each new commit explores along another path.
seed="${PFC_FUZZ_SEED:-}"
if [ -z "$seed" ]; then
  commit="$(git -C "$root" rev-parse HEAD 2> /dev/null || echo 0)"
  seed=$((16#${commit:0:7} + 1))
fi

# One target's run; its exit status is left in <name>.status for the summary.
fuzz_one() {
  local target="$1"
  local name
  name="$(basename "$target")"
  local work="$build/corpus/$name"
  mkdir -p "$work"
  # New inputs go to the work folder (first); the committed seeds are only read.
  local status=0
  "$target" -seed="$seed" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/findings/$name-" \
    "$work" "$root/fuzz/corpus/${name%_fuzz}" > "$build/$name.log" 2>&1 || status=$?
  echo "$status" > "$build/$name.status"
}

echo "Fuzzing ${#targets[@]} targets for ${seconds}s each, $parallel at a time, seed $seed"
for target in "${targets[@]}"; do
  while (($(jobs -rp | wc -l) >= parallel)); do
    wait -n || true
  done
  fuzz_one "$target" &
done
wait

summary="$build/fuzz-summary.log"
: > "$summary"
echo "seed $seed (PFC_FUZZ_SEED repeats a run)" >> "$summary"
status=0
for target in "${targets[@]}"; do
  name="$(basename "$target")"
  log="$build/$name.log"
  runs="$(grep -a -oP 'stat::number_of_executed_units:\s*\K[0-9]+' "$log" || echo 0)"
  rate="$(grep -a -oP 'stat::average_exec_per_sec:\s*\K[0-9]+' "$log" || echo 0)"
  if [ "$(cat "$build/$name.status")" != 0 ]; then
    status=1
    echo "FINDING in $name (input saved in $build/findings/):"
    tail -n 40 "$log"
    printf '%-22s FINDING after %s executions\n' "$name" "$runs" >> "$summary"
    # The summary is often all a CI page keeps: what broke, and the input itself when it is
    # small enough to be pasted into a seed file.
    grep -a -m 3 -E 'ERROR|runtime error|propert|ALARM|out-of-memory|leak' "$log" |
      sed 's/^/    /' >> "$summary" || true
    for artifact in "$build/findings/$name"-*; do
      [ -f "$artifact" ] || continue
      if [ "$(stat -c %s "$artifact")" -le 600 ]; then
        echo "    input (base64): $(base64 -w0 "$artifact")" >> "$summary"
      fi
    done
  else
    printf '%-22s %10s executions %8s per second\n' "$name" "$runs" "$rate" >> "$summary"
  fi
done
cat "$summary"
exit "$status"
