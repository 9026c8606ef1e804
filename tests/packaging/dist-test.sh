#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The source tarball holds every file this build read: the sources and headers
# ninja compiled, the CMake files, the install script and what `make` runs;
# and its tree configures offline. Needs a git checkout to make the tarball.
set -euo pipefail
source="$1"
build="$2"
git -C "$source" rev-parse --is-inside-work-tree > /dev/null 2>&1 || { echo "not a git checkout: skipped"; exit 77; }
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
tarball="$("$source/scripts/make-dist.sh" "$out")"
listing="$(tar -tzf "$tarball" | sed 's|^[^/]*/||' | sort -u)"
top="$(realpath "$source")"

# Every file under the source tree that the build used: the compiled sources
# and the headers they included (ninja's record), the CMake files it read.
{
  ninja -C "$build" -t deps | sed -n 's/^ *\([^ ].*\)$/\1/p'
  ninja -C "$build" -t inputs all build.ninja
  grep -o '"file": "[^"]*"' "$build/compile_commands.json" | cut -d'"' -f4
} | grep -v '^/usr/' | sort -u | (cd "$build" && xargs -d '\n' realpath -m) |
  sed -n "\|^$top/build|d; s|^$top/||p" | sort -u > "$out/used"
for f in Makefile CMakeLists.txt README.md LICENSE scripts/install-deps.sh scripts/with-test-env.sh \
         scripts/cups-test-env.sh scripts/run.sh; do
  echo "$f"
done >> "$out/used"
missing="$(sort -u "$out/used" | comm -23 - <(echo "$listing"))"
[ -z "$missing" ] || { echo "the tarball lacks files the build used:" >&2; echo "$missing" >&2; exit 1; }
[ "$(wc -l < "$out/used")" -gt 100 ] || { echo "too few files recorded from $build" >&2; exit 1; }

# Unpacked, it configures on its own (no network, no git).
tar -xzf "$tarball" -C "$out"
cmake -S "$out"/kazenori-*/ -B "$out/build" -G Ninja -DKAZENORI_TESTS=OFF > "$out/cmake.log" 2>&1 ||
  { cat "$out/cmake.log" >&2; exit 1; }
echo "source tarball ok: $(basename "$tarball")"
