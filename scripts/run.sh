#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts the program. Without a display it never hangs: it says so and writes
# a sample worksheet through the command line instead.
set -euo pipefail
bin="$1"; shift || true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "kazenori: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  mkdir -p out
  "$bin" --patterns 7,8,15,18 --hide random --pdf out/sample.pdf --json out/sample.json "$@"
  echo "kazenori: wrote a sample worksheet (question and answer page) to $(pwd)/out/sample.pdf" >&2
  echo "kazenori: and what was composed to $(pwd)/out/sample.json; see 'kazenori --help'." >&2
  exit 0
fi
exec "$bin" "$@"
