// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The special multiplication and division patterns: a product or quotient
// mixed with a sum or difference, laid out and answered by their display
// forms. Every value a form divides by is at least 1.
#include "generation/patterngenerators.h"

namespace kazenori::generators {

// 100 - two digits x one digit, the product at most 100; only p is drawn
// again (10 always passes).
void Pattern35(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kHundredMinusProduct);
  d.valA = 100;
  const int m = d.Rnd(9) + 1;
  int p = 0;
  do {
    p = d.Rnd(90) + 10;
  } while (m * p > 100);
  d.valB = p;
  d.valC = m;
}

// (a + b) x digit, a + b a whole ten.
void Pattern36(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kSumTimesDigit);
  const int t = d.Rnd(9) + 1;
  d.valA = d.Rnd(10 * t - 1) + 1;
  d.valB = 10 * t - d.valA;
  d.valC = d.Rnd(9) + 1;
}

// Table product plus table product.
void Pattern37(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kProductPlusProduct);
  d.valA = d.Rnd(9) + 1;
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
  d.valD = d.Rnd(9) + 1;
}

// Table product minus table product, never negative (valC x valD = 1 always
// passes).
void Pattern38(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kProductMinusProduct);
  do {
    d.valA = d.Rnd(9) + 1;
    d.valB = d.Rnd(9) + 1;
    d.valC = d.Rnd(9) + 1;
    d.valD = d.Rnd(9) + 1;
  } while (d.valA * d.valB - d.valC * d.valD < 0);
}

// Two digits x (b + c), b + c a whole ten.
void Pattern39(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kTimesSum);
  d.valA = d.Rnd(90) + 10;
  const int t = d.Rnd(9) + 1;
  d.valB = d.Rnd(10 * t - 1) + 1;
  d.valC = 10 * t - d.valB;
}

// Two digits + a product that is a whole ten of a factor that is not (2 x 5
// always passes); Rnd(2) decides which factor comes first.
void Pattern40(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kPlusProduct);
  d.valA = d.Rnd(90) + 10;
  int x = 0;
  int y = 0;
  do {
    x = d.Rnd(8) + 2;
    y = d.Rnd(44) + 2;
  } while ((x * y) % 10 != 0 || y % 10 == 0);
  if (d.Rnd(2) == 0) {
    d.valB = x;
    d.valC = y;
  } else {
    d.valB = y;
    d.valC = x;
  }
}

// A whole ten - a table quotient.
void Pattern44(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kTensMinusQuotient);
  const int a = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
  d.valB = (d.Rnd(9) + 1) * d.valC;
  d.valA = 10 * a;
}

// (whole ten - whole ten) / 2, 5 or 10.
void Pattern45(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kTensDifferenceByDivisor);
  const int x = d.Rnd(8) + 2;
  const int y = d.Rnd(x - 1) + 1;
  constexpr int kDivisors[] = {2, 5, 10};
  d.valC = kDivisors[d.Rnd(3)];
  d.valA = 10 * x;
  d.valB = 10 * y;
}

// Whole hundred - whole ten / (2 or 5).
void Pattern46(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kHundredsMinusQuotient);
  d.valA = (d.Rnd(9) + 1) * 100;
  d.valB = (d.Rnd(9) + 1) * 10;
  d.valC = d.Rnd(2) == 0 ? 2 : 5;
}

// 25n / (b + c) with b + c = 25.
void Pattern47(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kQuotientOfSum);
  const int a = d.Rnd(9) + 1;
  const int b = d.Rnd(24) + 1;
  d.valA = 25 * a;
  d.valB = b;
  d.valC = 25 - b;
}

// An exact two-digit quotient plus a table product; only valA is drawn again
// (valA = valB always passes).
void Pattern48(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kQuotientPlusProduct);
  d.valB = d.Rnd(9) + 1;
  do {
    d.valA = d.Rnd(99) + 1;
  } while (d.valA % d.valB != 0);
  d.valC = d.Rnd(9) + 1;
  d.valD = d.Rnd(9) + 1;
}

// (3s - 3t) / 3; s = 1 poses (3 - 3) / 3.
void Pattern49(Draw& d) {
  d.op = Operation::Div;
  d.Special(form::kDifferenceByThree);
  const int s = d.Rnd(33) + 1;
  const int t = d.Rnd(s - 1) + 1;
  d.valA = 3 * s;
  d.valB = 3 * t;
  d.valC = 3;
}

// k x m + l x m with k + l a whole ten and k != l; s is kept while valA is
// drawn again.
void Pattern50(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kProductsOfSameFactor);
  const int s = (d.Rnd(10) + 1) * 10;
  do {
    d.valA = d.Rnd(s - 1) + 1;
    d.valC = s - d.valA;
  } while (d.valA == d.valC);
  d.valB = d.Rnd(9) + 1;
  d.valD = d.valB;
}

// 100 - a table product.
void Pattern73(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kHundredMinusTableProduct);
  d.valA = 100;
  d.valB = d.Rnd(9) + 1;
  d.valC = d.Rnd(9) + 1;
}

// 100 - a table quotient.
void Pattern74(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kHundredMinusTableQuotient);
  d.valA = 100;
  const int x = d.Rnd(9) + 1;
  const int y = d.Rnd(9) + 1;
  d.valB = x * y;
  d.valC = x;
}

// k x m - l x m with k - l from 1 to 10.
void Pattern75(Draw& d) {
  d.op = Operation::Mul;
  d.Special(form::kProductsOfSameFactorApart);
  d.valA = d.Rnd(89) + 11;
  const int diff = d.Rnd(10) + 1;
  d.valC = d.valA - diff;
  d.valB = d.Rnd(9) + 1;
  d.valD = d.valB;
}

}  // namespace kazenori::generators
