#!/usr/bin/env bash
# Start-up time and peak memory of the program against two yardsticks of the
# same build, all started by turns on a private Xvfb:
#   minimal   a main window with an MDI area and one titled child window
#             (bench/minimal.cpp)
#   fonts     the same, with the start window's texts as plain labels in the
#             start window's three families (bench/minimal.cpp --fonts): how much
#             of the program's lead the fonts alone explain
#
#   bench/startup.sh [build dir] [rounds]      defaults: build 10
#
# Every program is timed from outside by bench/firstpaint, an X client that
# starts it and watches the X server: "mapped" is the MapNotify of the
# program's first top-level window (found by its _NET_WM_PID); "painted" is
# when the pixel in that window's middle first shows the colour it has once the
# window is drawn, learnt in an untimed first run of each program, which also
# checks that a 3 x 3 grid of pixels across the window settles together with the
# middle one (Qt draws a window's first frame in one piece); "cpu" is the
# processor time the program has used by then, all threads, which waiting for
# a busy processor does not lengthen; peak memory is VmHWM, read half a second
# after the paint. "mapped" does not compare across programs: the program maps
# its empty frame first and builds the start window afterwards, the yardsticks
# build everything first.
#
# After the first runs, one round that is shown but not counted ("w"); then each
# round starts every program once, the order turning by one each round so that
# none always follows the same one. A run that fails or hangs (TIMEOUT seconds,
# default 20) is ended, counted and tried once more; the summary is over the
# runs that completed. It prints every run; per measure and program the median,
# minimum, quartiles and maximum; the ratios of the medians, each with the range
# of 90 % of the same ratio when the rounds are drawn again at random (how far
# a ratio from this many rounds can be trusted); and how much of the program's
# lead over the minimal program the fonts yardstick shows too, with its range.
# The load average, how busy the machine was in the second before the start and
# what other processes used during the runs tell a quiet measurement from a
# noisy one. The target is at most 1.15 against the minimal program for the
# paint time and the peak memory.
#
# LOCALE (default de_DE.UTF-8) is the locale all programs run in, each with the
# same environment. The build directory is configured with -DSOLVANTO_BENCH=ON
# (a new one as RelWithDebInfo, like ./solvanto.sh) and brought up to date. Needs
# the Debian packages xvfb and x11-utils, and libx11-dev to build the observer.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
rounds=${2:-10}
locale=${LOCALE:-de_DE.UTF-8}
limit=${TIMEOUT:-20}
# The script's own numbers with a decimal point, whatever the caller's locale.
export LC_ALL=C

fresh=()
[ -f "$build/CMakeCache.txt" ] || fresh=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
cmake -S . -B "$build" "${fresh[@]}" -DSOLVANTO_BENCH=ON >/dev/null
cmake --build "$build" --target solvanto minimal firstpaint >/dev/null
watch=$build/bench/firstpaint
names=(program minimal fonts)
command_of() { # sets cmd
  case $1 in
    program) cmd=("$build/src/solvanto") ;;
    minimal) cmd=("$build/bench/minimal") ;;
    fonts) cmd=("$build/bench/minimal" --fonts) ;;
  esac
}

runtime=$(mktemp -d)
results=$runtime/results
errors=$runtime/errors
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
# Black root window, so that an unpainted window is told apart from any colour
# the programs draw. The server picks a free display number itself and writes
# it once it accepts clients: other scripts that start an X server at the same
# time cannot take the same number.
Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -br -nolisten tcp \
  3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$runtime/display" ] && break
  sleep 0.05
done
DISPLAY=:$(cat "$runtime/display")
export DISPLAY
if ! xdpyinfo >/dev/null 2>&1; then
  echo "startup.sh: Xvfb did not start:" >&2
  cat "$runtime/xvfb.log" >&2
  exit 1
fi

# Processor time in clock ticks: the whole machine's busy and total time, and
# what this script's finished children and the X server have used.
machine_ticks() {
  awk '/^cpu / { for (i = 2; i <= NF; ++i) t += $i; print t - $5 - $6, t }' /proc/stat
}
own_ticks() {
  local xvfb_ticks=0
  [ -r "/proc/$xvfb/stat" ] &&
    xvfb_ticks=$(sed 's/.*) //' "/proc/$xvfb/stat" | awk '{ print $12 + $13 }')
  sed 's/.*) //' /proc/$$/stat | awk -v x="$xvfb_ticks" '{ print $14 + $15 + x }'
}
# Processor ticks of every running process: pid, ticks, name.
processes() {
  cat /proc/[0-9]*/stat 2>/dev/null | awk '{
    from = index($0, "("); to = match($0, /\) [A-Za-z] /)
    name = substr($0, from + 1, to - from - 1)
    split(substr($0, to + 2), f, " ")
    print $1, f[12] + f[13], name }'
}
percent() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.0f", (b > 0 ? 100 * a / b : 0) }'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "Start-up, $rounds rounds; commit $(git describe --always --dirty 2>/dev/null || echo '?'); $locale"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
read -r busy0 total0 <<<"$(machine_ticks)"
sleep 1
read -r busy1 total1 <<<"$(machine_ticks)"
before=$(percent $((busy1 - busy0)) $((total1 - total0)))
echo "load average at the start: $(load) (1, 5, 15 min); machine busy in the second before: $before %"
processes >"$runtime/processes"
read -r own0 <<<"$(own_ticks)"
read -r busy0 total0 <<<"$(machine_ticks)"

