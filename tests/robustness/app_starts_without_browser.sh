#!/usr/bin/env bash
# The desktop application shows its disclaimer without the embedded browser and without an
# OpenGL driver: only the report viewer program, started by the first report, may bring
# either in. Starts the program in its start-up report mode (it quits once the disclaimer has
# been shown) and fails when the browser's core library or a piece of the OpenGL driver was
# loaded at any time, by the dynamic loader's own account and by the process's memory map.
# On a display (xvfb-run) the program runs on X11, where the OpenGL driver would come in;
# without one, on the offscreen platform, which shows only the browser's absence.
# Usage: app_starts_without_browser.sh <path of pfc-core-designer>
set -u
app="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

platform=offscreen
if [ -n "${DISPLAY:-}" ]; then
  platform=xcb
fi
# The libraries that must stay out: the browser's core, Qt's GLX glue, Mesa's GLX and DRI
# drivers and the compiler they run on.
unwanted='libQt6WebEngineCore|libqxcb-glx-integration|libGLX_mesa|swrast_dri|_dri\.so|libLLVM'

QT_QPA_PLATFORM=$platform PFC_STARTUP_REPORT=1 LD_DEBUG=files LD_DEBUG_OUTPUT="$scratch/loader" \
  "$app" > "$scratch/stdout" 2> "$scratch/stderr" &
pid=$!
widgets_mapped=0
: > "$scratch/mapped"
# The map is read until the process is gone; the widgets library proves a read came after
# the program's libraries were in place.
while kill -0 "$pid" 2> /dev/null; do
  if maps="$(cat "/proc/$pid/maps" 2> /dev/null)"; then
    case "$maps" in *libQt6Widgets*) widgets_mapped=1 ;; esac
    grep -oE "[^ /]*($unwanted)[^ ]*" <<< "$maps" >> "$scratch/mapped"
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
if [ -s "$scratch/mapped" ]; then
  echo "mapped into the process: $(sort -u "$scratch/mapped" | tr '\n' ' ')"
  failed=1
fi
if loaded="$(grep -ohE "file=[^ ]*($unwanted)[^ ]*" "$scratch"/loader.* 2> /dev/null)"; then
  echo "the dynamic loader loaded: $(sort -u <<< "$loaded" | tr '\n' ' ')"
  failed=1
fi
if [ "$failed" -ne 0 ]; then
  cat "$scratch/stdout" "$scratch/stderr"
  exit 1
fi
echo "platform: $platform"
cat "$scratch/stdout"
