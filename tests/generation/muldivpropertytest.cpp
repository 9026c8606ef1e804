// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded draws of every multiplication and division pattern with both
// settings of the zero-allowed flag, each checked against its row's ranges
// and rule.
#include <gtest/gtest.h>

#include <vector>

#include "addsubmuldivcheck.h"

namespace kazenori::testing {
namespace {

bool TensMultiple(int x) {
  return x % 10 == 0;
}

// A product of two digits 1..9.
bool TableProduct(int x) {
  for (int a = 1; a <= 9; ++a) {
    if (x % a == 0 && Within(x / a, 1, 9)) return true;
  }
  return false;
}

// x / y is exact with a quotient lo..hi.
bool ExactQuotient(int x, int y, int lo, int hi) {
  return y >= 1 && x % y == 0 && Within(x / y, lo, hi);
}

bool Any(const Values&) {
  return true;
}

constexpr Range kDigit{1, 9};
constexpr Range kDigit0{0, 9};
constexpr Range kTens{10, 90};
constexpr Range kHundreds{100, 900};

bool WholeTens(int x) {
  return TensMultiple(x) && Within(x, 10, 90);
}
bool WholeHundreds(int x) {
  return x % 100 == 0 && Within(x, 100, 900);
}

std::vector<PatternRule> Rows() {
  std::vector<PatternRule> rows = {
      {15, 0, kDigit, kDigit, kZero, kZero, Any, "the table"},
      {15, 1, kDigit, kDigit0, kZero, kZero, Any, "the table, valB may be 0"},
      {17,
       kBothFlags,
       {1, 81},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, v.b, 1, 9); },
       "exact, quotient 1..9"},
      {18,
       kBothFlags,
       {1, 64},
       {2, 9},
       kZero,
       kZero,
       [](const Values& v) {
         return TableProduct(v.a) && v.a != 72 && v.a != 81 && v.a % v.b != 0 && v.a / v.b < 10;
       },
       "a table product but 72 and 81, remainder at least 1, quotient below 10"},
      {19,
       kBothFlags,
       {1, 81},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return TableProduct(v.a) && v.a / v.b < 10; },
       "a table product, quotient below 10"},
      {22, kBothFlags, kDigit, kTens, kZero, kZero, [](const Values& v) { return WholeTens(v.b); },
       "digit x whole ten"},
      {23,
       0,
       {10, 49},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return v.a * v.b < 100; },
       "product below 100"},
      {23,
       1,
       {10, 49},
       kDigit0,
       kZero,
       kZero,
       [](const Values& v) { return v.a * v.b < 100; },
       "product below 100"},
      {24,
       kBothFlags,
       {10, 99},
       kTens,
       kZero,
       kZero,
       [](const Values& v) { return WholeTens(v.b); },
       "two digits x whole ten"},
      {25,
       kBothFlags,
       {12, 99},
       {2, 9},
       kZero,
       kZero,
       [](const Values& v) { return v.a * v.b > 99; },
       "product of three digits"},
      {30,
       kBothFlags,
       {10, 99},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, v.b, 10, 99); },
       "exact, quotient of two digits"},
      {31,
       kBothFlags,
       {21, 99},
       {2, 8},
       kZero,
       kZero,
       [](const Values& v) { return v.a % v.b != 0 && v.a / v.b >= 10; },
       "remainder at least 1, quotient of two digits"},
      {32,
       kBothFlags,
       {10, 99},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return v.a / v.b >= 10; },
       "quotient of two digits"},
      {33, 0, {100, 999}, kDigit, kZero, kZero, Any, "three digits x digit"},
      {33, 1, {100, 999}, kDigit0, kZero, kZero, Any, "three digits x digit"},
      {34, kBothFlags, kDigit, kDigit, kDigit, kZero, Any, "three digits"},
      {35,
       kBothFlags,
       {100, 100},
       {10, 99},
       kDigit,
       kZero,
       [](const Values& v) { return v.b * v.c <= 100; },
       "product at most 100"},
      {36,
       kBothFlags,
       {1, 89},
       {1, 89},
       kDigit,
       kZero,
       [](const Values& v) { return WholeTens(v.a + v.b); },
       "valA + valB a whole ten"},
      {37, kBothFlags, kDigit, kDigit, kDigit, kDigit, Any, "four digits"},
      {38, kBothFlags, kDigit, kDigit, kDigit, kDigit,
       [](const Values& v) { return v.a * v.b >= v.c * v.d; }, "difference not negative"},
      {39,
       kBothFlags,
       {10, 99},
       {1, 89},
       {1, 89},
       kZero,
       [](const Values& v) { return WholeTens(v.b + v.c); },
       "valB + valC a whole ten"},
      {40,
       kBothFlags,
       {10, 99},
       {2, 45},
       {2, 45},
       kZero,
       [](const Values& v) {
         const auto fits = [](int x, int y) {
           return Within(x, 2, 9) && Within(y, 2, 45) && TensMultiple(x * y) && !TensMultiple(y);
         };
         return fits(v.b, v.c) || fits(v.c, v.b);
       },
       "a digit times a non-multiple of 10 making a whole ten"},
      {41,
       kBothFlags,
       {10, 810},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, 10 * v.b, 1, 9); },
       "quotient a whole ten 10..90"},
      {42,
       kBothFlags,
       {100, 990},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return TensMultiple(v.a) && v.a % v.b == 0; },
       "whole tens 100..990, exact"},
      {43,
       kBothFlags,
       {1, 729},
       kDigit,
       kDigit,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, v.b * v.c, 1, 9); },
       "both divisions exact, result 1..9"},
      {44,
       kBothFlags,
       kTens,
       {1, 81},
       kDigit,
       kZero,
       [](const Values& v) { return WholeTens(v.a) && ExactQuotient(v.b, v.c, 1, 9); },
       "whole ten - exact table quotient"},
      {45,
       kBothFlags,
       {20, 90},
       {10, 80},
       {2, 10},
       kZero,
       [](const Values& v) {
         return WholeTens(v.a) && WholeTens(v.b) && v.b < v.a &&
                (v.c == 2 || v.c == 5 || v.c == 10);
       },
       "whole tens with valB below valA, divisor 2, 5 or 10"},
      {46,
       kBothFlags,
       kHundreds,
       kTens,
       {2, 5},
       kZero,
       [](const Values& v) {
         return WholeHundreds(v.a) && WholeTens(v.b) && (v.c == 2 || v.c == 5);
       },
       "whole hundred - whole ten / (2 or 5)"},
      {47,
       kBothFlags,
       {25, 225},
       {1, 24},
       {1, 24},
       kZero,
       [](const Values& v) { return v.a % 25 == 0 && v.b + v.c == 25; },
       "a multiple of 25 / (valB + valC = 25)"},
      {48,
       kBothFlags,
       {1, 99},
       kDigit,
       kDigit,
       kDigit,
       [](const Values& v) { return v.a % v.b == 0; },
       "exact quotient"},
      {49,
       kBothFlags,
       {3, 99},
       {3, 96},
       {3, 3},
       kZero,
       [](const Values& v) {
         return v.a % 3 == 0 && v.b % 3 == 0 && (v.b < v.a || (v.a == 3 && v.b == 3));
       },
       "multiples of 3, valB below valA (3 - 3 alone excepted)"},
      {50,
       kBothFlags,
       {1, 99},
       kDigit,
       {1, 99},
       kDigit,
       [](const Values& v) {
         return v.a != v.c && TensMultiple(v.a + v.c) && Within(v.a + v.c, 10, 100) && v.d == v.b;
       },
       "valA + valC a whole ten 10..100, valA != valC, valD = valB"},
      {73, kBothFlags, {100, 100}, kDigit, kDigit, kZero, Any, "100 - table product"},
      {74,
       kBothFlags,
       {100, 100},
       {1, 81},
       kDigit,
       kZero,
       [](const Values& v) { return ExactQuotient(v.b, v.c, 1, 9); },
       "100 - table quotient"},
      {75,
       kBothFlags,
       {11, 99},
       kDigit,
       {1, 98},
       kDigit,
       [](const Values& v) { return Within(v.a - v.c, 1, 10) && v.d == v.b; },
       "valA - valC 1..10, valD = valB"},
      {80, kBothFlags, kTens, kDigit, kZero, kZero, [](const Values& v) { return WholeTens(v.a); },
       "whole ten x digit"},
      {81, kBothFlags, kDigit, kHundreds, kZero, kZero,
       [](const Values& v) { return WholeHundreds(v.b); }, "digit x whole hundred"},
      {82, kBothFlags, kHundreds, kDigit, kZero, kZero,
       [](const Values& v) { return WholeHundreds(v.a); }, "whole hundred x digit"},
      {83,
       kBothFlags,
       kTens,
       {10, 99},
       kZero,
       kZero,
       [](const Values& v) { return WholeTens(v.a); },
       "whole ten x two digits"},
      {84, kBothFlags, kTens, kTens, kZero, kZero,
       [](const Values& v) { return WholeTens(v.a) && WholeTens(v.b); }, "whole ten x whole ten"},
      {85, kBothFlags, kHundreds, kTens, kZero, kZero,
       [](const Values& v) { return WholeHundreds(v.a) && WholeTens(v.b); },
       "whole hundred first, then whole ten"},
      {105,
       kBothFlags,
       {22, 99},
       {11, 49},
       kZero,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, v.b, 2, 9) && v.a < 100; },
       "exact, quotient 2..9, dividend below 100"},
      {106,
       kBothFlags,
       {110, 990},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return TensMultiple(v.a); },
       "whole tens 110..990 x digit"},
      {107,
       kBothFlags,
       {100, 891},
       {12, 99},
       kZero,
       kZero,
       [](const Values& v) { return ExactQuotient(v.a, v.b, 2, 9) && v.a > 99; },
       "exact, quotient 2..9, dividend of three digits"},
  };
  for (int n = 2; n <= 9; ++n) {
    const int times = n <= 5 ? 121 + n : 141 + n;
    rows.push_back({times, kBothFlags, {0, 60}, {n, n}, kZero, kZero, Any, "times drill"});
    rows.push_back({125 + n,
                    kBothFlags,
                    {0, 59 * n},
                    {n, n},
                    kZero,
                    kZero,
                    [](const Values& v) { return v.a % v.b == 0; },
                    "exact division drill"});
  }
  return rows;
}

class MulDivProperty : public ::testing::TestWithParam<PatternRule> {};

TEST_P(MulDivProperty, DrawsKeepTheirRowAndFillSheets) {
  CheckRow(GetParam(), 5000u);
}

INSTANTIATE_TEST_SUITE_P(Patterns, MulDivProperty, ::testing::ValuesIn(Rows()), RowName);

}  // namespace

std::vector<PatternRule> MulDivRows() {
  return Rows();
}

}  // namespace kazenori::testing
