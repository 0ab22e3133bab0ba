#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What "cmake --install" puts under a prefix: both programs, a launcher that
# desktop-file-validate accepts, the icon at each theme size, each file
# really of the size its folder names, the software-centre entry, the manual
# pages, the licence and the changelog, all of the project's one version.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
fail() { echo "FALLO: $*" >&2; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
# The launcher and the software-centre entry are named after the application id.
launchers=("$prefix"/share/applications/*.desktop)
[ ${#launchers[@]} -eq 1 ] && [ -f "${launchers[0]}" ] || fail "not one launcher: ${launchers[*]}"
launcher=${launchers[0]}
id=$(basename "$launcher" .desktop)

for program in indice-uv indice-uv-calc; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
  # Both answer without a display, before Qt starts.
  printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --version) \
    || fail "$program --version failed"
  [ "$printed" = "$program $version" ] || fail "$program --version printed '$printed'"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$program" --help | head -n 1 \
    | grep -qx "Modo de empleo: $program \[opciones\]" || fail "$program --help"
  # The manual page: compressed, from this version's --help, every option in it.
  page=$prefix/share/man/man1/$program.1.gz
  [ -f "$page" ] || fail "no manual page for $program"
  gzip -t "$page" || fail "$page is not gzip"
  header=$(zcat "$page" | grep '^\.TH')
  [[ $header == *"\"$program $version\""* ]] || fail "$program(1) header: $header"
  for option in $("$prefix/bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
    zcat "$page" | grep -q -- "${option//-/\\\\-}" || fail "$program(1) lacks $option"
  done
  zcat "$page" | grep -q '^\.SH EJEMPLOS\|^\.SH ARCHIVOS' || fail "$program(1) has neither examples nor files"
done

# The window's command line: without a display, and with an option that is
# neither its own nor Qt's, a Spanish message and the status --help gives.
window_says() {  # the status expected, then env's arguments; prints what went to stderr
  local expected=$1 status=0 said
  shift
  said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq "$expected" ] || fail "$*: status $status, not $expected: $said"
  printf '%s\n' "$said"
}
window=$prefix/bin/indice-uv
for display in "-u DISPLAY" "DISPLAY=:999999"; do
  # shellcheck disable=SC2086 # env's words
  said=$(window_says 1 $display "$window")
  [ "$(head -n 1 <<<"$said")" = \
    "indice-uv necesita una pantalla gráfica para abrir su ventana y no ha podido usar ninguna." ] \
    && [ "$(wc -l <<<"$said")" -eq 2 ] && [[ $said == *"indice-uv-calc hace el mismo cálculo"* ]] \
    || fail "indice-uv with $display said: $said"
done
for arguments in "--bogus" "-style fusion --bogus" "datos.dat"; do
  # shellcheck disable=SC2086 # the arguments' words
  said=$(window_says 2 "$window" -platform offscreen $arguments)
  grep -qx "Opción desconocida: «${arguments##* }». Use --help para ver las opciones." <<<"$said" \
    || fail "indice-uv $arguments said: $said"
done

# Hints left out: Education and Science are both main categories on purpose.
report=$(desktop-file-validate --no-hints "$launcher" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx 'Name=Indice UV' "$launcher" || fail "launcher name"
grep -qx 'Icon=indice-uv' "$launcher" || fail "launcher icon"
grep -qx 'Exec=indice-uv' "$launcher" || fail "launcher command"

for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/indice-uv.png
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  actual=$(identify -format '%wx%h' "$icon")
  [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
done

metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no software-centre entry"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launchable"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"

doc=$prefix/share/doc/indice-uv
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright" \
  || fail "copyright is not machine-readable"
zcat "$doc/changelog.gz" | head -n 1 | grep -q "^indice-uv ($version) " || fail "changelog is not of $version"

# Nothing else: no libraries, headers or test programs.
[ "$(grep -c . <(find "$prefix" -type f))" -eq 14 ] || fail "unexpected files: $(find "$prefix" -type f)"
echo "ok"
