// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// A 百ます計算 grid: a number heading each row down the left, one heading each
// column across the top, and in every cell row number (op) column number.
struct GridProblem {
  Operation op = Operation::None;  // Add, Sub or Mul; None: no grid
  std::vector<int> rows;           // top to bottom
  std::vector<int> columns;        // left to right

  int Size() const { return static_cast<int>(rows.size()); }
  // The answer of the cell in row r, column c (0-based).
  int Answer(int r, int c) const;
};

// The numbers a grid of `op` and `size` (5 or 10) heads its rows or columns
// with, in ascending order. Both headings take digits 0..9, as the
// hundred-cell drills do: a digit's facts are what pupils practise. Two
// exceptions: a subtraction's rows are the minuends 10..19, so that no
// answer is negative and the harder facts that borrow are all there; a 5 × 5
// multiplication leaves 0 out, whose five products of 0 would take a fifth of
// a beginner's grid.
std::vector<int> GridRowPool(Operation op, int size);
std::vector<int> GridColumnPool(Operation op, int size);

// Draws a grid: first the columns, then the rows, each place taking the
// Rnd(n)-th smallest of the n numbers of its pool not yet taken; so a 10 × 10
// heading is a random order of its ten numbers and a 5 × 5 one five of them.
// Throws std::invalid_argument for an op other than Add, Sub, Mul or a size
// other than 5 or 10, before any draw.
GridProblem DrawGrid(Operation op, int size, Random& rnd);

}  // namespace kazenori
