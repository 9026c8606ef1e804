// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/gridsheet.h"

#include <algorithm>

namespace kazenori {

namespace {

// A 10 × 10 grid fills the width of A4; a 5 × 5 one would grow to cells of
// 3 cm and more, larger than a beginner's hand needs.
constexpr int kLargestCell = 300;
constexpr int kThinRule = 3;
constexpr int kMiddleRule = 5;
constexpr int kThickRule = 8;

// Under the header and the record table beside its date line.
constexpr int kGridTop = 450;
constexpr int kMargin = 50;

const char* Sign(Operation op) {
  switch (op) {
    case Operation::Add:
      return "＋";
    case Operation::Sub:
      return "－";
    case Operation::Mul:
      return "×";
    default:
      return "";
  }
}

// The frame and the rules under the headings thick, the rest thin but the
// one halving a 10 × 10 grid, which helps the eye keep its row.
void WriteRules(PageWriter& page, const GridLayout& l) {
  const int last = l.size + 1;
  for (int i = 0; i <= last; ++i) {
    int width = i <= 1 || i == last ? kThickRule : kThinRule;
    if (l.size == 10 && i == 6) width = kMiddleRule;
    const int y = l.top + i * l.cell;
    page.Rule({l.left, y}, {l.left + l.Extent(), y}, width);
    const int x = l.left + i * l.cell;
    page.Rule({x, l.top}, {x, l.top + l.Extent()}, width);
  }
}

// Larger than the answers, and regular: the sheet font has no bold face, and
// drawing forty-two emboldened outlines a sheet doubled the time of a class
// set's PDF.
void WriteHeadings(PageWriter& page, const GridLayout& l, const GridProblem& grid) {
  page.SetColour(kBlack);
  page.SetHeight(l.cell * 11 / 20);
  page.SetBold(false);
  const Point corner = l.CellCentre(0, 0);
  page.Text(TextAlign::Center, corner.x, corner.y, Sign(grid.op));
  for (int c = 0; c < l.size; ++c) {
    const Point p = l.CellCentre(0, c + 1);
    page.Text(TextAlign::Center, p.x, p.y,
              std::to_string(grid.columns[static_cast<std::size_t>(c)]));
  }
  for (int r = 0; r < l.size; ++r) {
    const Point p = l.CellCentre(r + 1, 0);
    page.Text(TextAlign::Center, p.x, p.y, std::to_string(grid.rows[static_cast<std::size_t>(r)]));
  }
}

void WriteRecordTable(PageWriter& page, const PageGeometry& g) {
  const RecordTableLayout t = RecordTableFor(g);
  const int right = t.left + kRecordTableDays * t.cellWidth;
  const int middle = t.top + t.headingHeight;
  const int bottom = middle + t.timeHeight;
  for (const int y : {t.top, middle, bottom}) page.Rule({t.left, y}, {right, y}, kThinRule);
  for (int d = 0; d <= kRecordTableDays; ++d) {
    const int x = t.left + d * t.cellWidth;
    page.Rule({x, t.top}, {x, bottom}, kThinRule);
  }
  page.SetHeight(30);
  for (int d = 0; d < kRecordTableDays; ++d) {
    page.Text(TextAlign::Center, t.left + d * t.cellWidth + t.cellWidth / 2,
              t.top + t.headingHeight / 2, std::to_string(d + 1) + "回目");
  }
}

}  // namespace

Operation GridOperation(GridOp op) {
  switch (op) {
    case GridOp::Add:
      return Operation::Add;
    case GridOp::Sub:
      return Operation::Sub;
    case GridOp::Mul:
      return Operation::Mul;
    case GridOp::None:
      break;
  }
  return Operation::None;
}

std::string GridInstruction(GridOp op) {
  switch (op) {
    case GridOp::Add:
      return "左の数と上の数をたして、ますに答えを書きましょう。";
    case GridOp::Sub:
      return "左の数から上の数をひいて、ますに答えを書きましょう。";
    case GridOp::Mul:
      return "左の数と上の数をかけて、ますに答えを書きましょう。";
    case GridOp::None:
      break;
  }
  return InstructionText(LayerSetting::None);
}

GridLayout GridLayoutFor(const PageGeometry& g, int size) {
  GridLayout l;
  l.size = size;
  const int across = (g.width - 2 * kMargin) / (size + 1);
  const int down = (g.height - kGridTop - kMargin) / (size + 1);
  l.cell = std::max(0, std::min({across, down, kLargestCell}));
  l.left = g.left + (g.width - l.Extent()) / 2;
  l.top = g.top + kGridTop;
  return l;
}

// At the right of the date line, as far right as the name box above it.
RecordTableLayout RecordTableFor(const PageGeometry& g) {
  RecordTableLayout t;
  t.cellWidth = 160;
  t.headingHeight = 50;
  t.timeHeight = 90;
  t.left = g.left + g.width - kMargin - kRecordTableDays * t.cellWidth;
  t.top = g.top + 250;
  return t;
}

void WriteGridQuestions(PageWriter& page, const PageGeometry& g, const GridProblem& grid) {
  WriteRecordTable(page, g);
  const GridLayout l = GridLayoutFor(g, grid.Size());
  WriteRules(page, l);
  WriteHeadings(page, l, grid);
}

void WriteGridAnswers(PageWriter& page, const PageGeometry& g, const GridProblem& grid) {
  const GridLayout l = GridLayoutFor(g, grid.Size());
  WriteRules(page, l);
  WriteHeadings(page, l, grid);
  page.SetHeight(l.cell * 9 / 20);
  for (int r = 0; r < l.size; ++r) {
    for (int c = 0; c < l.size; ++c) {
      const Point p = l.CellCentre(r + 1, c + 1);
      page.Text(TextAlign::Center, p.x, p.y, std::to_string(grid.Answer(r, c)));
    }
  }
}

}  // namespace kazenori
