// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "composition/pagegeometry.h"
#include "composition/sheetoptions.h"
#include "composition/worksheet.h"
#include "generation/random.h"

namespace kazenori {

// One colour of the sheet: its name in hiragana and its ink.
struct ColourEntry {
  const char* word;
  Rgb ink;
};
inline constexpr int kColourCount = 5;
const std::array<ColourEntry, kColourCount>& ColourTable();

// How the words of a sheet fall into blocks under their date lines.
struct ColourWordLayout {
  int total = 0;         // words on the sheet
  int blocks = 0;        // blocks of words, each under a date line
  int rowsPerBlock = 0;  // rows of seven words
};
// 20 → 80 in 4 × 3 rows, 30 → 90 in 3 × 5, 40 → 80 in 2 × 6; anything else,
// or a colour count outside 2..5, gives no words at all (a count of 0 or 1
// could never satisfy the no-repeat rule of the inks).
ColourWordLayout LayoutFor(const ColourWordSettings& settings);

struct ColourWord {
  std::string word;  // UTF-8
  int ink = 0;       // index into ColourTable()
};

constexpr int kColourWordCapacity = 90;
using ColourWordTable = std::array<ColourWord, kColourWordCapacity>;

// Draws the first LayoutFor(settings).total words: for each word Rnd(count)
// for the word, then Rnd(count) for its ink, drawn again while it equals the
// previous word's ink when three colours or more are used.
void FillColourWords(ColourWordTable& table, const ColourWordSettings& settings, Random& rnd);

// Steps 4 to 7 of the colour-word sheet on its page, after the page
// header: the further date lines and the words in bold 60, each centred in its ink.
void WriteColourWords(PageWriter& page, const PageGeometry& g, const ColourWordTable& table,
                      const ColourWordSettings& settings);

// The instruction line of the bonus sheet.
inline constexpr const char* kColourInstruction = "書かれている文字の色を声に出して読みましょう。";

}  // namespace kazenori
