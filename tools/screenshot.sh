#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes a PNG of the real window after "Calcular" with the starting inputs,
# under a virtual X server:
#   bash tools/screenshot.sh [out.png]              # docs/ventana.png
#   bash tools/screenshot.sh --ratio 2 [out.png]    # docs/ventana@2x.png, device pixel ratio 2
#   bash tools/screenshot.sh --readout [out.png]    # docs/lectura.png, the pointer over the chart at 12:30
#   bash tools/screenshot.sh --estimar [out.png]    # docs/estimar.png, the estimate's dialog for Madrid on 21 June
# Needs a build (bash scripts/indice-uv.sh test or run) and xvfb, xdotool, imagemagick.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ratio=1
readout=
estimar=
if [ "${1:-}" = "--ratio" ]; then
  ratio=$2
  shift 2
fi
if [ "${1:-}" = "--readout" ]; then
  readout=--readout
  shift
fi
if [ "${1:-}" = "--estimar" ]; then
  estimar=--estimar
  shift
fi
case "$ratio" in
  1) default_out=$here/docs/ventana.png ;;
  2) default_out=$here/docs/ventana@2x.png ;;
  *) echo "--ratio: 1 o 2" >&2; exit 2 ;;
esac
[ -n "$readout" ] && default_out=$here/docs/lectura.png
[ -n "$estimar" ] && default_out=$here/docs/estimar.png
out=$(realpath -m "${1:-$default_out}")
program="${INDICE_UV_PROGRAM:-$here/build/src/app/indice-uv}"

# A random first display number keeps runs started side by side from racing for the same one.
# The screen grows with the ratio so the whole window fits on it.
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -n "$((100 + RANDOM % 800))" \
    -s "-screen 0 $((1024 * ratio))x$((768 * ratio))x24 -dpi 96" "$0" --ratio "$ratio" $readout $estimar "$out"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
if [ -n "$estimar" ]; then
  # In Spanish, in Madrid's zone, with no remembered place of the user's.
  env LC_ALL=es_ES.UTF-8 TZ=Europe/Madrid XDG_CONFIG_HOME="$work" QT_SCALE_FACTOR=$ratio "$program" &
else
  QT_SCALE_FACTOR=$ratio "$program" &
fi
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Indice UV$' | head -n 1)
xdotool windowfocus --sync "$window"
xdotool key --window "$window" Return
# The file appears once the press is done; the repaint follows within a moment.
for _ in $(seq 100); do [ -s datos.dat ] && break; sleep 0.05; done
sleep 0.5
if [ -n "$readout" ]; then
  # 12:30 on the chart: the picture box at (176, 128), its 2-pixel border, and
  # the plot's left edge 54 pixels in, 460 pixels wide from 6:00 to 20:00.
  xdotool mousemove --window "$window" $(( (178 + 54 + 460 * 649 / 1399) * ratio )) $(( 330 * ratio ))
  sleep 0.5
fi
if [ -n "$estimar" ]; then
  # Madrid on the longest day of 2026: the place, Tab to the date's day, then its day,
  # month and year (the editor moves on by itself), Tab to the altitude. The focus is
  # parked on "Usar", so no blinking text cursor shows.
  xdotool key --clearmodifiers ctrl+shift+e
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Estimar el índice máximo del día$' | head -n 1)
  xdotool windowfocus --sync "$window"
  xdotool type --delay 20 '40,45'
  xdotool key Tab ctrl+a
  xdotool type --delay 20 -- '-3,70'
  xdotool key Tab
  xdotool type --delay 20 '21062026'
  xdotool key Tab
  xdotool type --delay 20 '690'
  xdotool key Tab Tab Tab
  sleep 0.5
fi
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"
