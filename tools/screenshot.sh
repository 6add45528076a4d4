#!/usr/bin/env bash
# Takes the README's screenshot from the real program, driven from outside the
# way a keyboard user drives it: on a private X server (Xvfb, 96 DPI, no window
# manager) it chooses "Kugel" in the start window, presses "Weiter", types a
# radius into the sphere window and computes, then saves the frame window;
# before that, the frame with the start window alone.
#
#   tools/screenshot.sh                 writes docs/screenshot.png and docs/startfenster.png
#   tools/screenshot.sh --scale 2       writes /tmp/solvanto-screenshot-2x.png and
#                                       /tmp/solvanto-startfenster-2x.png at
#                                       QT_SCALE_FACTOR=2, to check high-DPI scaling
#
# The program is build/src/solvanto unless SOLVANTO names another one. Needs the
# Debian packages xvfb, xdotool and imagemagick, and the de_DE.UTF-8 locale.
set -euo pipefail
cd "$(dirname "$0")/.."

scale=1
if [ "${1:-}" = "--scale" ]; then
  scale=${2:?"--scale needs a factor"}
fi
program=${SOLVANTO:-build/src/solvanto}
[ -x "$program" ] || { echo "no program at $program; build first (./solvanto.sh run)" >&2; exit 1; }
if [ "$scale" = 1 ]; then
  out=docs/screenshot.png start=docs/startfenster.png screen=1280x800
else
  out=/tmp/solvanto-screenshot-${scale}x.png start=/tmp/solvanto-startfenster-${scale}x.png
  screen=2560x1600
fi

# A display number nobody uses.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
export DISPLAY=:$display

pids=()
cleanup() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 "${screen}x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.05
done

# German, as the program is meant to be used; the program itself reads no
# variable, Qt takes the language and the decimal comma from the locale.
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
pids+=($!)
frame=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvanto$' | head -n 1)
xdotool windowfocus --sync "$frame"
xdotool mousemove 0 0 # keep the pointer out of the picture
sleep 0.5
mkdir -p "$(dirname "$out")"
import -window "$frame" "$start"
echo "$start: $(identify -format '%wx%h' "$start")"

key() {
  xdotool key --delay 40 "$@"
  sleep 0.2
}

# Start window: the focus is on "Weiter"; Tab, Tab reaches the options, the
# arrow keys walk them to "Kugel", Space chooses it, Tab goes on to "Weiter".
key Tab Tab Down Down Right space
key Tab space
sleep 0.5
# Sphere window: the focus starts in the radius; Enter there computes.
xdotool type --delay 60 '2,5'
key Return
sleep 0.5

import -window "$frame" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
