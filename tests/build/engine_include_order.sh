#!/usr/bin/env bash
# Fails when a file of engine/ includes a header of an engine folder that stands above its
# own. The folders stand in this order, each on those before it:
#   record < catalogue < inputs < method < check < search
# The build keeps the layers apart (pfc_expose_folder); inside the engine, one target, this
# keeps the folders apart.
#   engine_include_order.sh <source-dir>
set -euo pipefail
root="$(cd "${1:?usage: engine_include_order.sh <source-dir>}" && pwd)"
order=(record catalogue inputs method check search)

rank_of() {
  local i
  for i in "${!order[@]}"; do
    if [ "${order[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

upward=()
strays=()
for folder in "$root"/engine/*/; do
  name="$(basename "$folder")"
  own="$(rank_of "$name")"
  if ((own < 0)); then
    strays+=("engine/$name/")
    continue
  fi
  while IFS=: read -r file line include; do
    target="$(sed -E 's|.*"engine/([^/]+)/.*|\1|' <<< "$include")"
    if (($(rank_of "$target") > own)); then
      upward+=("${file#"$root"/}:$line includes engine/$target/")
    fi
  done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"engine/[^/]+/' \
    "$folder"*.h "$folder"*.cpp 2> /dev/null || true)
done

status=0
if ((${#strays[@]} > 0)); then
  echo "Engine folders with no place in the order (${order[*]}):"
  printf '  %s\n' "${strays[@]}"
  status=1
fi
if ((${#upward[@]} > 0)); then
  echo "Includes that run up the engine's order (${order[*]}):"
  printf '  %s\n' "${upward[@]}"
  status=1
fi
((status == 0)) && echo "Every engine folder includes only itself and the folders before it."
exit "$status"
