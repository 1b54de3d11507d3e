#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
export QTWEBENGINE_DISABLE_SANDBOX=1
jobs="$(nproc)"
# xvfb-run -a takes the first free display from its start number; starting at a random one
# keeps two runs on one machine from racing for the same display.
xvfb() { xvfb-run -a -n "$((100 + RANDOM % 800))" "$@"; }

echo "== Build =="
"$root/scripts/build.sh" "$root/build"
echo "== Tests =="
xvfb ctest --test-dir "$root/build" --output-on-failure -j "$jobs" \
  | tee "$root/build/ctest-summary.log"

echo "== Sanitizer build (ASan + UBSan) =="
"$root/scripts/build.sh" "$root/build-asan" -DPFC_SANITIZE=ON -DPFC_BUILD_BENCHMARKS=OFF
echo "== Tests under sanitizers =="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The embedded browser runs Chromium, which does not run under ASan, and the package checks
# would only repeat themselves on sanitized binaries; both run above.
xvfb ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs" -LE "webengine|package" \
  | tee "$root/build-asan/ctest-summary.log"

echo "== Fuzzing =="
"$root/scripts/run-fuzzers.sh"

echo "== Summary =="
echo "normal build:    $(grep -E 'tests passed' "$root/build/ctest-summary.log")"
echo "sanitizer build: $(grep -E 'tests passed' "$root/build-asan/ctest-summary.log")"
echo "fuzzing (${PFC_FUZZ_SECONDS:-60}s per target):"
cat "$root/build-fuzz/fuzz-summary.log"
