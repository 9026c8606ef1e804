#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser version's checks: builds the site as `make web` does (its own
# emscripten tree under the build directory, kept out of the normal build;
# incremental after the first time), then checks the engine under node or
# the page in chromium. Exits 77 (skipped) where a tool is not installed.
# Usage: run.sh engine|page|clicks SOURCE_DIR BUILD_DIR [KAZENORI]
set -eu
kind=$1
source_dir=$2
work_dir=$3/web
program=${4:-}
skip() { echo "skipped: $1 is not installed (scripts/install-deps.sh installs it)" >&2; exit 77; }
# A package build checks the program it packages; the browser version is no
# part of the package, and emscripten would write its cache into a home the
# build may not have.
if [ -n "${KAZENORI_NO_WEB_TESTS:-}" ]; then
  echo "skipped: the browser version is not built here (KAZENORI_NO_WEB_TESTS)" >&2
  exit 77
fi
command -v em++ >/dev/null || skip "emscripten (em++)"
command -v node >/dev/null || skip "node"
if [ "$kind" != engine ]; then
  command -v chromium >/dev/null || skip "chromium"
  command -v pdftotext >/dev/null || skip "pdftotext (poppler-utils)"
fi
# The driver of the click test comes from npm, installed globally.
NODE_PATH="$(npm root -g 2>/dev/null || true)"
export NODE_PATH
if [ "$kind" = clicks ]; then
  node -e "require.resolve('puppeteer-core')" 2>/dev/null || skip "puppeteer-core (npm)"
fi
mkdir -p "$work_dir"
"$source_dir/scripts/build-web.sh" "$work_dir/site" "$work_dir/build" >"$work_dir/build.log" 2>&1 ||
  { cat "$work_dir/build.log" >&2; exit 1; }
case $kind in
  engine)
    exec node "$source_dir/tests/web/engine-check.js" "$work_dir/build/src/web/kazenori-engine-node.js" \
      "$source_dir/tests/app/seeded" ;;
  page)
    exec python3 "$source_dir/tests/web/page-check.py" "$work_dir/site" \
      "$source_dir/tests/app/seeded" $program ;;
  clicks)
    exec node "$source_dir/tests/web/click-check.js" "$work_dir/site" ;;
esac
echo "run.sh: unknown check '$kind'" >&2
exit 2
