# Sourced by the scripts that drive the real program from outside with the
# keyboard, on a private X server (Xvfb, 96 DPI, no window manager). Needs the
# Debian packages xvfb and xdotool. Whatever was started is ended on exit.

pids=()
stop_x() {
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  pids=()
}
trap stop_x EXIT

# An X server of the given size ("1280x800") on a display number nobody uses.
start_x() {
  local display=90
  while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
  done
  export DISPLAY=:$display
  Xvfb "$DISPLAY" -screen 0 "${1}x24" -dpi 96 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
  done
}

# The program in German, as it is meant to be used (Qt takes the language and
# the decimal comma from the locale), with any further VAR=value given; sets
# $frame to its frame window, focused, the pointer out of the picture.
start_program() {
  env LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$@" "$program" >/dev/null 2>&1 &
  pids+=($!)
  frame=$(timeout 20 xdotool search --sync --onlyvisible --name '^Solvanto$' | head -n 1)
  xdotool windowfocus --sync "$frame"
  xdotool mousemove 0 0
  sleep 0.5
}

key() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}

type_text() {
  xdotool type --delay 60 "$1"
  sleep 0.2
}
