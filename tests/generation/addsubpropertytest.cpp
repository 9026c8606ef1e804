// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded draws of every addition and subtraction pattern with both settings
// of the zero-allowed flag, each checked against its row's ranges and rule.
#include <gtest/gtest.h>

#include <vector>

#include "addsubmuldivcheck.h"

namespace kazenori::testing {
namespace {

bool TensMultiple(int x) {
  return x % 10 == 0;
}

// Two of the three make a whole ten s of 10..50 from two numbers that are no
// multiples of 10, and the third is lowest..99 - s.
bool PairMakesTen(const Values& v, int lowest) {
  const int x[3] = {v.a, v.b, v.c};
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3, k = (i + 2) % 3;
    const int s = x[i] + x[j];
    if (TensMultiple(s) && Within(s, 10, 50) && !TensMultiple(x[i]) && x[i] >= 1 &&
        Within(x[k], lowest, 99 - s)) {
      return true;
    }
  }
  return false;
}

constexpr Range kDigit{1, 9};
constexpr Range kDigit0{0, 9};

std::vector<PatternRule> Rows() {
  std::vector<PatternRule> rows = {
      {1,
       0,
       {0, 9},
       {1, 10},
       kZero,
       kZero,
       [](const Values& v) { return v.a + v.b <= 10; },
       "sum at most 10"},
      {1,
       1,
       {0, 9},
       {0, 10},
       kZero,
       kZero,
       [](const Values& v) { return v.a + v.b <= 10; },
       "sum at most 10"},
      {2,
       0,
       {1, 10},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return v.b <= v.a; },
       "valB at most valA, never 10 - 10"},
      {2,
       1,
       {1, 10},
       kDigit0,
       kZero,
       kZero,
       [](const Values& v) { return v.b < v.a; },
       "valB below valA"},
      {3, 0, kDigit0, kDigit, kZero, kZero, [](const Values&) { return true; }, "digits"},
      {3, 1, kDigit0, kDigit0, kZero, kZero, [](const Values&) { return true; }, "digits"},
      {4, 0, {10, 19}, kDigit, kZero, kZero, [](const Values&) { return true; }, "10..19 - digit"},
      {4, 1, {10, 19}, kDigit0, kZero, kZero, [](const Values&) { return true; }, "10..19 - digit"},
      {5, 0, kDigit, kDigit, kDigit, kZero, [](const Values&) { return true; }, "digits"},
      {5, 1, kDigit0, kDigit0, kDigit0, kZero, [](const Values&) { return true; }, "digits"},
      {6,
       0,
       {3, 27},
       kDigit,
       kDigit,
       kZero,
       [](const Values& v) { return Within(v.a - v.b - v.c, 1, 9); },
       "difference 1..9"},
      {6,
       1,
       {0, 27},
       kDigit0,
       kDigit0,
       kZero,
       [](const Values& v) { return Within(v.a - v.b - v.c, 0, 9); },
       "difference 0..9"},
      {7,
       0,
       {10, 98},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) + v.b <= 9; },
       "no carry"},
      {7,
       1,
       {10, 99},
       kDigit0,
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) + v.b <= 9; },
       "no carry"},
      {8,
       kBothFlags,
       {11, 89},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) != 0 && Ones(v.a) + v.b >= 10; },
       "the ones always carry"},
      {9,
       0,
       {10, 98},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return v.a + v.b <= 99; },
       "sum at most 99"},
      {9,
       1,
       {10, 99},
       kDigit0,
       kZero,
       kZero,
       [](const Values& v) { return v.a + v.b <= 99; },
       "sum at most 99"},
      {10,
       0,
       {11, 99},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) != 0 && v.b <= Ones(v.a); },
       "no borrow"},
      {10,
       1,
       {10, 99},
       kDigit0,
       kZero,
       kZero,
       [](const Values& v) { return v.b <= Ones(v.a); },
       "no borrow"},
      {11,
       kBothFlags,
       {10, 98},
       kDigit,
       kZero,
       kZero,
       [](const Values& v) { return v.b > Ones(v.a); },
       "always a borrow"},
      {12, 0, {10, 99}, kDigit, kZero, kZero, [](const Values&) { return true; }, "any"},
      {12, 1, {10, 99}, kDigit0, kZero, kZero, [](const Values&) { return true; }, "any"},
      {13,
       kBothFlags,
       {10, 89},
       {10, 89},
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) + Ones(v.b) <= 9 && Tens(v.a) + Tens(v.b) <= 9; },
       "no carry, sum at most 99"},
      {14,
       kBothFlags,
       {20, 99},
       {10, 89},
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.b) <= Ones(v.a) && Tens(v.b) < Tens(v.a); },
       "no borrow, tens of valB below those of valA"},
      {16,
       0,
       {1, 89},
       {1, 89},
       {1, 89},
       kZero,
       [](const Values& v) { return PairMakesTen(v, 1); },
       "two make a whole ten, total at most 99"},
      {16,
       1,
       {0, 89},
       {0, 89},
       {0, 89},
       kZero,
       [](const Values& v) { return PairMakesTen(v, 0); },
       "two make a whole ten, total at most 99"},
      {20,
       kBothFlags,
       {10, 90},
       {20, 90},
       {10, 80},
       kZero,
       [](const Values& v) {
         return TensMultiple(v.a) && TensMultiple(v.b) && TensMultiple(v.c) && v.c < v.b;
       },
       "whole tens, valC below valB"},
      {21,
       kBothFlags,
       {110, 190},
       {20, 90},
       {10, 80},
       kZero,
       [](const Values& v) {
         return TensMultiple(v.a) && TensMultiple(v.b) && TensMultiple(v.c) && v.c < v.b;
       },
       "whole tens, valC below valB"},
      {26,
       kBothFlags,
       {110, 980},
       {100, 990},
       {10, 980},
       kZero,
       [](const Values& v) {
         return TensMultiple(v.a) && TensMultiple(v.b) && TensMultiple(v.c) &&
                Within(v.b - v.c, 10, 90) && v.a + v.b - v.c < 1000;
       },
       "whole tens, valB - valC 10..90, result below 1000"},
      {27,
       kBothFlags,
       {20, 90},
       {10, 70},
       {10, 70},
       kZero,
       [](const Values& v) {
         return TensMultiple(v.a) && TensMultiple(v.b) && TensMultiple(v.c) &&
                (v.b + v.c < v.a || (v.a == 20 && v.b + v.c == 20));
       },
       "whole tens, valB + valC below valA except 20 - (10 + 10)"},
      {28,
       kBothFlags,
       {100, 990},
       {10, 80},
       {0, 80},
       kZero,
       [](const Values& v) {
         return TensMultiple(v.a) && TensMultiple(v.b) && TensMultiple(v.c) &&
                Within(v.b + v.c, 10, 90) && (v.c >= 10 || v.b == 10);
       },
       "whole tens, valB + valC 10..90, valC 0 only beside valB 10"},
      {29,
       kBothFlags,
       {100, 900},
       {100, 990},
       {10, 980},
       kZero,
       [](const Values& v) {
         return v.a % 100 == 0 && TensMultiple(v.b) && TensMultiple(v.c) &&
                Within(v.b - v.c, 10, 90);
       },
       "whole hundred, valB - valC a whole ten 10..90"},
      {76,
       kBothFlags,
       {11, 79},
       {11, 79},
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.a) + Ones(v.b) >= 10 && v.a + v.b <= 99; },
       "the ones carry, sum at most 99"},
      {77,
       kBothFlags,
       {20, 98},
       {11, 89},
       kZero,
       kZero,
       [](const Values& v) { return Ones(v.b) > Ones(v.a) && Tens(v.b) < Tens(v.a); },
       "always a borrow, difference at least 1"},
      {78,
       kBothFlags,
       {11, 89},
       {11, 89},
       kZero,
       kZero,
       [](const Values& v) {
         return Ones(v.a) != 0 && TensMultiple(v.a + v.b) && Within(v.a + v.b, 30, 100);
       },
       "sum a whole ten 30..100"},
      {79,
       kBothFlags,
       {100, 100},
       {10, 99},
       kZero,
       kZero,
       [](const Values&) { return true; },
       "100 - two digits"},
      {86, kBothFlags, kDigit, kDigit, kDigit, kZero,
       [](const Values& v) { return v.a + v.b - v.c > 0; }, "valA + valB - valC positive"},
      {87,
       kBothFlags,
       kDigit,
       {1, 8},
       kDigit,
       kZero,
       [](const Values& v) { return v.b < v.a || (v.a == 1 && v.b == 1); },
       "valB below valA (1 - 1 alone excepted)"},
      {121,
       kBothFlags,
       {10, 99},
       {10, 99},
       kZero,
       kZero,
       [](const Values& v) { return v.a + v.b > 99; },
       "sum in the hundreds"},
      {122,
       kBothFlags,
       {100, 198},
       {10, 99},
       kZero,
       kZero,
       [](const Values& v) { return v.a - v.b < 100; },
       "difference below 100"},
  };
  // The drills: n is the pattern's place among the captions.
  const auto drill = [&rows](int pattern, int n, bool plus) {
    const Range a = plus ? Range{0, 59} : Range{n, 59 + n};
    rows.push_back({pattern,
                    kBothFlags,
                    a,
                    {n, n},
                    kZero,
                    kZero,
                    [](const Values&) { return true; },
                    "drill"});
  };
  for (int n = 1; n <= 5; ++n) {
    drill(110 + n, n, true);
    drill(115 + n, n, false);
    drill(136 + n, n + 5, true);
    drill(141 + n, n + 5, false);
  }
  return rows;
}

class AddSubProperty : public ::testing::TestWithParam<PatternRule> {};

TEST_P(AddSubProperty, DrawsKeepTheirRowAndFillSheets) {
  CheckRow(GetParam(), 1000u);
}

INSTANTIATE_TEST_SUITE_P(Patterns, AddSubProperty, ::testing::ValuesIn(Rows()), RowName);

}  // namespace

std::vector<PatternRule> AddSubRows() {
  return Rows();
}

}  // namespace kazenori::testing
