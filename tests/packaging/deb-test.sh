#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from the build tree and checks its control
# fields, that it carries every installed file, and that lintian finds no
# error and no warning in it.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip > "$out/cpack.log") || {
  cat "$out/cpack.log" >&2
  exit 1
}
deb="$(ls "$out"/*.deb | head -n 1)"
[ -f "$deb" ] || { echo "no .deb produced" >&2; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = kazenori ] || { echo "Package: $(field Package)" >&2; exit 1; }
[ -n "$(field Version)" ]
deps="$(field Depends)"
for need in libqt6widgets6 libqt6printsupport6 fonts-ipafont-gothic libcups2; do
  case "$deps" in *"$need"*) ;; *) echo "Depends lacks $need: $deps" >&2; exit 1 ;; esac
done
# Nothing of the build may be required at run time.
case "$deps" in *-dev*) echo "Depends names a -dev package: $deps" >&2; exit 1 ;; esac

# The long description is wrapped text: a line with two leading spaces would
# be shown verbatim.
if field Description | tail -n +2 | grep -qv '^ [^ ]'; then
  echo "long description is not plain wrapped text:" >&2
  field Description >&2
  exit 1
fi

contents="$(dpkg-deb -c "$deb")"
id=org.kazenori.Kazenori
for f in usr/bin/kazenori usr/share/applications/$id.desktop \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/metainfo/$id.metainfo.xml \
         usr/share/man/man1/kazenori.1.gz usr/share/doc/kazenori/copyright \
         usr/share/doc/kazenori/changelog.gz usr/share/kazenori/translations/kazenori_ja.qm; do
  grep -q "\./$f\$" <<< "$contents" || { echo "package lacks $f" >&2; exit 1; }
done
# Its dependencies are satisfiable on this machine.
dpkg --dry-run -i "$deb" > /dev/null 2>&1 || dpkg-deb --info "$deb" >&2
# What a distribution's archive checks: stripped binary, compressed manual
# page and changelog, copyright, maintainer address, description width, ...
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || {
  echo "lintian finds fault with the package" >&2
  exit 1
}
echo "debian package ok"
