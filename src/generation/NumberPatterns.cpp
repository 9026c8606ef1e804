// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generators of the number-theory, ratio, decimal and special-product
// patterns. Every draw happens in the order the pattern's rule states it, so
// a scripted random source pins each generator down call by call.

#include <array>
#include <utility>

#include "generation/Generators.h"
#include "generation/NumberTheory.h"
#include "generation/PatternCatalogue.h"
#include "generation/ProblemRecord.h"

namespace kazenori {

namespace {

int Ones(int x) {
  return x % 10;
}

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

// --- common multiples and divisors, lcm and gcd -------------------------

// valA stays; valB is drawn again until it differs and the lcm stays below
// the bound. valB = 2 (4 when valA is 2) always passes.
void PairBelowLcm(Draw& d, int range, int bound) {
  d.valA = d.Rnd(range) + 2;
  do {
    d.valB = d.Rnd(range) + 2;
  } while (d.valB == d.valA || lcm(d.valA, d.valB) >= bound);
}

void P51(Draw& d) {
  d.op = kOpMul;
  d.Special(20);
  PairBelowLcm(d, 20, 100);
}

void P52(Draw& d) {
  d.op = kOpDiv;
  d.Special(23);
  TwoMultiplesOfCommonFactor(d, 15);
}

void P53(Draw& d) {
  d.op = kOpMul;
  d.Special(21);
  PairBelowLcm(d, 23, 150);
}

void P54(Draw& d) {
  d.op = kOpDiv;
  d.Special(24);
  TwoMultiplesOfCommonFactor(d, 15);
}

// valA stays; valB and valC are drawn again together. valB = 2, valC = 4
// (or 4 and 8, or 2 and 8) always pass, with an lcm of at most 4 * 24.
void P55(Draw& d) {
  d.op = kOpMul;
  d.Special(22);
  d.valA = d.Rnd(23) + 2;
  for (;;) {
    d.valB = d.Rnd(23) + 2;
    d.valC = d.Rnd(23) + 2;
    const bool different = d.valA != d.valB && d.valB != d.valC && d.valA != d.valC;
    if (different && lcm(lcm(d.valA, d.valB), d.valC) < 150) break;
  }
}

void P56(Draw& d) {
  d.op = kOpDiv;
  d.Special(25);
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
void P57(Draw& d) {
  d.op = kOpMul;
  d.Special(26);
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

void P58(Draw& d) {
  d.op = kOpAdd;
  d.Special(28);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

void P59(Draw& d) {
  d.op = kOpSub;
  d.Special(29);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

// Two digits multiplied; the form decides where the points go.
template <int Form>
void DigitProduct(Draw& d) {
  d.op = kOpMul;
  d.Special(Form);
  d.valA = Digit(d);
  d.valB = Digit(d);
}

// A table division: the divisor first, then the quotient digit that makes
// valA a multiple of it.
template <int Form>
void DigitQuotient(Draw& d) {
  d.op = kOpDiv;
  d.Special(Form);
  d.valB = Digit(d);
  d.valA = Digit(d) * d.valB;
}

// A divisor of one digit and a two-digit quotient not ending in 0, so that
// the form's quotient has exactly one decimal place.
void P108(Draw& d) {
  d.op = kOpDiv;
  d.Special(48);
  d.valB = Digit(d);
  int x = 0;
  do {
    x = d.Rnd(89) + 11;
  } while (Ones(x) == 0);
  d.valA = x * d.valB;
}

// A two-digit divisor not ending in 0 and a one-digit quotient.
template <int Form>
void TwoDigitDivisor(Draw& d) {
  d.op = kOpDiv;
  d.Special(Form);
  do {
    d.valB = d.Rnd(89) + 11;
  } while (Ones(d.valB) == 0);
  d.valA = Digit(d) * d.valB;
}

// --- special products: ordinary two-term multiplications ----------------

// Both factors base + 1..9.
template <int Base>
void NearBase(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(9) + Base + 1;
  d.valB = d.Rnd(9) + Base + 1;
}

void P93(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(9) + 11;
  d.valB = d.Rnd(9) + 21;
  SwapOnCoin(d);
}

void P94(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(9) + 111;
  d.valB = d.Rnd(9) + 11;
  SwapOnCoin(d);
}

void P95(Draw& d) {
  d.op = kOpMul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 10 * a + b;
  d.valB = 10 * a + (10 - b);
}

// The second factor's tens digit is one higher, so a tens digit of 9 would
// make it three-digit: 9 is drawn as 8.
void P96(Draw& d) {
  d.op = kOpMul;
  int a = Digit(d);
  const int b = Digit(d);
  if (a == 9) a = 8;
  d.valA = 10 * a + b;
  d.valB = 10 * (a + 1) + (10 - b);
  SwapOnCoin(d);
}

void P97(Draw& d) {
  d.op = kOpMul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 100 + 10 * a + b;
  d.valB = 100 + 10 * a + (10 - b);
}

void P98(Draw& d) {
  d.op = kOpMul;
  const int a = Digit(d);
  const int b = Digit(d);
  d.valA = 10 * a + b;
  d.valB = 10 * (10 - a) + b;
}

// The second factor's ones digit is one higher: a ones digit of 9 is drawn
// as 8 so that it stays a digit.
void P99(Draw& d) {
  d.op = kOpMul;
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
void P100(Draw& d) {
  d.op = kOpMul;
  const int th = d.Rnd(4);
  const int h = d.Rnd(4);
  const int t = (th == 0 && h == 0) ? d.Rnd(9) + 1 : d.Rnd(10);
  const int o = d.Rnd(10);
  d.valA = 1000 * th + 100 * h + 10 * t + o;
  const int k = d.Rnd(8) + 1;
  d.valB = 10 * k + (9 - k);
}

// Both factors on the same side of the base.
void NearBaseBothSides(Draw& d, int base, int range) {
  d.op = kOpMul;
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

void P101(Draw& d) {
  NearBaseBothSides(d, 100, 11);
}
void P102(Draw& d) {
  NearBaseBothSides(d, 1000, 15);
}

void P103(Draw& d) {
  d.op = kOpMul;
  const int h = Digit(d);
  const int x = Digit(d);
  const int y = Digit(d);
  d.valA = 100 * h + x;
  d.valB = 100 * h + y;
}

// 10m + d and 10m - d in either order: their sum is 20m.
void P104(Draw& d) {
  d.op = kOpMul;
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

void P135(Draw& d) {
  d.op = kOpMul;
  d.Special(51);
  d.valA = d.Rnd(59) + 2;
}

void P136(Draw& d) {
  d.op = kOpDiv;
  d.Special(52);
  d.valA = d.Rnd(99) + 2;
}

struct Entry {
  int pattern;
  GeneratorFn generate;
};

constexpr Entry kEntries[] = {
    {51, P51},
    {52, P52},
    {53, P53},
    {54, P54},
    {55, P55},
    {56, P56},
    {57, P57},
    {58, P58},
    {59, P59},
    {60, DigitProduct<30>},
    {61, DigitProduct<31>},
    {62, DigitQuotient<32>},
    {63, DigitQuotient<33>},
    {64, DigitProduct<34>},
    {65, DigitProduct<35>},
    {66, DigitProduct<36>},
    {67, DigitProduct<37>},
    {68, DigitQuotient<38>},
    {69, DigitQuotient<39>},
    {70, DigitQuotient<40>},
    {71, DigitQuotient<41>},
    {72, DigitQuotient<42>},
    {88, NearBase<10>},
    {89, NearBase<100>},
    {90, NearBase<1000>},
    {91, NearBase<110>},
    {92, NearBase<1010>},
    {93, P93},
    {94, P94},
    {95, P95},
    {96, P96},
    {97, P97},
    {98, P98},
    {99, P99},
    {100, P100},
    {101, P101},
    {102, P102},
    {103, P103},
    {104, P104},
    {108, P108},
    {109, TwoDigitDivisor<49>},
    {110, TwoDigitDivisor<50>},
    {135, P135},
    {136, P136},
};

// Indexed by pattern number; index 0 and the other families stay nullptr.
constexpr std::array<GeneratorFn, kPatternCount + 1> MakeTable() {
  std::array<GeneratorFn, kPatternCount + 1> table{};
  for (const Entry& e : kEntries) table[static_cast<std::size_t>(e.pattern)] = e.generate;
  return table;
}

constexpr std::array<GeneratorFn, kPatternCount + 1> kTable = MakeTable();

}  // namespace

GeneratorFn NumberGenerator(int pattern) {
  if (pattern < 1 || pattern > kPatternCount) return nullptr;
  return kTable[static_cast<std::size_t>(pattern)];
}

}  // namespace kazenori
