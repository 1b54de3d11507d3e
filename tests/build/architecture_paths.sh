#!/usr/bin/env bash
# Fails when docs/ARCHITECTURE.md names a path that is not in the source tree: a folder or
# file named from the root (`cli/optimize/`, `engine/search/explorer.*`) must match at least
# one entry there; a file named alone (`summary_texts.*`, `entries.h`) or a folder named alone
# (`record/`) must stand somewhere under the product and test folders.
#   architecture_paths.sh <source-dir>
set -euo pipefail
root="$(cd "${1:?usage: architecture_paths.sh <source-dir>}" && pwd)"
map="$root/docs/ARCHITECTURE.md"
top='(\.ci|app|assets|bench|cli|docs|engine|fuzz|packaging|reports|scripts|tests|ui)'

# An entry anywhere below the root but the build trees and the repository's own files.
exists_below() {
  local type="$1" name="$2"
  [ -n "$(find "$root" \( -path "$root/build*" -o -path "$root/.git" \) -prune -o \
    -type "$type" -name "$name" -print -quit)" ]
}

# What the map writes as code: paths among names, options and commands.
# shellcheck disable=SC2016 # the backquotes are the Markdown's, not the shell's
names="$(grep -o '`[^`]*`' "$map" | tr -d '`' | sort -u)"
missing=()
while IFS= read -r path; do
  if [[ "$path" =~ ^$top/ ]]; then
    # A pattern (a trailing * or .*) is left unquoted so that the shell expands it.
    shopt -s nullglob
    # shellcheck disable=SC2206
    matches=($root/$path)
    shopt -u nullglob
    if ((${#matches[@]} == 0)) || { [[ "$path" == */ ]] && [ ! -d "${matches[0]}" ]; }; then
      missing+=("$path")
    fi
  elif [[ "$path" =~ ^[A-Za-z0-9_]+\.(h|cpp|sh|\*)$ ]]; then
    exists_below f "$path" || missing+=("$path")
  elif [[ "$path" =~ ^[a-z_]+/$ ]]; then
    exists_below d "${path%/}" || missing+=("$path")
  fi
done <<< "$names"

if ((${#missing[@]} > 0)); then
  echo "docs/ARCHITECTURE.md names paths that do not exist:"
  printf '  %s\n' "${missing[@]}"
  exit 1
fi
echo "Every path docs/ARCHITECTURE.md names exists."
