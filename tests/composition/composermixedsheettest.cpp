// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "composition/displayforms.h"
#include "support/textmatch.h"

namespace kazenori {
namespace {

using testing::Contains;
using testing::Count;

using Kind = TextAlign;

PageGeometry Area() {
  return {35, 31, 2000, 2870};
}

class ComposerMixedSheet : public ::testing::Test {
 protected:
  static SheetOptions Arithmetic(std::initializer_list<int> patterns) {
    SheetOptions o;
    o.patterns = patterns;
    o.printNumber = 3;
    o.instruction = "次の計算をしましょう。";
    return o;
  }

  static SheetOptions Bonus(int colours, int perBlock) {
    SheetOptions o;
    o.bonus = true;
    o.colourWords = {colours, perBlock};
    o.printNumber = 9;
    o.instruction = kColourInstruction;
    return o;
  }

  // The header's four runs, regular black "ＭＳ ゴシック" whatever the page before left.
  static void ExpectHeader(const std::vector<TextItem>& ops, int number) {
    ASSERT_GE(ops.size(), 4u);
    const PageGeometry g = Area();
    const struct {
      Kind align;
      Point at;
      int height;
    } expected[] = {{Kind::Left, {g.left + 50, g.top + 50}, 30},
                    {Kind::Right, {g.left + g.width - 50, g.top + 70}, 80},
                    {Kind::Left, {g.left + 50, g.top + 170}, 60},
                    {Kind::LeftMid, {g.left + 100, g.top + 300}, 40}};
    for (std::size_t n = 0; n < 4; ++n) {
      EXPECT_EQ(ops[n].align, expected[n].align) << n;
      EXPECT_EQ((Point{ops[n].x, ops[n].y}), expected[n].at) << n;
      EXPECT_EQ(ops[n].height, expected[n].height) << n;
      EXPECT_FALSE(ops[n].bold) << n;
      EXPECT_EQ(ops[n].colour, kBlack) << n;
    }
    EXPECT_EQ(ops[0].text, "問題No." + std::to_string(number));
    EXPECT_EQ(ops[1].text, "（　　　　　　　　　　　）");
    EXPECT_EQ(ops[3].text, "月　　日　（　　）　　分　　秒");
  }

  SeededRandom rnd_{4242};
  Composer composer_{rnd_, Area()};
};

// Small forms among plain problems: 55 only for their own lines, 60 again
// for the next problem, on both pages; the value line 70 lower at 50 or 36.
TEST_F(ComposerMixedSheet, HeightsReturnTo60AfterEverySmallForm) {
  const Worksheet ws = composer_.Compose(Arithmetic({7, 135, 136}));
  const auto& q = ws.pages[0].items;
  const auto& a = ws.pages[1].items;
  ASSERT_EQ(q.size(), 4u + 50);
  int small = 0;
  std::size_t k = 4;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer_.Problems().At(i);
    const bool isSmall = HasAnswerValueLine(rec.form);
    small += isSmall ? 1 : 0;
    EXPECT_EQ(q[3 + static_cast<std::size_t>(i)].height, isSmall ? 55 : 60) << i;
    ASSERT_LT(k, a.size());
    EXPECT_EQ(a[k].height, isSmall ? 55 : 60) << i;
    EXPECT_EQ((Point{a[k].x, a[k].y}),
              (Point{q[3 + static_cast<std::size_t>(i)].x, q[3 + static_cast<std::size_t>(i)].y}));
    if (isSmall) {
      ASSERT_LT(k + 1, a.size());
      EXPECT_EQ(a[k + 1].height, rec.form == 52 ? 36 : 50) << i;
      EXPECT_EQ(a[k + 1].y, a[k].y + 70);
      EXPECT_EQ(a[k + 1].text, rec.strAnswer);
      k += 2;
    } else {
      k += 1;
    }
  }
  EXPECT_EQ(k, a.size());
  EXPECT_GT(small, 0);
  EXPECT_LT(small, 50);
}

// Blanks and hidden operators belong to page 1 only: page 2 rebuilds the full
// equation from the record.
TEST_F(ComposerMixedSheet, BlanksOfPage1AreNotOnPage2) {
  SheetOptions o = Arithmetic({5, 7});  // three-term and two-term additions
  o.hide = LayerSetting::All;
  o.blank = LayerSetting::All;
  const Worksheet ws = composer_.Compose(o);
  int blanked = 0;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer_.Problems().At(i);
    const std::string& q = ws.pages[0].items[3 + static_cast<std::size_t>(i)].text;
    const std::string& a = ws.pages[1].items[3 + static_cast<std::size_t>(i)].text;
    // The blanked equation, with its real signs, wins over the hidden
    // operators, except where a one-digit answer refused its blank.
    if (Contains(q, "＋")) {
      ++blanked;
      EXPECT_EQ(Count(q, "□"), 1) << q;
    } else {
      EXPECT_EQ(rec.strAnswer.size(), 1u) << q;
    }
    std::string full = rec.strA + "＋" + rec.strB;
    if (rec.termMode == TermMode::ThreeTerms) full += "＋" + rec.strC;
    EXPECT_EQ(a, full + "＝" + rec.strAnswer) << i;
  }
  EXPECT_GT(blanked, 25);
}

