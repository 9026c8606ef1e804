// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generators of the two- and three-term multiplication and division patterns
// and the table of the whole family; the special patterns that mix a product
// or quotient with a sum or difference are in MulDivCompoundPatterns.cpp.
// Draws happen in the documented order, one Rnd call each.
#include <array>

#include "generation/Generators.h"
#include "generation/MulDivCompoundPatterns.h"
#include "generation/PatternCatalogue.h"
#include "generation/ProblemRecord.h"

namespace kazenori {

namespace {

// The multiplication table; a ones digit of 0 is replaced by a fresh digit
// unless the zero setting allows it.
void Pattern15(Draw& d) {
  d.op = kOpMul;
  const int n = d.Rnd(90) + 10;
  d.valA = n / 10;
  d.valB = n % 10;
  if (!d.flag() && d.valB == 0) d.valB = d.Rnd(9) + 1;
}

// The table backwards, no remainder.
void Pattern17(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
}

// The table backwards with a remainder. The first divisor only shapes the
// dividend; 72 and 81 have no divisor 1..9 leaving a remainder with a
// one-digit quotient, so they become 64 and the divisor loop can end.
void Pattern18(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
  if (d.valA == 81 || d.valA == 72) d.valA = 64;
  do {
    d.valB = d.Rnd(9) + 1;
  } while (d.valA % d.valB == 0 || d.valA / d.valB >= 10);
}

// The table backwards, remainder or not (9 always passes).
void Pattern19(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
  do {
    d.valB = d.Rnd(9) + 1;
  } while (d.valA / d.valB >= 10);
}

// One digit times a whole ten.
void Pattern22(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(9) + 1;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits times one, the product below 100.
void Pattern23(Draw& d) {
  d.op = kOpMul;
  do {
    d.valA = d.Rnd(40) + 10;
    d.valB = d.flag() ? d.Rnd(10) : d.Rnd(9) + 1;
  } while (d.valA * d.valB >= 100);
}

// Two digits times a whole ten.
void Pattern24(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(90) + 10;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits times one, the product of three digits; with the zero setting a
// 0 is drawn but never passes.
void Pattern25(Draw& d) {
  d.op = kOpMul;
  do {
    d.valA = d.Rnd(90) + 10;
    d.valB = d.flag() ? d.Rnd(10) : d.Rnd(9) + 1;
  } while (d.valA * d.valB <= 99);
}

// Two digits by one, no remainder, the quotient of two digits (10 x valB
// always passes).
void Pattern30(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA % d.valB != 0 || d.valA / d.valB < 10);
}

// Two digits by 2..8 with a remainder, the quotient of two digits
// (10 x valB + 1 always passes).
void Pattern31(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(7) + 2;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA % d.valB == 0 || d.valA / d.valB < 10);
}

// Two digits by one, remainder or not, the quotient of two digits.
void Pattern32(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA / d.valB < 10);
}

// Three digits times one.
void Pattern33(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(900) + 100;
  d.valB = d.flag() ? d.Rnd(10) : d.Rnd(9) + 1;
}

// Three digits multiplied.
void Pattern34(Draw& d) {
  d.op = kOpMul;
  d.ThreeTerms();
  d.valA = d.Rnd(9) + 1;
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
}

// A whole ten, or two digits, by one digit: the quotient a whole ten.
void Pattern41(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB * 10;
}

// A multiple of 10 from 100 to 990 that valB divides (840 and 900 always
// serve).
void Pattern42(Draw& d) {
  d.op = kOpDiv;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = (d.Rnd(90) + 10) * 10;
  } while (d.valA % d.valB != 0);
}

// Two divisions in a row, both exact.
void Pattern43(Draw& d) {
  d.op = kOpDiv;
  d.ThreeTerms();
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
  d.valA = d.valB * d.valC * (d.Rnd(9) + 1);
}

// A whole ten times one digit.
void Pattern80(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = d.Rnd(9) + 1;
}

// One digit times a whole hundred.
void Pattern81(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(9) + 1;
  d.valB = (d.Rnd(9) + 1) * 100;
}

