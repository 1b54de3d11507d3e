#!/usr/bin/env bash
# Fails when a file of ui/forms/ includes a folder of ui/forms/ that it may not stand on.
# The folders stand in three rooms:
#   ground: session < design_files   what the windows share; includes no window
#   windows: every other folder       includes only itself and the ground
#   roof: shell, viewer               the registry and the ways between windows; includes any
# A window opens another through the ground's WindowDoors, which the roof fills in.
#   forms_include_order.sh <source-dir>
set -euo pipefail
root="$(cd "${1:?usage: forms_include_order.sh <source-dir>}" && pwd)"
ground=(session design_files)
roof=(shell viewer)

ground_rank() {
  local i
  for i in "${!ground[@]}"; do
    if [ "${ground[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

in_roof() {
  local folder
  for folder in "${roof[@]}"; do
    [ "$folder" = "$1" ] && return 0
  done
  return 1
}

# Whether a file of folder $1 may include a header of folder $2.
may_include() {
  local own="$1" target="$2" own_rank target_rank
  [ "$own" = "$target" ] && return 0
  in_roof "$own" && return 0
  target_rank="$(ground_rank "$target")"
  ((target_rank < 0)) && return 1 # a window, or the roof
  own_rank="$(ground_rank "$own")"
  ((own_rank < 0)) && return 0 # a window stands on the whole ground
  ((target_rank < own_rank))
}

wrong=()
for folder in "$root"/ui/forms/*/; do
  name="$(basename "$folder")"
  while IFS=: read -r file line include; do
    target="$(sed -E 's|.*"ui/forms/([^/]+)/.*|\1|' <<< "$include")"
    if ! may_include "$name" "$target"; then
      wrong+=("${file#"$root"/}:$line includes ui/forms/$target/")
    fi
  done < <(grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"ui/forms/[^/]+/' \
    "$folder"*.h "$folder"*.cpp 2> /dev/null || true)
done

if ((${#wrong[@]} > 0)); then
  echo "Includes that cross ui/forms' rooms (ground: ${ground[*]}; roof: ${roof[*]};" \
    "a window includes only itself and the ground):"
  printf '  %s\n' "${wrong[@]}"
  exit 1
fi
echo "Every ui/forms folder includes only what its room stands on."
