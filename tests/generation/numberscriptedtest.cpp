// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number-theory, decimal and special-product generators draw by draw:
// which range each call asks for, in which order, and what is redrawn.

#include <gtest/gtest.h>

#include <array>

#include "generation/numbertheory.h"
#include "generation/problemgenerator.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;

struct Posed {
  std::int32_t a, b, c, d;
  Operation op;
  TermMode mode;
  int form;
};

// Runs pattern's generator on the scripted draws, which must all be used.
Posed Generate(int pattern, ScriptedRandom& rnd) {
  GenerationState state;
  Draw draw{rnd, state};
  Pattern(pattern).generate(draw);
  EXPECT_TRUE(rnd.Exhausted()) << "pattern " << pattern << " left " << rnd.Remaining()
                               << " scripted draws unused";
  return {draw.valA, draw.valB, draw.valC, draw.valD, draw.op, state.termMode, state.specialForm};
}

std::array<std::int32_t, 4> ValuesOf(const Posed& p) {
  return {p.a, p.b, p.c, p.d};
}
using Four = std::array<std::int32_t, 4>;

TEST(NumberTheory, GcdAndLcmFollowEuclidAndNeverDivideByZero) {
  EXPECT_EQ(gcd(12, 18), 6);
  EXPECT_EQ(gcd(18, 12), 6);
  EXPECT_EQ(gcd(7, 0), 7);
  EXPECT_EQ(gcd(0, 7), 7);
  EXPECT_EQ(gcd(17, 5), 1);
  EXPECT_EQ(gcd(144, 96), 48);
  EXPECT_EQ(lcm(4, 6), 12);
  EXPECT_EQ(lcm(21, 6), 42);
  EXPECT_EQ(lcm(9, 9), 9);
  EXPECT_EQ(lcm(999, 998), 997002);
  EXPECT_EQ(lcm(lcm(8, 12), 18), 72);
  // gcd(0, 0) is 0: the lcm of a 0 must not divide by it.
  EXPECT_EQ(gcd(0, 0), 0);
  EXPECT_EQ(lcm(0, 5), 0);
  EXPECT_EQ(lcm(7, 0), 0);
  EXPECT_EQ(lcm(0, 0), 0);
  // Large factors stay exact where the product itself would not fit 32 bits.
  EXPECT_EQ(lcm(46340, 46342), 46340LL * 23171);
}

TEST(NumberScripted, LcmPairsRedrawOnlyTheSecondNumber) {
  ScriptedRandom equal;
  equal.Expect(20, 0).Expect(20, 0).Expect(20, 19);  // 2, then 2 again, then 21
  const Posed p = Generate(51, equal);
  EXPECT_EQ(ValuesOf(p), (Four{2, 21, 0, 0}));
  EXPECT_EQ(p.op, Operation::Mul);
  EXPECT_EQ(p.form, 20);

  ScriptedRandom tooLarge;  // 24 and 23 have the lcm 552
  tooLarge.Expect(23, 22).Expect(23, 21).Expect(23, 4);
  EXPECT_EQ(ValuesOf(Generate(53, tooLarge)), (Four{24, 6, 0, 0}));
}

TEST(NumberScripted, ThreeNumberLcmRedrawsTheLastTwoTogether) {
  ScriptedRandom rnd;
  rnd.Expect(23, 0);                 // valA 2, kept
  rnd.Expect(23, 0).Expect(23, 5);   // 2, 7: valB equals valA
  rnd.Expect(23, 2).Expect(23, 22);  // 4, 24: lcm 24
  const Posed p = Generate(55, rnd);
  EXPECT_EQ(ValuesOf(p), (Four{2, 4, 24, 0}));
  EXPECT_EQ(p.mode, TermMode::Special);
  EXPECT_EQ(p.form, 22);

  ScriptedRandom bound;
  bound.Expect(23, 21);                // 23
  bound.Expect(23, 20).Expect(23, 0);  // 22, 2: lcm 506
  bound.Expect(23, 0).Expect(23, 8);   // 2, 10: lcm 230
  bound.Expect(23, 0).Expect(23, 2);   // 2, 4: lcm 92
  EXPECT_EQ(ValuesOf(Generate(55, bound)), (Four{23, 2, 4, 0}));

  ScriptedRandom sameLast;  // valB and valC equal: both drawn again
  sameLast.Expect(23, 1).Expect(23, 4).Expect(23, 4).Expect(23, 4).Expect(23, 10);
  EXPECT_EQ(ValuesOf(Generate(55, sameLast)), (Four{3, 6, 12, 0}));
}

