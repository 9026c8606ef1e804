#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The same seed and options must give the same sheets in every release: the
# program's JSON for a few seeds that reach all 150 patterns, every hide and
# blank setting, the zero setting, several sheets and the colour-word sheet is
# compared byte for byte with what earlier versions wrote. Run without a print
# server, so the page geometry is the design paper on every machine.
# Usage: check.sh PROGRAM [--update]
set -euo pipefail
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen CUPS_SERVER="$out/no-print-server.sock"

cases=(
  "a|--patterns 1-150 --seed 7"
  "b|--patterns 1-150 --seed 11 --hide random --blank random --zero --sheets 3 --print-number 5"
  "c|--bonus --seed 3 --colours 5 --words 30"
  "d|--patterns 111-150 --blank all --hide all --seed 99"
  "e|--grid sub --seed 28 --sheets 2 --print-number 4"
)
fail=0
for row in "${cases[@]}"; do
  name="${row%%|*}"
  read -r -a args <<< "${row#*|}"
  "$program" "${args[@]}" --json "$out/$name.json"
  if [ "${2:-}" = --update ]; then
    cp "$out/$name.json" "$here/$name.json"
  elif ! cmp -s "$here/$name.json" "$out/$name.json"; then
    echo "seeded output changed for: ${row#*|}" >&2
    diff <(tr ',' '\n' < "$here/$name.json") <(tr ',' '\n' < "$out/$name.json") | head -20 >&2 || true
    fail=1
  fi
done
exit "$fail"
