#!/usr/bin/env bash
# Fails when two of the project's static libraries define the same strong symbol. A program
# links such a pair without complaint: the linker takes whichever archive member it meets
# first and never looks at the other, so which definition runs depends on the link order.
#   one_definition.sh <library.a>...
set -euo pipefail
listing="$(mktemp)"
trap 'rm -f "$listing"' EXIT
for library in "$@"; do
  # Strong definitions only (text, data, read-only data, BSS): inline functions, templates
  # and vtables are weak or unique and may stand in many objects by design.
  nm --defined-only --extern-only --no-sort "$library" 2> /dev/null |
    awk -v lib="$(basename "$library")" 'NF == 3 && $2 ~ /^[TDRB]$/ { print $3, lib }'
done | sort > "$listing"
duplicates="$(awk '{ count[$1]++; where[$1] = where[$1] " " $2 } END {
  for (s in count) if (count[s] > 1) print s ":" where[s] }' "$listing" | sort)"
if [ -n "$duplicates" ]; then
  echo "Symbols defined more than once:"
  while IFS= read -r line; do
    echo "  $(c++filt <<< "${line%%:*}") in${line#*:}"
  done <<< "$duplicates"
  exit 1
fi
echo "$(wc -l < "$listing") strong definitions in $# libraries, each defined once."
