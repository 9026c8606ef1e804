#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak memory (max RSS) and time of the command line against the number of
# sheets, for a PDF and a JSON output, and for --print to the stopped test
# queue when KAZENORI_CUPS_STOPPED_QUEUE names it (run through
# scripts/with-test-env.sh; the held jobs are cancelled). KAZENORI_BENCH_OUTPUTS
# chooses among them (e.g. "print"). Usage:
# bench/cli/memory.sh KAZENORI [SHEETS...]
# Flat memory means the largest run stays within twice the smallest's RSS.
set -euo pipefail
bin="$1"
shift
counts=("${@:-100 1000 10000}")
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package 'time')" >&2; exit 1; }
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
queue="${KAZENORI_CUPS_STOPPED_QUEUE:-}"
kinds="${KAZENORI_BENCH_OUTPUTS:-pdf json${queue:+ print}}"
printf '%-8s %-6s %12s %10s\n' sheets output max_rss_kb seconds
for n in ${counts[*]}; do
  for kind in $kinds; do
    if [ "$kind" = print ]; then
      # The stopped queue holds the job (status 3): the whole document is sent.
      /usr/bin/time -v -o "$out/time" "$bin" --patterns 1-150 --seed 1 --sheets "$n" \
        --print "$queue" >/dev/null 2>"$out/err" || [ $? = 3 ]
      job=$(sed -n 's/^kazenori: job \([0-9]*\) waits.*/\1/p' "$out/err")
      [ -n "$job" ] || { cat "$out/err" >&2; exit 1; }
      cancel "$job"
    else
      /usr/bin/time -v -o "$out/time" "$bin" --patterns 1-150 --seed 1 --sheets "$n" \
        "--$kind" "$out/s.$kind" >/dev/null
    fi
    rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$out/time")
    wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$out/time")
    printf '%-8s %-6s %12s %10s\n' "$n" "$kind" "$rss" "$wall"
  done
done
