#!/usr/bin/env bash
# Start-up time and peak memory of the program against a minimal Qt Widgets
# program of the same build (bench/minimal.cpp: a main window with an MDI area
# and one child window), each started alternately on a private Xvfb.
#
#   bench/startup.sh [build dir] [runs per program]      defaults: build 10
#
# Both programs are timed from outside by bench/firstpaint, an X client that
# starts the program and watches the X server: "mapped" is the MapNotify of the
# program's first top-level window (found by its _NET_WM_PID); "painted" is
# when the pixel in that window's middle first shows the colour it has once the
# window is drawn (learnt in an untimed warm-up run of each program). Qt draws a
# window's first frame in one piece, so that pixel turns when the whole window
# has been painted, child windows included. Peak memory is VmHWM from
# /proc/PID/status, read half a second after the paint, before the program is
# ended. The script prints every run, the medians and the ratios program /
# minimal; the target is at most 1.15 for the paint time and the peak memory.
#
# LOCALE (default de_DE.UTF-8) is the locale both programs run in. The build
# directory is configured with -DSOLVANTO_BENCH=ON and built if the benchmark
# programs are missing (a new one as RelWithDebInfo, like ./solvanto.sh). Needs
# the Debian packages xvfb and x11-utils, and libx11-dev to build the observer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-10}
locale=${LOCALE:-de_DE.UTF-8}

if [ ! -x "$build/bench/minimal" ] || [ ! -x "$build/bench/firstpaint" ]; then
  fresh=()
  [ -f "$build/CMakeCache.txt" ] || fresh=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  cmake -S . -B "$build" "${fresh[@]}" -DSOLVANTO_BENCH=ON >/dev/null
  cmake --build "$build" --target solvanto minimal firstpaint >/dev/null
fi
program=$build/src/solvanto
minimal=$build/bench/minimal
watch=$build/bench/firstpaint

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
runtime=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
# Black root window, so that an unpainted window is told apart from any colour
# the programs draw.
Xvfb ":$display" -screen 0 1280x800x24 -dpi 96 -br -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$display
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.05
done

# The same environment for both: the locale, the X server, nothing of Qt's own.
run() {
  env -i PATH="$PATH" HOME="$HOME" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$runtime" \
    LANG="$locale" LC_ALL="$locale" "$watch" "$@" 2>/dev/null
}

colour_program=$(run --learn "$program" | cut -d' ' -f1)
colour_minimal=$(run --learn "$minimal" | cut -d' ' -f1)

printf '%-4s %-9s %10s %11s %12s\n' run program "mapped ms" "painted ms" "peak KiB"
results=$(mktemp)
for i in $(seq "$runs"); do
  for which in program minimal; do
    if [ $which = program ]; then
      line=$(run --colour "$colour_program" "$program")
    else
      line=$(run --colour "$colour_minimal" "$minimal")
    fi
    read -r mapped painted _ peak <<<"$line"
    echo "$which $mapped $painted $peak" >>"$results"
    printf '%-4s %-9s %10s %11s %12s\n' "$i" "$which" "$mapped" "$painted" "$peak"
  done
done

median() { # column of the rows of one program
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$results" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo
printf '%-22s %10s %10s %8s\n' "median ($runs runs each)" program minimal ratio
for column in "2 mapped ms" "3 painted ms" "4 peak KiB"; do
  c=${column%% *} name=${column#* }
  p=$(median program "$c") m=$(median minimal "$c")
  printf '%-22s %10s %10s %8s\n' "$name" "$p" "$m" "$(awk -v p="$p" -v m="$m" 'BEGIN { printf "%.2f", p / m }')"
done
rm -f "$results"
