#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the web edition's checkers from npm, at the versions
# package-lock.json (beside this script) pins, into a build folder, never into
# the sources: axe-core for the browser test, and Lighthouse for
# bench/lighthouse.sh (a development dependency, left out by --omit=dev).
#   bash tests/web/install_checkers.sh BUILD_DIR PACKAGE [npm ci options...]
# Does nothing when PACKAGE is there already from the same lock file.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
target=$1
needed=$2
shift 2

mkdir -p "$target"
if cmp -s "$here/package-lock.json" "$target/package-lock.json" && [ -d "$target/node_modules/$needed" ]; then
  exit 0
fi
cp "$here/package.json" "$here/package-lock.json" "$target/"
echo "npm: instalando $needed en $target"
(cd "$target" && npm ci --no-audit --no-fund --loglevel=error "$@")
