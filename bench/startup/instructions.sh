#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The start-up benchmark's steady twin: the instructions (valgrind's callgrind)
# that Kazenori and the bare window with Japanese captions carry out until
# their window is mapped, and until its contents are first put on the X
# server. Unlike startup.sh's times these do not move with the machine's load,
# so a change of a few percent shows; they leave out what costs time without
# instructions (the disk, the X server, the kernel loading libraries).
# callgrind's tools then tell where the instructions went: the profiles are
# kept in the folder given as a third argument.
# Builds nothing; runs itself under xvfb-run.
# Usage: bench/startup/instructions.sh KAZENORI BAREWINDOW [PROFILE_FOLDER]
set -euo pipefail
if [ -z "${KZ_INSTRUCTIONS_INNER:-}" ]; then
  [ $# -ge 2 ] || { echo "usage: $0 KAZENORI BAREWINDOW [PROFILE_FOLDER]" >&2; exit 2; }
  export KZ_INSTRUCTIONS_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

kazenori="$(realpath "$1")"
bare="$(realpath "$2")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
profiles="${3:-$scratch/profiles}"
mkdir -p "$profiles"
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

# "mapped drawn" in instructions for the program $2... (profiles named $1.*):
# callgrind writes one profile at the map request and one at each image put.
count() {
  local name="$1" out="$profiles/$1" i
  shift
  rm -f "$out".*
  valgrind --tool=callgrind --callgrind-out-file="$out" --dump-after=xcb_map_window \
    --dump-after=xcb_shm_put_image --dump-after=xcb_put_image "$@" >/dev/null 2>"$out.log" &
  local pid=$!
  for ((i = 0; i < 1200; i++)); do
    [ -f "$out.2" ] && break
    sleep 0.1
  done
  sleep 0.5
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -f "$out.2" ] || { echo "$name was not drawn (see $out.log)" >&2; return 1; }
  local mapped drawn
  mapped="$(awk '/^summary:/ { print $2 }' "$out.1")"
  drawn="$(awk '/^summary:/ { print $2 }' "$out.2")"
  echo "$mapped $((mapped + drawn))"
}

read -r km kd <<<"$(count kazenori "$kazenori")"
read -r jm jd <<<"$(count barewindow "$bare" --japanese)"
echo "start-up in millions of instructions; ratio to the bare window with Japanese captions"
printf '%-10s %12s %12s %8s\n' "" kazenori bare-ja ratio
for row in "shown $km $jm" "drawn $kd $jd"; do
  read -r label k j <<<"$row"
  printf '%-10s %12.1f %12.1f %8.2f\n' "$label" "$(awk -v v="$k" 'BEGIN { print v / 1e6 }')" \
    "$(awk -v v="$j" 'BEGIN { print v / 1e6 }')" "$(awk -v a="$k" -v b="$j" 'BEGIN { print a / b }')"
done
