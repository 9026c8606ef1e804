#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark binary that the bench build produced.
set -euo pipefail
dir="$1"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
found=0
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b"
done
[ "$found" = 1 ] || echo "no benchmarks built"
if [ -x "$dir/bench/barewindow" ] && [ -x "$dir/bench/waitshown" ] && [ -x "$dir/src/app/kazenori" ] && command -v xvfb-run >/dev/null; then
  echo "== startup"
  "$(dirname "$0")/../bench/startup/startup.sh" "$dir/src/app/kazenori" "$dir/bench/barewindow"
fi
