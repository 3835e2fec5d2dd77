#!/usr/bin/env bash
# Starts and closes the main menu five times on a virtual X display and checks that it opens
# exactly where it was closed, to the pixel. Usage: scripts/check-window-places.sh [path/to/zel]
# Needs xvfb and xdotool (scripts/install-deps.sh installs them). With WM=openbox (or another window
# manager on the PATH) the window gets a real frame and title bar, which is where drift comes from.
set -euo pipefail

zel=$(realpath "${1:-build/zel}")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$zel"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
"$zel" --home "$home" db new "$home/Shop.ZELDB" >/dev/null
if [ -n "${WM:-}" ]; then
  "$WM" >/dev/null 2>&1 &
  wm_pid=$!
  trap 'kill $wm_pid 2>/dev/null || true; rm -rf "$home"' EXIT
  sleep 1
fi

place() { # the saved left, top, width and height of the main menu
  for key in Left Top Width Height; do
    sed -n "s/^Zel_Main-$key=//p" "$home/ZELSCRSIZESINI.600" | tr -d '\r'
  done | paste -sd' '
}

first=""
for start in 1 2 3 4 5; do
  "$zel" --home "$home" --db "$home/Shop.ZELDB" >/dev/null 2>&1 &
  pid=$!
  sleep 2
  # Notices at start (a new database's options) are answered with Enter.
  while box=$(xdotool search --onlyvisible --name '^Customer Management System$' | head -1) && [ -n "$box" ]; do
    xdotool windowfocus --sync "$box" key Return
    sleep 1
  done
  window=$(xdotool search --sync --onlyvisible --name '^ZEL  ' | head -1)
  shown=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}')
  if [ "$start" -eq 1 ]; then
    xdotool windowmove "$window" 130 90 # somewhere that is not the centre
    sleep 1
  fi
  xdotool windowfocus --sync "$window" key --clearmodifiers alt+x
  wait "$pid"
  echo "start $start: shown at $shown, saved as $(place)"
  if [ "$start" -eq 2 ]; then
    first=$(place)
  elif [ "$start" -gt 2 ] && [ "$(place)" != "$first" ]; then
    echo "FAILED: the main menu moved from $first to $(place)" >&2
    exit 1
  fi
done
echo "OK: the main menu opened where it was closed, five times"
