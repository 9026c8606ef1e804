#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command (the test suite) with what the tests need around it:
# sanitizer settings, the offscreen Qt platform and, once it exists, a CUPS
# server with the PDF queue.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/../tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
if [ -x "$here/cups-test-env.sh" ]; then
  # shellcheck source=/dev/null
  source "$here/cups-test-env.sh"
fi
exec "$@"
