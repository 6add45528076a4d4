#!/usr/bin/env bash
# Takes the README's picture of the Umkehraufgabe from the real program, driven
# from outside with the keyboard alone, on a private X server (Xvfb, 96 DPI, no
# window manager): a cylinder of V = 500 cm³ and O = 400 cm², which has two
# solutions.
#
#   tools/umkehraufgabe_screenshot.sh             writes docs/umkehraufgabe-zylinder.png
#   tools/umkehraufgabe_screenshot.sh --scale 2   the same at QT_SCALE_FACTOR=2, into /tmp
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
  out=docs/umkehraufgabe-zylinder.png screen=1280x800
else
  out=/tmp/umkehraufgabe-zylinder-${scale}x.png screen=2560x1600
fi

key() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}

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
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
pids+=($!)
frame=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvanto$' | head -n 1)
xdotool windowfocus --sync "$frame"
xdotool mousemove 0 0 # keep the pointer out of the picture

# Extras (Alt+E), its third entry; the window opens on the solid list.
key alt+e
key Down Down Return
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Umkehraufgabe$' | head -n 1)
sleep 0.5
# "Z" chooses Zylinder; each row is a box and its unit: O is the seventh row.
key Z
for _ in $(seq 13); do key Tab; done
xdotool type --delay 60 '400'
key Tab Tab
xdotool type --delay 60 '500'
key Return
sleep 0.8
import -window "$window" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