TEST(NumberScripted, CommonDivisorPatternsShareOneFactor) {
  ScriptedRandom two;
  two.Expect(15, 14).Expect(8, 7).Expect(8, 7).Expect(8, 0);  // g 16: 144, 144 again, 32
  const Posed p = Generate(52, two);
  EXPECT_EQ(ValuesOf(p), (Four{144, 32, 0, 0}));
  EXPECT_EQ(p.op, Operation::Div);
  EXPECT_EQ(p.form, 23);
  ScriptedRandom same;
  same.Expect(15, 0).Expect(8, 1).Expect(8, 3);
  const Posed q = Generate(54, same);
  EXPECT_EQ(ValuesOf(q), (Four{6, 10, 0, 0}));
  EXPECT_EQ(q.form, 24);

  ScriptedRandom three;
  three.Expect(15, 0).Expect(8, 0);  // g 2, valA 4
  three.Expect(8, 1).Expect(8, 1);   // 6, 6
  three.Expect(8, 0).Expect(8, 2);   // 4, 8: valB equals valA
  three.Expect(8, 2).Expect(8, 3);   // 8, 10
  const Posed r = Generate(56, three);
  EXPECT_EQ(ValuesOf(r), (Four{4, 8, 10, 0}));
  EXPECT_EQ(r.form, 25);
}

TEST(NumberScripted, ProportionScalesUpOrReducesByTheGcd) {
  ScriptedRandom up;
  up.Expect(13, 1).Expect(8, 0).Expect(8, 0).Expect(8, 1);  // g 3: 6, 6 again, 9
  up.Expect(2, 0).Expect(4, 0);                             // scale by 2
  const Posed p = Generate(57, up);
  EXPECT_EQ(ValuesOf(p), (Four{6, 9, 12, 18}));
  EXPECT_EQ(p.op, Operation::Mul);
  EXPECT_EQ(p.form, 26);

  ScriptedRandom down;
  down.Expect(13, 1).Expect(8, 0).Expect(8, 1).Expect(2, 1);  // no scale factor drawn
  EXPECT_EQ(ValuesOf(Generate(57, down)), (Four{6, 9, 2, 3}));

  ScriptedRandom largest;
  largest.Expect(13, 12).Expect(8, 7).Expect(8, 6).Expect(2, 0).Expect(4, 3);  // g 14, k 5
  EXPECT_EQ(ValuesOf(Generate(57, largest)), (Four{126, 112, 630, 560}));
}

TEST(NumberScripted, DecimalDrillsDrawTheDivisorFirst) {
  ScriptedRandom add;
  add.Expect(9, 8).Expect(9, 0);
  const Posed sum = Generate(58, add);
  EXPECT_EQ(ValuesOf(sum), (Four{9, 1, 0, 0}));
  EXPECT_EQ(sum.op, Operation::Add);
  EXPECT_EQ(sum.form, 28);

  ScriptedRandom div;
  div.Expect(9, 3).Expect(9, 6);  // divisor 4, quotient 7
  const Posed q = Generate(62, div);
  EXPECT_EQ(ValuesOf(q), (Four{28, 4, 0, 0}));
  EXPECT_EQ(q.op, Operation::Div);
  EXPECT_EQ(q.form, 32);

  ScriptedRandom one;  // divisor 7, quotient 20 ends in 0: drawn again, 99
  one.Expect(9, 6).Expect(89, 9).Expect(89, 88);
  const Posed r = Generate(108, one);
  EXPECT_EQ(ValuesOf(r), (Four{693, 7, 0, 0}));
  EXPECT_EQ(r.form, 48);

  ScriptedRandom two;  // divisor 20 ends in 0: drawn again, 11; quotient 9
  two.Expect(89, 9).Expect(89, 0).Expect(9, 8);
  EXPECT_EQ(ValuesOf(Generate(109, two)), (Four{99, 11, 0, 0}));
  ScriptedRandom three;
  three.Expect(89, 88).Expect(9, 0);
  const Posed s = Generate(110, three);
  EXPECT_EQ(ValuesOf(s), (Four{99, 99, 0, 0}));
  EXPECT_EQ(s.form, 50);
}

