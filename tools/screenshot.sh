#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes a PNG of the real window after "Calcular" with the starting inputs,
# under a virtual X server:
#   bash tools/screenshot.sh [out.png]              # docs/ventana.png
#   bash tools/screenshot.sh --ratio 2 [out.png]    # docs/ventana@2x.png, device pixel ratio 2
#   bash tools/screenshot.sh --readout [out.png]    # docs/lectura.png, the pointer over the chart at 12:30
# Needs a build (bash scripts/indice-uv.sh test or run) and xvfb, xdotool, imagemagick.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ratio=1
readout=
if [ "${1:-}" = "--ratio" ]; then
  ratio=$2
  shift 2
fi
if [ "${1:-}" = "--readout" ]; then
  readout=--readout
  shift
fi
case "$ratio" in
  1) default_out=$here/docs/ventana.png ;;
  2) default_out=$here/docs/ventana@2x.png ;;
  *) echo "--ratio: 1 o 2" >&2; exit 2 ;;
esac
[ -n "$readout" ] && default_out=$here/docs/lectura.png
out=$(realpath -m "${1:-$default_out}")
program="${INDICE_UV_PROGRAM:-$here/build/src/app/indice-uv}"

# A random first display number keeps runs started side by side from racing for the same one.
# The screen grows with the ratio so the whole window fits on it.
if [ -z "${INSIDE_XVFB:-}" ]; then
  exec env INSIDE_XVFB=1 xvfb-run -a -n "$((100 + RANDOM % 800))" \
    -s "-screen 0 $((1024 * ratio))x$((768 * ratio))x24 -dpi 96" "$0" --ratio "$ratio" $readout "$out"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
QT_SCALE_FACTOR=$ratio "$program" &
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
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "$out"
