// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using Kind = TextAlign;
using testing::ScriptedRandom;

TEST(ColourWord, LayoutByWordsPerBlock) {
  EXPECT_EQ(LayoutFor({4, 20}).total, 80);
  EXPECT_EQ(LayoutFor({4, 20}).blocks, 4);
  EXPECT_EQ(LayoutFor({4, 20}).rowsPerBlock, 3);
  EXPECT_EQ(LayoutFor({2, 30}).total, 90);
  EXPECT_EQ(LayoutFor({2, 30}).rowsPerBlock, 5);
  EXPECT_EQ(LayoutFor({5, 40}).blocks, 2);
  EXPECT_EQ(LayoutFor({5, 40}).rowsPerBlock, 6);
  for (const ColourWordSettings s : {ColourWordSettings{0, 0}, ColourWordSettings{3, 25},
                                     ColourWordSettings{1, 40}, ColourWordSettings{6, 40}}) {
    EXPECT_EQ(LayoutFor(s).total, 0) << s.colourCount << "/" << s.wordsPerBlock;
  }
}

TEST(ColourWord, WordThenInkAndRedrawsOfARepeatedInk) {
  ColourWordTable table;
  ScriptedRandom r;
  r.Expect(3, 2).Expect(3, 1);                            // word 1: きいろ in red
  r.Expect(3, 0).Expect(3, 1).Expect(3, 1).Expect(3, 2);  // word 2: ink 1 twice, then 2
  for (int j = 2; j < 80; ++j) r.Expect(3, 0).Expect(3, j % 2);
  // word 3 draws ink 0 against 2; words 4.. alternate inks 1 and 0.
  FillColourWords(table, {3, 40}, r);
  EXPECT_TRUE(r.Exhausted());
  EXPECT_EQ(table[0].word, "きいろ");
  EXPECT_EQ(table[0].ink, 1);
  EXPECT_EQ(table[1].word, "あお");
  EXPECT_EQ(table[1].ink, 2);
  EXPECT_EQ(table[2].ink, 0);
}

TEST(ColourWord, TwoColoursMayRepeatAnInk) {
  ColourWordTable table;
  ScriptedRandom r;
  for (int j = 0; j < 80; ++j) r.Expect(2, 1).Expect(2, 0);
  FillColourWords(table, {2, 20}, r);
  EXPECT_TRUE(r.Exhausted()) << "no redraw with two colours";
  EXPECT_EQ(table[79].word, "あか");
  EXPECT_EQ(table[79].ink, 0);
}

class ColourWordSheetPage : public ::testing::Test {
 protected:
  PageGeometry Area() { return {35, 31, 2000, 2870}; }
  SeededRandom rnd_{99};
};

TEST_F(ColourWordSheetPage, FortyWordsInTwoBlocksWithoutRepeatedInks) {
  Composer composer(rnd_, Area());
  SheetOptions o;  // no pattern ticked: allowed with the bonus
  o.bonus = true;
  o.colourWords = {5, 40};
  o.printNumber = 12;
  o.instruction = kColourInstruction;
  const Worksheet sheet = composer.Compose(o);
  ASSERT_EQ(sheet.pages.size(), 1u);
  const auto& ops = sheet.pages[0].items;
  ASSERT_EQ(ops.size(), 4u + 1 + 80);
  EXPECT_EQ(ops[0].text, "問題No.12");
  EXPECT_EQ(ops[2].text, "書かれている文字の色を声に出して読みましょう。");
  // R = 75, K = 81: the second block's date line at top + 1360.
  EXPECT_EQ(ops[4].align, Kind::LeftMid);
  EXPECT_EQ((Point{ops[4].x, ops[4].y}), (Point{35 + 100, 31 + 1360}));
  EXPECT_EQ(ops[4].height, 40);
  std::set<std::string> words;
  for (int j = 0; j < 80; ++j) {
    const TextItem& w = ops[5 + static_cast<std::size_t>(j)];
    const ColourWord& entry = composer.ColourWords()[static_cast<std::size_t>(j)];
    EXPECT_EQ(w.align, Kind::Center);
    EXPECT_TRUE(w.bold);
    EXPECT_EQ(w.height, 60);
    EXPECT_EQ(w.text, entry.word);
    EXPECT_EQ(w.colour, ColourTable()[static_cast<std::size_t>(entry.ink)].ink);
    if (j > 0) {
      EXPECT_NE(w.colour, ops[static_cast<std::size_t>(4 + j)].colour) << j;
    }
    const int k = j / 40, m = j % 40;
    EXPECT_EQ(w.x, 35 + 150 + (m % 7) * 261);
    EXPECT_EQ(w.y, 31 + 450 + 250 * k + (k * 6 + m / 7) * 135);
    words.insert(w.text);
  }
  EXPECT_EQ(words.size(), 5u);
  EXPECT_EQ(composer.Problems().At(1).op, Operation::None) << "the problem table stays empty";
}

TEST_F(ColourWordSheetPage, ThirtyWordsPerBlockAndUnconfirmedSettings) {
  Composer composer(rnd_, Area());
  SheetOptions o;
  o.bonus = true;
  o.colourWords = {2, 30};
  const Worksheet sheet = composer.Compose(o);
  const auto& ops = sheet.pages[0].items;
  ASSERT_EQ(ops.size(), 4u + 2 + 90);
  EXPECT_EQ(ops[4].y, 31 + 850 + 5 * 75);
  EXPECT_EQ(ops[5].y, 31 + 1400 + 10 * 75);
  for (std::size_t j = 6; j < ops.size(); ++j) {
    EXPECT_TRUE(ops[j].text == "あお" || ops[j].text == "あか") << ops[j].text;
  }
  EXPECT_EQ(ops.back().y, 31 + 450 + 500 + (10 + 4) * 135) << "last row of block 3";
  o.colourWords = {};
  EXPECT_EQ(composer.Compose(o).pages[0].items.size(), 4u) << "never confirmed: the header alone";
}

}  // namespace
}  // namespace kazenori
