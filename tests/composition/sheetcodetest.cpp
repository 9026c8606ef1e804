// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "composition/colourwordsheet.h"
#include "composition/gridsheet.h"
#include "composition/seededcomposition.h"
#include "composition/sheetcode.h"
#include "composition/utf8.h"
#include "support/textboxes.h"

namespace kazenori {
namespace {

using testing::Box;
using testing::Cell;

constexpr char kAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

SheetOptions Arithmetic(std::vector<int> patterns, std::int32_t number = 1) {
  SheetOptions o;
  o.patterns = std::move(patterns);
  o.printNumber = number;
  o.instruction = InstructionText(LayerSetting::None);
  return o;
}

SheetOptions Colour(int colours, int words, std::int32_t number = 1) {
  SheetOptions o;
  o.printNumber = number;
  o.bonus = true;
  o.colourWords = {colours, words};
  o.instruction = kColourInstruction;
  return o;
}

// Patterns from `first` to `last` by `step`, in that order.
std::vector<int> Ticks(int first, int last, int step) {
  std::vector<int> ticks;
  for (int p = first; step > 0 ? p <= last : p >= last; p += step) ticks.push_back(p);
  return ticks;
}

template <typename Field>
SheetOptions Later(SheetOptions o, Field SheetOptions::*field, Field value) {
  o.*field = value;
  return o;
}

SheetOptions With(SheetOptions o, ZeroSetting zero, LayerSetting hide, LayerSetting blank,
                  const std::string& instruction) {
  o.zero = zero;
  o.hide = hide;
  o.blank = blank;
  o.instruction = instruction;
  return o;
}

void ExpectSameRecipe(const SheetRecipe& a, const SheetRecipe& b) {
  EXPECT_EQ(a.seed, b.seed);
  EXPECT_EQ(a.index, b.index);
  EXPECT_EQ(a.options.patterns, b.options.patterns);
  EXPECT_EQ(a.options.zero, b.options.zero);
  EXPECT_EQ(a.options.hide, b.options.hide);
  EXPECT_EQ(a.options.blank, b.options.blank);
  EXPECT_EQ(a.options.printNumber, b.options.printNumber);
  EXPECT_EQ(a.options.instruction, b.options.instruction);
  EXPECT_EQ(a.options.bonus, b.options.bonus);
  EXPECT_EQ(a.options.problems, b.options.problems);
  EXPECT_EQ(a.options.paper, b.options.paper);
  EXPECT_EQ(a.options.redAnswers, b.options.redAnswers);
  EXPECT_EQ(a.options.score, b.options.score);
  EXPECT_EQ(a.options.grid, b.options.grid);
  EXPECT_EQ(a.options.gridSize, b.options.gridSize);
  if (a.options.bonus) {
    EXPECT_EQ(a.options.colourWords.colourCount, b.options.colourWords.colourCount);
    EXPECT_EQ(a.options.colourWords.wordsPerBlock, b.options.colourWords.wordsPerBlock);
  }
}

void ExpectSamePages(const Worksheet& a, const Worksheet& b) {
  ASSERT_EQ(a.pages.size(), b.pages.size());
  for (std::size_t p = 0; p < a.pages.size(); ++p) {
    const auto& x = a.pages[p].items;
    const auto& y = b.pages[p].items;
    ASSERT_EQ(x.size(), y.size()) << "page " << p;
    for (std::size_t i = 0; i < x.size(); ++i) {
      EXPECT_EQ(x[i].text, y[i].text);
      EXPECT_EQ((Point{x[i].x, x[i].y}), (Point{y[i].x, y[i].y})) << x[i].text;
      EXPECT_EQ(x[i].colour, y[i].colour);
    }
  }
}

const std::string kTyped = "月曜日の小テスト";
const SheetRecipe kRecipes[] = {
    {7, 0, Arithmetic({7})},
    {0xffffffffU, 9999, Arithmetic({1, 2, 3, 4, 150, 20, 9, 10}, -2147483647 + 9999)},
    {123456, 3,
     With(Arithmetic({111, 112, 113}, 2147483647), ZeroSetting::Allowed, LayerSetting::Random,
          LayerSetting::All, InstructionText(LayerSetting::All))},
    {42, 1,
     With(Arithmetic({5}), ZeroSetting::Refused, LayerSetting::All, LayerSetting::None, kTyped)},
    {99, 0, Colour(5, 30)},
    {3, 2, Colour(2, 20)},
    {8, 0, Later(Arithmetic({1, 3}), &SheetOptions::problems, 20)},
    {8, 4, Later(Arithmetic({150}, -3), &SheetOptions::problems, 30)},
    {8, 0, Later(Colour(3, 40), &SheetOptions::paper, PaperSize::B5)},
    {8, 0, Later(Arithmetic(Ticks(1, 150, 3)), &SheetOptions::paper, PaperSize::B4)},
    {8, 0, Later(Arithmetic(Ticks(40, 1, -1)), &SheetOptions::redAnswers, true)},
    {8, 0,
     Later(
         With(Arithmetic({9}), ZeroSetting::Allowed, LayerSetting::All, LayerSetting::None, kTyped),
         &SheetOptions::score, true)},
    {8, 0,
     Later(Later(Arithmetic({}), &SheetOptions::grid, GridOp::Sub), &SheetOptions::gridSize, 5)},
    {8, 0, Later(Arithmetic({2, 4, 6}), &SheetOptions::grid, GridOp::Mul)},
    {8, 0,
     Later(With(Arithmetic({}), ZeroSetting::Refused, LayerSetting::None, LayerSetting::None,
                GridInstruction(GridOp::Add)),
           &SheetOptions::grid, GridOp::Add)},
};

// Version 1 codes as earlier builds printed them (the seeded baselines among
// them): each makes its sheet for good.
const std::pair<const char*, SheetRecipe> kVersion1Codes[] = {
    {"30S6-0000-01R1-0010-2Q4", {7, 0, Arithmetic(Ticks(1, 150, 1))}},
    {"2ZAM-0000-02R5-58H0-2Q4",
     {11, 0,
      With(Arithmetic(Ticks(1, 150, 1), 5), ZeroSetting::Allowed, LayerSetting::Random,
           LayerSetting::Random, InstructionText(LayerSetting::Random))}},
    {"2F5E-0000-02S7-58H0-2Q4",
     {11, 2,
      With(Arithmetic(Ticks(1, 150, 1), 7), ZeroSetting::Allowed, LayerSetting::Random,
           LayerSetting::Random, InstructionText(LayerSetting::Random))}},
    {"35A2-0000-00R1-05V0", {3, 0, Colour(5, 30)}},
    {"3VK4-0000-0RR1-2H16-YY8",
     {99, 0,
      With(Arithmetic(Ticks(111, 150, 1)), ZeroSetting::Refused, LayerSetting::All,
           LayerSetting::All, InstructionText(LayerSetting::All))}},
    {"21KW-0000-01R1-0010-A4", {7, 0, Arithmetic({5, 6})}},
    {"2SCC-ZZZZ-ZZZR-BS7Y-RXZZ-ZZG0-402D-5G0M-0148", kRecipes[1]},
    {"2AYB-000Y-4G1Q-FZZZ-ZZZN-H16Y-8", kRecipes[2]},
    {"20GT-0000-0AGH-2274-SRG5-0", kRecipes[3]},
    {"3904-0000-00S1-05MG", kRecipes[5]},
    {"269E-0000-FTH0-A5A7-4SSG-30HG-13J0",
     {2026, 2,
      With(Arithmetic({3, 140, 71, 72, 73}, 32), ZeroSetting::Allowed, LayerSetting::Random,
           LayerSetting::Random, kTyped)}},
    {"2RPE-0000-0181-0H10-20",
     {5, 0,
      With(Arithmetic({1}), ZeroSetting::Refused, LayerSetting::None, LayerSetting::All,
           InstructionText(LayerSetting::All))}},
};

TEST(SheetCode, EveryVersion1CodeStillMakesItsSheet) {
  for (const auto& [code, recipe] : kVersion1Codes) {
    ExpectSameRecipe(DecodeSheetCode(code, kTyped), recipe);
    EXPECT_EQ(EncodeSheetCode(recipe, 1), code);
  }
}

// The sheets most made take a short code; the bound is what a person types.
TEST(SheetCode, ASheetOfFewPatternsTakesAShortCode) {
  for (const auto& [patterns, characters] : std::vector<std::pair<std::vector<int>, std::size_t>>{
           {{1}, 13},
           {{7, 8, 9}, 14},
           {{56, 29, 55, 36}, 19},
           {Ticks(1, 150, 1), 17},
           {Ticks(2, 40, 2), 21},
       }) {
    const std::string code = *EncodeSheetCode({0xffffffffU, 0, Arithmetic(patterns)});
    EXPECT_LE(code.size() - code.size() / 5, characters) << code;
  }
}

TEST(SheetCode, CarriesEveryPartOfTheRecipeInTheReadableAlphabet) {
  for (const SheetRecipe& recipe : kRecipes) {
    const std::optional<std::string> code = EncodeSheetCode(recipe);
    ASSERT_TRUE(code.has_value());
    for (const char c : *code) {
      EXPECT_TRUE(c == '-' || std::strchr(kAlphabet, c) != nullptr) << *code;
    }
    ExpectSameRecipe(DecodeSheetCode(*code, kTyped), recipe);
    std::string typedIn;
    for (const char c : *code) {
      // As typed: lower case, the groups apart by ideographic spaces or not at all.
      if (c == '-')
        typedIn += typedIn.size() % 2 == 0 ? "\u3000" : "";
      else
        typedIn += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    ExpectSameRecipe(DecodeSheetCode(typedIn, kTyped), recipe);
  }
  EXPECT_LE(EncodeSheetCode(kRecipes[0])->size(), 30);
}

TEST(SheetCode, WhatNoCompositionMakesHasNoCode) {
  EXPECT_FALSE(EncodeSheetCode({1, 10000, Arithmetic({7})}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Arithmetic({})}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(4, 25)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(4, 0)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(1, 20)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(6, 20)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Later(Arithmetic({7}), &SheetOptions::problems, 40)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Later(Colour(3, 20), &SheetOptions::score, true)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Later(Arithmetic({7}), &SheetOptions::problems, 20)}, 1));
}

// A code printed by an earlier build, as a person types it on any keyboard.
TEST(SheetCode, EverySpellingOfAPrintedCodeIsThatCode) {
  const std::string printed = "21KW-0000-01R1-0010-A4";
  const SheetRecipe recipe{7, 0, Arithmetic({5, 6})};
  EXPECT_EQ(EncodeSheetCode(recipe, 1), printed);
  for (const std::string& typed : {
           printed,
           std::string("２１ＫＷ－００００－０１Ｒ１－００１０－Ａ４"),
           std::string("２１ｋｗ　００００　０１ｒ１　００１０　ａ４"),
           std::string(" 21kw 0000 01r1 0010 a4 "),
           std::string("21KW‐OOOO‐O1R1‐OO1O‐A4"),
           std::string("21KWーooooーo1RlーooIoーA4"),
           std::string("21KW–0000–01Ri–0010–A4"),
           std::string("21KW0000-01R10010A4"),
       }) {
    ExpectSameRecipe(DecodeSheetCode(typed), recipe);
    EXPECT_EQ(TidySheetCode(typed), printed) << typed;
  }
}

SheetCodeError::Kind Refusal(const std::string& code, const std::string& typed = {}) {
  try {
    DecodeSheetCode(code, typed);
  } catch (const SheetCodeError& e) {
    return e.kind();
  }
  ADD_FAILURE() << "accepted " << code;
  return SheetCodeError::Kind::Malformed;
}

TEST(SheetCode, EveryDamagedCodeIsRefused) {
  for (const SheetRecipe& recipe : kRecipes) {
    std::string code = *EncodeSheetCode(recipe);
    code.erase(std::remove(code.begin(), code.end(), '-'), code.end());
    for (std::size_t i = 0; i < code.size(); ++i) {
      for (const char c : kAlphabet) {
        if (c == 0 || c == code[i]) continue;
        std::string changed = code;
        changed[i] = c;
        EXPECT_EQ(Refusal(changed, kTyped), SheetCodeError::Kind::Malformed) << changed;
      }
      EXPECT_EQ(Refusal(code.substr(0, i), kTyped), SheetCodeError::Kind::Malformed);
      EXPECT_EQ(Refusal(std::string(code).erase(i, 1), kTyped), SheetCodeError::Kind::Malformed);
    }
    for (const char* foreign : {"U", "_", "あ", "!", "\xff"}) {
      EXPECT_EQ(Refusal(code.substr(0, 5) + foreign + code.substr(6), kTyped),
                SheetCodeError::Kind::Malformed);
    }
    EXPECT_EQ(Refusal(code + '0', kTyped), SheetCodeError::Kind::Malformed);
  }
  EXPECT_EQ(Refusal(std::string()), SheetCodeError::Kind::Malformed);
}

// Codes whose check value is right but which no composition writes.
TEST(SheetCode, ACodeOfNoSheetIsRefused) {
  for (const char* code : {
           "34GT-0000-01R1-05HG",         // no colours
           "3PPY-0000-01R1-05KG",         // one colour
           "2C53-0000-01R1-05XG",         // six colours
           "35VR-0000-01R1-05R0",         // no words a block
           "3XDC-0000-01R1-0020-A01G-0",  // patterns 5 and 6 as two runs
           "3KRM-0000-01R8-1001-0A4",     // the sheet index with a step of zeros
           "3W7Y-0000-02RJ-0010-2Q40",    // a trailing character of zero bits
           "46HY-0000-01Y0-90M",          // a plain sheet spelt out in full
           "472S-0000-01Y0-C042-G",       // later options all at their defaults
           "5PFW-0000-01Y0-F042-G",       // a fourth choice of problem count
           "4T9R-0000-01Y0-CR42-G",       // a fourth paper
           "47MQ-0000-01Y0-042G",         // the usual instruction line spelt out
           "4JYX-0000-01Y0-W45",          // red answers on a colour-word sheet
           "44XD-0000-01Z8-0",            // pattern 0
           "5R7K-0000-01ZC-Q",            // pattern 151
           "407T-0000-01Z4-185",          // a pattern listed twice
           "5TMJ-0000-01ZM-2R3",          // a short run's length in a byte
           "5VE4-0000-01ZR-50",           // one pattern as a bitmap
       }) {
    EXPECT_EQ(Refusal(code), SheetCodeError::Kind::Malformed) << code;
  }
}

TEST(SheetCode, ACodeOfALaterVersionOrAnotherInstructionLineSaysSo) {
  EXPECT_EQ(Refusal(*EncodeSheetCode(kRecipes[0], kSheetCodeVersion + 1)),
            SheetCodeError::Kind::Newer);
  const std::string typed = *EncodeSheetCode(kRecipes[3]);
  EXPECT_EQ(Refusal(typed, "月曜日の小テスト "), SheetCodeError::Kind::InstructionDiffers);
  EXPECT_EQ(Refusal(typed), SheetCodeError::Kind::InstructionDiffers);
  try {
    DecodeSheetCode("ABCD");
  } catch (const SheetCodeError& e) {
    EXPECT_STREQ(e.what(),
                 "再作成コードが正しくありません。シートに印刷されたとおりに入力して下さい。");
  }
}

// Sheet k of a class set, re-made alone from the code printed on its page,
// is that sheet: problems, question lines and every item of both pages.
TEST(SheetCode, TheCodeOnAPageMakesThatSheetAgain) {
  const PageGeometry geometry{40, 30, 2000, 2870};
  for (const SheetOptions& options :
       {With(Arithmetic({3, 140, 71, 72, 73}, 30), ZeroSetting::Allowed, LayerSetting::Random,
             LayerSetting::Random, kTyped),
        Colour(3, 40, 30)}) {
    const Worksheet set = ComposeSeeded(2026, options, 3, geometry);
    for (std::size_t k = 0; k < set.sheets.size(); ++k) {
      const ComposedSheet& sheet = set.sheets[k];
      const TextItem& printed =
          set.pages.at(static_cast<std::size_t>(sheet.firstPage - 1)).items.back();
      const std::string head = "再作成コード ";
      ASSERT_EQ(printed.text.compare(0, head.size(), head), 0) << printed.text;
      const Worksheet again =
          Remake(DecodeSheetCode(printed.text.substr(head.size()), kTyped), geometry);
      ASSERT_EQ(again.sheets.size(), 1u);
      EXPECT_EQ(again.sheets[0].printNumber, 30 + static_cast<int>(k));
      EXPECT_EQ(again.sheets[0].questions, sheet.questions);
      EXPECT_EQ(again.sheets[0].patterns, sheet.patterns);
      EXPECT_EQ(again.sheets[0].code, sheet.code);
      Worksheet one{geometry, {}, {}};
      for (int p = 0; p < sheet.pageCount; ++p) {
        one.pages.push_back(set.pages.at(static_cast<std::size_t>(sheet.firstPage - 1) + p));
      }
      ExpectSamePages(again, one);
    }
    EXPECT_NE(set.sheets[0].code, set.sheets[1].code);
  }
}

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// The code stands clear of every item of every page kind, whatever the
// patterns or colour settings, and inside the printable area.
TEST(SheetCode, TheCodeStandsClearOfEverythingInsideThePrintableArea) {
  std::vector<SheetOptions> sheets;
  for (int p = 1; p <= 150; ++p) {
    sheets.push_back(With(Arithmetic({p}), ZeroSetting::Allowed, LayerSetting::Random,
                          LayerSetting::Random, Repeated("字", 60)));
  }
  for (const int colours : {2, 5}) {
    for (const int words : {20, 30, 40}) sheets.push_back(Colour(colours, words));
  }
  for (const PageGeometry& g : {DesignPaperGeometry(), PageGeometry{120, 120, 1860, 2730}}) {
    const Box printable{g.left, g.top, g.width, g.height};
    for (const SheetOptions& options : sheets) {
      for (const WorksheetPage& page : ComposeSeeded(5, options, 1, g).pages) {
        const Box code = Cell(page.items.back());
        ASSERT_EQ(page.items.back().text.rfind("再作成コード ", 0), 0U);
        EXPECT_TRUE(printable.Contains(code));
        for (std::size_t i = 0; i + 1 < page.items.size(); ++i) {
          EXPECT_FALSE(Cell(page.items[i]).Intersects(code)) << page.items[i].text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace kazenori
