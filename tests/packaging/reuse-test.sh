#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the tree states its copyright and licence (REUSE). Outside a
# git checkout (an unpacked source tarball) reuse would also read the build
# folders, so the check is skipped there.
set -euo pipefail
source="$1"
if ! git -C "$source" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  echo "not a git checkout: skipped"
  exit 77
fi
out="$(reuse --root "$source" lint 2>&1)" || {
  echo "$out" >&2
  echo "add the header with scripts/add-spdx-headers.sh, or a line in .reuse/dep5" >&2
  exit 1
}
echo "reuse lint ok"
