// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every display form, each of its writings, against texts worked out by hand:
// the plain question (also strE), the operator-hidden text, the answer, which
// draws are made and which are not.

#include <gtest/gtest.h>

#include <string>

#include "composition/displayforms.h"
#include "formrecords.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;
using testing::SpecialRecord;

struct Case {
  int form;
  Operation op;
  int a, b, c, d;
  int writing;         // -1: the form draws no writing
  const char* plain;   // question line with no flag
  const char* hidden;  // question line with the hide-operator flag; nullptr: the flag is ignored
  const char* answer;
  int blankChoices;  // range of the blank draw; 0: the blank flag is ignored
};

constexpr Operation kAdd = Operation::Add, kSub = Operation::Sub, kMul = Operation::Mul,
                    kDiv = Operation::Div;

const Case kCases[] = {
    {1, kAdd, 80, 60, 20, 0, 0, "80＋(60－20)＝", "80□(60□20)＝120", "120", 4},
    {1, kAdd, 80, 60, 20, 0, 1, "(60－20)＋80＝", "(60□20)□80＝120", "120", 4},
    {2, kAdd, 140, 90, 70, 0, 1, "(90－70)＋140＝", "(90□70)□140＝160", "160", 4},
    {3, kSub, 60, 30, 10, 0, -1, "60－(30＋10)＝", "60□(30□10)＝20", "20", 4},
    {4, kSub, 160, 80, 10, 0, -1, "160－(80＋10)＝", "160□(80□10)＝70", "70", 4},
    {5, kMul, 100, 12, 3, 0, -1, "100－12×3＝", "100□12□3＝64", "64", 4},
    {6, kAdd, 240, 150, 120, 0, 0, "240＋(150－120)＝", "240□(150□120)＝270", "270", 4},
    {7, kSub, 700, 340, 250, 0, -1, "700－(340－250)＝", "700□(340□250)＝610", "610", 4},
    {8, kMul, 13, 7, 6, 0, 0, "(13＋7)×6＝", "(13□7)□6＝120", "120", 4},
    {8, kMul, 13, 7, 6, 0, 1, "6×(13＋7)＝", "6□(13□7)＝120", "120", 4},
    {10, kDiv, 50, 24, 8, 0, -1, "50－24÷8＝", "50□24□8＝47", "47", 4},
    {11, kMul, 2, 3, 4, 6, -1, "2×3＋4×6＝", "2□3□4□6＝30", "30", 5},
    {12, kMul, 7, 8, 3, 9, -1, "7×8－3×9＝", "7□8□3□9＝29", "29", 5},
    {13, kDiv, 90, 40, 5, 0, -1, "(90－40)÷5＝", "(90□40)□5＝10", "10", 4},
    {14, kMul, 12, 3, 7, 0, 0, "12×(3＋7)＝", "12□(3□7)＝120", "120", 4},
    {14, kMul, 12, 3, 7, 0, 1, "(3＋7)×12＝", "(3□7)□12＝120", "120", 4},
    {15, kMul, 25, 4, 5, 0, 0, "25＋4×5＝", "25□4□5＝45", "45", 4},
    {15, kMul, 25, 4, 5, 0, 1, "4×5＋25＝", "4□5□25＝45", "45", 4},
    {16, kDiv, 300, 40, 5, 0, -1, "300－40÷5＝", "300□40□5＝292", "292", 4},
    {17, kDiv, 500, 10, 15, 0, -1, "500÷(10＋15)＝", "500□(10□15)＝20", "20", 4},
    {18, kDiv, 42, 7, 3, 8, 0, "42÷7＋3×8＝", "42□7□3□8＝30", "30", 5},
    {18, kDiv, 42, 7, 3, 8, 1, "3×8＋42÷7＝", "3□8□42□7＝30", "30", 5},
    {19, kDiv, 51, 21, 3, 0, -1, "(51－21)÷3＝", "(51□21)□3＝10", "10", 4},
    {20, kMul, 4, 6, 0, 0, -1, "4,6の公倍数(3つ)", nullptr, "答え 12,24,36", 0},
    {21, kMul, 6, 8, 0, 0, -1, "6,8の最小公倍数", nullptr, "答え 24", 0},
    {22, kMul, 4, 6, 10, 0, -1, "4,6,10の最小公倍数", nullptr, "答え 60", 0},
    {23, kDiv, 8, 12, 0, 0, -1, "8,12の公約数", nullptr, "答え 1,2,4", 0},
    {24, kDiv, 12, 18, 0, 0, -1, "12,18の最大公約数", nullptr, "答え 6", 0},
    {25, kDiv, 12, 18, 30, 0, -1, "12,18,30の最大公約数", nullptr, "答え 6", 0},
    {26, kMul, 2, 3, 4, 6, 0, "2:3＝4:(    )", nullptr, "2:3＝4:(6)", 0},
    {26, kMul, 2, 3, 4, 6, 1, "2:3＝(    ):6", nullptr, "2:3＝(4):6", 0},
    {27, kMul, 12, 3, 8, 3, -1, "12×3＋8×3＝", "12□3□8□3＝60", "60", 5},
    {28, kAdd, 3, 5, 0, 0, -1, "3＋0.5＝", "3□0.5＝3.5", "3.5", 0},
    {29, kSub, 4, 7, 0, 0, -1, "4－0.7＝", "4□0.7＝3.3", "3.3", 0},
    {30, kMul, 4, 5, 0, 0, 0, "4×0.5＝", "4□0.5＝2", "2", 0},
    {30, kMul, 7, 3, 0, 0, 1, "0.7×3＝", "0.7□3＝2.1", "2.1", 0},
    {31, kMul, 3, 4, 0, 0, -1, "0.3×0.4＝", "0.3□0.4＝0.12", "0.12", 0},
    {32, kDiv, 72, 8, 0, 0, -1, "7.2÷8＝", "7.2□8＝0.9", "0.9", 0},
    {33, kDiv, 12, 3, 0, 0, -1, "0.12÷3＝", "0.12□3＝0.04", "0.04", 0},
    {34, kMul, 7, 3, 0, 0, -1, "0.7×3＝", "0.7□3＝2.1", "2.1", 0},
    {35, kMul, 9, 9, 0, 0, -1, "9×0.9＝", "9□0.9＝8.1", "8.1", 0},
    {36, kMul, 9, 9, 0, 0, -1, "0.09×0.09＝", "0.09□0.09＝0.0081", "0.0081", 0},
    {37, kMul, 3, 5, 0, 0, 0, "0.3×0.05＝", "0.3□0.05＝0.015", "0.015", 0},
    {37, kMul, 3, 5, 0, 0, 1, "0.03×0.5＝", "0.03□0.5＝0.015", "0.015", 0},
    {38, kDiv, 6, 2, 0, 0, -1, "6÷0.2＝", "6□0.2＝30", "30", 0},
    {39, kDiv, 6, 2, 0, 0, -1, "6÷0.02＝", "6□0.02＝300", "300", 0},
    {40, kDiv, 72, 8, 0, 0, -1, "7.2÷0.8＝", "7.2□0.8＝9", "9", 0},
    {41, kDiv, 40, 5, 0, 0, -1, "0.4÷0.05＝", "0.4□0.05＝8", "8", 0},
    {42, kDiv, 12, 3, 0, 0, 0, "1.2÷0.03＝", "1.2□0.03＝40", "40", 0},
    {42, kDiv, 12, 3, 0, 0, 1, "0.12÷0.3＝", "0.12□0.3＝0.4", "0.4", 0},
    {43, kMul, 100, 9, 9, 0, -1, "100－9×9＝", "100□9□9＝19", "19", 4},
    {44, kMul, 100, 42, 6, 0, -1, "100－42÷6＝", "100□42□6＝93", "93", 4},
    {45, kMul, 23, 4, 13, 4, -1, "23×4－13×4＝", "23□4□13□4＝40", "40", 5},
    {46, kAdd, 8, 7, 3, 0, -1, "8＋7－3＝", "8□7□3＝12", "12", 4},
    {47, kSub, 15, 3, 9, 0, -1, "15－3＋9＝", "15□3□9＝21", "21", 4},
    {48, kDiv, 161, 7, 0, 0, -1, "16.1÷7＝", "16.1□7＝2.3", "2.3", 0},
    {49, kDiv, 138, 23, 0, 0, -1, "13.8÷23＝", "13.8□23＝0.6", "0.6", 0},
    {50, kDiv, 105, 15, 0, 0, -1, "1.05÷15＝", "1.05□15＝0.07", "0.07", 0},
    {51, kMul, 3, 0, 0, 0, -1, "3の倍数(4つ)", nullptr, "答え 3,6,9,12", 0},
    {52, kDiv, 12, 0, 0, 0, -1, "12の約数", nullptr, "答え 1,2,3,4,6,12", 0},
};

