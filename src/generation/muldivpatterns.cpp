// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Generators of the two- and three-term multiplication and division patterns;
// the special patterns that mix a product or quotient with a sum or
// difference are in muldivcompoundpatterns.cpp. Draws happen in the
// documented order, one Rnd call each.
#include "generation/patterngenerators.h"

namespace kazenori::generators {

// The multiplication table; a ones digit of 0 is replaced by a fresh digit
// unless the zero setting allows it.
void Pattern15(Draw& d) {
  d.op = Operation::Mul;
  const int n = d.Rnd(90) + 10;
  d.valA = n / 10;
  d.valB = n % 10;
  if (!d.ZeroAllowed() && d.valB == 0) d.valB = d.Rnd(9) + 1;
}

// The table backwards, no remainder.
void Pattern17(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
}

// The table backwards with a remainder. The first divisor only shapes the
// dividend; 72 and 81 have no divisor 1..9 leaving a remainder with a
// one-digit quotient, so they become 64 and the divisor loop can end.
void Pattern18(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
  if (d.valA == 81 || d.valA == 72) d.valA = 64;
  do {
    d.valB = d.Rnd(9) + 1;
  } while (d.valA % d.valB == 0 || d.valA / d.valB >= 10);
}

// The table backwards, remainder or not (9 always passes).
void Pattern19(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB;
  do {
    d.valB = d.Rnd(9) + 1;
  } while (d.valA / d.valB >= 10);
}

// One digit times a whole ten.
void Pattern22(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(9) + 1;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits times one, the product below 100.
void Pattern23(Draw& d) {
  d.op = Operation::Mul;
  do {
    d.valA = d.Rnd(40) + 10;
    d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
  } while (d.valA * d.valB >= 100);
}

// Two digits times a whole ten.
void Pattern24(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(90) + 10;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits times one, the product of three digits; with the zero setting a
// 0 is drawn but never passes.
void Pattern25(Draw& d) {
  d.op = Operation::Mul;
  do {
    d.valA = d.Rnd(90) + 10;
    d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
  } while (d.valA * d.valB <= 99);
}

// Two digits by one, no remainder, the quotient of two digits (10 x valB
// always passes).
void Pattern30(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA % d.valB != 0 || d.valA / d.valB < 10);
}

// Two digits by 2..8 with a remainder, the quotient of two digits
// (10 x valB + 1 always passes).
void Pattern31(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(7) + 2;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA % d.valB == 0 || d.valA / d.valB < 10);
}

// Two digits by one, remainder or not, the quotient of two digits.
void Pattern32(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = d.Rnd(100);
  } while (d.valA / d.valB < 10);
}

// Three digits times one.
void Pattern33(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(900) + 100;
  d.valB = d.ZeroAllowed() ? d.Rnd(10) : d.Rnd(9) + 1;
}

// Three digits multiplied.
void Pattern34(Draw& d) {
  d.op = Operation::Mul;
  d.ThreeTerms();
  d.valA = d.Rnd(9) + 1;
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
}

// A whole ten, or two digits, by one digit: the quotient a whole ten.
void Pattern41(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  d.valA = (d.Rnd(9) + 1) * d.valB * 10;
}

// A multiple of 10 from 100 to 990 that valB divides (840 and 900 always
// serve).
void Pattern42(Draw& d) {
  d.op = Operation::Div;
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = (d.Rnd(90) + 10) * 10;
  } while (d.valA % d.valB != 0);
}

// Two divisions in a row, both exact.
void Pattern43(Draw& d) {
  d.op = Operation::Div;
  d.ThreeTerms();
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
  d.valA = d.valB * d.valC * (d.Rnd(9) + 1);
}

// A whole ten times one digit.
void Pattern80(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = d.Rnd(9) + 1;
}

// One digit times a whole hundred.
void Pattern81(Draw& d) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(9) + 1;
  d.valB = (d.Rnd(9) + 1) * 100;
}

// A whole hundred times one digit.
void Pattern82(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(9) + 1) * 100;
  d.valB = d.Rnd(9) + 1;
}

// A whole ten times two digits.
void Pattern83(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = d.Rnd(90) + 10;
}

// A whole ten times a whole ten.
void Pattern84(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(9) + 1) * 10;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Whole tens and whole hundreds: the sheets show the hundreds first, whatever
// the caption's word order.
void Pattern85(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(9) + 1) * 100;
  d.valB = (d.Rnd(9) + 1) * 10;
}

// Two digits by 11..49, the quotient one digit (11 x 2 always passes).
void Pattern105(Draw& d) {
  d.op = Operation::Div;
  do {
    d.valB = d.Rnd(39) + 11;
    const int q = d.Rnd(8) + 2;
    d.valA = d.valB * q;
  } while (d.valA >= 100);
}

// A multiple of 10 from 110 to 990 times one digit.
void Pattern106(Draw& d) {
  d.op = Operation::Mul;
  d.valA = (d.Rnd(89) + 11) * 10;
  d.valB = d.Rnd(9) + 1;
}

// Three digits by two, the quotient one digit (99 x 2 always passes).
void Pattern107(Draw& d) {
  d.op = Operation::Div;
  do {
    d.valB = d.Rnd(89) + 11;
    const int q = d.Rnd(8) + 2;
    d.valA = d.valB * q;
  } while (d.valA <= 99);
}

// The drills "xn" (0..60 times n) and "/n" (quotient 0..59, exact).
void TimesDrill(Draw& d, int n) {
  d.op = Operation::Mul;
  d.valA = d.Rnd(61);
  d.valB = n;
}

void DivideDrill(Draw& d, int n) {
  d.op = Operation::Div;
  d.valA = d.Rnd(60) * n;
  d.valB = n;
}

}  // namespace kazenori::generators
