#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The core (generation and composition) configures, builds and passes its
# tests in a tree that never looks for Qt: any Qt header or library slipping
# into it fails the build here, as it would on a machine without Qt.
# Usage: build-without-qt.sh SOURCE_DIR WORK_DIR BUILD_TYPE SANITIZE
set -eu
source_dir=$1
work_dir=$2/core-only
build_type=$3
sanitize=$4

cmake -S "$source_dir" -B "$work_dir" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
  -DKAZENORI_SANITIZE="$sanitize" -DKAZENORI_GUI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Cups=ON >"$work_dir.log" 2>&1 || { cat "$work_dir.log"; exit 1; }
# Neither found (a cached path) nor on a compile or link line.
pattern='Qt6[A-Za-z]*_DIR:PATH=/\|Cups_[A-Z_]*:FILEPATH=/\|/qt6\|libcups\|-lcups'
if grep -q "$pattern" "$work_dir/CMakeCache.txt" "$work_dir/build.ninja"; then
  echo "the core-only tree refers to Qt or CUPS:" >&2
  grep -m 5 "$pattern" "$work_dir/CMakeCache.txt" "$work_dir/build.ninja" >&2
  exit 1
fi
cmake --build "$work_dir" -j 2
ctest --test-dir "$work_dir" -L 'generation|composition' --output-on-failure -j 2
