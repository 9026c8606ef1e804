// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generators of the number-theory, ratio, decimal and special-product
// patterns. Every draw happens in the order the pattern's rule states it, so
// a scripted random source pins each generator down call by call.

#include <utility>

#include "generation/numbertheory.h"
#include "generation/patterngenerators.h"

namespace kazenori::generators {

namespace {

// A digit 1..9, the operand of every decimal drill.
int Digit(Draw& d) {
  return d.Rnd(9) + 1;
}

void SwapOnCoin(Draw& d) {
  if (d.Rnd(2) == 1) std::swap(d.valA, d.valB);
}

// Two different multiples g*2..g*9 of one g in 2..16 (2..14 for proportions):
// the eight factors always leave a second multiple to choose, so the loop
// ends.
void TwoMultiplesOfCommonFactor(Draw& d, int factorRange) {
  const int g = d.Rnd(factorRange) + 2;
  d.valA = g * (d.Rnd(8) + 2);
  do {
    d.valB = g * (d.Rnd(8) + 2);
  } while (d.valB == d.valA);
}

// valA stays; valB is drawn again until it differs and the lcm stays below
// the bound. valB = 2 (4 when valA is 2) always passes.
void PairBelowLcm(Draw& d, int range, int bound) {
  d.valA = d.Rnd(range) + 2;
  do {
    d.valB = d.Rnd(range) + 2;
  } while (d.valB == d.valA || lcm(d.valA, d.valB) >= bound);
}

}  // namespace

// --- common multiples and divisors, lcm and gcd -------------------------

void Pattern51(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kCommonMultiples);
  PairBelowLcm(d, 20, 100);
}

void Pattern52(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kCommonDivisors);
  TwoMultiplesOfCommonFactor(d, 15);
}

void Pattern53(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kLeastCommonMultiple);
  PairBelowLcm(d, 23, 150);
}

void Pattern54(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kGreatestCommonDivisor);
  TwoMultiplesOfCommonFactor(d, 15);
}

// valA stays; valB and valC are drawn again together. valB = 2, valC = 4
// (or 4 and 8, or 2 and 8) always pass, with an lcm of at most 4 * 24.
void Pattern55(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kLeastCommonMultipleOf3);
  d.valA = d.Rnd(23) + 2;
  for (;;) {
    d.valB = d.Rnd(23) + 2;
    d.valC = d.Rnd(23) + 2;
    const bool different = d.valA != d.valB && d.valB != d.valC && d.valA != d.valC;
    if (different && lcm(lcm(d.valA, d.valB), d.valC) < 150) break;
  }
}

void Pattern56(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kGreatestCommonDivisorOf3);
  const int g = d.Rnd(15) + 2;
  d.valA = g * (d.Rnd(8) + 2);
  do {
    d.valB = g * (d.Rnd(8) + 2);
    d.valC = g * (d.Rnd(8) + 2);
  } while (d.valA == d.valB || d.valB == d.valC || d.valA == d.valC);
}

// valA : valB = valC : valD, the right side scaled up by 2..5 or reduced by
// the gcd. Both numbers are multiples of g >= 2, so the reduction always
// changes them and the right side is never 0.
void Pattern57(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kRatio);
  TwoMultiplesOfCommonFactor(d, 13);
  if (d.Rnd(2) == 0) {
    const int k = d.Rnd(4) + 2;
    d.valC = k * d.valA;
    d.valD = k * d.valB;
  } else {
    const int g = static_cast<int>(gcd(d.valA, d.valB));
    d.valC = d.valA / g;
    d.valD = d.valB / g;
  }
}

// --- decimals: the forms place the points ------------------------------

