// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Multiplication and division patterns under scripted draws: each test pins
// the order and range of every Rnd call and the record that results.
#include <gtest/gtest.h>

#include "driverscript.h"

namespace kazenori::testing {
namespace {

TEST(MulDivScripted, Pattern18ReplacesSeventyTwoAndRedrawsTheDivisor) {
  // 9 x 8 = 72 becomes 64; divisors 8 (exact) and 6 (quotient 10) fail.
  ProblemRecord r = MakeOne(18, 0, {{9, 8}, {9, 7}, {9, 7}, {9, 5}, {9, 6}});
  EXPECT_EQ(ValuesOf(r), (Vals{64, 7, 0, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"64", "7", "", "", "9", "1"}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Div, TermMode::TwoTerms, 0}));

  r = MakeOne(18, 0, {{9, 8}, {9, 8}, {9, 6}});  // 81 becomes 64 as well
  EXPECT_EQ(ValuesOf(r), (Vals{64, 7, 0, 0}));

  // 1 / 1 is exact, 1 / 2 has quotient 0 and remainder 1.
  r = MakeOne(18, 0, {{9, 0}, {9, 0}, {9, 0}, {9, 1}});
  EXPECT_EQ(TextsOf(r), (Texts{"1", "2", "", "", "0", "1"}));
}

TEST(MulDivScripted, Pattern19KeepsTheDividendWhileTheDivisorIsRedrawn) {
  ProblemRecord r = MakeOne(19, 0, {{9, 8}, {9, 8}, {9, 0}, {9, 7}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{81, 9, 0, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"81", "9", "", "", "9", ""}));

  r = MakeOne(19, 0, {{9, 2}, {9, 4}, {9, 3}});  // 3 x 5 = 15 by 4
  EXPECT_EQ(TextsOf(r), (Texts{"15", "4", "", "", "3", "3"}));
}

TEST(MulDivScripted, Pattern35RedrawsOnlyTheTwoDigitFactor) {
  // m 9: 15 x 9 = 135 is too much, 11 x 9 = 99 fits.
  ProblemRecord r = MakeOne(35, 0, {{9, 8}, {90, 5}, {90, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{100, 11, 9, 0}));
  // A special multiplication: the display form writes the answer.
  EXPECT_EQ(TextsOf(r), (Texts{"100", "11", "9", "0", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 5}));

  r = MakeOne(35, 0, {{9, 8}, {90, 0}});  // 10 x 9 = 90
  EXPECT_EQ(ValuesOf(r), (Vals{100, 10, 9, 0}));
}

TEST(MulDivScripted, Pattern40RedrawsBothFactorsThenLetsRnd2Order) {
  // (2, 10): y a whole ten; (3, 4): 12; (4, 15): 60 passes.
  ProblemRecord r =
      MakeOne(40, 0, {{90, 15}, {8, 0}, {44, 8}, {8, 1}, {44, 2}, {8, 2}, {44, 13}, {2, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{25, 15, 4, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"25", "15", "4", "0", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 15}));

  r = MakeOne(40, 0, {{90, 15}, {8, 2}, {44, 13}, {2, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{25, 4, 15, 0}));
}

TEST(MulDivScripted, Pattern50KeepsTheWholeTenWhileValAIsRedrawn) {
  // s 10: 5 and 5 are equal, 3 and 7 pass; valD repeats valB.
  ProblemRecord r = MakeOne(50, 0, {{10, 0}, {9, 4}, {9, 2}, {9, 5}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 6, 7, 6}));
  EXPECT_EQ(TextsOf(r), (Texts{"3", "6", "7", "6", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 27}));

  r = MakeOne(50, 0, {{10, 9}, {99, 98}, {9, 0}});  // s 100: 99 and 1
  EXPECT_EQ(ValuesOf(r), (Vals{99, 1, 1, 1}));
}

TEST(MulDivScripted, Pattern15ReplacesAZeroOnlyWithoutTheZeroSetting) {
  ProblemRecord r = MakeOne(15, 0, {{90, 20}, {9, 6}});
  EXPECT_EQ(TextsOf(r), (Texts{"3", "7", "", "", "21", ""}));
  r = MakeOne(15, 1, {{90, 20}});
  EXPECT_EQ(TextsOf(r), (Texts{"3", "0", "", "", "0", ""}));
  r = MakeOne(15, 0, {{90, 89}});
  EXPECT_EQ(ValuesOf(r), (Vals{9, 9, 0, 0}));
}

TEST(MulDivScripted, RedrawLoopsOfTheTwoTermPatterns) {
  // Pattern 23: 45 x 3 is too much, both are drawn again; the zero setting
  // draws valB from 0..9.
  ProblemRecord r = MakeOne(23, 1, {{40, 35}, {10, 3}, {40, 35}, {10, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{45, 0, 0, 0}));
  // Pattern 25: 11 x 9 = 99 fails, 0 never passes, 12 x 9 = 108 does.
  r = MakeOne(25, 1, {{90, 1}, {10, 9}, {90, 50}, {10, 0}, {90, 2}, {10, 9}});
  EXPECT_EQ(TextsOf(r), (Texts{"12", "9", "", "", "108", ""}));
  // Pattern 30 with divisor 9: only 90 and 99 qualify.
  r = MakeOne(30, 0, {{9, 8}, {100, 81}, {100, 95}, {100, 99}});
  EXPECT_EQ(TextsOf(r), (Texts{"99", "9", "", "", "11", ""}));
  // Pattern 31: 40 / 4 is exact, 41 / 4 passes.
  r = MakeOne(31, 0, {{7, 2}, {100, 40}, {100, 41}});
  EXPECT_EQ(TextsOf(r), (Texts{"41", "4", "", "", "10", "1"}));
  // Pattern 42: 110 is no multiple of 7, 840 is.
  r = MakeOne(42, 0, {{9, 6}, {90, 1}, {90, 74}});
  EXPECT_EQ(TextsOf(r), (Texts{"840", "7", "", "", "120", ""}));
  // Pattern 105: 49 x 3 is too big, 11 x 9 = 99 is not.
  r = MakeOne(105, 0, {{39, 38}, {8, 1}, {39, 0}, {8, 7}});
  EXPECT_EQ(TextsOf(r), (Texts{"99", "11", "", "", "9", ""}));
  // Pattern 107: 11 x 9 = 99 is too small, 99 x 2 passes.
  r = MakeOne(107, 0, {{89, 0}, {8, 7}, {89, 88}, {8, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"198", "99", "", "", "2", ""}));
}

TEST(MulDivScripted, SpecialDivisionsDrawInTheirOrder) {
  // Pattern 44: a, then valC, then valB's factor.
  ProblemRecord r = MakeOne(44, 0, {{9, 4}, {9, 2}, {9, 6}});
  EXPECT_EQ(ValuesOf(r), (Vals{50, 21, 3, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"50", "21", "3", "0", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Div, TermMode::Special, 10}));
  // Pattern 45: Rnd(3) gives 2 for a divisor of 10.
  r = MakeOne(45, 0, {{8, 7}, {8, 0}, {3, 2}});
  EXPECT_EQ(ValuesOf(r), (Vals{90, 10, 10, 0}));
  r = MakeOne(45, 0, {{8, 0}, {1, 0}, {3, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{20, 10, 5, 0}));
  // Pattern 46: Rnd(2) gives 1 for 5.
  r = MakeOne(46, 0, {{9, 8}, {9, 0}, {2, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{900, 10, 5, 0}));
  // Pattern 47: 25 x 3 / (7 + 18).
  r = MakeOne(47, 0, {{9, 2}, {24, 6}});
  EXPECT_EQ(ValuesOf(r), (Vals{75, 7, 18, 0}));
  // Pattern 48: only valA is drawn again until valB divides it.
  r = MakeOne(48, 0, {{9, 6}, {99, 9}, {99, 55}, {9, 2}, {9, 3}});
  EXPECT_EQ(TextsOf(r), (Texts{"56", "7", "3", "4", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Div, TermMode::Special, 18}));
  // Pattern 49 with s = 1: (3 - 3) / 3.
  r = MakeOne(49, 0, {{33, 0}, {0, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 3, 3, 0}));
  // Pattern 43: a three-term division, exact twice.
  r = MakeOne(43, 0, {{9, 1}, {9, 2}, {9, 3}});
  EXPECT_EQ(TextsOf(r), (Texts{"24", "2", "3", "", "4", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Div, TermMode::ThreeTerms, 0}));
}

TEST(MulDivScripted, SpecialProductsDrawInTheirOrder) {
  // Pattern 36: t 3, valA 1..29.
  ProblemRecord r = MakeOne(36, 0, {{9, 2}, {29, 6}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{7, 23, 4, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 8}));
  // Pattern 38: 1 x 1 - 2 x 2 is negative; all four are drawn again.
  r = MakeOne(38, 0, {{9, 0}, {9, 0}, {9, 1}, {9, 1}, {9, 2}, {9, 2}, {9, 1}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 3, 2, 4}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 12}));
  // Pattern 39: valA, then t, then valB.
  r = MakeOne(39, 0, {{90, 0}, {9, 0}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{10, 9, 1, 0}));
  // Pattern 74: 100 - (6 x 4) / 6.
  r = MakeOne(74, 0, {{9, 5}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{100, 24, 6, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 44}));
  // Pattern 75: 11 - 10 gives valC 1.
  r = MakeOne(75, 0, {{89, 0}, {10, 9}, {9, 4}});
  EXPECT_EQ(ValuesOf(r), (Vals{11, 5, 1, 5}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 45}));
}

TEST(MulDivScripted, FixedOrdersAndDrills) {
  // Pattern 85: the hundreds come first.
  ProblemRecord r = MakeOne(85, 0, {{9, 2}, {9, 3}});
  EXPECT_EQ(TextsOf(r), (Texts{"300", "40", "", "", "12000", ""}));
  r = MakeOne(81, 0, {{9, 2}, {9, 3}});
  EXPECT_EQ(TextsOf(r), (Texts{"3", "400", "", "", "1200", ""}));
  // Drills: 0 x 2, 60 x 2, 0 / 2, 59 x 9 / 9.
  r = MakeOne(123, 0, {{61, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"0", "2", "", "", "0", ""}));
  r = MakeOne(123, 0, {{61, 60}});
  EXPECT_EQ(r.strAnswer, "120");
  r = MakeOne(127, 0, {{60, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"0", "2", "", "", "0", ""}));
  r = MakeOne(134, 0, {{60, 59}});
  EXPECT_EQ(TextsOf(r), (Texts{"531", "9", "", "", "59", ""}));
  r = MakeOne(150, 0, {{61, 7}});
  EXPECT_EQ(TextsOf(r), (Texts{"7", "9", "", "", "63", ""}));
}

TEST(MulDivScripted, PlainProductsAndQuotientsDrawInTheirOrder) {
  // Patterns 17 and 41: the divisor first, then the quotient's factor.
  ProblemRecord r = MakeOne(17, 0, {{9, 6}, {9, 8}});
  EXPECT_EQ(TextsOf(r), (Texts{"63", "7", "", "", "9", ""}));
  r = MakeOne(41, 0, {{9, 2}, {9, 8}});
  EXPECT_EQ(TextsOf(r), (Texts{"270", "3", "", "", "90", ""}));
  // Two-term products: valA's draw, then valB's.
  r = MakeOne(22, 0, {{9, 2}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 90, 0, 0}));
  r = MakeOne(24, 0, {{90, 89}, {9, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"99", "10", "", "", "990", ""}));
  r = MakeOne(33, 0, {{900, 899}, {9, 8}});
  EXPECT_EQ(TextsOf(r), (Texts{"999", "9", "", "", "8991", ""}));
  r = MakeOne(33, 1, {{900, 0}, {10, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{100, 0, 0, 0}));
  r = MakeOne(80, 0, {{9, 2}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{30, 4, 0, 0}));
  r = MakeOne(82, 0, {{9, 2}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{300, 4, 0, 0}));
  r = MakeOne(83, 0, {{9, 2}, {90, 5}});
  EXPECT_EQ(TextsOf(r), (Texts{"30", "15", "", "", "450", ""}));
  r = MakeOne(84, 0, {{9, 2}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{30, 40, 0, 0}));
  r = MakeOne(106, 0, {{89, 0}, {9, 8}});
  EXPECT_EQ(TextsOf(r), (Texts{"110", "9", "", "", "990", ""}));
  // Pattern 34: three factors in slot order.
  r = MakeOne(34, 0, {{9, 1}, {9, 2}, {9, 3}});
  EXPECT_EQ(TextsOf(r), (Texts{"2", "3", "4", "", "24", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::ThreeTerms, 0}));
  // Pattern 73: 100 - 7 x 8, valB drawn before valC.
  r = MakeOne(73, 0, {{9, 6}, {9, 7}});
  EXPECT_EQ(TextsOf(r), (Texts{"100", "7", "8", "0", "", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Mul, TermMode::Special, 43}));
}

}  // namespace
}  // namespace kazenori::testing
