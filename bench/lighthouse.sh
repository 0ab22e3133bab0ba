#!/usr/bin/env bash

# SPDX-FileCopyrightText: Los autores de Indice UV
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Lighthouse's four scores for the web edition on a phone (its mobile
# settings: a mid-range phone's screen, a slowed processor and network),
# against the built site served on loopback as "scripts/indice-uv.sh web"
# serves it. Targets: performance 95 or more, accessibility, best practices
# and SEO 100. The scores depend on the machine, so the test command does not
# run this. Lighthouse comes from npm, at the version tests/web/package-lock.json
# pins, into the web build folder.
#   bash bench/lighthouse.sh [BUILD_WEB_DIR]    # default build-web/, already built
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_web=$(cd "${1:-$here/build-web}" && pwd)
site=$build_web/site
if [ ! -f "$site/index.html" ]; then
  echo "no hay sitio en $site: bash scripts/indice-uv.sh web lo construye" >&2
  exit 1
fi
bash "$here/tests/web/install_checkers.sh" "$build_web" lighthouse

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m http.server --bind 127.0.0.1 --protocol HTTP/1.1 --directory "$site" "$port" >/dev/null 2>&1 &
server=$!
report=$(mktemp --suffix=.json)
profile=$(mktemp -d)
trap 'kill "$server" 2>/dev/null || true; rm -rf "$report" "$profile"' EXIT
# The server listening before Lighthouse asks.
for _ in $(seq 50); do
  /usr/bin/python3 -c "import socket; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null && break
  sleep 0.1
done

CHROME_PATH=/usr/bin/chromium "$build_web/node_modules/.bin/lighthouse" "http://127.0.0.1:$port/" \
  --quiet --output=json --output-path="$report" \
  --only-categories=performance,accessibility,best-practices,seo \
  --chrome-flags="--headless=new --no-sandbox --disable-gpu --user-data-dir=$profile"

# The four scores, and what kept any of them below 100.
node - "$report" <<'JS'
const report = JSON.parse(require('fs').readFileSync(process.argv[2], 'utf8'));
for (const category of Object.values(report.categories)) {
  console.log(`${category.title}: ${Math.round(category.score * 100)}`);
  for (const { id } of category.auditRefs) {
    const audit = report.audits[id];
    if (audit.score !== null && audit.score < 1 && audit.scoreDisplayMode !== 'informative'
        && audit.scoreDisplayMode !== 'manual' && audit.scoreDisplayMode !== 'notApplicable') {
      console.log(`  ${id}: ${audit.displayValue || audit.title}`);
    }
  }
}
JS
