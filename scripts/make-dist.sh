#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the source tarball kazenori-VERSION.tar.gz of the committed tree (what
# is not committed is not released) into the folder given (default: out/).
# Unpacked, it builds offline with the README's commands.
set -euo pipefail
root="$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
dest="$(realpath -m "${1:-$root/out}")"
version="$(sed -n 's/^project(kazenori VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }
mkdir -p "$dest"
tarball="$dest/kazenori-$version.tar.gz"
git -C "$root" archive --format=tar --prefix="kazenori-$version/" HEAD | gzip -9n > "$tarball"
echo "$tarball"
