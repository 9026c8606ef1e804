// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "composition/seededcomposition.h"
#include "support/textboxes.h"

namespace kazenori {
namespace {

using testing::Box;
using testing::Cell;

// Every kind of sheet: 50 problems with a score box and red answers, 20
// problems, a grid, the colour-word sheet.
SheetOptions Kind(int kind) {
  SheetOptions o;
  o.instruction = InstructionText(LayerSetting::None);
  o.patterns = {1, 29, 56, 90, 136};
  o.score = o.redAnswers = kind == 0;
  o.problems = kind == 1 ? 20 : 50;
  o.grid = kind == 2 ? GridOp::Mul : GridOp::None;
  o.bonus = kind == 3;
  o.colourWords = {5, 30};
  if (kind >= 2) o.patterns.clear();
  return o;
}

bool IsCode(const TextItem& item) {
  return item.text.rfind("再作成コード", 0) == 0;
}

// On B5 and B4 every kind of sheet is its A4 self as a copier scales it:
// the printer's margins kept, every text and rule as far from the printable
// area's corner and as high as on A4 times one factor, inside the printable
// area of the paper as on A4.
TEST(Paper, EverySheetIsItsA4SelfScaledIntoThePrintableArea) {
  for (const PageGeometry& a4 : {DesignPaperGeometry(), PageGeometry{120, 120, 1860, 2730}}) {
    for (int kind = 0; kind < 4; ++kind) {
      SheetOptions o = Kind(kind);
      const Worksheet plain = ComposeSeeded(5, o, 1, a4);
      for (const PaperSize paper : {PaperSize::B5, PaperSize::B4}) {
        SCOPED_TRACE(std::string(PaperName(paper)) + " sheet kind " + std::to_string(kind));
        o.paper = paper;
        const Worksheet w = ComposeSeeded(5, o, 1, a4);
        const PageGeometry& g = w.geometry;
        const PaperDimensions d = DimensionsOf(paper);
        EXPECT_EQ(g.paper, paper);
        EXPECT_EQ(std::make_pair(g.left, g.top), std::make_pair(a4.left, a4.top));
        EXPECT_EQ(d.width - g.left - g.width, 2100 - a4.left - a4.width);
        EXPECT_EQ(d.height - g.top - g.height, 2970 - a4.top - a4.height);
        const double k = std::min(double(g.width) / a4.width, double(g.height) / a4.height);
        const auto near = [k](int scaled, int from) { return std::abs(scaled - from * k) <= 0.5; };
        const Box printable{g.left, g.top, g.width, g.height};
        const Box wasPrintable{a4.left, a4.top, a4.width, a4.height};
        ASSERT_EQ(w.pages.size(), plain.pages.size());
        for (std::size_t p = 0; p < w.pages.size(); ++p) {
          const WorksheetPage& page = w.pages[p];
          const WorksheetPage& was = plain.pages[p];
          ASSERT_EQ(page.items.size(), was.items.size());
          ASSERT_EQ(page.rules.size(), was.rules.size());
          for (std::size_t i = 0; i < page.items.size(); ++i) {
            const TextItem& a = page.items[i];
            const TextItem& b = was.items[i];
            // A colour word reaching past the edge by its cell does on A4 too.
            EXPECT_EQ(printable.Contains(Cell(a)), wasPrintable.Contains(Cell(b))) << a.text;
            if (IsCode(a)) continue;
            EXPECT_EQ(a.text, b.text);
            EXPECT_TRUE(near(a.height, b.height) && near(a.x - g.left, b.x - a4.left) &&
                        near(a.y - g.top, b.y - a4.top))
                << a.text << " at " << a.x << "," << a.y << " h " << a.height;
          }
          for (std::size_t i = 0; i < page.rules.size(); ++i) {
            const RuleItem& a = page.rules[i];
            const RuleItem& b = was.rules[i];
            EXPECT_TRUE(near(a.to.x - g.left, b.to.x - a4.left) &&
                        near(a.to.y - g.top, b.to.y - a4.top) && near(a.width, b.width));
            EXPECT_TRUE(printable.Contains(Box{a.to.x, a.to.y, 0, 0}));
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace kazenori
