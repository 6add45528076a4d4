#!/usr/bin/env bash
# Runs a fuzz target for a few seconds on its seed corpus (left untouched);
# new inputs go to a scratch folder.
set -uo pipefail
target=$1 seeds=$2 seconds=${3:-12}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/" \
  "$scratch" "$seeds" >"$scratch/log" 2>&1
rc=$?
if [ "$rc" -ne 0 ]; then
  cat "$scratch/log"
  for crash in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-*; do
    [ -e "$crash" ] && { echo "input that fails: $crash"; xxd "$crash" | head -5; }
  done
else
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$scratch/log"
fi
exit "$rc"
