#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix and checks that every file lands
# where the freedesktop conventions expect it, and that the desktop entry and
# the AppStream metainfo validate.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

fail=0
expect() {
  if [ ! -s "$prefix/$1" ]; then
    echo "missing after install: $1" >&2
    fail=1
  fi
}
id=org.kazenori.Kazenori
expect bin/kazenori
expect share/applications/$id.desktop
expect share/icons/hicolor/scalable/apps/$id.svg
expect share/metainfo/$id.metainfo.xml
expect share/man/man1/kazenori.1.gz
expect share/doc/kazenori/copyright
expect share/doc/kazenori/changelog.gz
expect share/kazenori/translations/kazenori_ja.qm
expect lib/kazenori/kazenori-cups.so
[ "$fail" = 0 ] || exit 1
[ -x "$prefix/bin/kazenori" ] || { echo "bin/kazenori is not executable" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"
grep -q '^Categories=Education;Math;$' "$prefix/share/applications/$id.desktop"
grep -q '^Name\[ja\]=' "$prefix/share/applications/$id.desktop"
grep -q '^Comment\[ja\]=' "$prefix/share/applications/$id.desktop"
grep -q '^Exec=kazenori' "$prefix/share/applications/$id.desktop"
# Docks group the window (class Kazenori) with its launcher.
grep -q '^StartupWMClass=Kazenori$' "$prefix/share/applications/$id.desktop"
# The metainfo's screenshots are the tree's own, its newest release is this
# version, and it has a content rating.
meta="$prefix/share/metainfo/$id.metainfo.xml"
source="$(cd "$(dirname "$0")/../.." && pwd)"
shots="$(grep -o 'docs/screenshots/[^<]*' "$meta")"
[ "$(wc -l <<< "$shots")" -ge 2 ] || { echo "metainfo lacks the two windows' screenshots" >&2; exit 1; }
for shot in $shots; do
  [ -s "$source/$shot" ] || { echo "metainfo names a screenshot the tree lacks: $shot" >&2; exit 1; }
done
version="$("$prefix/bin/kazenori" --version | head -n 1 | cut -d' ' -f2)"
[ "$(grep -o -m1 '<release version="[^"]*"' "$meta")" = "<release version=\"$version\"" ] ||
  { echo "the newest release in the metainfo is not $version" >&2; exit 1; }
grep -q '<content_rating type="oars-1.1"' "$meta"
# The installed program finds its catalogue. Output is taken whole before it
# is searched: grep -q leaves at its first match, and a writer still writing
# then dies of SIGPIPE, which pipefail reports as a failure.
help="$(LANG=ja_JP.UTF-8 "$prefix/bin/kazenori" --help)"
grep -q '^使い方: kazenori' <<< "$help"
# libcups is the CUPS module's, loaded after the window is shown: the program
# does not need it to start, nor keeps a run path, and it finds the module
# under its own prefix (a server it cannot reach, not printing unavailable).
dynamic="$(readelf -d "$prefix/bin/kazenori")"
! grep -q 'libcups' <<< "$dynamic" || { echo "bin/kazenori needs libcups at start" >&2; exit 1; }
! grep -Eq 'RUNPATH|RPATH' <<< "$dynamic" || { echo "bin/kazenori keeps a run path" >&2; exit 1; }
grep -q 'NEEDED.*libcups' <<< "$(readelf -d "$prefix/lib/kazenori/kazenori-cups.so")"
said="$(QT_QPA_PLATFORM=offscreen CUPS_SERVER="$prefix/no-print-server.sock" \
        "$prefix/bin/kazenori" --patterns 7 --print kz-pdf 2>&1)" || true
grep -q 'cannot be reached' <<< "$said" || { echo "the installed program's print: $said" >&2; exit 1; }
# The icon is a real SVG document, not a placeholder.
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
# The manual page is well-formed enough for man to render it.
manual="$(MANWIDTH=80 man -l "$prefix/share/man/man1/kazenori.1.gz" 2>&1)"
grep -q 'kazenori - make printed' <<< "$manual"
echo "install layout ok"
