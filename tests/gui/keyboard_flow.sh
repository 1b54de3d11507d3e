#!/usr/bin/env bash
# The desktop program as a user at the keyboard meets it under a real window manager:
# disclaimer, input form (its tab order, Help by Tab, access key and F1, Enter, the clipboard
# keys), a refused entry and its correction, the summary, the calculations, the report viewer
# and each of its buttons, Compare Cores, both ways back to the input form, saving with Ctrl+S,
# and the end of the program. Checks the titles, where each window appears, which window has
# the keyboard, and the files written.
#   keyboard_flow.sh <pfc-core-designer>
# Starts its own X server and openbox, so that other tests on the suite's display are left
# alone.
set -euo pipefail

if [ "${PFC_KEYBOARD_FLOW_DISPLAY:-}" = "" ]; then
  export PFC_KEYBOARD_FLOW_DISPLAY=started
  exec xvfb-run -a -n "$((1000 + RANDOM % 800))" -s "-screen 0 1280x1024x24" "$0" "$@"
fi

app="$1"
# shellcheck source=tests/gui/keyboard_walk_lib.sh
source "$(dirname "$0")/keyboard_walk_lib.sh"

# The window's frame lies wholly on the 1280x1024 screen, centred on it. The window manager
# frames and places a new window a moment after it is mapped, so the frame is measured again
# for a while before the place counts as wrong.
placed() {
  local id problem=""
  id="$(window "$1")"
  for _ in $(seq 50); do
    sleep 0.1
    frame_of "$id"
    if ((left < 0 || top < 0 || left + width > 1280 || top + height > 1024)); then
      problem="is not wholly on the screen: ${width}x${height} at $left,$top"
    elif ((left * 2 + width - 1280 > 2 || 1280 - width - 2 * left > 2 ||
           top * 2 + height - 1024 > 2 || 1024 - height - 2 * top > 2)); then
      problem="is not centred: ${width}x${height} at $left,$top"
    else
      return 0
    fi
  done
  fail "\"$1\" $problem"
}

start_window_manager --sm-disable
start_program "$app"

readonly disclaimer="Power Factor Correction Core Selection"
readonly inputs="Power factor Correction (PFC) Inputs"
readonly summary="PFC Summary Core Design"
readonly listing="PFC Intermediate Output"
readonly viewer="PFC Core Design  Report - temp.htm"
readonly directions="PFC Calculator Explaination"

step="the disclaimer"
placed "$disclaimer"
active "$disclaimer"
key Return  # "I Accept" is the default

step="the input form"
placed "$inputs"
active "$inputs"

step="Help in reading order: after the frequency and its unit"
key Tab Tab
key Return  # a focused button takes Enter itself
active "$directions"
key Escape
gone "$directions"
active "$inputs"

step="Help by its access key and by F1"
key alt+h
active "$directions"
key Escape
active "$inputs"
key F1
active "$directions"
key Escape
active "$inputs"

step="Shift+Tab from the frequency box to Compare Cores, the last in reading order"
key shift+Tab  # back from Help to the unit list
key shift+Tab shift+Tab  # the frequency box, then the last control
key Return
active "Compare Cores"
key Escape
gone "Compare Cores"
active "$inputs"

step="the clipboard keys in the numeric boxes: the frequency copied over Vout, then undone"
key Tab  # the frequency box, from the last control, all of it selected
key ctrl+c
key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab  # to Vout, all of it selected
key ctrl+v
key Return  # Vout 100000 is above its limit: refused
active "Caution"
key Return
active "$inputs"
key ctrl+z  # Vout is 380 again

step="a refused efficiency, corrected from the keyboard; Enter runs the design"
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab  # back past Vin Max, Vin Min and the catalogue buttons to Efficiency, all of it selected
type_text 80
key Return
window "Caution" > /dev/null  # the exact title, nothing appended
active "Caution"
key Return
active "$inputs"
type_text 95  # replaces the whole text again
key Return
placed "$summary"
active "$summary"

step="the calculations and back"
key alt+c
placed "$listing"
active "$listing"
key Escape
gone "$listing"
active "$summary"

step="the report viewer"
key alt+v
placed "$viewer"
active "$viewer"
sleep 2  # the browser draws the report

step="Save as HTML File"
key alt+s
active "Save As"
type_text "$scratch/design1"
key Return
file_appears "$scratch/design1.html"
active "$viewer"

step="saving over the same file asks first"
cp "$scratch/design1.html" "$scratch/design1.before"
echo "older" > "$scratch/design1.html"
key alt+s
active "Save As"
type_text "$scratch/design1"
key Return
active "Save As"  # the question
key Return        # "No" is the default
active "Save As"  # the dialog again
key Escape
active "$viewer"
[ "$(cat "$scratch/design1.html")" = "older" ] || fail "the file was replaced without a yes"

step="Print"
key alt+p
active "Print"
key Escape
active "$viewer"

step="Open, an .htm file too; the title names the file shown"
cp "$scratch/design1.before" "$scratch/older.htm"
key alt+o
active "Open"
type_text "$scratch/older.htm"
key Return
active "PFC Core Design  Report - older.htm"

step="Save as PDF"
key alt+d
active "Save as PDF"
type_text "$scratch/report"
key Return
file_appears "$scratch/report.pdf"
active "PFC Core Design  Report - older.htm"

step="Back"
key alt+b
gone "PFC Core Design  Report - older.htm"
active "$summary"

step="Compare Cores"
key alt+m
placed "Compare Cores"
active "Compare Cores"
key Escape
gone "Compare Cores"
active "$summary"

step="Reset Design Inputs with the calculations and the report open"
key alt+c
active "$listing"
key alt+Tab
active "$summary"
key alt+v
active "$viewer"
key alt+Tab
active "$summary"
key alt+e
active "$inputs"
gone "$listing"
gone "$viewer"
gone "$summary"

step="the viewer's Reset Design"
key alt+s
active "$summary"
key alt+v
active "$viewer"
key alt+r
active "$inputs"
gone "$viewer"
gone "$summary"

step="Ctrl+S asks where only while the form names no file"
key ctrl+s
active "Save Design"
type_text "$scratch/boost"
key Return
file_appears "$scratch/boost.pfcdesign"
active "boost.pfcdesign - $inputs"
key alt+s  # the summary, and back with the entries kept
active "$summary"
key alt+e
active "boost.pfcdesign - $inputs"
key ctrl+a  # the efficiency box kept the keyboard since its correction
type_text 96
active "boost.pfcdesign* - $inputs"
key ctrl+s
active "boost.pfcdesign - $inputs"
grep -q '"efficiency": "96"' "$scratch/boost.pfcdesign" ||
  fail "Ctrl+S did not save to the named file: $(cat "$scratch/boost.pfcdesign")"

step="closing the input form ends the program"
key alt+m
active "Compare Cores"
key alt+c
active "boost.pfcdesign - $inputs"
key alt+F4
for _ in $(seq 100); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
echo "keyboard flow: every step passed"
