#!/usr/bin/env bash
# Starts the program on its own X server with an accessibility bus, opens the
# sphere window as a user would and prints the tree a screen reader reads.
#   tools/accessibility_tree.sh [locale]      (default de_DE.UTF-8)
# Needs: xvfb xdotool at-spi2-core python3-pyatspi dbus (Debian packages)
set -euo pipefail
cd "$(dirname "$0")/.."
locale=${1:-de_DE.UTF-8}
exec dbus-run-session -- bash -c '
  set -euo pipefail
  Xvfb :42 -screen 0 1280x800x24 >/dev/null 2>&1 & xvfb=$!
  trap "kill \$app \$xvfb 2>/dev/null || true" EXIT
  export DISPLAY=:42 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  LC_ALL='"$locale"' ./build/src/solvanto >/dev/null 2>&1 & app=$!
  frame=$(xdotool search --sync --onlyvisible --name "^Solvanto$" | head -1)
  sleep 0.5
  # "Kugel", then "Weiter", where they stand in the start window at 96 DPI.
  xdotool mousemove --window "$frame" 155 327 click 1 sleep 0.2 \
          mousemove --window "$frame" 395 454 click 1 sleep 0.5
  /usr/bin/python3 tools/accessibility_tree.py
' 2>/dev/null
