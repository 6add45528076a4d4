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

. tools/xsession.sh
start_x "$screen"
start_program QT_SCALE_FACTOR="$scale"
mkdir -p "$(dirname "$out")"
import -window "$frame" "$start"
echo "$start: $(identify -format '%wx%h' "$start")"

# Start window: the focus is on "Weiter"; Tab, Tab reaches the options, the
# arrow keys walk them to "Kugel", Space chooses it, Tab goes on to "Weiter".
key Tab Tab Down Down Right space
key Tab space
sleep 0.5
# Sphere window: the focus starts in the radius; Enter there computes.
type_text '2,5'
key Return
sleep 0.5

import -window "$frame" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
