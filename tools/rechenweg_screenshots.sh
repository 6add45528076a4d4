#!/usr/bin/env bash
# Takes the README's pictures of the Rechenweg window from the real program,
# driven from outside with the keyboard alone, on a private X server (Xvfb, 96
# DPI, no window manager): for a cylinder, a frustum and a hollow cylinder.
#
#   tools/rechenweg_screenshots.sh              writes docs/rechenweg-zylinder.png,
#                                               docs/rechenweg-pyramidenstumpf.png and
#                                               docs/rechenweg-hohlzylinder.png
#   tools/rechenweg_screenshots.sh --scale 2    the same at QT_SCALE_FACTOR=2, into /tmp
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
  folder=docs screen=1280x800
else
  folder=/tmp screen=2560x1600
fi

. tools/xsession.sh

# One solid: start the program, choose it, type its dimensions, open the
# Rechenweg from the Extras menu and save that window.
shoot() {
  local name=$1 choose=$2 fill=$3
  start_x "$screen"
  start_program QT_SCALE_FACTOR="$scale"
  $choose
  $fill
  # Extras (Alt+E), its second entry.
  key alt+e
  key Down Return
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Rechenweg$' | head -n 1) || { import -window root /tmp/rechenweg-failed.png; echo "no Rechenweg window; see /tmp/rechenweg-failed.png" >&2; exit 1; }
  sleep 0.8
  local out=$folder/rechenweg-$name.png
  [ "$scale" = 1 ] || out=$folder/rechenweg-$name-${scale}x.png
  import -window "$window" "$out"
  echo "$out: $(identify -format '%wx%h' "$out")"
  stop_x
}

# Start window: the focus is on "Weiter"; Tab, Tab reaches the options, the
# arrow keys walk them, Space chooses, Tab goes on to "Weiter", Enter presses it.
choose_cylinder() { key Tab Tab Down space Tab Return; }
choose_pyramid() { key Tab Tab Right Right space Tab Return; }
# The further solids lie below the nine: the fourth row.
choose_hollow() { key Tab Tab Down Down Down space Tab Return; }

# Cylinder: the focus starts in the radius; Enter in the height computes.
fill_cylinder() {
  type_text '2,5'
  key Tab
  type_text '4'
  key Return
}

# Pyramid window: the focus starts in a1, then the height, then a2; three Tabs
# on, the options, where Down and Space choose the frustum; Tab goes back to
# a1, where Enter computes.
fill_frustum() {
  type_text '4'
  key Tab
  type_text '3'
  key Tab
  type_text '2'
  key Tab Tab Tab Down space Tab Return
}

# Hollow cylinder: the focus starts in R, then r and h; Enter in h computes.
fill_hollow() {
  type_text '5'
  key Tab
  type_text '3'
  key Tab
  type_text '10'
  key Return
}

shoot zylinder choose_cylinder fill_cylinder
shoot pyramidenstumpf choose_pyramid fill_frustum
shoot hohlzylinder choose_hollow fill_hollow
