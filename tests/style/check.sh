#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every source file is in the one clang-format style, and every program and
# test source the build compiles passes clang-tidy with the project's .clang-tidy
# (bugprone, performance, naming; headers through the files that include them).
# Usage: check.sh SOURCE_DIR BUILD_DIR (whose compile_commands.json is read).
# Exits 77 (skipped) where the tools are not installed.
set -eu
source_dir=$1
build_dir=$(cd "$2" && pwd)
for tool in clang-format clang-tidy sha256sum; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 77; }
done
cd "$source_dir"
files=$(git ls-files -co --exclude-standard 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
  'bench/*.cpp' 'bench/*.h' 2>/dev/null || find src tests bench -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files

# The files the build compiles: the web engine, built by emscripten apart, is
# not among them, nor are moc's.
sources=$(sed -n 's|^ *"file": "\(.*\)",\{0,1\}$|\1|p' "$build_dir/compile_commands.json" |
  grep -E "^$(pwd)/(src|tests)/" | sort -u)
# clang-tidy takes some seconds a file, most of it in Qt's headers, so a file
# that passed is not looked at again until it, any header of ours, the
# configuration, the build's flags or the tool change.
passed=$build_dir/clang-tidy/passed
logs=$build_dir/clang-tidy/logs
rm -rf "$logs"
mkdir -p "$passed" "$logs"
# shellcheck disable=SC2046
common=$({
  clang-tidy --version
  cat .clang-tidy "$build_dir/compile_commands.json" $(git ls-files -co --exclude-standard 'src/*.h' 'tests/*.h' 2>/dev/null || find src tests -name '*.h')
} | sha256sum | cut -c1-64)
for source in $sources; do
  key=$({ echo "$common"; cat "$source"; } | sha256sum | cut -c1-64)
  [ -e "$passed/$key" ] || echo "$source $key"
done | xargs -r -L 1 -P "$(nproc 2>/dev/null || echo 2)" sh -c '
  log="$2/$5.log"
  if clang-tidy -p "$3" --quiet "$4" >"$log" 2>&1; then touch "$1/$5"; rm "$log"; fi
' sh "$passed" "$logs" "$build_dir"
for log in "$logs"/*.log; do
  [ -e "$log" ] || exit 0
  grep -v ' warnings\? generated\.$' "$log" >&2 || true
done
exit 1
