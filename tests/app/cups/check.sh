#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The program itself prints to the test queues: a job printed, a job refused
# (the queue's reason asked in an IPP request of its own), a job aborted, a
# server not there.
# Usage: check.sh PROGRAM (under scripts/with-test-env.sh)
set -euo pipefail
program="$1"
[ -z "${KAZENORI_CUPS_SETUP_FAILED:-}" ] || { echo "the CUPS test environment did not start" >&2; exit 1; }
[ -n "${KAZENORI_CUPS_PDF_QUEUE:-}" ] || { echo "no test print server: run under scripts/with-test-env.sh"; exit 77; }
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
exit "$fail"