void Pattern58(Draw& d) {
  d.op = Operation::Add;
  d.Special(form::kDigitPlusTenths);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

void Pattern59(Draw& d) {
  d.op = Operation::Sub;
  d.Special(form::kDigitMinusTenths);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

// Two digits multiplied; the form decides where the points go.
void DigitProduct(Draw& d, int form) {
  d.op = Operation::Mul;
  d.Special(form);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

// A table division: the divisor first, then the quotient digit that makes
// valA a multiple of it.
void DigitQuotient(Draw& d, int form) {
  d.op = Operation::Div;
  d.Special(form);
  d.valB = Digit(d);
  d.valA = Digit(d) * d.valB;
}

// A divisor of one digit and a two-digit quotient not ending in 0, so that
// the form's quotient has exactly one decimal place.
void Pattern108(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kTenthsQuotientOfDigit);
  d.valB = Digit(d);
  int x = 0;
  do {
    x = d.Rnd(89) + 11;
  } while (Ones(x) == 0);
  d.valA = x * d.valB;
}

// A two-digit divisor not ending in 0 and a one-digit quotient.
void TwoDigitDivisor(Draw& d, int form) {
  d.op = Operation::Div;
  d.Special(form);
  do {
    d.valB = d.Rnd(89) + 11;
  } while (Ones(d.valB) == 0);
  d.valA = Digit(d) * d.valB;
}

// --- special products: ordinary two-term multiplications ----------------

// Both factors base + 1..9.
void NearBase(Draw& d, int base) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(9) + base + 1;
  d.valB = d.Rnd(9) + base + 1;
}

void Pattern93(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(9) + 11;
  d.valB = d.Rnd(9) + 21;
  SwapOnCoin(d);
}

void Pattern94(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(9) + 111;
  d.valB = d.Rnd(9) + 11;
  SwapOnCoin(d);
}

void Pattern95(Draw& d) {
  d.op = Operation::Mul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 10 * a + b;
  d.valB = 10 * a + (10 - b);
}

// The second factor's tens digit is one higher, so a tens digit of 9 would
// make it three-digit: 9 is drawn as 8.
void Pattern96(Draw& d) {
  d.op = Operation::Mul;
  int a = Digit(d);
  const int b = Digit(d);
  if (a == 9) a = 8;
  d.valA = 10 * a + b;
  d.valB = 10 * (a + 1) + (10 - b);
  SwapOnCoin(d);
}

void Pattern97(Draw& d) {
  d.op = Operation::Mul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 100 + 10 * a + b;
  d.valB = 100 + 10 * a + (10 - b);
}

void Pattern98(Draw& d) {
  d.op = Operation::Mul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 10 * a + b;
  d.valB = 10 * (10 - a) + b;
}

// The second factor's ones digit is one higher: a ones digit of 9 is drawn
// as 8 so that it stays a digit.
void Pattern99(Draw& d) {
  d.op = Operation::Mul;
  const int a = Digit(d);
  int b = Digit(d);
  if (b == 9) b = 8;
  d.valA = 10 * a + b;
  d.valB = 10 * (10 - a) + b + 1;
  SwapOnCoin(d);
}

// Digits from the thousands down; a number below 100 gets a tens digit of
// at least 1, so it never has a leading zero. The multiplier's digits add up
// to 9.
void Pattern100(Draw& d) {
  d.op = Operation::Mul;
  const int th = d.Rnd(4);
  const int h = d.Rnd(4);
  const int t = (th == 0 && h == 0) ? d.Rnd(9) + 1 : d.Rnd(10);
  const int o = d.Rnd(10);
  d.valA = 1000 * th + 100 * h + 10 * t + o;
  const int k = d.Rnd(8) + 1;
  d.valB = 10 * k + (9 - k);
}

namespace {

// Both factors on the same side of the base.
void NearBaseBothSides(Draw& d, int base, int range) {
  d.op = Operation::Mul;
  const int a = d.Rnd(range) + 1;
  const int b = d.Rnd(range) + 1;
  if (d.Rnd(2) == 1) {
    d.valA = base + a;
    d.valB = base + b;
  } else {
    d.valA = base - a;
    d.valB = base - b;
  }
}

}  // namespace

void Pattern101(Draw& d) {
  NearBaseBothSides(d, 100, 11);
}
void Pattern102(Draw& d) {
  NearBaseBothSides(d, 1000, 15);
}

void Pattern103(Draw& d) {
  d.op = Operation::Mul;
  const int h = Digit(d);
  const int x = Digit(d);
  const int y = Digit(d);
  d.valA = 100 * h + x;
  d.valB = 100 * h + y;
}

// 10m + d and 10m - d in either order: their sum is 20m.
void Pattern104(Draw& d) {
  d.op = Operation::Mul;
  const int dist = Digit(d);
  const int m = d.Rnd(8) + 2;
  if (d.Rnd(2) == 1) {
    d.valA = 10 * m + dist;
    d.valB = 10 * m - dist;
  } else {
    d.valA = 10 * m - dist;
    d.valB = 10 * m + dist;
  }
}

// --- multiples and divisors of one number: valB, valC, valD stay 0 ------

void Pattern135(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kMultiples);
  d.valA = d.Rnd(59) + 2;
}

void Pattern136(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kDivisors);
  d.valA = d.Rnd(99) + 2;
}

}  // namespace kazenori::generators
