#!/usr/bin/env bash
# Installs what is missing, then checks in tiers, cheapest first: the formatting; the normal
# build, clang-tidy over the Qt-free folders, the length of every function in the window and
# program folders, and the build's whole suite (the fuzz targets'
# seed corpora included); the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, on a build of only what that run tests; then each libFuzzer
# target for a bounded time. Ends with a summary that times every stage, also when one fails.
#   PFC_FUZZ_SECONDS        fuzzing time per target (60)
#   PFC_FUZZ_JOBS           fuzz targets run at once (one per core)
#   PFC_FUZZ_SEED           fuzzing's random seed (taken from the commit)
#   PFC_SKIP_FORMAT_CHECK=1 skips the format check: only for timing the rest locally on a
#                           tree that is not formatted yet; CI always checks
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
export QTWEBENGINE_DISABLE_SANDBOX=1
jobs="$(nproc)"
# xvfb-run -a takes the first free display from its start number; starting at a random one
# keeps two runs on one machine from racing for the same display.
xvfb() { xvfb-run -a -n "$((100 + RANDOM % 800))" "$@"; }

# --- Stage timing -------------------------------------------------------------------------
stage_lines=()
stage_name=""
stage_note=""
stage_start=0
stage_cpu_start=0
run_start="${EPOCHREALTIME//[!0-9]/}"

# Tenths of a second as minutes:seconds.tenths.
as_minutes() {
  printf '%d:%02d.%d' $(($1 / 600)) $(($1 / 10 % 60)) $(($1 % 10))
}

# Wall time since a start in microseconds, in tenths of a second.
tenths_since() {
  echo $(((${EPOCHREALTIME//[!0-9]/} - $1) / 100000))
}

# Processor time (user and system) of every finished process this script started, with
# their children, in tenths of a second. Unlike the wall time it does not grow when other
# work shares the machine.
cpu_tenths() {
  local fields
  read -ra fields < /proc/$$/stat
  echo $(((fields[15] + fields[16]) * 10 / $(getconf CLK_TCK)))
}

end_stage() {
  stage_lines+=("$(printf '  %-18s %9s %9s  %s' "$stage_name" \
    "$(as_minutes "$(tenths_since "$stage_start")")" \
    "$(as_minutes $(($(cpu_tenths) - stage_cpu_start)))" "$1")")
  stage_name=""
}

# run_stage <name> <command...>: a failing command ends the run (set -e), and the summary
# printed on exit names the stage it failed in.
run_stage() {
  stage_name="$1"
  shift
  echo "== $stage_name =="
  stage_start="${EPOCHREALTIME//[!0-9]/}"
  stage_cpu_start="$(cpu_tenths)"
  "$@"
  end_stage "${stage_note:-}"
  stage_note=""
}

ccache_counts() {
  command -v ccache > /dev/null || return 0
  ccache --print-stats 2> /dev/null |
    awk '$1 ~ /^(direct|preprocessed)_cache_hit$/ { hits += $2 } $1 == "cache_miss" { misses += $2 }
         END { print hits + 0, misses + 0 }'
}

print_summary() {
  local status=$?
  if [ -n "$stage_name" ]; then
    end_stage "FAILED"
  fi
  echo
  echo "== Summary =="
  printf '  %-18s %9s %9s\n' stage wall cpu
  printf '%s\n' "${stage_lines[@]}"
  printf '  %-18s %9s %9s\n' total "$(as_minutes "$(tenths_since "$run_start")")" \
    "$(as_minutes "$(cpu_tenths)")"
  if [ -f "$root/build/ctest-summary.log" ]; then
    echo "normal build:    $(grep -E 'tests passed' "$root/build/ctest-summary.log" || echo 'no result')"
  fi
  if [ -f "$root/build-asan/ctest-summary.log" ]; then
    echo "sanitizer build: $(grep -E 'tests passed' "$root/build-asan/ctest-summary.log" || echo 'no result')"
  fi
  if [ -s "$root/build-fuzz/fuzz-summary.log" ]; then
    echo "fuzzing (${PFC_FUZZ_SECONDS:-60}s per target, ${PFC_FUZZ_JOBS:-$jobs} at a time):"
    sed 's/^/  /' "$root/build-fuzz/fuzz-summary.log"
  fi
  if [ -n "${ccache_before:-}" ]; then
    local hits misses
    read -r hits misses <<< "$(ccache_counts)"
    read -r hits_before misses_before <<< "$ccache_before"
    echo "ccache ($CCACHE_DIR): $((hits - hits_before)) hits, $((misses - misses_before)) misses"
  fi
  if [ "$status" -ne 0 ]; then
    echo "FAILED (exit status $status)"
  fi
}
trap print_summary EXIT

# Old results must not stand in for this run's in the summary.
rm -f "$root/build/ctest-summary.log" "$root/build-asan/ctest-summary.log" \
  "$root/build-fuzz/fuzz-summary.log"

# --- Stages -------------------------------------------------------------------------------
check_format() {
  if [ "${PFC_SKIP_FORMAT_CHECK:-}" = 1 ]; then
    echo "Skipped (PFC_SKIP_FORMAT_CHECK=1)."
    stage_note="SKIPPED"
    return 0
  fi
  "$root/scripts/check-format.sh"
}

normal_tests() {
  xvfb ctest --test-dir "$root/build" --output-on-failure -j "$jobs" |
    tee "$root/build/ctest-summary.log"
}

sanitizer_tests() {
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  xvfb ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" |
    tee "$root/build-asan/ctest-summary.log"
}

run_stage "setup" "$root/scripts/setup.sh"
if command -v ccache > /dev/null; then
  # shellcheck source=scripts/ccache-env.sh
  source "$root/scripts/ccache-env.sh"
  ccache_before="$(ccache_counts)"
fi
run_stage "format check" check_format
run_stage "build" "$root/scripts/build.sh" "$root/build"
run_stage "clang-tidy" "$root/scripts/clang-tidy.sh" "$root/build"
# clang-tidy's own run holds the Qt-free folders to 80 lines a function; the windows' folders
# and the programs' are measured here, on the same build.
run_stage "long functions" "$root/scripts/long-functions.sh" "$root/build" 'ui|app'
run_stage "tests" normal_tests
# Only what the sanitizer run tests: no browser (Chromium does not run under the
# sanitizers), no package checks and no benchmarks, which the normal build covers.
# -O1 with line tables only: the sanitizers' own advice for usable reports, and it compiles
# the instrumented widget tests in about a third of the time -O2 -g takes.
run_stage "sanitizer build" "$root/scripts/build.sh" "$root/build-asan" -DPFC_SANITIZE=ON \
  -DPFC_BUILD_WEBENGINE=OFF -DPFC_BUILD_PACKAGE_TESTS=OFF -DPFC_BUILD_BENCHMARKS=OFF \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1 -DNDEBUG"
run_stage "sanitizer tests" sanitizer_tests
run_stage "fuzz build" "$root/scripts/run-fuzzers.sh" build
run_stage "fuzzing" "$root/scripts/run-fuzzers.sh" run
