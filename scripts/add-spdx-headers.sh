#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the copyright and licence header on every tracked file that lacks one,
# in the comment syntax of its type, after a shebang or an XML declaration.
# Safe to run again (after a merge, say): a file that already names a licence
# in its first lines is left alone. Files that cannot hold a comment (pictures,
# JSON, translation sources) are covered by .reuse/dep5 and skipped here.
# Usage: scripts/add-spdx-headers.sh [FILE...]   (default: every tracked file)
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"

# REUSE-IgnoreStart
copyright="SPDX-FileCopyrightText: 2026 The Kazenori developers"
licence="SPDX-License-Identifier: GPL-3.0-or-later"
# REUSE-IgnoreEnd

# The comment style of a file: line prefix, "xml" or "man"; "none" when .reuse/dep5
# covers it, empty when the type is unknown.
style() {
  case "$1" in
    LICENSE | LICENSES/* | .reuse/* | packaging/copyright | packaging/changelog) echo none ;;
    *.png | *.jpg | *.svgz | *.pdf | *.json | *.ts | *.qm) echo none ;;
    *.cpp | *.h | *.hpp | *.cc | *.c) echo "//" ;;
    *.sh | *.bash | *.py | *.cmake | *.cmake.in | CMakeLists.txt | */CMakeLists.txt | Makefile | */Makefile) echo "#" ;;
    *.supp | *.desktop | *.yml | *.yaml | *.toml | .gitignore | */.gitignore | .clang-format | .ci/*) echo "#" ;;
    *.xml | *.svg | *.md | *.qrc | *.ui | *.html) echo "xml" ;;
    *.[1-8]) echo "man" ;;
    *)
      # An extensionless script: its shebang tells.
      if head -c 2 "$1" | grep -q '^#!'; then echo "#"; fi
      ;;
  esac
}

header() {
  case "$1" in
    xml) printf '<!--\n%s\n%s\n-->\n' "$copyright" "$licence" ;;
    man) printf '.\\" %s\n.\\" %s\n' "$copyright" "$licence" ;;
    *) printf '%s %s\n%s %s\n' "$1" "$copyright" "$1" "$licence" ;;
  esac
}

add() {
  local file="$1" kind="$2" tmp
  tmp="$(mktemp)"
  # A line that must stay first: a shebang, an XML declaration.
  local keep=0
  case "$(head -n 1 "$file")" in
    '#!'* | '<?xml'*) keep=1 ;;
  esac
  {
    head -n "$keep" "$file"
    header "$kind"
    # A C++ or shell file reads better with a blank line after the header.
    if [ "$kind" != xml ] && [ "$kind" != man ] && [ -n "$(sed -n "$((keep + 1))p" "$file")" ]; then
      echo
    fi
    tail -n "+$((keep + 1))" "$file"
  } > "$tmp"
  cat "$tmp" > "$file"  # keeps the file's mode (a script stays executable)
  rm -f "$tmp"
  echo "header added: $file"
}

if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(git ls-files); fi
unknown=0
for file in "${files[@]}"; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  head -n 12 "$file" | grep -q 'SPDX-License-Identifier:' && continue
  kind="$(style "$file")"
  case "$kind" in
    none) continue ;;
    "")
      echo "no comment style known for $file: give it a header or a line in .reuse/dep5" >&2
      unknown=1
      continue
      ;;
  esac
  add "$file" "$kind"
done
exit "$unknown"
