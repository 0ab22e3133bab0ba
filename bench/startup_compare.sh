#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's start-up beside the least a Qt Widgets program does to show a
# window: bash bench/startup_compare.sh [runs] [build dir]
#
# Both programs are built in bench/ from the same tree: shown_window is the
# program's own main() (the window from the ui library) and empty_window is a
# bare QWidget of the same size. Each ends as soon as its window has been
# painted once, so a run's wall time is start, window shown, quit; the program
# itself is left as it is. They run offscreen, alternately, so that a busy
# moment of the machine weighs on both alike. Peak resident memory comes from
# /usr/bin/time (%M).
#
# Prints the median times, their ratio and the peak memories. Exits 1 when the
# program's peak memory is more than 15 MB above the empty window's; the time
# ratio (target 1.25) is printed and flagged but never fails, the machine being
# shared.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs="${1:-30}"
build="${2:-$here/build}"
programs=("$build/bench/shown_window" "$build/bench/empty_window")
max_extra_kb=$((15 * 1024))
target_ratio=1.25

for program in "${programs[@]}"; do
  [ -x "$program" ] || { echo "missing $program; build first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# run_once PROGRAM NAME: appends "milliseconds peak_kb" to NAME.txt.
run_once() {
  local start end
  start=$(date +%s%N)
  if ! QT_QPA_PLATFORM=offscreen timeout 20 /usr/bin/time -f %M -o "$2.rss" "$1" >/dev/null 2>"$2.err"; then
    cat "$2.err" >&2
    echo "$1 did not start and quit" >&2
    exit 1
  fi
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 )) $(tail -n 1 "$2.rss")" >>"$2.txt"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One unmeasured start of each, so both find the libraries and fonts cached.
run_once "${programs[0]}" warm
run_once "${programs[1]}" warm
for _ in $(seq "$runs"); do
  run_once "${programs[0]}" program
  run_once "${programs[1]}" empty
done

program_us=$(cut -d' ' -f1 program.txt | median)
empty_us=$(cut -d' ' -f1 empty.txt | median)
program_kb=$(cut -d' ' -f2 program.txt | sort -n | tail -n 1)
empty_kb=$(cut -d' ' -f2 empty.txt | sort -n | tail -n 1)
ratio=$(awk -v a="$program_us" -v b="$empty_us" 'BEGIN { printf "%.2f", a / b }')
extra_kb=$((program_kb - empty_kb))

printf 'start to shown window and quit, offscreen, %d alternating runs each:\n' "$runs"
printf '  Indice UV     median %6.1f ms, peak resident %6.1f MB\n' "$(awk -v v="$program_us" 'BEGIN { print v / 1000 }')" "$(awk -v v="$program_kb" 'BEGIN { print v / 1024 }')"
printf '  empty window  median %6.1f ms, peak resident %6.1f MB\n' "$(awk -v v="$empty_us" 'BEGIN { print v / 1000 }')" "$(awk -v v="$empty_kb" 'BEGIN { print v / 1024 }')"
printf '  time ratio %s (target at most %s), memory %+.1f MB (at most +15 MB)\n' "$ratio" "$target_ratio" "$(awk -v v="$extra_kb" 'BEGIN { print v / 1024 }')"
if awk -v r="$ratio" -v t="$target_ratio" 'BEGIN { exit !(r > t) }'; then
  echo "  note: the time ratio is above its target on this run"
fi
if [ "$extra_kb" -gt "$max_extra_kb" ]; then
  echo "the program's peak memory is more than 15 MB above the empty window's" >&2
  exit 1
fi
