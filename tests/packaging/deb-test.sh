#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source and binary packages twice from the tree's files, as
# a distribution's builder would: lintian finds nothing at all in them
# (information and pedantic notes included), and both builds give the same
# bytes. The program's own tests run in `make test`, so these builds skip them
# (nocheck) and compile only the program, Release.
# Both builds unpack in the same folder WORK_DIR, so that ccache gives the
# second one the first one's objects (the folder does not reach them: the
# compiler maps it away): what varies between them is the time.
# Usage: deb-test.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source="$(realpath "$1")"
for tool in dpkg-buildpackage dpkg-parsechangelog lintian git; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
git -C "$source" rev-parse --is-inside-work-tree > /dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }
work="$(realpath -m "$2")"
rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT

version="$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)"
upstream="${version%-*}"
epoch="$(dpkg-parsechangelog -l "$source/debian/changelog" -S Timestamp)"
# The upstream tarball of the tree's files as they are now, committed or not;
# as a release's, without the packaging (see .gitattributes).
orig="kazenori_$upstream.orig.tar.gz"
git -C "$source" ls-files -z --cached --others --exclude-standard |
  (cd "$source" && xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
  grep -zv '^debian/' |
  tar -C "$source" --null -T - --sort=name --mtime="@$epoch" --clamp-mtime --owner=0 --group=0 --numeric-owner \
      --transform="s|^|kazenori-$upstream/|" -cf - | gzip -9n > "$work/$orig"

command -v ccache > /dev/null && export CMAKE_CXX_COMPILER_LAUNCHER=ccache
export DEB_BUILD_OPTIONS="nocheck parallel=${KAZENORI_DEB_JOBS:-2}"
for run in first second; do
  rm -rf "$work/build"
  mkdir "$work/build" "$work/$run"
  cp "$work/$orig" "$work/build/"
  tar -xzf "$work/$orig" -C "$work/build"
  cp -r "$source/debian" "$work/build/kazenori-$upstream/"
  (cd "$work/build/kazenori-$upstream" && dpkg-buildpackage -us -uc > "$work/$run.log" 2>&1) || {
    tail -n 60 "$work/$run.log" >&2
    echo "dpkg-buildpackage failed ($run build)" >&2
    exit 1
  }
  find "$work/build" -maxdepth 1 -type f -exec mv -t "$work/$run" {} +
done

changes="$work/first/kazenori_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes"
# Only its tags: lintian also notes, for one, that it runs as root.
tags="$(lintian --display-info --pedantic --tag-display-limit 0 "$changes" 2>&1 | grep -E "^[A-Z]: ")" || true
[ -z "$tags" ] || { echo "lintian finds fault with the packages:" >&2; echo "$tags" >&2; exit 1; }

fail=0
for file in "$work"/first/*.deb "$work"/first/*.dsc "$work"/first/*.debian.tar.*; do
  name="$(basename "$file")"
  cmp -s "$file" "$work/second/$name" || { echo "two builds differ in $name" >&2; fail=1; }
done
# The binary package: its files and what it needs at run time.
deb="$work/first/kazenori_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb"
depends="$(dpkg-deb -f "$deb" Depends)"
for need in libcups2 libqt6printsupport6 fonts-ipafont-gothic; do
  [[ "$depends" == *"$need"* ]] || { echo "Depends lacks $need: $depends" >&2; fail=1; }
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *qt6-wayland* ]] || { echo "qt6-wayland is not recommended" >&2; fail=1; }
contents="$(dpkg-deb -c "$deb")"
for f in usr/bin/kazenori usr/lib/kazenori/kazenori-cups.so usr/share/doc/kazenori/guide-ja.md usr/share/doc/kazenori/images/question-page.png \
         usr/share/man/man1/kazenori.1.gz usr/share/applications/org.kazenori.Kazenori.desktop; do
  grep -q "\./$f\$" <<< "$contents" || { echo "package lacks $f" >&2; fail=1; }
done
# hardening=+all: the program binds every symbol at start.
dpkg-deb -x "$deb" "$work/root"
dynamic="$(readelf -d "$work/root/usr/bin/kazenori")"
grep -q 'FLAGS.*BIND_NOW' <<< "$dynamic" || { echo "the program is not linked with BIND_NOW" >&2; fail=1; }
# libcups comes with the CUPS module, which Depends follows (libcups2 above),
# not with the program's start.
! grep -q 'libcups' <<< "$dynamic" || { echo "the program needs libcups at start" >&2; fail=1; }
[ "$fail" = 0 ] && echo "debian packages ok: lintian is silent and two builds agree"
exit "$fail"
