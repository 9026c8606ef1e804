#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time of Kazenori against a bare Qt window of the same size with
# 150 check boxes: from process start until the top-level window is mapped
# on the X server, and (a last table) until its contents are first drawn.
# The programs are not changed for this: waitshown (built next to barewindow)
# starts each one and listens for its window's map event.
# A row with a hung print server uses silentserver, built beside them.
# The X server must not reset when its last client leaves, or the next
# program started finds no display for a moment.
# Builds nothing; runs itself under xvfb-run and the CUPS test environment.
# Usage: bench/startup/startup.sh KAZENORI_BINARY BAREWINDOW_BINARY [RUNS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ -z "${KZ_STARTUP_INNER:-}" ]; then
  [ $# -ge 2 ] || { echo "usage: $0 KAZENORI BAREWINDOW [RUNS]" >&2; exit 2; }
  export KZ_STARTUP_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    "$here/../../scripts/with-test-env.sh" "$0" "$@"
fi

[ -z "${KAZENORI_CUPS_SETUP_FAILED:-}" ] || { echo "the CUPS test environment did not start" >&2; exit 1; }
kazenori="$(realpath "$1")"
bare="$(realpath "$2")"
waitshown="$(dirname "$bare")/waitshown"
silentserver="$(dirname "$bare")/silentserver"
runs="${3:-20}"
# The real X server, not the offscreen platform the test environment chooses.
export QT_QPA_PLATFORM=xcb
# A fresh settings folder, so that no developer's saved state takes part.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

# Microseconds from start until a window named $1 is shown (with
# wait_for=--drawn: until its contents are first drawn); $2... is the command.
wait_for=""
time_to_window() {
  if ! "$waitshown" $wait_for "$@" 2>"$scratch/stderr"; then
    echo "$1 was not shown:" >&2
    cat "$scratch/stderr" >&2
    return 1
  fi
}

# "median min" in milliseconds of the microsecond figures on stdin.
summary() {
  sort -n | awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.1f %.1f\n", m / 1000, v[1] / 1000 }'
}

# One row: the programs, alternately, $runs times each, after one unmeasured
# warm-up. The bare window is also timed with Japanese captions: showing
# Japanese text at all costs a CJK font, which Kazenori cannot do without.
row() {
  local label="$1" k=() b=() j=() i
  time_to_window Kazenori "$kazenori" >/dev/null
  time_to_window barewindow "$bare" >/dev/null
  time_to_window barewindow "$bare" --japanese >/dev/null
  for ((i = 0; i < runs; i++)); do
    k+=("$(time_to_window Kazenori "$kazenori")")
    b+=("$(time_to_window barewindow "$bare")")
    j+=("$(time_to_window barewindow "$bare" --japanese)")
  done
  local km kmin bm bmin jm jmin
  read -r km kmin <<<"$(printf '%s\n' "${k[@]}" | summary)"
  read -r bm bmin <<<"$(printf '%s\n' "${b[@]}" | summary)"
  read -r jm jmin <<<"$(printf '%s\n' "${j[@]}" | summary)"
  printf '%-22s %10s %10s %10s %10s %7s %10s %7s\n' "$label" "$km" "$kmin" "$bm" "$bmin" \
    "$(awk -v a="$km" -v b="$bm" 'BEGIN { printf "%.2f", a / b }')" "$jm" \
    "$(awk -v a="$km" -v b="$jm" 'BEGIN { printf "%.2f", a / b }')"
}

header() {
  echo "start-up to window $1, ms, $runs runs each (median, min); ratio of medians"
  printf '%-22s %10s %10s %10s %10s %7s %10s %7s\n' "CUPS" "kz-median" "kz-min" "bare-med" \
    "bare-min" "ratio" "bare-ja" "ratio-ja"
}
header shown
row "healthy"
# A print server that is not there: a socket path nothing listens on.
CUPS_SERVER="$scratch/no-cupsd.sock" row "dead socket"
# A print server that takes the connection and never answers (a hung cupsd).
coproc silent { exec "$silentserver"; }
# Bash forgets a coprocess's PID once it has ended, so it is kept at once.
silent_pid="$silent_PID"
read -r silent_address <&"${silent[0]}"
CUPS_SERVER="$silent_address" row "hung server"
kill "$silent_pid" 2>/dev/null || true
wait "$silent_pid" 2>/dev/null || true
# Work put off until after the window is mapped can still keep its contents
# from the screen: the time until they are drawn, on a healthy machine.
echo
header drawn
wait_for=--drawn row "healthy"
