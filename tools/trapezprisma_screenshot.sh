#!/usr/bin/env bash
# Takes the README's picture of the Umkehraufgabe for a Trapezprisma from the
# real program, driven from outside with the keyboard alone, on a private X
# server (Xvfb, 96 DPI, no window manager): a ditch of trapezoid section,
# isosceles, a = 10 m, c = 4 m, ht = 4 m and 20 m long, its sketch beside the
# rows with the letter of the row in use marked.
#
#   tools/trapezprisma_screenshot.sh     writes docs/umkehraufgabe-trapezprisma.png
#
# The program is build/src/solvanto unless SOLVANTO names another one. Needs the
# Debian packages xvfb, xdotool and imagemagick, and the de_DE.UTF-8 locale.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${SOLVANTO:-build/src/solvanto}
[ -x "$program" ] || { echo "no program at $program; build first (./solvanto.sh run)" >&2; exit 1; }
out=docs/umkehraufgabe-trapezprisma.png

. tools/xsession.sh
start_x 1280x800
start_program

# Extras (Alt+E), its third entry; the window opens on the solid list.
key alt+e
key Down Down Return
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Umkehraufgabe$' | head -n 1)
sleep 0.5
# "Tr" chooses Trapezprisma; then "gleichschenklig", two more check boxes,
# and each row a box and its unit: a, c, b, d, ht.
type_text 'Tr'
key Tab space
key Tab Tab Tab
type_text '10'
key Tab Tab
type_text '4'
for _ in $(seq 6); do key Tab; done
type_text '4'
# h, two rows further on: G and u come between.
for _ in $(seq 6); do key Tab; done
type_text '20'
key Return
sleep 0.8
# The unit of the row in use is metres; the focus back on ht marks it.
key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
import -window "$window" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
