#!/usr/bin/env bash
# Configures and builds one build tree:
#   scripts/build.sh <build-dir> [cmake options...] [-- targets...]
# Without targets it builds all of the tree.
# Compiles through ccache when it is installed (scripts/setup.sh installs it); see
# scripts/ccache-env.sh for where its cache lives.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"
shift
options=()
while (($# > 0)) && [ "$1" != -- ]; do
  options+=("$1")
  shift
done
targets=()
if (($# > 0)); then
  shift
  targets=(--target "$@")
fi
mkdir -p "$build_dir"
launcher=()
if command -v ccache > /dev/null; then
  # shellcheck source=scripts/ccache-env.sh
  source "$root/scripts/ccache-env.sh"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
log="$build_dir/configure.log"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "${options[@]}" \
  > "$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}"
