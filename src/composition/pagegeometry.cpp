// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pagegeometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace kazenori {

PaperDimensions DimensionsOf(PaperSize paper) {
  switch (paper) {
    case PaperSize::A4:
      break;
    case PaperSize::B5:
      return {1820, 2570};
    case PaperSize::B4:
      return {2570, 3640};
  }
  return {2100, 2970};
}

const char* PaperName(PaperSize paper) {
  switch (paper) {
    case PaperSize::A4:
      break;
    case PaperSize::B5:
      return "B5";
    case PaperSize::B4:
      return "B4";
  }
  return "A4";
}

PageGeometry DesignPaperGeometry(PaperSize paper) {
  PageGeometry g;
  g.left = kDesignPrintableLeft;
  g.top = kDesignPrintableTop;
  g.width = kDesignPrintableRight - kDesignPrintableLeft;
  g.height = kDesignPrintableBottom - kDesignPrintableTop;
  g.fromDesignPaper = true;
  return OnPaper(g, paper);
}

PageGeometry OnPaper(const PageGeometry& a4, PaperSize paper) {
  if (paper == PaperSize::A4) return a4;
  const PaperDimensions from = DimensionsOf(PaperSize::A4);
  const PaperDimensions to = DimensionsOf(paper);
  PageGeometry g = a4;
  g.width = to.width - a4.left - std::max(0, from.width - a4.left - a4.width);
  g.height = to.height - a4.top - std::max(0, from.height - a4.top - a4.height);
  g.paper = paper;
  return g;
}

int RowPitch(const PageGeometry& g) {
  return (g.height - 1370) / 17;
}

int ColumnPitch(const PageGeometry& g) {
  return (g.width - 1740) / 2;
}

Point ProblemPlace(int i, const PageGeometry& g, int rowPitch, int columnPitch) {
  const int row = rowPitch + 60;
  if (i >= 1 && i <= 16) return {g.left + 150, g.top + 350 + i * row};
  if (i >= 17 && i <= 33) return {g.left + columnPitch + 630, g.top + 350 + (i - 17) * row};
  if (i >= 34 && i <= 50) return {g.left + 2 * columnPitch + 1110, g.top + 350 + (i - 34) * row};
  throw std::out_of_range("problem " + std::to_string(i) + " is outside 1..50");
}

namespace {

// From the left of the printable area to the first column, and the room
// kept clear at the right and at the foot.
constexpr int kLargeIndent = 100;
constexpr int kLargeMargin = 20;
// Below the header's date line.
constexpr int kLargeFirstRow = 400;
// The widest line of any pattern is 10.5 of its height across; the widest
// answer value line 17 (a list of divisors), with a cell to spare.
constexpr int kWidestLineHalves = 21;
constexpr int kWidestValueLine = 18;

}  // namespace

ProblemLayout LayoutFor(int problems, const PageGeometry& g) {
  ProblemLayout l;
  l.geometry = g;
  l.problems = problems;
  if (problems == 50) {
    l.rowPitch = RowPitch(g);
    l.columnPitch = ColumnPitch(g);
    return l;
  }
  const int rows = problems / 2;
  l.columnPitch = (g.width - kLargeIndent - kLargeMargin) / 2;
  l.height = std::min(problems == 20 ? 90 : 75, l.columnPitch * 2 / kWidestLineHalves);
  l.smallHeight = l.height * 55 / 60;
  l.valueDrop = l.height * 70 / 60;
  l.valueHeight = std::min(l.height * 50 / 60, l.columnPitch / kWidestValueLine);
  l.listHeight = std::min(l.height * 36 / 60, l.columnPitch / kWidestValueLine);
  l.rowPitch =
      (g.height - kLargeFirstRow - l.valueDrop - l.valueHeight - kLargeMargin) / (rows - 1);
  return l;
}

Point ProblemPlace(int i, const ProblemLayout& l) {
  if (l.problems == 50) return ProblemPlace(i, l.geometry, l.rowPitch, l.columnPitch);
  const int rows = l.problems / 2;
  if (i < 1 || i > l.problems) {
    throw std::out_of_range("problem " + std::to_string(i) + " is outside 1.." +
                            std::to_string(l.problems));
  }
  const int column = (i - 1) / rows;
  const int row = (i - 1) % rows;
  return {l.geometry.left + kLargeIndent + column * l.columnPitch,
          l.geometry.top + kLargeFirstRow + row * l.rowPitch};
}

}  // namespace kazenori
