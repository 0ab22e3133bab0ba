#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing from Debian, builds, and then either opens the
# window ("run"), runs every test ("test") or serves the web edition on
# loopback ("web", PORT= chooses the port). Safe to run again: packages that
# are already installed are not asked for, and the build is incremental.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build"
build_asan="$here/build-asan"
build_fuzz="$here/build-fuzz"
build_web="$here/build-web"

# Inputs each fuzz target runs per test command: enough to reach the corners,
# each well under a minute here (libFuzzer also stops a target at its time cap).
fuzz_runs=(
  text_to_single:250000
  number_format:250000
  calcular:12000
)
fuzz_seconds_cap=50

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev libfontconfig-dev libhowardhinnant-date-dev tzdata
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-urw-base35 fonts-dejavu-core
  qt6-translations-l10n
  xvfb xauth xdotool imagemagick
  locales time
  clang libclang-rt-14-dev
  desktop-file-utils dpkg-dev file
  help2man appstream lintian reuse man-db
  python3 python3-icalendar dbus-daemon
  emscripten binaryen node-acorn python3-fonttools python3-brotli
  chromium chromium-driver python3-selenium
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
  done
  # npm, for the browser test's axe-core, from Debian when this machine has none.
  command -v npm >/dev/null 2>&1 || missing+=(npm)
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

# Every compilation goes through ccache, whose key leaves out where the
# checkout is: paths under it are hashed relative to it (generated sources
# live in the build folders, under it too), and the working directory, which
# only goes into the debug information, is not hashed. So a fresh clone in
# another folder, as CI makes, finds what an earlier one compiled; its debug
# information then names the earlier clone's build folder.
use_ccache() {
  export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-~/.cache}/indice-uv/ccache}
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
  export CCACHE_BASEDIR=$here
  export CCACHE_NOHASHDIR=1
  # cmake takes the launcher from here in folders it configures afresh
  # (tests/packaging/package_test.sh passes it on to its build-deb).
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
  # rcc stamps each picture with its file's time, which a clone sets to the
  # moment of cloning; the pictures' last commit keeps the generated source,
  # and so its cache entry, the same from clone to clone.
  local pictures_date
  pictures_date=$(git -C "$here" log -1 --format=%ct -- src/ui/images 2>/dev/null) || pictures_date=
  if [ -n "$pictures_date" ]; then export QT_RCC_SOURCE_DATE_OVERRIDE=$pictures_date; fi
}

# ccache's counters: hits (direct and preprocessed) and misses.
ccache_counts() {
  ccache --print-stats | awk -F '\t' '
    $1 == "direct_cache_hit" || $1 == "preprocessed_cache_hit" { hits += $2 }
    $1 == "cache_miss" { misses += $2 }
    END { print hits + 0, misses + 0 }'
}

# with_ccache_report NAME COMMAND...: runs COMMAND, then says how many of its
# compilations came from the cache.
with_ccache_report() {
  local name=$1 hits0 misses0 hits1 misses1
  shift
  read -r hits0 misses0 < <(ccache_counts)
  "$@"
  read -r hits1 misses1 < <(ccache_counts)
  local hits=$((hits1 - hits0)) misses=$((misses1 - misses0))
  local total=$((hits + misses))
  echo "ccache, $name: $hits de $total compilaciones del caché ($((total > 0 ? 100 * hits / total : 0)) %), $misses compiladas"
}

