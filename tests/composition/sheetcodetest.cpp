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
#include "composition/seededcomposition.h"
#include "composition/sheetcode.h"

namespace kazenori {
namespace {

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
};

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
    for (const char* foreign : {"I", "O", "U", "あ", "!", "\xff"}) {
      EXPECT_EQ(Refusal(code.substr(0, 5) + foreign + code.substr(6), kTyped),
                SheetCodeError::Kind::Malformed);
    }
    EXPECT_EQ(Refusal(code + '0', kTyped), SheetCodeError::Kind::Malformed);
  }
  EXPECT_EQ(Refusal(std::string()), SheetCodeError::Kind::Malformed);
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
        one.pages.push_back(set.pages.at(static_cast<std::size_t>(sheet.firstPage - 1 + p)));
      }
      ExpectSamePages(again, one);
    }
    EXPECT_NE(set.sheets[0].code, set.sheets[1].code);
  }
}

// The code stands below everything else on the page and inside the printable area.
TEST(SheetCode, TheCodeStandsBelowTheSheetInsideThePrintableArea) {
  for (const PageGeometry& g : {DesignPaperGeometry(), PageGeometry{120, 120, 1860, 2730}}) {
    const Worksheet set = ComposeSeeded(5, Arithmetic({1, 150}), 1, g);
    const Worksheet colour = ComposeSeeded(5, Colour(5, 40), 1, g);
    for (const WorksheetPage& page : {set.pages[0], set.pages[1], colour.pages[0]}) {
      const TextItem& code = page.items.back();
      for (std::size_t i = 0; i + 1 < page.items.size(); ++i) {
        EXPECT_LT(page.items[i].y + page.items[i].height, code.y) << page.items[i].text;
      }
      EXPECT_LE(code.y + code.height, g.top + g.height);
      EXPECT_LE(code.x, g.left + g.width);
    }
  }
}

}  // namespace
}  // namespace kazenori
