// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "composition/pageheader.h"
#include "composition/seededcomposition.h"

namespace kazenori {
namespace {

PageGeometry A4() {
  return DesignPaperGeometry();
}

SheetOptions Grid(GridOp op, int size, std::int32_t number = 4) {
  SheetOptions o;
  o.grid = op;
  o.gridSize = size;
  o.printNumber = number;
  o.instruction = GridInstruction(op);
  return o;
}

// The text of the item standing at `at`, or nothing.
const TextItem* ItemAt(const WorksheetPage& page, Point at) {
  for (const TextItem& item : page.items) {
    if (item.x == at.x && item.y == at.y) return &item;
  }
  return nullptr;
}

class GridSheet : public ::testing::TestWithParam<std::pair<GridOp, int>> {
 protected:
  SeededRandom rnd_{28};
  Composer composer_{rnd_, A4()};
};

// The question page: header, record table, headings and nothing in the
// cells; the answer page: the same header and headings, every cell filled.
TEST_P(GridSheet, QuestionAndAnswerPages) {
  const auto [op, size] = GetParam();
  const Worksheet ws = composer_.Compose(Grid(op, size));
  ASSERT_EQ(ws.pages.size(), 2u);
  const ComposedSheet& sheet = ws.sheets.at(0);
  EXPECT_EQ(sheet.pageCount, 2);
  EXPECT_EQ(sheet.grid.op, GridOperation(op));
  const GridLayout l = GridLayoutFor(A4(), size);
  const WorksheetPage& questions = ws.pages[0];
  const WorksheetPage& answers = ws.pages[1];
  for (const WorksheetPage* page : {&questions, &answers}) {
    EXPECT_EQ(page->items[0].text, "問題No.4");
    EXPECT_EQ(page->items[1].text, kNameBox);
    EXPECT_EQ(page->items[2].text, GridInstruction(op));
    EXPECT_EQ(page->items[3].text, kDateLine);
    for (int c = 0; c < size; ++c) {
      const TextItem* heading = ItemAt(*page, l.CellCentre(0, c + 1));
      ASSERT_NE(heading, nullptr);
      EXPECT_EQ(heading->text, std::to_string(sheet.grid.columns[static_cast<std::size_t>(c)]));
    }
  }
  const auto cells = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  const auto headings = 1 + 2 * static_cast<std::size_t>(size);
  EXPECT_EQ(questions.items.size(), 4 + kRecordTableDays + headings);
  EXPECT_EQ(answers.items.size(), 4 + headings + cells);
  EXPECT_EQ(questions.items[4].text, "1回目");
  EXPECT_EQ(questions.items[8].text, "5回目");
  for (int r = 0; r < size; ++r) {
    for (int c = 0; c < size; ++c) {
      EXPECT_EQ(ItemAt(questions, l.CellCentre(r + 1, c + 1)), nullptr);
      const TextItem* answer = ItemAt(answers, l.CellCentre(r + 1, c + 1));
      ASSERT_NE(answer, nullptr) << r << "," << c;
      EXPECT_EQ(answer->text, std::to_string(sheet.grid.Answer(r, c)));
    }
  }
}

// The grid fills the printable area below the record table, its rules
// inside it, its cells large enough to write two digits in.
TEST_P(GridSheet, GridFillsThePageBelowTheHeader) {
  const auto [op, size] = GetParam();
  const PageGeometry g = A4();
  const GridLayout l = GridLayoutFor(g, size);
  const RecordTableLayout t = RecordTableFor(g);
  EXPECT_GT(l.top, t.top + t.headingHeight + t.timeHeight);
  EXPECT_GE(l.left, g.left);
  EXPECT_LE(l.left + l.Extent(), g.left + g.width);
  EXPECT_LE(l.top + l.Extent(), g.top + g.height);
  EXPECT_GE(l.cell, size == 10 ? 170 : 290);
  for (const WorksheetPage& page : composer_.Compose(Grid(op, size)).pages) {
    for (const RuleItem& rule : page.rules) {
      for (const Point p : {rule.from, rule.to}) {
        EXPECT_TRUE(p.x >= g.left && p.x <= g.left + g.width && p.y >= g.top &&
                    p.y <= g.top + g.height);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(OpsAndSizes, GridSheet,
                         ::testing::Values(std::pair{GridOp::Add, 10}, std::pair{GridOp::Sub, 10},
                                           std::pair{GridOp::Mul, 10}, std::pair{GridOp::Add, 5},
                                           std::pair{GridOp::Sub, 5}, std::pair{GridOp::Mul, 5}));

// A class set: numbered on, each sheet a grid of its own, the same again
// from the same seed.
TEST(GridSheetSet, SeededClassSetIsNumberedAndRepeatable) {
  const SheetOptions o = Grid(GridOp::Sub, 10, 21);
  const Worksheet first = ComposeSeeded(77, o, 3, A4());
  const Worksheet again = ComposeSeeded(77, o, 3, A4());
  ASSERT_EQ(first.pages.size(), 6u);
  for (std::size_t k = 0; k < 3; ++k) {
    EXPECT_EQ(first.sheets[k].printNumber, 21 + static_cast<int>(k));
    EXPECT_EQ(first.sheets[k].firstPage, 1 + 2 * static_cast<int>(k));
    EXPECT_EQ(first.sheets[k].grid.rows, again.sheets[k].grid.rows);
    EXPECT_EQ(first.sheets[k].grid.columns, again.sheets[k].grid.columns);
  }
  EXPECT_NE(first.sheets[0].grid.rows, first.sheets[1].grid.rows);
}

TEST(GridSheetSet, RefusedWithTheColourSheetOrInAnotherSize) {
  SeededRandom rnd(1);
  Composer composer(rnd, A4());
  SheetOptions bonus = Grid(GridOp::Add, 10);
  bonus.bonus = true;
  bonus.colourWords = {4, 40};
  EXPECT_THROW(composer.Compose(bonus), std::invalid_argument);
  EXPECT_THROW(composer.Compose(Grid(GridOp::Add, 7)), std::invalid_argument);
}

}  // namespace
}  // namespace kazenori
