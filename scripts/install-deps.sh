#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs every Debian package the build, the program, the tests and the
# packaging need. Safe to run again: it only calls apt-get when something is
# missing, and then runs `apt-get update` once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libfontconfig-dev libqt6printsupport6 libqt6widgets6 qt6-qpa-plugins
  libgl-dev libglx-dev libegl-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-ipafont-gothic fontconfig
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
  poppler-utils
  xvfb xauth libxcb1-dev
  desktop-file-utils appstream man-db
  clang-format clang-tidy
)
# Release checks: every file's licence (reuse) and the Debian package (lintian).
packages+=(reuse lintian)
# The Debian source package: dpkg-buildpackage, dh and its cmake build system.
packages+=(debhelper dpkg-dev)
# The command line's catalogues: lupdate, lrelease and their CMake functions.
packages+=(qt6-tools-dev qt6-l10n-tools)
# Qt's own dialogs in Japanese: the program loads Qt's Japanese catalogue.
packages+=(qt6-translations-l10n)
# The preview tests: a Latin font whose glyphs overhang their advance.
packages+=(fonts-dejavu-core)
# The browser version (make web) and its tests: emscripten (which finds
# acorn through node), the font cut down by fonttools into WOFF2 (brotli),
# a real browser for the page's tests and benchmark.
packages+=(emscripten nodejs node-acorn python3-fonttools python3-brotli chromium)
# Debian's npm, unless node came with one of its own (as NodeSource's does,
# whose package conflicts with Debian's).
command -v npm >/dev/null || packages+=(npm)
# bench/cli/memory.sh: peak memory through /usr/bin/time -v.
packages+=(time)

# The browser tests' driver for clicks, from npm (after nodejs is installed).
npm_packages=(puppeteer-core@24)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

for p in "${npm_packages[@]}"; do
  if ! npm ls -g --depth=0 "${p%@*}" >/dev/null 2>&1; then
    echo "install-deps: installing ${p} from npm" >&2
    $sudo npm install -g --no-audit --no-fund "$p"
  fi
done
