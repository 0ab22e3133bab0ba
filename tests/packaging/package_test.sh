#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package from end to end: build it, install it with apt-get as a
# user would, use the installed programs, remove it. It installs into the
# system, so it runs as its own pass of the test command (as root or with sudo),
# not under ctest. The package is removed again even when a check fails.
# Usage: package_test.sh [BUILD_DIR]   (default build-deb/)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(realpath -m "${1:-$here/build-deb}")

fail() { echo "FALLO: $*" >&2; exit 1; }
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# An indice-uv already installed is someone's; this test would replace and then remove it.
if dpkg-query -W -f='${Status}' indice-uv 2>/dev/null | grep -q 'install ok'; then
  fail "indice-uv is already installed; remove it first (apt-get remove indice-uv)"
fi

# Built as Debian builds its packages: with dpkg-buildflags' hardening. A
# warning fails it, as in the normal build: the optimised build is where GCC
# finds what the other does not.
# A compiler launcher (ccache) comes from the environment, as cmake itself
# takes it, and is passed on so that a folder configured earlier follows it too.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-}" \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
  -DINDICE_UV_BUILD_TESTS=OFF -DINDICE_UV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel 2
rm -f "$build"/indice-uv_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/indice-uv_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}
echo "paquete: $deb"

# What the programs need at run time: the libraries they link, found by
# dpkg-shlibdeps (libqt6gui6 also brings the platform plugins), and
# the fonts, which nothing links.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6core6 libqt6gui6 libqt6widgets6 libfontconfig1 libstdc++6 libc6 \
               fonts-liberation fonts-urw-base35 fonts-dejavu-core qt6-translations-l10n; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package"
done
[ "$(dpkg-deb -f "$deb" Section)" = science ] || fail "section"

# Debian's checker: no error and no warning (informational tags are shown).
lintian --display-info --fail-on error,warning "$deb" || fail "lintian"
echo "lintian: sin errores ni avisos"

# The launcher and the software-centre entry as a desktop finds them, checked
# together (the entry's file name and launchable against the launcher).
tree=$(mktemp -d)
dpkg-deb -x "$deb" "$tree"
launchers=("$tree"/usr/share/applications/*.desktop)
[ ${#launchers[@]} -eq 1 ] && [ -f "${launchers[0]}" ] || fail "not one launcher in the package"
launcher=/usr/share/applications/$(basename "${launchers[0]}")
id=$(basename "$launcher" .desktop)
metainfo=/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$tree$metainfo" || { rm -rf "$tree"; fail "appstreamcli validate"; }
appstreamcli validate-tree --no-net "$tree" || { rm -rf "$tree"; fail "appstreamcli validate-tree"; }
rm -rf "$tree"

work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
  cd / && rm -rf "$work"
  if dpkg-query -W -f='${Status}' indice-uv 2>/dev/null | grep -q 'install ok'; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq indice-uv >/dev/null
  fi
}
trap cleanup EXIT

# apt-get resolves the Depends from the archive, as on a fresh machine.
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
# The plugins the window loads must come from a package apt-get pulled in.
for plugin in platforms/libqxcb.so platforms/libqoffscreen.so; do
  owner=$(dpkg -S "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt6/plugins/$plugin" 2>/dev/null | cut -d: -f1) \
    || fail "no package holds the Qt plugin $plugin"
  [[ ", $depends," == *", $owner"[\ ,]* ]] || fail "the Qt plugin $plugin comes from $owner, not in Depends"
done
for file in /usr/bin/indice-uv /usr/bin/indice-uv-calc "$launcher" "$metainfo" \
            /usr/share/icons/hicolor/16x16/apps/indice-uv.png /usr/share/icons/hicolor/256x256/apps/indice-uv.png \
            /usr/share/doc/indice-uv/copyright /usr/share/doc/indice-uv/changelog.gz \
            /usr/share/man/man1/indice-uv.1.gz /usr/share/man/man1/indice-uv-calc.1.gz; do
  dpkg -S "$file" >/dev/null 2>&1 || fail "the package does not own $file"
done
report=$(desktop-file-validate --no-hints "$launcher" 2>&1) && [ -z "$report" ] \
  || fail "desktop-file-validate: $report"
# "man indice-uv-calc" finds the installed page.
page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -P cat indice-uv-calc 2>/dev/null) || fail "man indice-uv-calc"
grep -q 'CONFIGURACIÓN REGIONAL' <<<"$page" || fail "man indice-uv-calc shows another page"

cd "$work"
# The companion computes the start-up example.
calc=$(/usr/bin/indice-uv-calc --punto)
grep -qx 'Exposición (DEM), tipo de piel 3: 4.45' <<<"$calc" || fail "indice-uv-calc printed: $calc"

# The window starts without any display and stays up until it is told to end.
env QT_QPA_PLATFORM=offscreen /usr/bin/indice-uv &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the installed program ended by itself under QT_QPA_PLATFORM=offscreen"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=

# The start-up example in the installed window, pressed with Enter on an X
# server, leaves the day's curve peaking at 10 at 13:00 in datos.dat.
xvfb-run -a -n "$((100 + RANDOM % 800))" -s "-screen 0 1024x768x24 -dpi 96" bash -c '
  set -eu
  LC_ALL=C.UTF-8 /usr/bin/indice-uv & pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Indice UV\$" | head -n 1) || { kill $pid; exit 1; }
  xdotool windowfocus --sync "$window"
  xdotool key Return
  for _ in $(seq 200); do [ -s datos.dat ] && break; sleep 0.05; done
  sleep 0.2
  kill $pid' || fail "the installed window did not compute the start-up example"
[ "$(wc -l < datos.dat)" -eq 1000 ] || fail "datos.dat has $(wc -l < datos.dat) lines"
peak=$(sed -n 500p datos.dat | tr -d '\r')
[ "$peak" = "13.000        10.0000" ] || fail "line 500 of datos.dat: '$peak'"

# And the installed window used as a person would: typing, Enter, Terminar.
bash "$here/tests/ui/end_to_end_test.sh" /usr/bin/indice-uv >/dev/null || fail "end-to-end test of the installed window"

cd "$here"
as_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq indice-uv >/dev/null
[ ! -e /usr/bin/indice-uv ] || fail "/usr/bin/indice-uv is still there after removal"
echo "ok"
