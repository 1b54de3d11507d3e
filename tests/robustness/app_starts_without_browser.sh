#!/usr/bin/env bash
# The desktop application shows its disclaimer without loading the embedded browser: only the
# first report may bring Qt WebEngine in. Starts the program in its start-up report mode (it
# quits once the disclaimer has been shown) and fails when the browser's core library was
# loaded at any time, by the dynamic loader's own account and by the process's memory map.
# Usage: app_starts_without_browser.sh <path of pfc-core-designer>
set -u
app="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

QT_QPA_PLATFORM=offscreen PFC_STARTUP_REPORT=1 LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/loader" \
  "$app" > "$scratch/stdout" 2> "$scratch/stderr" &
pid=$!
widgets_mapped=0
browser_mapped=0
# The map is read until the process is gone; the widgets library proves a read came after
# the program's libraries were in place.
while kill -0 "$pid" 2> /dev/null; do
  if maps="$(cat "/proc/$pid/maps" 2> /dev/null)"; then
    case "$maps" in *libQt6Widgets*) widgets_mapped=1 ;; esac
    case "$maps" in *libQt6WebEngineCore*) browser_mapped=1 ;; esac
  fi
  sleep 0.002
done
wait "$pid"
status=$?

failed=0
if [ "$status" -ne 0 ]; then
  echo "pfc-core-designer exited with status $status"
  failed=1
fi
if ! grep -q "disclaimer shown" "$scratch/stdout"; then
  echo "pfc-core-designer did not report the disclaimer as shown"
  failed=1
fi
if [ "$widgets_mapped" -ne 1 ]; then
  echo "the process map was never read while the program ran"
  failed=1
fi
if [ "$browser_mapped" -ne 0 ]; then
  echo "libQt6WebEngineCore was mapped into the process"
  failed=1
fi
if grep -qs "libQt6WebEngineCore" "$scratch"/loader.*; then
  echo "the dynamic loader loaded libQt6WebEngineCore"
  failed=1
fi
if [ "$failed" -ne 0 ]; then
  cat "$scratch/stdout" "$scratch/stderr"
  exit 1
fi
cat "$scratch/stdout"