// The draws of one composition: the writing (if the form has two), then,
// with the blank flag on a form that blanks, the answer as blank choice and
// the first position of the answer.
ScriptedRandom Draws(const Case& k, bool blank) {
  ScriptedRandom rnd;
  if (k.writing >= 0) rnd.Expect(2, k.writing);
  if (blank && k.blankChoices > 0) {
    rnd.Expect(k.blankChoices, k.blankChoices - 1);
    rnd.Expect(static_cast<int>(std::string(k.answer).size()), 0);
  }
  return rnd;
}

struct Result {
  std::string line;
  ProblemRecord rec;
};

Result ComposeCase(const Case& k, int hide, int blank) {
  ProblemRecord rec = SpecialRecord(k.form, k.op, k.a, k.b, k.c, k.d);
  ScriptedRandom rnd = Draws(k, blank != 0);
  std::string line = ComposeSpecialQuestion(rec, {hide != 0, blank != 0}, rnd);
  EXPECT_TRUE(rnd.Exhausted()) << rnd.Remaining() << " scripted draws were not made";
  return {line, rec};
}

TEST(FormConformance, EveryFormAndWritingComposesItsTexts) {
  for (const Case& k : kCases) {
    SCOPED_TRACE("form " + std::to_string(k.form) + " writing " + std::to_string(k.writing));
    // The ratio keeps no question copy; every other form keeps the plain question.
    const std::string copy = k.form == 26 ? "" : k.plain;

    const Result plain = ComposeCase(k, 0, 0);
    EXPECT_EQ(plain.line, k.plain);
    EXPECT_EQ(plain.rec.strE, copy);
    EXPECT_EQ(plain.rec.strAnswer, k.answer);

    const Result hidden = ComposeCase(k, 1, 0);
    EXPECT_EQ(hidden.line, k.hidden != nullptr ? k.hidden : k.plain);
    EXPECT_EQ(hidden.rec.strE, copy);

    // A form that blanks shows the full equation with the answer's first
    // character blanked and its real operators; the others ignore the flag.
    const Result both = ComposeCase(k, 1, 1);
    const std::string answer = k.answer;
    EXPECT_EQ(both.line,
              k.blankChoices > 0 ? k.plain + std::string("□") + answer.substr(1) : hidden.line);
    EXPECT_EQ(both.rec.strE, copy);
    EXPECT_EQ(ComposeCase(k, 0, 1).line, k.blankChoices > 0 ? both.line : std::string(k.plain));
  }
}

}  // namespace
}  // namespace kazenori