// The two-draw drills that share one generator body: the first draw goes to
// the first operand (the divisor for the table divisions), and each pattern
// keeps its own form; the near-base products stay two-term problems.
TEST(NumberScripted, SharedDrillsDrawInOrderAndKeepTheirOwnForm) {
  struct Row {
    int pattern;
    std::int32_t a, b;
    Operation op;
    int form;
  };
  const Row rows[] = {
      {59, 3, 7, Operation::Sub, 29},    {60, 3, 7, Operation::Mul, 30},
      {61, 3, 7, Operation::Mul, 31},    {64, 3, 7, Operation::Mul, 34},
      {65, 3, 7, Operation::Mul, 35},    {66, 3, 7, Operation::Mul, 36},
      {67, 3, 7, Operation::Mul, 37},    {63, 21, 3, Operation::Div, 33},
      {68, 21, 3, Operation::Div, 38},   {69, 21, 3, Operation::Div, 39},
      {70, 21, 3, Operation::Div, 40},   {71, 21, 3, Operation::Div, 41},
      {72, 21, 3, Operation::Div, 42},   {88, 13, 17, Operation::Mul, 0},
      {89, 103, 107, Operation::Mul, 0}, {90, 1003, 1007, Operation::Mul, 0},
      {91, 113, 117, Operation::Mul, 0}, {92, 1013, 1017, Operation::Mul, 0},
  };
  for (const Row& row : rows) {
    ScriptedRandom rnd;
    rnd.Expect(9, 2).Expect(9, 6);
    const Posed p = Generate(row.pattern, rnd);
    EXPECT_EQ(ValuesOf(p), (Four{row.a, row.b, 0, 0})) << "pattern " << row.pattern;
    EXPECT_EQ(p.op, row.op) << "pattern " << row.pattern;
    EXPECT_EQ(p.mode, row.form == 0 ? TermMode::TwoTerms : TermMode::Special)
        << "pattern " << row.pattern;
    EXPECT_EQ(p.form, row.form) << "pattern " << row.pattern;
  }
}

TEST(NumberScripted, SwappedProductsDecideTheOrderLast) {
  ScriptedRandom swapped;
  swapped.Expect(9, 0).Expect(9, 8).Expect(2, 1);
  const Posed p = Generate(93, swapped);
  EXPECT_EQ(ValuesOf(p), (Four{29, 11, 0, 0}));
  EXPECT_EQ(p.op, Operation::Mul);
  EXPECT_EQ(p.mode, TermMode::TwoTerms);
  EXPECT_EQ(p.form, 0);
  ScriptedRandom kept;
  kept.Expect(9, 0).Expect(9, 8).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(93, kept)), (Four{11, 29, 0, 0}));
  ScriptedRandom hundred;
  hundred.Expect(9, 8).Expect(9, 0).Expect(2, 1);
  EXPECT_EQ(ValuesOf(Generate(94, hundred)), (Four{11, 119, 0, 0}));
}

TEST(NumberScripted, TensAndOnesDigitsAreClampedToStayDigits) {
  ScriptedRandom nine;  // a = 9 is used as 8: 83 x 97
  nine.Expect(9, 8).Expect(9, 2).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(96, nine)), (Four{83, 97, 0, 0}));
  ScriptedRandom nineSwapped;
  nineSwapped.Expect(9, 8).Expect(9, 8).Expect(2, 1);
  EXPECT_EQ(ValuesOf(Generate(96, nineSwapped)), (Four{91, 89, 0, 0}));
  ScriptedRandom low;
  low.Expect(9, 0).Expect(9, 0).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(96, low)), (Four{11, 29, 0, 0}));

  ScriptedRandom ones;  // b = 9 is used as 8: 38 x 79
  ones.Expect(9, 2).Expect(9, 8).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(99, ones)), (Four{38, 79, 0, 0}));
  ScriptedRandom onesSwapped;
  onesSwapped.Expect(9, 8).Expect(9, 7).Expect(2, 1);
  EXPECT_EQ(ValuesOf(Generate(99, onesSwapped)), (Four{19, 98, 0, 0}));

  ScriptedRandom sameTens;
  sameTens.Expect(9, 3).Expect(9, 2);
  EXPECT_EQ(ValuesOf(Generate(95, sameTens)), (Four{43, 47, 0, 0}));
  ScriptedRandom hundreds;
  hundreds.Expect(9, 8).Expect(9, 8);
  EXPECT_EQ(ValuesOf(Generate(97, hundreds)), (Four{199, 191, 0, 0}));
  ScriptedRandom sameOnes;
  sameOnes.Expect(9, 1).Expect(9, 4);
  EXPECT_EQ(ValuesOf(Generate(98, sameOnes)), (Four{25, 85, 0, 0}));
}

