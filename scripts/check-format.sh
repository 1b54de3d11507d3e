#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it (the repo's
# .clang-format). Lists the files; `clang-format-14 -i <file>...` fixes them.
# Another major version formats some lines differently, so the check takes only the one
# scripts/setup.sh installs (Debian 12's clang-format-14); CLANG_FORMAT may name another
# binary of that version.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
wanted_version=14
clang_format="${CLANG_FORMAT:-clang-format-$wanted_version}"
if ! command -v "$clang_format" > /dev/null; then
  echo "$clang_format not found: the check needs clang-format $wanted_version (scripts/setup.sh" \
    "installs Debian's clang-format-$wanted_version)." >&2
  exit 1
fi
found_version="$("$clang_format" --version | head -n 1)"
if ! grep -qE "clang-format version $wanted_version\." <<< "$found_version"; then
  echo "The format check needs clang-format $wanted_version; $clang_format is: $found_version" >&2
  echo "Install Debian's clang-format-$wanted_version (scripts/setup.sh) or set CLANG_FORMAT to it." >&2
  exit 1
fi

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
  echo "${#files[@]} files formatted as .clang-format says ($found_version)."
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
