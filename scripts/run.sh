#!/usr/bin/env bash
# Starts the program. Without a display it never hangs: it says so and runs
# what can run headless.
set -euo pipefail
bin="$1"; shift || true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "kazenori: no display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  exec "$bin" --headless-demo "$@"
fi
exec "$bin" "$@"
