#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop application.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build"
if [ "$(id -u)" -eq 0 ]; then
  # Chromium's sandbox refuses to run as root; the report viewer needs this.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$root/build/bin/pfc-core-designer" "$@"
