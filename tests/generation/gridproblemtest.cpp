// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "generation/gridproblem.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;

// The draws of one heading: place i draws Rnd(pool - i) and takes that
// place among the numbers still free.
void Script(ScriptedRandom& r, int pool, const std::vector<int>& draws) {
  for (std::size_t i = 0; i < draws.size(); ++i) r.Expect(pool - static_cast<int>(i), draws[i]);
}

struct ScriptedGrid {
  Operation op;
  int size;
  int columnPool, rowPool;
  std::vector<int> columnDraws, rowDraws;
  std::vector<int> columns, rows;
  int firstAnswer, lastAnswer;  // of cells (0, 0) and (size - 1, size - 1)
};

TEST(GridProblem, ScriptedDrawsGiveTheHeadingsAndAnswers) {
  const std::vector<ScriptedGrid> rows{
      {Operation::Add,
       10,
       10,
       10,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
       {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
       9,
       9},
      {Operation::Sub,
       5,
       10,
       10,
       {3, 3, 3, 3, 3},
       {9, 0, 0, 0, 0},
       {3, 4, 5, 6, 7},
       {19, 10, 11, 12, 13},
       16,
       6},
      {Operation::Sub,
       10,
       10,
       10,
       {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {9, 8, 7, 6, 5, 4, 3, 2, 1, 0},
       {10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
       1,
       19},
      {Operation::Mul,
       5,
       9,
       9,
       {8, 0, 0, 0, 0},
       {0, 7, 1, 0, 0},
       {9, 1, 2, 3, 4},
       {1, 9, 3, 2, 4},
       9,
       16},
      {Operation::Mul,
       10,
       10,
       10,
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {9, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
       {9, 0, 1, 2, 3, 4, 5, 6, 7, 8},
       0,
       72},
  };
  for (const ScriptedGrid& row : rows) {
    ScriptedRandom r;
    Script(r, row.columnPool, row.columnDraws);
    Script(r, row.rowPool, row.rowDraws);
    const GridProblem grid = DrawGrid(row.op, row.size, r);
    const auto at = static_cast<int>(row.op) * 100 + row.size;
    EXPECT_TRUE(r.Exhausted()) << at;
    EXPECT_EQ(grid.columns, row.columns) << at;
    EXPECT_EQ(grid.rows, row.rows) << at;
    EXPECT_EQ(grid.Answer(0, 0), row.firstAnswer) << at;
    EXPECT_EQ(grid.Answer(row.size - 1, row.size - 1), row.lastAnswer) << at;
  }
}

// Every seeded grid: distinct headings from their pools, and no subtraction
// below 0 anywhere.
TEST(GridProblem, SeededGridsKeepTheirPoolsAndNeverGoNegative) {
  for (const Operation op : {Operation::Add, Operation::Sub, Operation::Mul}) {
    for (const int size : {5, 10}) {
      const std::vector<int> columnPool = GridColumnPool(op, size);
      const std::vector<int> rowPool = GridRowPool(op, size);
      for (std::uint32_t seed = 0; seed < 300; ++seed) {
        SeededRandom rnd(seed);
        const GridProblem grid = DrawGrid(op, size, rnd);
        ASSERT_EQ(grid.Size(), size);
        std::vector<int> columns = grid.columns;
        std::vector<int> rows = grid.rows;
        std::sort(columns.begin(), columns.end());
        std::sort(rows.begin(), rows.end());
        EXPECT_TRUE(std::adjacent_find(columns.begin(), columns.end()) == columns.end());
        EXPECT_TRUE(std::adjacent_find(rows.begin(), rows.end()) == rows.end());
        EXPECT_TRUE(
            std::includes(columnPool.begin(), columnPool.end(), columns.begin(), columns.end()));
        EXPECT_TRUE(std::includes(rowPool.begin(), rowPool.end(), rows.begin(), rows.end()));
        for (int r = 0; r < size; ++r) {
          for (int c = 0; c < size; ++c) EXPECT_GE(grid.Answer(r, c), 0);
        }
      }
    }
  }
}

TEST(GridProblem, OtherOperationsAndSizesAreRefusedBeforeAnyDraw) {
  ScriptedRandom r;
  EXPECT_THROW(DrawGrid(Operation::Div, 10, r), std::invalid_argument);
  EXPECT_THROW(DrawGrid(Operation::None, 10, r), std::invalid_argument);
  EXPECT_THROW(DrawGrid(Operation::Add, 7, r), std::invalid_argument);
  EXPECT_EQ(r.Calls(), 0);
}

}  // namespace
}  // namespace kazenori
