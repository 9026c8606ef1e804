// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

class GridPageTest : public testing::QtTest, public ::testing::WithParamInterface<int> {
 protected:
  PreviewDocument doc_;
  WorksheetPreview preview_{doc_};
  SeededRandom rnd_{2828};
  Composer composer_{rnd_};
};

// As the pages are drawn, in the font's real metrics: every run's ink inside
// the printable area, clear of every other run and of every rule.
TEST_P(GridPageTest, NothingOverlapsInsideThePrintableArea) {
  SheetOptions o;
  o.grid = GridOp::Sub;  // two-digit headings, the widest
  o.gridSize = GetParam();
  o.instruction = GridInstruction(o.grid);
  const Worksheet ws = composer_.Compose(o);
  preview_.Record(ws);
  const PageGeometry& g = ws.geometry;
  const QRectF printable(g.left, g.top, g.width, g.height);
  for (int p = 1; p <= doc_.PageCount(); ++p) {
    const std::vector<testing::CapturedText> texts = testing::CaptureText(*doc_.Page(p));
    ASSERT_GE(texts.size(), ws.pages[static_cast<std::size_t>(p - 1)].items.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const QRectF& ink = texts[i].ink;
      const std::string what = texts[i].text.toStdString();
      EXPECT_TRUE(printable.contains(ink)) << p << " " << what;
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        EXPECT_FALSE(ink.intersects(texts[j].ink)) << what << " / " << texts[j].text.toStdString();
      }
      for (const RuleItem& rule : ws.pages[static_cast<std::size_t>(p - 1)].rules) {
        const double half = rule.width / 2.0;
        const QRectF line = QRectF(QPointF(rule.from.x, rule.from.y), QPointF(rule.to.x, rule.to.y))
                                .normalized()
                                .adjusted(-half, -half, half, half);
        EXPECT_FALSE(ink.intersects(line)) << p << " " << what;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, GridPageTest, ::testing::Values(5, 10));

}  // namespace
}  // namespace kazenori