// A worksheet after a colour-word sheet: neither bold nor the last word's
// ink carries over.
TEST_F(ComposerMixedSheet, WorksheetAfterABonusSheetIsRegularBlack) {
  composer_.Compose(Bonus(5, 20));
  const Worksheet ws = composer_.Compose(Arithmetic({7}));
  for (const WorksheetPage& page : ws.pages) {
    ExpectHeader(page.items, 3);
    for (const TextItem& op : page.items) {
      EXPECT_FALSE(op.bold);
      EXPECT_EQ(op.colour, kBlack);
    }
  }
}

// Twenty words per block: four blocks of three rows, a date line above each
// block after the first at 730 + 3R, 1160 + 6R and 1590 + 9R.
TEST_F(ComposerMixedSheet, BonusSheetOfTwentyWordsPerBlock) {
  const Worksheet ws = composer_.Compose(Bonus(4, 20));
  ASSERT_EQ(ws.pages.size(), 1u);
  const auto& ops = ws.pages[0].items;
  ASSERT_EQ(ops.size(), 4u + 3 + 80);
  ExpectHeader(ops, 9);
  const int r = 75;  // (2870 - 1370) / 20
  const int dateLines[] = {730 + 3 * r, 1160 + 6 * r, 1590 + 9 * r};
  for (std::size_t n = 0; n < 3; ++n) {
    const TextItem& d = ops[4 + n];
    EXPECT_EQ(d.align, Kind::LeftMid);
    EXPECT_EQ(d.text, "月　　日　（　　）　　分　　秒");
    EXPECT_EQ((Point{d.x, d.y}), (Point{35 + 100, 31 + dateLines[n]}));
    EXPECT_EQ(d.height, 40);
    EXPECT_FALSE(d.bold);
  }
  // Word 21 opens block 1 under the first further date line; word 20 ends block 0 on row 2.
  EXPECT_EQ((Point{ops[7 + 19].x, ops[7 + 19].y}), (Point{35 + 150 + 5 * 261, 31 + 450 + 2 * 135}));
  EXPECT_EQ((Point{ops[7 + 20].x, ops[7 + 20].y}), (Point{35 + 150, 31 + 450 + 250 + 3 * 135}));
  EXPECT_EQ((Point{ops[7 + 79].x, ops[7 + 79].y}),
            (Point{35 + 150 + 5 * 261, 31 + 450 + 750 + 11 * 135}));
  for (std::size_t j = 7; j < ops.size(); ++j) {
    EXPECT_EQ(ops[j].align, Kind::Center);
    EXPECT_NE(ops[j].text, "くろ") << "four colours: black is not used";
  }
}

}  // namespace
}  // namespace kazenori
