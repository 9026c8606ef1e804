#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser version as a static site: the page (web/), the core compiled
# to WebAssembly by emscripten from the same sources and CMake project, the
# sheet font cut down to what the sheets print, a service worker for offline
# use and the licences of all it ships. Any static host serves the result.
# Usage: build-web.sh [OUT_DIR [BUILD_DIR]]   (defaults out/web, build-web)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/out/web}"
build="${2:-$root/build-web}"
# Debian's emscripten finds acorn through node's module path.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
font=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf

if [ ! -f "$build/build.ninja" ]; then
  emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKAZENORI_GUI=OFF -DKAZENORI_WEB=ON -DKAZENORI_TESTS=OFF >"$build.log" 2>&1 ||
    { cat "$build.log" >&2; exit 1; }
fi
cmake --build "$build" --target kazenori_engine

rm -rf "$out"
mkdir -p "$out/licenses"
cp "$root/web/index.html" "$root/web/style.css" "$root/web/kazenori.js" "$out/"
cp "$build/src/web/kazenori-engine.js" "$build/src/web/kazenori-engine.wasm" "$out/"
# WOFF2 needs brotli; WOFF is larger but any browser of the last decade reads it.
if /usr/bin/python3 -c 'import brotli' 2>/dev/null; then
  fontfile=sheet-gothic.woff2
else
  fontfile=sheet-gothic.woff
  sed -i 's/\.woff2/.woff/g; s/"woff2"/"woff"/g; s#font/woff2#font/woff#' \
    "$out/index.html" "$out/style.css"
fi
kanjifile="${fontfile/sheet-gothic/sheet-gothic-kanji}"
# Cut again only when the script or the core's texts changed: it takes a while.
mkdir -p "$build/fonts"
for kind in sheet kanji; do
  name="$fontfile" flag=""
  [ "$kind" = kanji ] && name="$kanjifile" flag=--kanji
  if [ ! -f "$build/fonts/$name" ] ||
    [ -n "$(find "$root/scripts/subset-sheet-font.py" "$root/src/generation" "$root/src/composition" \
      -newer "$build/fonts/$name" -print -quit)" ]; then
    /usr/bin/python3 "$root/scripts/subset-sheet-font.py" $flag "$font" "$root" "$build/fonts/$name" >/dev/null
  fi
  cp "$build/fonts/$name" "$out/"
done

# The licences: the program's, the font's (with how to put the original
# back, as its licence asks of a cut-down copy), and emscripten's runtime.
cp "$root/LICENSE" "$out/licenses/kazenori-GPL-3.0.txt"
cp /usr/share/doc/fonts-ipafont-gothic/copyright "$out/licenses/ipafont-copyright.txt"
cp /usr/share/doc/emscripten/copyright "$out/licenses/emscripten-copyright.txt"
cat >"$out/licenses/index.html" <<HTML
<!DOCTYPE html>
<html lang="ja"><head><meta charset="utf-8"><title>ライセンス</title></head><body>
<h1>ライセンス</h1>
<ul>
<li>Kazenori（ページと計算エンジン）: GNU GPL 3 以降 — <a href="kazenori-GPL-3.0.txt">全文</a></li>
<li>シートの文字のフォント $fontfile, $kanjifile: IPAゴシック（IPAフォントライセンスv1.0）の文字を二つに分け（シートで使う文字と、問題文に入力される漢字）、名前を変えた派生フォントです —
<a href="ipafont-copyright.txt">ライセンス全文</a>。元のフォントは <a href="https://moji.or.jp/ipafont/">https://moji.or.jp/ipafont/</a>
から入手できます。元のフォントに戻すには、ipag.ttf を置き、style.css の二つの @font-face を一つにして、
その src を url("ipag.ttf") format("truetype") に書き換えて下さい。</li>
<li>計算エンジンに含まれる emscripten の実行時ライブラリ（libc++, libc++abi, musl など）: MIT / University of Illinois NCSA ほか —
<a href="emscripten-copyright.txt">全文</a></li>
</ul>
</body></html>
HTML

# The service worker caches exactly these files, under a name that changes
# with their content.
files=(index.html style.css kazenori.js kazenori-engine.js kazenori-engine.wasm "$fontfile")
version="$(cd "$out" && cat "${files[@]}" | sha256sum | cut -c1-16)"
list="$(printf "'./%s'," "${files[@]}" | sed 's/,$//')"
sed "s#@VERSION@#$version#; s#/\* @FILES@ \*/#'./',$list#" "$root/web/sw.js" >"$out/sw.js"
echo "web: $out ($(du -sk "$out" | cut -f1) kB)"
