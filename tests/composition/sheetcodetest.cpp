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
#include "composition/utf8.h"

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
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(4, 0)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(1, 20)}));
  EXPECT_FALSE(EncodeSheetCode({1, 0, Colour(6, 20)}));
}

// A code printed by an earlier build, as a person types it on any keyboard.
TEST(SheetCode, EverySpellingOfAPrintedCodeIsThatCode) {
  const std::string printed = "21KW-0000-01R1-0010-A4";
  const SheetRecipe recipe{7, 0, Arithmetic({5, 6})};
  EXPECT_EQ(EncodeSheetCode(recipe), printed);
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
        one.pages.push_back(set.pages.at(static_cast<std::size_t>(sheet.firstPage - 1 + p)));
      }
      ExpectSamePages(again, one);
    }
    EXPECT_NE(set.sheets[0].code, set.sheets[1].code);
  }
}

// Where a page's text reaches, by the cells of the sheet font: a full-width
// character is as wide as the text is high, any other half as wide.
struct Box {
  int left, top, width, height;
  bool Intersects(const Box& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
  bool Contains(const Box& o) const {
    return o.left >= left && o.top >= top && o.left + o.width <= left + width &&
           o.top + o.height <= top + height;
  }
};

Box Cell(const TextItem& item) {
  int width = 0;
  for (const char32_t c : CodePoints(item.text)) width += c < 0x100 ? item.height / 2 : item.height;
  const int h = item.height;
  switch (item.align) {
    case TextAlign::Left:
      return Box{item.x, item.y, width, h};
    case TextAlign::LeftMid:
      return Box{item.x, item.y - h / 2, width, h};
    case TextAlign::Center:
      return Box{item.x - width / 2, item.y - h / 2, width, h};
    case TextAlign::Right:
      return Box{item.x - width, item.y, width, h};
  }
  return {};
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
