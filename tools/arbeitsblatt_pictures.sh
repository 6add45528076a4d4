#!/usr/bin/env bash
# Takes the README's pictures of a worksheet from the real program, driven from
# outside with the keyboard alone, on a private X server (Xvfb, 96 DPI, no
# window manager): a cylinder of r = 2,5 cm and h = 4 cm, its Rechenweg saved
# "Als Arbeitsblatt" through the file dialog, both pages drawn by Poppler.
#
#   tools/arbeitsblatt_pictures.sh     writes docs/arbeitsblatt-1.png and
#                                      docs/arbeitsblatt-2.png (and the PDF into /tmp)
#
# The program is build/src/solvanto unless SOLVANTO names another one. Needs the
# Debian packages xvfb, xdotool, imagemagick and poppler-utils, and the
# de_DE.UTF-8 locale.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${SOLVANTO:-build/src/solvanto}
[ -x "$program" ] || { echo "no program at $program; build first (./solvanto.sh run)" >&2; exit 1; }
work=$(mktemp -d /tmp/arbeitsblatt.XXXXXX)

. tools/xsession.sh
start_x 1280x800
start_program HOME="$work"

# The cylinder: Tab, Tab to the options, Down to it, Space, Tab to "Weiter".
key Tab Tab Down space Tab Return
type_text '2,5'
key Tab
type_text '4'
key Return
# Extras (Alt+E), its second entry: the Rechenweg, the focus in its text.
key alt+e
key Down Return
timeout 20 xdotool search --sync --onlyvisible --name '^Rechenweg$' >/dev/null
sleep 0.8
# Past "Kopieren", "Drucken…" and "Als PDF speichern…" to "Als Arbeitsblatt",
# Space to tick it, back to "Als PDF speichern…" and Enter.
key Tab Tab Tab Tab space shift+Tab Return
timeout 20 xdotool search --sync --onlyvisible --name 'Als PDF speichern' >/dev/null
sleep 0.8
# The file-name box has the focus; ".pdf" is added by the program.
key ctrl+a
type_text "$work/Zylinder"
key Return
for _ in $(seq 50); do
  [ -s "$work/Zylinder.pdf" ] && break
  sleep 0.1
done
[ -s "$work/Zylinder.pdf" ] || { import -window root /tmp/arbeitsblatt-failed.png; echo "no PDF written; see /tmp/arbeitsblatt-failed.png" >&2; exit 1; }

pdftoppm -r 60 -png "$work/Zylinder.pdf" "$work/page"
cp "$work/page-1.png" docs/arbeitsblatt-1.png
cp "$work/page-2.png" docs/arbeitsblatt-2.png
for out in docs/arbeitsblatt-1.png docs/arbeitsblatt-2.png; do
  echo "$out: $(identify -format '%wx%h' "$out")"
done
echo "PDF: $work/Zylinder.pdf"