TEST(NumberScripted, NineMultiplierDrawsDigitsFromTheThousandsDown) {
  ScriptedRandom smallest;  // th and h 0: the tens digit is drawn from 1..9
  smallest.Expect(4, 0).Expect(4, 0).Expect(9, 0).Expect(10, 0).Expect(8, 7);
  EXPECT_EQ(ValuesOf(Generate(100, smallest)), (Four{10, 81, 0, 0}));
  ScriptedRandom largest;
  largest.Expect(4, 3).Expect(4, 3).Expect(10, 9).Expect(10, 9).Expect(8, 0);
  EXPECT_EQ(ValuesOf(Generate(100, largest)), (Four{3399, 18, 0, 0}));
  ScriptedRandom zeroTens;  // a hundreds digit lets the tens digit be 0
  zeroTens.Expect(4, 0).Expect(4, 2).Expect(10, 0).Expect(10, 5).Expect(8, 3);
  EXPECT_EQ(ValuesOf(Generate(100, zeroTens)), (Four{205, 45, 0, 0}));
  ScriptedRandom thousands;
  thousands.Expect(4, 1).Expect(4, 0).Expect(10, 0).Expect(10, 7).Expect(8, 4);
  EXPECT_EQ(ValuesOf(Generate(100, thousands)), (Four{1007, 54, 0, 0}));
}

TEST(NumberScripted, NearHundredAndThousandStayOnOneSide) {
  ScriptedRandom above;
  above.Expect(11, 10).Expect(11, 0).Expect(2, 1);
  EXPECT_EQ(ValuesOf(Generate(101, above)), (Four{111, 101, 0, 0}));
  ScriptedRandom below;
  below.Expect(11, 10).Expect(11, 0).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(101, below)), (Four{89, 99, 0, 0}));
  ScriptedRandom thousand;
  thousand.Expect(15, 14).Expect(15, 2).Expect(2, 0);
  EXPECT_EQ(ValuesOf(Generate(102, thousand)), (Four{985, 997, 0, 0}));
  ScriptedRandom sameHundred;
  sameHundred.Expect(9, 8).Expect(9, 0).Expect(9, 8);
  EXPECT_EQ(ValuesOf(Generate(103, sameHundred)), (Four{901, 909, 0, 0}));
}

TEST(NumberScripted, SumOfTwentyTimesDrawsDistanceThenMiddle) {
  ScriptedRandom larger;
  larger.Expect(9, 8).Expect(8, 0).Expect(2, 1);  // d 9, m 2
  EXPECT_EQ(ValuesOf(Generate(104, larger)), (Four{29, 11, 0, 0}));
  ScriptedRandom smaller;
  smaller.Expect(9, 0).Expect(8, 7).Expect(2, 0);  // d 1, m 9
  EXPECT_EQ(ValuesOf(Generate(104, smaller)), (Four{89, 91, 0, 0}));
}

// Through the driver: the one-number patterns leave valB at 0 and its text
// "0", and a special multiplication leaves the answer to its form.
TEST(NumberScripted, MultiplesAndDivisorsOfOneNumberLeaveValBAtZero) {
  ProblemTable table;
  PatternSelection selection;
  selection.SetTicked(135, true);
  selection.SetTicked(136, true);
  ScriptedRandom rnd;
  rnd.Expect(2, 0).Expect(59, 58);  // pattern 135, valA 60
  rnd.Expect(2, 1).Expect(99, 98);  // pattern 136, valA 100
  rnd.Expect(2, 1).Expect(99, 58);  // 60 again: a repeat of record 1
  rnd.Expect(99, 0);                // 2
  ProblemGenerator generator(rnd, table, selection);
  for (int i = 1; i <= 3; ++i) generator.MakeProblem(i);
  EXPECT_TRUE(rnd.Exhausted());
  const ProblemRecord& multiples = table.At(1);
  EXPECT_EQ(multiples.valA, 60);
  EXPECT_EQ(multiples.valB, 0);
  EXPECT_EQ(multiples.strB, "0");
  EXPECT_EQ(multiples.form, 51);
  EXPECT_EQ(multiples.strAnswer, "");
  const ProblemRecord& divisors = table.At(2);
  EXPECT_EQ(divisors.valA, 100);
  EXPECT_EQ(divisors.strB, "0");
  EXPECT_EQ(divisors.op, Operation::Div);
  EXPECT_EQ(divisors.form, 52);
  EXPECT_EQ(table.At(3).valA, 2);
  EXPECT_EQ(table.At(3).valC, 0);
  EXPECT_EQ(table.At(3).valD, 0);
}

}  // namespace
}  // namespace kazenori
