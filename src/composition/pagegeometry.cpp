// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pagegeometry.h"

#include <stdexcept>
#include <string>

namespace kazenori {

PageGeometry DesignPaperGeometry(int printableLeft, int printableTop, int printableRight,
                                 int printableBottom) {
  PageGeometry g;
  g.left = printableLeft;
  g.top = printableTop;
  g.width = printableRight - printableLeft;
  g.height = printableBottom - printableTop;
  g.fromDesignPaper = true;
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

}  // namespace kazenori
