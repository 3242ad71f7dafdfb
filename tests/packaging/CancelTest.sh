#!/usr/bin/env bash
# Starts the wizard on a virtual display, presses Escape (Cancel) on its first
# page and expects exit status 0 with nothing on standard error:
#   CancelTest.sh MOORPLAN WORK
set -euo pipefail
moorplan=$1 work=$2
rm -rf "$work" && mkdir -p -m 0700 "$work"
export XDG_RUNTIME_DIR=$work   # as a desktop session sets it; the toolkit warns without it
export QT_QPA_PLATFORM=xcb     # the virtual display, not the headless platform of the other tests

status=0
timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" 2>"$2/stderr" &
  pid=$!
  window=$(xdotool search --sync --onlyvisible --classname "^moorplan$" | head -n1)
  xdotool windowfocus --sync "$window"
  xdotool key Escape
  wait $pid' cancel "$moorplan" "$work" || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status" >&2; cat "$work/stderr" >&2; exit 1; }
[ ! -s "$work/stderr" ] || { echo "FAIL: standard error:" >&2; cat "$work/stderr" >&2; exit 1; }
