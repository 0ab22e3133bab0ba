#!/usr/bin/env bash
# Installs what is missing from Debian, builds, and then either opens the
# window ("run") or runs every test ("test"). Safe to run again: packages that
# are already installed are not asked for, and the build is incremental.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build"

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-urw-base35 fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  locales
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
  # The tests also run in a comma locale.
  if ! locale -a 2>/dev/null | grep -qi '^es_ES\.utf-\?8$'; then
    as_root sed -i 's/^# *\(es_ES.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    as_root locale-gen >/dev/null
  fi
}

build() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build"
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -x "$build/src/app/indice-uv" ]; then
      cd "${INDICE_UV_WORKDIR:-$PWD}"
      exec "$build/src/app/indice-uv"
    fi
    echo "Compilado. La ventana todavía no existe en esta versión; 'test' ejecuta las pruebas."
    ;;
  test)
    install_missing
    build
    cd "$build"
    ctest --output-on-failure --timeout 600
    ;;
  *)
    echo "uso: $0 run|test" >&2
    exit 2
    ;;
esac
