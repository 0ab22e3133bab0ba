#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The built program in a virtual X server, used as a person would: type into
# the boxes, press Enter, look at datos.dat, click "Terminar". It runs in a
# comma locale, so typed numbers and the file use the decimal comma.
# Usage: end_to_end_test.sh path/to/indice-uv
set -euo pipefail

program=$(realpath "$1")

# A random first display number keeps runs started side by side from racing for the same one.
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x768x24 -dpi 96" bash "$0" "$program"
fi

fail() { echo "FALLO: $*" >&2; exit 1; }

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
cd "$work"

locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$' || fail "the es_ES.UTF-8 locale is missing"
env -u QT_QPA_PLATFORM LC_ALL=es_ES.UTF-8 XDG_CONFIG_HOME="$work/config" "$program" &
pid=$!

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Indice UV$' | head -n 1) \
  || fail "the window did not appear"
xdotool windowfocus --sync "$window"

# The focus starts in the maximum index box; four Tabs reach the start hour.
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '12,5'
xdotool key Tab Tab Tab Tab
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 '12'
xdotool key Return

for _ in $(seq 200); do [ -s datos.dat ] && break; sleep 0.05; done
[ -s datos.dat ] || fail "datos.dat was not written"

lines=$(wc -l < datos.dat)
[ "$lines" -eq 1000 ] || fail "datos.dat has $lines lines"
first=$(sed -n 1p datos.dat | tr -d '\r')
peak=$(sed -n 500p datos.dat | tr -d '\r')
[[ $first == 6,014* ]] || fail "first line: '$first'"
[[ $peak == 13,000* && $peak == *12,5000 ]] || fail "line 500: '$peak'"

# The clear-sky estimate, opened by its key from a text box (where Ctrl+E would
# only move the cursor): Puno in January, then "Usar" by Enter and "Calcular".
xdotool key --clearmodifiers ctrl+shift+e
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Estimar el índice máximo del día$' | head -n 1) \
  || fail "the estimate's dialog did not open"
xdotool windowfocus --sync "$dialog"
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 -- '-15,84'
xdotool key Tab
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 20 -- '-70,02'
xdotool key Tab
xdotool type --delay 20 '22012026'
xdotool key Tab
xdotool type --delay 20 '3830'
xdotool key Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Estimar el índice máximo del día$' >/dev/null || break; sleep 0.05; done
xdotool windowfocus --sync "$window"
rm datos.dat
xdotool key Return
for _ in $(seq 200); do [ -s datos.dat ] && break; sleep 0.05; done
peak=$(sed -n 500p datos.dat | tr -d '\r')
[[ $peak == *20,5000 ]] || fail "line 500 after the estimate: '$peak'"
grep -q '^latitud=-15.84$' "$work/config/indice-uv/indice-uv.conf" || fail "the place was not remembered"

# "Terminar" sits at 40,488 and is 89 x 25 pixels.
xdotool mousemove --window "$window" 84 500 click 1
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "the program is still running after Terminar"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "ok"
