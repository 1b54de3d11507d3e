#!/usr/bin/env bash
# A user's keyboard walk through the installed programs, on a display with a window manager:
# disclaimer, input form, "Show Results", "View Report", then every button of the report
# viewer (a program of its own), checking the windows that come to the front, the files
# written, and which process holds the browser.
#   keyboard_flow.sh <build-dir>
# Runs on a display of its own, so that the windows of tests running beside it take neither
# the focus nor the keys. Needs xvfb-run, xdotool and openbox (scripts/setup.sh installs them).
set -u
build="$1"
for tool in xvfb-run xdotool openbox; do
  command -v "$tool" > /dev/null || { echo "$tool is missing: run scripts/setup.sh"; exit 1; }
done
if [ -z "${PFC_KEYBOARD_FLOW_DISPLAY:-}" ]; then
  exec xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1280x1024x24" \
    env PFC_KEYBOARD_FLOW_DISPLAY=1 "$0" "$@"
fi
scratch="$(mktemp -d)"
designer=""
window_manager=""
cleanup() {
  [ -n "$designer" ] && kill "$designer" 2> /dev/null
  [ -n "$window_manager" ] && kill "$window_manager" 2> /dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$scratch/prefix" > "$scratch/install.log" ||
  { cat "$scratch/install.log"; exit 1; }
mkdir -p "$scratch/temp" "$scratch/out" "$scratch/elsewhere"
openbox > /dev/null 2>&1 &
window_manager=$!
sleep 1

# The window in front, by its title; waits up to 60 s for it.
front_is() {
  local title="$1" waited=0 active=""
  while [ "$waited" -lt 600 ]; do
    active="$(xdotool getactivewindow getwindowname 2> /dev/null)"
    case "$active" in "$title"*) return 0 ;; esac
    sleep 0.1
    waited=$((waited + 1))
  done
  fail "expected '$title' in front, found '$active'"
  return 1
}
# The viewer program's process id; empty when none runs.
viewer() {
  pgrep -f "$scratch/prefix/lib/pfc-core-designer/pfc-report-viewer" | head -1
}
viewer_gone() {
  local waited=0
  while [ -n "$(viewer)" ] && [ "$waited" -lt 100 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  [ -z "$(viewer)" ] || fail "the viewer still runs after $1"
}
file_appears() {
  local waited=0
  while [ ! -s "$1" ] && [ "$waited" -lt 300 ]; do
    sleep 0.1
    waited=$((waited + 1))
  done
  [ -s "$1" ] || fail "$1 was not written"
}
keys() {
  xdotool key --delay 100 "$@"
}
type_name() {
  sleep 0.5
  xdotool type --delay 30 "$1"
  keys Return
}

# As root, as a user would start it: no sandbox setting of one's own.
cd "$scratch/elsewhere" || exit 1
env -u QTWEBENGINE_DISABLE_SANDBOX TEMP="$scratch/temp" \
  "$scratch/prefix/bin/pfc-core-designer" > "$scratch/designer.log" 2>&1 &
designer=$!

front_is "Power Factor Correction Core Selection"
keys alt+a
front_is "Power factor Correction (PFC) Inputs"
keys alt+s
front_is "PFC Summary Core Design"
keys alt+v
front_is "PFC Core Design  Report"
viewer_process="$(viewer)"
if [ -z "$viewer_process" ]; then
  fail "no viewer program runs"
elif ! grep -q libQt6WebEngineCore "/proc/$viewer_process/maps"; then
  fail "the viewer runs without the browser"
fi
if grep -qE 'libQt6WebEngineCore|swrast_dri|libGLX_mesa|libLLVM' "/proc/$designer/maps"; then
  fail "the designer maps the browser or an OpenGL driver"
fi

keys alt+s
front_is "Save As" && type_name "$scratch/out/saved"
file_appears "$scratch/out/saved.html"
cmp -s "$scratch/out/saved.html" "$scratch/temp/temp.htm" ||
  fail "the saved copy differs from the generated report"
front_is "PFC Core Design  Report"

keys alt+o
front_is "Open" && type_name "$scratch/out/saved.html"
front_is "PFC Core Design  Report"

keys alt+d
front_is "Save as PDF" && type_name "$scratch/out/report"
file_appears "$scratch/out/report.pdf"
[ "$(head -c 5 "$scratch/out/report.pdf")" = "%PDF-" ] || fail "report.pdf is not a PDF"
front_is "PFC Core Design  Report"

keys alt+p
front_is "Print" && keys Escape
front_is "PFC Core Design  Report"

keys alt+b
front_is "PFC Summary Core Design"
viewer_gone "Back"

keys alt+v
front_is "PFC Core Design  Report"
keys alt+r
front_is "Power factor Correction (PFC) Inputs"
viewer_gone "Reset Design"

keys alt+s
front_is "PFC Summary Core Design"
keys alt+v
front_is "PFC Core Design  Report"
kill "$designer"
wait "$designer" 2> /dev/null
designer=""
viewer_gone "the designer ended"

if [ "$failures" -ne 0 ]; then
  echo "--- designer's output"
  cat "$scratch/designer.log"
  echo "$failures check(s) failed"
  exit 1
fi
echo "keyboard flow through the installed programs checked"
