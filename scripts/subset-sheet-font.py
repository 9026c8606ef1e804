#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Kazenori developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The browser page's sheet font: IPAGothic cut down to the characters the
sheets print (every character of the core's sources, ASCII, kana, the CJK
symbols and the full-width forms), renamed as its licence asks of a derived
font (no "IPA" in its names), as WOFF2 where brotli is installed, else WOFF.
With --kanji, the rest of the kanji of JIS X 0208 instead, for an
instruction line a teacher types: the page loads it only for such a line.
Usage: subset-sheet-font.py [--kanji] IPAG_TTF SOURCE_DIR OUTPUT (.woff2 or .woff)"""

import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

kanji = sys.argv[1] == "--kanji"
font_path, source_dir, output = sys.argv[1 + kanji:4 + kanji]
chars = {chr(c) for c in range(0x20, 0x7F)}
for ranges in ((0x3000, 0x30FF), (0xFF01, 0xFF9F)):
    chars |= {chr(c) for c in range(ranges[0], ranges[1] + 1)}
for folder in ("src/generation", "src/composition"):
    for f in sorted(pathlib.Path(source_dir, folder).glob("*.*")):
        chars |= {c for c in f.read_text(encoding="utf-8") if ord(c) > 0x7F}
if kanji:
    # Rows 16 to 84 of JIS X 0208, as EUC-JP writes them: its two levels of kanji.
    jis = set()
    for high in range(0xB0, 0xF5):
        for low in range(0xA1, 0xFF):
            try:
                jis.add(bytes([high, low]).decode("euc_jp"))
            except UnicodeDecodeError:
                pass
    chars = jis - chars

options = subset.Options()
options.flavor = "woff2" if output.endswith(".woff2") else "woff"
options.hinting = False
options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 16, 17]
options.name_languages = ["*"]
font = TTFont(font_path)
subsetter = subset.Subsetter(options)
subsetter.populate(text="".join(sorted(chars)))
subsetter.subset(font)
family = "Kazenori Sheet Gothic"
for record in font["name"].names:
    if record.nameID in (1, 16):
        record.string = family
    elif record.nameID in (3, 4):
        record.string = family + " Regular"
    elif record.nameID == 6:
        record.string = "KazenoriSheetGothic-Regular"
    elif record.nameID == 5:
        record.string = str(record).strip() + "; subset of IPAGothic for Kazenori"
font.flavor = options.flavor
font.save(output)
print(f"{output}: {len(chars)} characters")
