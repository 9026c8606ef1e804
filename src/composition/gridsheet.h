// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/pagegeometry.h"
#include "composition/sheetoptions.h"
#include "composition/worksheet.h"
#include "generation/gridproblem.h"

namespace kazenori {

// The operation a grid sheet of `op` draws; None for GridOp::None.
Operation GridOperation(GridOp op);

// The instruction line the front ends give a grid sheet of `op`.
std::string GridInstruction(GridOp op);

// Where a grid stands on its pages: square cells, the first row and column
// holding the headings (the sign in their corner), centred across the
// printable area under the record table.
struct GridLayout {
  int left = 0;  // of the corner cell, 0.1 mm on the page
  int top = 0;
  int cell = 0;  // side of a cell
  int size = 0;  // rows, and columns, of answers

  int Extent() const { return (size + 1) * cell; }
  // Centre of the cell in row r, column c, counting the headings as 0.
  Point CellCentre(int r, int c) const {
    return {left + c * cell + cell / 2, top + r * cell + cell / 2};
  }
};
GridLayout GridLayoutFor(const PageGeometry& g, int size);

// The record table 「1回目」 … 「5回目」 for the times of repeated days: its
// top-left corner and its cells' size.
struct RecordTableLayout {
  int left = 0;
  int top = 0;
  int cellWidth = 0;
  int headingHeight = 0;
  int timeHeight = 0;
};
inline constexpr int kRecordTableDays = 5;
RecordTableLayout RecordTableFor(const PageGeometry& g);

// After the page header: the question page's record table and its grid with
// the headings, or the answer page's grid with every cell filled.
void WriteGridQuestions(PageWriter& page, const PageGeometry& g, const GridProblem& grid);
void WriteGridAnswers(PageWriter& page, const PageGeometry& g, const GridProblem& grid);

}  // namespace kazenori
