#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Time from starting the program to its window shown on an X server, over
# several runs: bash bench/startup.sh [runs]
# Uses a virtual X server; the window counts as shown once xdotool finds it
# mapped, polled every few milliseconds, so each figure errs a little high.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program="${INDICE_UV_PROGRAM:-$here/build/src/app/indice-uv}"
runs="${1:-20}"

# A random first display number keeps runs started side by side from racing for the same one.
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$runs"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$program" &
  pid=$!
  until xdotool search --onlyvisible --name '^Indice UV$' >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null || [ $(( $(date +%s%N) - start )) -gt 10000000000 ]; then
      echo "the window did not appear" >&2
      kill "$pid" 2>/dev/null || true
      exit 1
    fi
    sleep 0.002
  done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
median=$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")
echo "start to shown window, $runs runs: median ${median} ms, fastest $(echo "$sorted" | head -1) ms, slowest $(echo "$sorted" | tail -1) ms"
