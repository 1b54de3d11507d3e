#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <build-dir> [cmake options...]
# Compiles through ccache when it is installed (scripts/setup.sh installs it); see
# scripts/ccache-env.sh for where its cache lives.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build_dir="$1"
shift
mkdir -p "$build_dir"
launcher=()
if command -v ccache > /dev/null; then
  # shellcheck source=scripts/ccache-env.sh
  source "$root/scripts/ccache-env.sh"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
log="$build_dir/configure.log"
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" \
  > "$log" 2>&1 || { cat "$log"; exit 1; }
cmake --build "$build_dir" -j "$(nproc)"
