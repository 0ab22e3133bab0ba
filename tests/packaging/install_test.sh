#!/usr/bin/env bash
# What "cmake --install" puts under a prefix: both programs, a launcher that
# desktop-file-validate accepts, and the icon at each theme size, each file
# really of the size its folder names.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail

build=$1
fail() { echo "FALLO: $*" >&2; exit 1; }

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for program in indice-uv indice-uv-calc; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing"
done

launcher=$prefix/share/applications/indice-uv.desktop
[ -f "$launcher" ] || fail "the launcher is missing"
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

# Nothing else: no libraries, headers or test programs.
[ "$(grep -c . <(find "$prefix" -type f))" -eq 9 ] || fail "unexpected files: $(find "$prefix" -type f)"
echo "ok"
