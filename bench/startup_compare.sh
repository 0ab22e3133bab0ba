#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The program's start-up beside the least a Qt Widgets program does to show a
# window: bash bench/startup_compare.sh [runs] [build dir] [earlier build dir]
#
# Both programs are built in bench/ from the same tree: shown_window is the
# program's own main() (the window from the ui library) and empty_window is a
# bare QWidget of the same size. Each ends as soon as its window has been
# painted once, so a run's wall time is start, window shown, quit; the program
# itself is left as it is. They run offscreen, alternately, so that a busy
# moment of the machine weighs on both alike. Peak resident memory comes from
# /usr/bin/time (%M). Given an earlier build too (of another commit, say), its
# shown_window joins the alternation, so a change is measured before and after
# in one run.
#
# Prints the median times, their ratio and the peak memories. Exits 1 when the
# program's peak memory is more than 15 MB above the empty window's; the time
# ratio (target 1.25) is printed and flagged but never fails, the machine being
# shared.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs="${1:-30}"
# Absolute, as the runs happen in a scratch folder.
build=$(realpath -m "${2:-$here/build}")
earlier=${3:+$(realpath -m "$3")}
programs=("$build/bench/shown_window" "$build/bench/empty_window")
[ -n "$earlier" ] && programs+=("$earlier/bench/shown_window")
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

names=(program empty earlier)
# One unmeasured start of each, so all find the libraries and fonts cached.
for program in "${programs[@]}"; do
  run_once "$program" warm
done
for _ in $(seq "$runs"); do
  for i in "${!programs[@]}"; do
    run_once "${programs[$i]}" "${names[$i]}"
  done
done

peak_kb() { cut -d' ' -f2 "$1.txt" | sort -n | tail -n 1; }
median_us() { cut -d' ' -f1 "$1.txt" | median; }
ms() { awk -v v="$1" 'BEGIN { print v / 1000 }'; }
mb() { awk -v v="$1" 'BEGIN { print v / 1024 }'; }
ratio_of() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

program_us=$(median_us program)
empty_us=$(median_us empty)
program_kb=$(peak_kb program)
empty_kb=$(peak_kb empty)
ratio=$(ratio_of "$program_us" "$empty_us")
extra_kb=$((program_kb - empty_kb))

printf 'start to shown window and quit, offscreen, %d alternating runs each:\n' "$runs"
printf '  Indice UV     median %6.1f ms, peak resident %6.1f MB\n' "$(ms "$program_us")" "$(mb "$program_kb")"
printf '  empty window  median %6.1f ms, peak resident %6.1f MB\n' "$(ms "$empty_us")" "$(mb "$empty_kb")"
if [ -n "$earlier" ]; then
  earlier_us=$(median_us earlier)
  printf '  earlier build median %6.1f ms, peak resident %6.1f MB, time ratio %s\n' \
    "$(ms "$earlier_us")" "$(mb "$(peak_kb earlier)")" "$(ratio_of "$earlier_us" "$empty_us")"
fi
printf '  time ratio %s (target at most %s), memory %+.1f MB (at most +15 MB)\n' "$ratio" "$target_ratio" "$(mb "$extra_kb")"
if awk -v r="$ratio" -v t="$target_ratio" 'BEGIN { exit !(r > t) }'; then
  echo "  note: the time ratio is above its target on this run"
fi
if [ "$extra_kb" -gt "$max_extra_kb" ]; then
  echo "the program's peak memory is more than 15 MB above the empty window's" >&2
  exit 1
fi
