#!/usr/bin/env bash
# Takes a picture of the window "Zusammengesetzter Körper" from the real
# program, driven from outside with the keyboard alone, on a private X server
# (Xvfb, 96 DPI, no window manager): a silo, a cylinder of r = 3 cm, h = 5 cm
# without a floor with a cone of r = 3 cm, h = 4 cm set on it, computed.
#
#   tools/zusammengesetzt_screenshot.sh             writes /tmp/zusammengesetzt.png
#   tools/zusammengesetzt_screenshot.sh --scale 2   the same at QT_SCALE_FACTOR=2
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
  out=/tmp/zusammengesetzt.png screen=1280x800
else
  out=/tmp/zusammengesetzt-${scale}x.png screen=2560x1600
fi

. tools/xsession.sh
start_x "$screen"
start_program QT_SCALE_FACTOR="$scale"

# Extras (Alt+E), its fourth entry; the window opens on part 1's body.
key alt+e
key Down Down Down Return
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zusammengesetzter Körper$' | head -n 1)
sleep 0.5
# Part 1: "Z" chooses Zylinder; the count, "ohne Grundfläche" ticked and
# "ohne Deckfläche", then each row is a box and its unit.
key Z
key Tab Tab
key space
key Tab Tab
type_text '3'
key Tab Tab Tab Tab
type_text '5'
# From h past its unit and five more rows to "Teil hinzufügen".
for _ in $(seq 12); do key Tab; done
key space
# Part 2: "K" chooses Kegel, set on part 1; the joint, the count and the
# base's check box before its rows.
key K
key Tab Tab Tab Tab
type_text '3'
key Tab Tab Tab Tab
type_text '4'
key Return
sleep 0.8
# The rows scrolled to their end, where the whole body's V and O stand.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 150 * scale)) $((Y + 300 * scale))
for _ in $(seq 30); do xdotool click 5; done
sleep 0.5
import -window "$window" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