# The same environment for every program: the locale, the X server, nothing
# of Qt's own. The observer gives up after $limit s; timeout is for an
# observer that hangs itself.
run() {
  timeout -k 5 $((limit + 15)) env -i PATH="$PATH" HOME="$HOME" DISPLAY="$DISPLAY" \
    XDG_RUNTIME_DIR="$runtime" LANG="$locale" LC_ALL="$locale" \
    "$watch" --timeout "$limit" "$@" 2>"$errors"
}
why() { # the observer's message, or what timeout did
  local status=$1
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "no result within $((limit + 15)) s, ended"
  else
    grep -m1 '^firstpaint:' "$errors" | sed 's/^firstpaint: [^:]*: //' || echo "exit status $status"
  fi
}

declare -A colour failed
echo
for which in "${names[@]}"; do
  failed[$which]=0
  command_of "$which"
  learnt=
  for attempt in 1 2; do
    if learnt=$(run --learn "${cmd[@]}"); then
      break
    else
      status=$?
    fi
    echo "$which: first run failed: $(why "$status")" >&2
    learnt=
  done
  if [ -z "$learnt" ]; then
    echo "startup.sh: $which failed twice; no colour to wait for" >&2
    exit 1
  fi
  read -r "colour[$which]" middle grid <<<"$learnt"
  printf '%-8s painted = middle pixel %s; in the first run it settled at %s ms, the grid at %s ms\n' \
    "$which" "${colour[$which]}" "$middle" "$grid"
  if awk -v m="$middle" -v g="$grid" 'BEGIN { exit !(g - m > 5) }'; then
    echo "         the window went on changing after its middle pixel: \"painted\" comes too early"
  fi
done

# One run; on failure a second try. Prints the table row, stores the result.
measure() { # round which
  local line status attempt
  command_of "$2"
  for attempt in 1 2; do
    if line=$(run --colour "${colour[$2]}" "${cmd[@]}"); then
      read -r mapped painted cpu peak <<<"$line"
      printf '%-5s %-8s %10s %11s %8s %9s\n' "$1" "$2" "$mapped" "$painted" "$cpu" "$peak"
      [ "$1" = w ] || echo "$2 $1 $mapped $painted $cpu $peak" >>"$results"
      return 0
    else
      status=$?
    fi
    [ "$1" = w ] || failed[$2]=$((failed[$2] + 1))
    printf '%-5s %-8s failed: %s%s\n' "$1" "$2" "$(why "$status")" \
      "$([ $attempt = 1 ] && echo '; once more' || echo '; left out')"
  done
}

echo
printf '%-5s %-8s %10s %11s %8s %9s\n' round program "mapped ms" "painted ms" "cpu ms" "peak KiB"
: >"$results"
for which in "${names[@]}"; do measure w "$which"; done
for i in $(seq "$rounds"); do
  for k in 0 1 2; do
    measure "$i" "${names[$(((i - 1 + k) % 3))]}"
  done
done

