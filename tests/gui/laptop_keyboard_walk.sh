#!/usr/bin/env bash
# The Operating Check and Find Designs from the keyboard on a laptop's screen, 1366x768 with a
# 40-pixel panel (openbox keeps the bottom 40 pixels free, as a panel's strut would), under a
# real window manager: each window wholly on the free part of the screen, Escape in the open
# grade list, a material fitted to typed points, the Tab ring to the last button, a search run
# and cancelled, Enter in an entry searching, and a material file searched beside a grade.
#   laptop_keyboard_walk.sh <pfc-core-designer>
set -euo pipefail

if [ "${PFC_LAPTOP_WALK_DISPLAY:-}" = "" ]; then
  export PFC_LAPTOP_WALK_DISPLAY=started
  exec xvfb-run -a -n "$((1000 + RANDOM % 800))" -s "-screen 0 1366x768x24" "$0" "$@"
fi

app="$1"
# shellcheck source=tests/gui/keyboard_walk_lib.sh
source "$(dirname "$0")/keyboard_walk_lib.sh"
type_delay=40

# The window's frame, title bar included, lies wholly above the panel.
fits() {
  local id problem=""
  id="$(window "$1")"
  for _ in $(seq 30); do
    sleep 0.1
    frame_of "$id"
    if ((left >= 0 && top >= 0 && left + width <= 1366 && top + height <= 728)); then
      return 0
    fi
    problem="${width}x${height} at $left,$top"
  done
  fail "\"$1\" is not wholly above the panel: $problem"
}

mkdir -p "$scratch/openbox"
cat > "$scratch/openbox/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>40</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
start_window_manager --sm-disable --config-file "$scratch/openbox/rc.xml"
start_program "$app"

readonly disclaimer="Power Factor Correction Core Selection"
readonly inputs="Power factor Correction (PFC) Inputs"
readonly summary="PFC Summary Core Design"
readonly check="Operating Check"
readonly find="Find Designs"
readonly fit="Fit Material"

step="the default design"
# A loaded machine may take a while to start the program; once its first window shows, it is
# given the keyboard in case the window manager mapped it before it could take the focus.
for _ in $(seq 300); do
  xdotool search --onlyvisible --name "$(exactly "$disclaimer")" > /dev/null 2>&1 && break
  sleep 0.1
done
xdotool windowactivate --sync "$(window "$disclaimer")" 2> /dev/null || true
active "$disclaimer"
key Return
active "$inputs"
fits "$inputs"
key Return
active "$summary"
fits "$summary"

step="the Operating Check fits above the panel"
key alt+o
active "$check"
fits "$check"

step="Escape in the open grade list closes the list alone"
key alt+g
key alt+Down
key Escape
sleep 0.5
active "$check"

step="Fit Material fits above the panel, fits typed points on Enter and closes on Escape"
key alt+f
active "$fit"
fits "$fit"
key alt+p
type_text "20, 95"
key Return
type_text "60, 70"
key Return
type_text "120, 45"
key alt+e
type_text "60"
key alt+n
type_text "Typed 60"
key Return
key alt+u
key Escape
gone "$fit"
active "$check"
key alt+g

step="Tab from the grade list round to Close, the last button, out of sight at first"
# The four limits, Find Designs, Export CSV, Save as PDF, Export Model, Build Sheet, Turns,
# Wire, Strands, Material, Fit Material and Close: "Published Winding" takes no focus while the
# published winding is checked.
key Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
key space
gone "$check"
active "$summary"

step="Find Designs fits above the panel; its search cancelled"
key alt+f
active "$find"
fits "$find"
key alt+n
sleep 0.5
active "$find"

step="a material file beside a grade, searched by Enter in the Materials entry"
cat > "$scratch/supplier.json" <<'JSON'
{"name": "Supplier 75", "permeability": 75, "rolloff_b": 1.1e-9, "rolloff_c": 1.84}
JSON
key alt+t
key ctrl+a
type_text "60, $scratch/supplier.json"
key alt+k
key ctrl+a
type_text 2
key Return
sleep 5  # 31 cores in two materials: a moment
key alt+e
active "Export Designs"
type_text "$scratch/found"
key Return
file_appears "$scratch/found.csv"
active "$find"
grep -q "Supplier 75" "$scratch/found.csv" || fail "no design in the file's material was found"
grep -q ",60," "$scratch/found.csv" || fail "no design in grade 60 was found"

step="Escape closes Find Designs"
key Escape
gone "$find"
active "$summary"
echo "laptop keyboard walk: every step passed"
