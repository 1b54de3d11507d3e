#!/usr/bin/env bash
# Runs clang-tidy with the repo's .clang-tidy over the Qt-free product folders engine/,
# reports/ and cli/, reading how each file compiles from <build-dir>/compile_commands.json
# (the build exports it). Fails on any finding.
#   scripts/clang-tidy.sh <build-dir>
# Only those folders: they hold the method and every format, they compile without Qt, and
# clang-tidy on them takes a minute or two on two cores; the window layers would take several
# times that and mostly check Qt's headers.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(cd "${1:?usage: scripts/clang-tidy.sh <build-dir>}" && pwd)"
# The version scripts/setup.sh installs: another one may know other checks or find other
# things.
run_clang_tidy="run-clang-tidy-14"
clang_tidy="clang-tidy-14"
for tool in "$run_clang_tidy" "$clang_tidy"; do
  if ! command -v "$tool" > /dev/null; then
    echo "$tool not found: scripts/setup.sh installs it (Debian's clang-tidy-14)." >&2
    exit 1
  fi
done
if [ ! -f "$build_dir/compile_commands.json" ]; then
  echo "$build_dir/compile_commands.json not found: configure the build first (scripts/build.sh)." >&2
  exit 1
fi
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if "$run_clang_tidy" -clang-tidy-binary "$(command -v "$clang_tidy")" -p "$build_dir" \
  -j "$(nproc)" -quiet "$root/(engine|reports|cli)/" > "$log" 2>&1; then
  echo "clang-tidy: no findings in engine/, reports/ and cli/ ($("$clang_tidy" --version | grep -o 'version [0-9.]*'))."
  exit 0
fi
# Keep the findings and their context, not the command lines run-clang-tidy echoes.
grep -v -E '^(clang-tidy-14 |[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed [0-9]+ warnings|Use -header-filter)' "$log" || true
echo "clang-tidy found problems (above); .clang-tidy lists the checks." >&2
exit 1