# Median, quartiles and extremes of one measure of one program.
stats() { # which column -> n median min q1 q3 max
  awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$results" | sort -g | awk -v c="$2" '
    function q(f,  h, lo) { h = (NR - 1) * f + 1; lo = int(h)
      return lo >= NR ? v[NR] : v[lo] + (h - lo) * (v[lo + 1] - v[lo]) }
    { v[NR] = $1 }
    END { if (NR == 0) { print 0, "-", "-", "-", "-", "-"; exit }
          f = c == 6 ? "%.0f" : "%.1f"
          printf "%d " f " " f " " f " " f " " f "\n", NR, q(0.5), v[1], q(0.25), q(0.75), v[NR] }'
}
# How far a figure from this many rounds can be trusted: the rounds where the
# programs concerned completed are drawn again at random, with repetition, a
# thousand times (a bootstrap), and the figure is worked out each time; prints
# the range of the middle 90 %. The figure is a ratio of medians, a / b, or
# the share of a's lead over b that f shows too, (f - b) / (a - b) in per cent.
resampled() { # ratio|share column a b [f]
  awk -v what="$1" -v c="$2" -v a="$3" -v b="$4" -v f="${5:-}" '
    function median(v, n,  i, j, t) {
      for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j] < v[j - 1]; --j) {
        t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
      return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    $1 == a { x[$2] = $c } $1 == b { y[$2] = $c } f != "" && $1 == f { z[$2] = $c }
    END {
      for (r in x) if ((r in y) && (f == "" || (r in z))) {
        ++n; xs[n] = x[r]; ys[n] = y[r]; zs[n] = z[r] }
      if (n < 2) { printf "-"; exit }
      srand(1)
      for (k = 1; k <= 1000; ++k) {
        for (i = 1; i <= n; ++i) {
          j = int(rand() * n) + 1; u[i] = xs[j]; w[i] = ys[j]; v[i] = zs[j] }
        mu = median(u, n); mw = median(w, n)
        if (what == "ratio") q[k] = mw > 0 ? mu / mw : 0
        else { mv = median(v, n); q[k] = mu != mw ? 100 * (mv - mw) / (mu - mw) : 0 }
      }
      median(q, 1000)
      printf (what == "ratio" ? "%.2f-%.2f" : "%.0f-%.0f %%"), q[50], q[951]
    }' "$results"
}
echo
printf '%-11s %-8s %4s %6s %9s %9s %9s %9s %9s\n' "" "" runs failed median min q1 q3 max
for measure in "4 painted ms" "5 cpu ms" "3 mapped ms" "6 peak KiB"; do
  c=${measure%% *} label=${measure#* }
  for which in "${names[@]}"; do
    read -r n med lo q1 q3 hi <<<"$(stats "$which" "$c")"
    printf '%-11s %-8s %4s %6s %9s %9s %9s %9s %9s\n' "$label" "$which" "$n" "${failed[$which]}" \
      "$med" "$lo" "$q1" "$q3" "$hi"
    label=
  done
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }'; }
median_of() { stats "$1" "$2" | cut -d' ' -f2; }
echo
echo "ratio of the medians (90 % of the same ratio when the rounds are drawn again at random)"
printf '%-11s %-22s %-22s %-22s\n' "" program/minimal program/fonts fonts/minimal
for measure in "4 painted" "5 cpu" "6 peak"; do
  c=${measure%% *} row=()
  for pair in "program minimal" "program fonts" "fonts minimal"; do
    read -r a b <<<"$pair"
    row+=("$(ratio "$(median_of "$a" "$c")" "$(median_of "$b" "$c")") ($(resampled ratio "$c" "$a" "$b"))")
  done
  printf '%-11s %-22s %-22s %-22s\n' "${measure#* }" "${row[@]}"
done

# How much of the program's lead over the minimal program the fonts yardstick
# shows too.
echo
echo "lead over the minimal program (difference of the medians)"
printf '%-11s %9s %9s   %s\n' "" program fonts "fonts' share (90 % when drawn again)"
for measure in "4 painted ms" "5 cpu ms"; do
  c=${measure%% *}
  awk -v m="${measure#* }" -v p="$(median_of program "$c")" -v n="$(median_of minimal "$c")" \
    -v f="$(median_of fonts "$c")" -v range="$(resampled share "$c" program minimal fonts)" 'BEGIN {
    if (p == "-" || n == "-" || f == "-") { printf "%-11s %9s %9s   -\n", m, "-", "-"; exit }
    share = p > n ? sprintf("%.0f %%", 100 * (f - n) / (p - n)) : "-"
    printf "%-11s %9.1f %9.1f   %s (%s)\n", m, p - n, f - n, share, range }'
done
# What other processes took while the benchmark ran: the machine's busy time
# less that of the programs, the observer and the X server.
read -r busy1 total1 <<<"$(machine_ticks)"
read -r own1 <<<"$(own_ticks)"
others=$(percent $((busy1 - busy0 - (own1 - own0))) $((total1 - total0)))
[ "$others" -ge 0 ] || others=0
# The busiest of them that still run, by the share of the machine they took.
busiest=$(processes | awk -v xvfb="$xvfb" -v self=$$ -v total=$((total1 - total0)) '
  NR == FNR { before[$1] = $2; next }
  $1 != xvfb && $1 != self && total > 0 {
    share = 100 * ($2 - before[$1]) / total
    if (share >= 3) printf "%s %.0f %%\n", $3, share }' "$runtime/processes" - |
  sort -k2 -rn | head -n 3 | paste -sd, - | sed 's/,/, /g')
echo
echo "load average at the end: $(load), which counts the benchmark's own runs;" \
  "other processes used $others % of the machine meanwhile${busiest:+ ($busiest)}"
if [ "$before" -gt 20 ] || [ "$others" -gt 10 ]; then
  echo "The machine was busy: starts wait for a processor, take longer and scatter far more," \
    "so ratios from a few rounds can land anywhere in a wide range. The cpu rows suffer less;" \
    "for paint times, measure again on a quiet machine."
fi
