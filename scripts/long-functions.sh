#!/usr/bin/env bash
# Lists the product's functions over 80 lines (engine/, reports/, cli/, ui/ and app/; not the
# tests, benchmarks or fuzz targets), as clang-tidy's readability-function-size counts them:
# from the opening brace to the closing one, blank lines and comments included. Exits non-zero
# when there is one. Reads how each file compiles from <build-dir>/compile_commands.json, so
# the Qt folders need a configured build (scripts/build.sh) with their generated files.
#   scripts/long-functions.sh <build-dir> [folder-regex]
# The CI's clang-tidy stage (scripts/clang-tidy.sh, .clang-tidy) holds engine/, reports/ and
# cli/ to the same limit; this script measures the whole product, Qt folders included, which
# takes several minutes on two cores.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$(cd "${1:?usage: scripts/long-functions.sh <build-dir> [folder-regex]}" && pwd)"
folders="${2:-engine|reports|cli|ui|app}"
limit=80
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
run-clang-tidy-14 -clang-tidy-binary "$(command -v clang-tidy-14)" -p "$build_dir" \
  -j "$(nproc)" -quiet \
  -config="{Checks: '-*,readability-function-size', CheckOptions: [{key: readability-function-size.LineThreshold, value: $limit}]}" \
  -header-filter="/($folders)" "$root/($folders)" > "$log" 2>&1 || true
# A finding is a warning line naming the function, then a note with its length.
found="$(sed 's/\x1b\[[0-9;]*m//g' "$log" | awk -v root="$root/" '
  / warning: function .* exceeds recommended size/ {
    split($1, at, ":"); file = at[1]; sub("^" root, "", file); sub("^.*/include/[^/]*/", "", file)
    name = $0; sub(/^.*function /, "", name); sub(/ exceeds.*$/, "", name)
    where = file ":" at[2] " " name
  }
  / note: [0-9]+ lines including/ && where != "" {
    match($0, /[0-9]+ lines/); print where " " substr($0, RSTART, RLENGTH); where = ""
  }' | sort -u)"
if grep -q "clang-diagnostic-error" "$log"; then
  sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -A3 "clang-diagnostic-error" | head -40 >&2
  echo "clang-tidy could not compile some files (above): build the tree first." >&2
  exit 2
fi
if [ -z "$found" ]; then
  echo "No product function over $limit lines in ${folders//|/, }."
  exit 0
fi
echo "Functions over $limit lines:"
echo "$found" | sed 's/^/  /'
exit 1