# configure_and_build DIR [cmake options...] [-- targets...]: every target
# unless some are named.
configure_and_build() {
  local dir=$1
  shift
  local options=() targets=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
  [ $# -gt 0 ] && shift && targets=(--target "$@")
  cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER" "${options[@]}" >/dev/null
  with_ccache_report "$(basename "$dir")" cmake --build "$dir" --parallel 2 "${targets[@]}"
}

# Any compiler warning fails this build. Line tables only (-g1): enough for
# a backtrace, and a quarter less compiling; for a debugger that shows the
# variables, configure another folder with -DCMAKE_BUILD_TYPE=Debug.
build() {
  configure_and_build "$build" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
}

# The normal build's tests, first: they are the quickest to say what broke.
pass_tests() {
  (cd "$build" && ctest --output-on-failure --timeout 600)
}

# Every file says its copyright and licence, in a header or in .reuse/dep5.
pass_licences() {
  (cd "$here" && reuse lint)
}

# The same tests again in a locale whose decimal separator is the comma; the
# window's tests use it to check that the comma reaches every box and label.
# The soak, whose memory owes nothing to the locale, runs once.
pass_comma_locale() {
  (cd "$build" && LC_ALL=es_ES.UTF-8 LANG=es_ES.UTF-8 ctest --output-on-failure --timeout 600 --exclude-regex '^Soak\.')
}

# The Debian package built, installed with apt-get, used and removed again.
pass_package() {
  with_ccache_report build-deb bash "$here/tests/packaging/package_test.sh" "$here/build-deb"
}

# Everything again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any report ends the test that caused it.
pass_sanitizers() {
  configure_and_build "$build_asan" -DINDICE_UV_SANITIZE=ON -DINDICE_UV_BUILD_BENCH=OFF
  # The suppressions name only reports from Debian's libraries (each file says why).
  (cd "$build_asan" &&
    ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$here/scripts/asan-suppressions.txt \
    LSAN_OPTIONS=suppressions=$here/scripts/lsan-suppressions.txt \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --output-on-failure --timeout 600)
}

# Each libFuzzer target for a bounded number of inputs, starting from the
# committed seeds plus what earlier runs found. A broken property leaves the
# input in build-fuzz/crashes/.
pass_fuzz() {
  # Only the fuzz programs and what they link: the other libraries would be
  # compiled here for nothing (nothing runs them, and this build's warnings
  # do not fail it).
  configure_and_build "$build_fuzz" -DCMAKE_CXX_COMPILER=clang++ -DINDICE_UV_FUZZ=ON \
    -- "${fuzz_runs[@]/%:*/_fuzz}"
  mkdir -p "$build_fuzz/crashes"
  # The calculation writes datos.dat on every input; memory is the quicker disk.
  local scratch=${TMPDIR:-/tmp}
  [ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
  local entry target runs
  for entry in "${fuzz_runs[@]}"; do
    target=${entry%%:*}
    runs=${entry#*:}
    mkdir -p "$build_fuzz/corpus/$target"
    echo "fuzz $target: $runs entradas"
    if ! TMPDIR=$scratch "$build_fuzz/fuzz/${target}_fuzz" \
        -runs="$runs" -max_total_time="$fuzz_seconds_cap" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build_fuzz/crashes/${target}-" \
        "$build_fuzz/corpus/$target" "$here/fuzz/corpus/$target" >"$build_fuzz/$target.log" 2>&1; then
      tail -n 40 "$build_fuzz/$target.log" >&2
      echo "fuzz $target: falló; registro completo en $build_fuzz/$target.log" >&2
      return 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$build_fuzz/$target.log" || true
  done
}

# The web edition: the model and chart compiled to WebAssembly, the page
# generated from the layout table, the fonts subset; everything in
# build-web/site. Emscripten's JavaScript optimizer finds acorn through
# NODE_PATH when the node first on PATH is not Debian's.
build_web() {
  NODE_PATH=/usr/share/nodejs emcmake cmake -S "$here" -B "$build_web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER" >/dev/null
  NODE_PATH=/usr/share/nodejs with_ccache_report build-web cmake --build "$build_web" --parallel 2
}

# The page in headless Chromium, against the native companion's datos.dat,
# with axe-core from npm (tests/web/package-lock.json) in build-web; prints its
# speed and weight and leaves the screenshots in docs/web.png,
# docs/web-telefono.png and docs/web-estimar.png.
pass_web() {
  build_web
  bash "$here/tests/web/install_checkers.sh" "$build_web" axe-core --omit=dev
  /usr/bin/python3 "$here/tests/web/web_test.py" "$build_web/site" "$build/src/app/indice-uv-calc" \
    "$here/docs/web.png" "$here/docs/web-telefono.png" "$here/docs/web-estimar.png"
}

# The program's start-up beside an empty Qt window (bench/startup_compare.sh):
# prints both times and memories; only the memory bound can fail it.
pass_startup() {
  bash "$here/bench/startup_compare.sh" 15 "$build"
}

# timed NAME COMMAND...: runs one pass and notes how long it took.
timings=()
timed() {
  local name=$1
  shift
  local start=$SECONDS
  "$@"
  timings+=("$name: $((SECONDS - start)) s")
}

case "${1:-}" in
  run)
    install_missing
    use_ccache
    build
    # datos.dat goes to the working directory, as always.
    exec "$build/src/app/indice-uv"
    ;;
  test)
    install_missing
    use_ccache
    timed "compilación" build
    timed "pruebas" pass_tests
    timed "licencias (reuse lint)" pass_licences
    timed "pruebas con coma decimal" pass_comma_locale
    timed "edición web (compilación y navegador)" pass_web
    timed "arranque comparado" pass_startup
    timed "paquete Debian (compilación, instalación, uso)" pass_package
    timed "sanitizadores (compilación y pruebas)" pass_sanitizers
    timed "fuzzing (compilación y ejecución)" pass_fuzz
    echo "Tiempos:"
    printf '  %s\n' "${timings[@]}"
    ;;
  web)
    install_missing
    use_ccache
    build_web
    port=${PORT:-8000}
    echo "Edición web en http://127.0.0.1:$port/ (Ctrl+C para terminar)"
    exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --protocol HTTP/1.1 --directory "$build_web/site" "$port"
    ;;
  *)
    echo "uso: $0 run|test|web" >&2
    exit 2
    ;;
esac
