# The keyboard walks' shared steps: the scratch folder and its cleanup, waiting for a window by
# its title or for the keyboard, keys and typing, a window's frame, a file written, and the
# window manager and the program started. Sourced by each walk.
# shellcheck shell=bash

scratch="$(mktemp -d)"
app_pid=""
wm_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$wm_pid" ]; then kill "$wm_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

step=""
fail() {
  echo "FAILED at: $step: $*" >&2
  echo "windows on screen:" >&2
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sed 's/^/  /' >&2 || true
  exit 1
}

# The title as a pattern that matches it alone.
# shellcheck disable=SC2016  # the $ is the pattern's own
exactly() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')"; }

# The visible window of exactly this title; fails after a while without one.
window() {
  local id
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name "$(exactly "$1")" 2>/dev/null | head -n 1 || true)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window titled \"$1\""
}

gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$(exactly "$1")" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "the window \"$1\" is still open"
}

# Waits until the window of this title has the keyboard.
active() {
  local title=""
  for _ in $(seq 100); do
    title="$(xdotool getactivewindow getwindowname 2>/dev/null || true)"
    [ "$title" = "$1" ] && return 0
    sleep 0.1
  done
  fail "\"$1\" should have the keyboard, \"$title\" has"
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
# Milliseconds between typed keys; a walk may type faster.
type_delay=60
type_text() { xdotool type --delay "$type_delay" "$1"; sleep 0.2; }

# Sets left, top, width and height to the frame of the window of this id, title bar and
# borders included.
frame_of() {
  local frame fl fr ft fb
  eval "$(xwininfo -id "$1" | awk -F: '
    /Absolute upper-left X/ {print "left=" $2+0}
    /Absolute upper-left Y/ {print "top=" $2+0}
    /Width/ {print "width=" $2+0}
    /Height/ {print "height=" $2+0}')"
  frame="$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  read -r fl fr ft fb <<< "${frame:-0 0 0 0}"
  left=$((left - fl)); top=$((top - ft))
  width=$((width + fl + fr)); height=$((height + ft + fb))
}

file_appears() {
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "$1 was not written"
}

# Starts openbox with these options and waits until it manages the screen.
start_window_manager() {
  openbox "$@" > "$scratch/openbox.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}

# Starts this program with the scratch folder as its home and temporary folder.
start_program() {
  export TEMP="$scratch" HOME="$scratch" XDG_CONFIG_HOME="$scratch/config"
  export QTWEBENGINE_DISABLE_SANDBOX=1
  "$1" > "$scratch/app.log" 2>&1 &
  app_pid=$!
}
