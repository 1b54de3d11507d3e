#!/usr/bin/env bash
# Runs a test program that opens windows on the suite's virtual display, again when the
# display refused its connection: now and then Xvfb turns one connection away while other
# browser tests start and end beside it, and Qt then aborts before any test has run. Any
# other outcome, a failed test included, stands as it is.
#   retry_refused_display.sh <program> [arguments...]
for attempt in 1 2 3; do
  output="$("$@" 2>&1)"
  status=$?
  if [ "$status" -eq 0 ] || ! grep -q "could not connect to display" <<< "$output"; then
    break
  fi
  echo "attempt $attempt: the display refused the connection" >&2
  sleep 0.5
done
printf '%s\n' "$output"
exit "$status"
