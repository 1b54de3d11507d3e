#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it (the repo's
# .clang-format). Lists the files; `clang-format -i <file>...` fixes them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
clang_format="${CLANG_FORMAT:-clang-format}"

files=()
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  # An unpacked source tree without git: every C++ file outside the build trees.
  mapfile -t files < <(find . -path './build*' -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) \
    -print | sed 's|^\./||' | sort)
fi
if ((${#files[@]} == 0)); then
  echo "No C++ files found to check." >&2
  exit 1
fi

log="$(mktemp)"
trap 'rm -f "$log"' EXIT
if "$clang_format" --dry-run --Werror "${files[@]}" > "$log" 2>&1; then
  echo "${#files[@]} files formatted as .clang-format says ($("$clang_format" --version))."
  exit 0
fi
# Each difference is reported as "<file>:<line>:<column>: error: ..."; anything else is
# clang-format itself failing.
mapfile -t unformatted < <(grep -oP '^[^:\s]+(?=:\d+:\d+: error:)' "$log" | sort -u)
if ((${#unformatted[@]} == 0)); then
  cat "$log"
  echo "clang-format failed." >&2
  exit 1
fi
echo "${#unformatted[@]} of ${#files[@]} files are not formatted as .clang-format says:"
printf '  %s\n' "${unformatted[@]}"
echo "Fix with: $clang_format -i <file>..."
exit 1
