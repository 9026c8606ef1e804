#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program loads libcups at its first CUPS call (src/app/lazycups.cpp), so
# its CUPS calls go through stand-ins that the library tests never reach: the
# program itself prints to the test queues. A job printed, a job refused (the
# queue's reason asked in an IPP request of its own), a job aborted, a server
# not there; and libcups not among the libraries loaded at start.
# Usage: check.sh PROGRAM (under scripts/with-test-env.sh)
set -euo pipefail
program="$1"
[ -z "${KAZENORI_CUPS_SETUP_FAILED:-}" ] || { echo "the CUPS test environment did not start" >&2; exit 1; }
: "${KAZENORI_CUPS_PDF_QUEUE:?run under scripts/with-test-env.sh}"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home"
mkdir -p "$XDG_CONFIG_HOME" "$HOME"

fail=0
# expect STATUS TEXT QUEUE [VAR=VALUE]...: the run's exit status and what it says.
expect() {
  local status="$1" text="$2" queue="$3" got=0 said
  shift 3
  said="$(env "$@" "$program" --patterns 7 --seed 5 --print "$queue" 2>&1)" || got=$?
  if [ "$got" != "$status" ] || [[ "$said" != *"$text"* ]]; then
    echo "--print $queue $*: exit $got, said: $said (expected exit $status and \"$text\")" >&2
    fail=1
  fi
}
expect 0 "printed 2 pages on $KAZENORI_CUPS_PDF_QUEUE" "$KAZENORI_CUPS_PDF_QUEUE"
expect 1 "\"$KAZENORI_CUPS_REJECT_QUEUE\" takes no job" "$KAZENORI_CUPS_REJECT_QUEUE"
expect 1 "fails every job" "$KAZENORI_CUPS_FAIL_QUEUE"
expect 1 "cannot be reached" "$KAZENORI_CUPS_PDF_QUEUE" CUPS_SERVER="$scratch/no-print-server.sock"
# A CUPS function called without a stand-in would link libcups at start again.
if readelf -d "$program" | grep -q 'NEEDED.*libcups'; then
  echo "$program links libcups at start: a CUPS function has no stand-in in src/app/lazycups.cpp" >&2
  fail=1
fi
exit "$fail"
