// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "composition/pagegeometry.h"
#include "generation/gridproblem.h"
#include "generation/problemrecord.h"

namespace kazenori {

// The face of every printed text; the font substitutions map it onto an
// installed Japanese font.
inline constexpr char kSheetFontFamily[] = "ＭＳ ゴシック";

// An ink, eight bits a channel; the pages turn it into the painter's colour.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};
inline constexpr Rgb kBlack{0, 0, 0};

// Which point of its text cell a text item's x and y name: the left edge of
// the ink (top or middle of the cell), the centre of the cell, or the right
// edge of the ink at the top of the cell.
enum class TextAlign { Left, LeftMid, Center, Right };

// One run of text on a page, in 0.1 mm from the paper's top-left corner; its
// height is the font's pixel size in the same unit. Italic and underline are
// never used on a sheet.
struct TextItem {
  TextAlign align = TextAlign::Left;
  int x = 0;
  int y = 0;
  int height = 0;
  bool bold = false;
  Rgb colour = kBlack;
  std::string text;  // UTF-8
};

// A straight black rule between two points, `width` thick (0.1 mm), with
// square ends so that rules meeting at a corner close it: the cells of a grid.
struct RuleItem {
  Point from;
  Point to;
  int width = 3;
};

struct WorksheetPage {
  std::vector<TextItem> items;
  std::vector<RuleItem> rules;  // under the items; none on the original sheets
};

// Writes the items of one page: the height, weight and ink stay until changed,
// as on a canvas, so that a page reads as the sheet is laid out.
class PageWriter {
 public:
  explicit PageWriter(WorksheetPage& page) : page_(page) {}
  void SetHeight(int height) { height_ = height; }
  void SetBold(bool bold) { bold_ = bold; }
  void SetColour(Rgb colour) { colour_ = colour; }
  void Text(TextAlign align, int x, int y, std::string text) {
    page_.items.push_back({align, x, y, height_, bold_, colour_, std::move(text)});
  }
  void Rule(Point from, Point to, int width) { page_.rules.push_back({from, to, width}); }

 private:
  WorksheetPage& page_;
  int height_ = 60;
  bool bold_ = false;
  Rgb colour_ = kBlack;
};

// One sheet of a composition: a worksheet or a grid sheet (question and
// answer page) or a colour-word sheet (one page).
struct ComposedSheet {
  std::int32_t printNumber = 0;               // shown in the headers of its pages
  int firstPage = 1;                          // its first page in the worksheet (1-based)
  int pageCount = 0;                          // 2 for a worksheet, 1 for a colour-word sheet
  ProblemTable problems;                      // after composing (the forms write strAnswer, strE)
  std::array<int, kProblemCount> patterns{};  // pattern each problem came from
  std::array<std::string, kProblemCount> questions;  // question lines as on page 1
  std::string
      code;  // that makes it again, printed on its pages; empty when it cannot be made again
  GridProblem grid;                  // a grid sheet's numbers; op None on every other sheet
  int problemCount = kProblemCount;  // the first problemCount of the arrays hold its problems
  bool redAnswers = false;           // answers in red, a 「解答」 mark on the answer page
  bool score = false;                // a score box on the question page
};

// What a composition made: the sheets and their pages in print order, all in
// the sheet font. Streamed, it holds one sheet and its pages at a time.
struct Worksheet {
  PageGeometry geometry;
  std::vector<ComposedSheet> sheets;
  std::vector<WorksheetPage> pages;
};

}  // namespace kazenori
