#!/usr/bin/env bash
# Builds the Debian package: build/pfc-core-designer_<version>_<arch>.deb.
# Install it with: sudo apt-get install ./build/pfc-core-designer_<version>_<arch>.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
cpack --config "$root/build/CPackConfig.cmake" -B "$root/build"
ls "$root"/build/pfc-core-designer_*.deb
