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

. tools/xsession.sh
start_x "$screen"
start_program QT_SCALE_FACTOR="$scale"

# Extras (Alt+E), its third entry; the window opens on the solid list.
key alt+e
key Down Down Return
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Umkehraufgabe$' | head -n 1)
sleep 0.5
# "Z" chooses Zylinder; two check boxes, then each row is a box and its
# unit: O is the seventh row.
key Z
for _ in $(seq 15); do key Tab; done
type_text '400'
key Tab Tab
type_text '500'
key Return
sleep 0.8
import -window "$window" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
