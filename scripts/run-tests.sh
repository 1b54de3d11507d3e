#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"

export QTWEBENGINE_DISABLE_SANDBOX=1
echo "== Tests =="
xvfb-run -a ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