// A whole hundred times one digit.
void Pattern82(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(9) + 1) * 100;
  d.valB = d.Rnd(9) + 1;
}

// A whole ten times two digits.
void Pattern83(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = d.Rnd(90) + 10;
}

// A whole ten times a whole ten.
void Pattern84(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Whole tens and whole hundreds: the sheets show the hundreds first, whatever
// the caption's word order.
void Pattern85(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(9) + 1) * 100;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits by 11..49, the quotient one digit (11 x 2 always passes).
void Pattern105(Draw& d) {
  d.op = kOpDiv;
  do {
    d.valB = d.Rnd(39) + 11;
    const int q = d.Rnd(8) + 2;
    d.valA = d.valB * q;
  } while (d.valA >= 100);
}

// A multiple of 10 from 110 to 990 times one digit.
void Pattern106(Draw& d) {
  d.op = kOpMul;
  d.valA = (d.Rnd(89) + 11) * 10;
  d.valB = d.Rnd(9) + 1;
}

// Three digits by two, the quotient one digit (99 x 2 always passes).
void Pattern107(Draw& d) {
  d.op = kOpDiv;
  do {
    d.valB = d.Rnd(89) + 11;
    const int q = d.Rnd(8) + 2;
    d.valA = d.valB * q;
  } while (d.valA <= 99);
}

// The drills "xn" (0..60 times n) and "/n" (quotient 0..59, exact).
template <int N>
void TimesDrill(Draw& d) {
  d.op = kOpMul;
  d.valA = d.Rnd(61);
  d.valB = N;
}

template <int N>
void DivideDrill(Draw& d) {
  d.op = kOpDiv;
  d.valA = d.Rnd(60) * N;
  d.valB = N;
}

struct Entry {
  int pattern;
  GeneratorFn generate;
};

using namespace muldiv;

constexpr Entry kEntries[] = {
    {15, Pattern15},       {17, Pattern17},       {18, Pattern18},       {19, Pattern19},
    {22, Pattern22},       {23, Pattern23},       {24, Pattern24},       {25, Pattern25},
    {30, Pattern30},       {31, Pattern31},       {32, Pattern32},       {33, Pattern33},
    {34, Pattern34},       {35, Pattern35},       {36, Pattern36},       {37, Pattern37},
    {38, Pattern38},       {39, Pattern39},       {40, Pattern40},       {41, Pattern41},
    {42, Pattern42},       {43, Pattern43},       {44, Pattern44},       {45, Pattern45},
    {46, Pattern46},       {47, Pattern47},       {48, Pattern48},       {49, Pattern49},
    {50, Pattern50},       {73, Pattern73},       {74, Pattern74},       {75, Pattern75},
    {80, Pattern80},       {81, Pattern81},       {82, Pattern82},       {83, Pattern83},
    {84, Pattern84},       {85, Pattern85},       {105, Pattern105},     {106, Pattern106},
    {107, Pattern107},     {123, TimesDrill<2>},  {124, TimesDrill<3>},  {125, TimesDrill<4>},
    {126, TimesDrill<5>},  {127, DivideDrill<2>}, {128, DivideDrill<3>}, {129, DivideDrill<4>},
    {130, DivideDrill<5>}, {131, DivideDrill<6>}, {132, DivideDrill<7>}, {133, DivideDrill<8>},
    {134, DivideDrill<9>}, {147, TimesDrill<6>},  {148, TimesDrill<7>},  {149, TimesDrill<8>},
    {150, TimesDrill<9>},
};

constexpr std::array<GeneratorFn, kPatternCount + 1> kTable = [] {
  std::array<GeneratorFn, kPatternCount + 1> table{};
  for (const Entry& e : kEntries) table[static_cast<std::size_t>(e.pattern)] = e.generate;
  return table;
}();

}  // namespace

GeneratorFn MulDivGenerator(int pattern) {
  if (pattern < 1 || pattern > kPatternCount) return nullptr;
  return kTable[static_cast<std::size_t>(pattern)];
}

}  // namespace kazenori
