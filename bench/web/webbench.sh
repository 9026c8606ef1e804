#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A class set of 40 sheets composed by the browser version and natively (the
# same engine code, g++ -O2), the time to the first sheet on screen and the
# bytes of the first visit. Builds the site first (make web).
# Usage: bench/web/webbench.sh [SITE_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
site="${1:-$root/out/web}"
[ -f "$site/index.html" ] || "$root/scripts/build-web.sh" "$site"
query='patterns=1-150&seed=11&sheets=40'
options='{"patterns":"1-150","seed":"11","sheets":"40"}'
native="$(mktemp -d)"
trap 'rm -rf "$native"' EXIT
${CXX:-g++} -O2 -std=c++17 -I"$root/src" -o "$native/nativecompose" "$root/bench/web/nativecompose.cpp" \
  "$root"/src/web/*.cpp "$root"/src/composition/*.cpp "$root"/src/generation/*.cpp
echo "native: $("$native/nativecompose" "$options")"
NODE_PATH="$(npm root -g)" node "$root/bench/web/webbench.js" "$site" "$query"
echo "engine in node: $(cd "$root/build-web/src/web" && node -e "
require('./kazenori-engine-node.js')().then((m) => {
  const t = process.hrtime.bigint();
  const json = m.ccall('kazenori_compose', 'string', ['string'], [process.argv[1]]);
  console.log((Number(process.hrtime.bigint() - t) / 1e6).toFixed(1) + ' ms ' + json.length + ' chars');
});" "$options")"
echo "site: $(du -cb "$site"/index.html "$site"/style.css "$site"/kazenori.js "$site"/kazenori-engine.* "$site"/sheet-gothic.woff* | tail -1 | cut -f1) bytes of page, script, engine and font"
