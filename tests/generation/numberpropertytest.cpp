// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number-theory, decimal and special-product patterns against their
// rules. Each rule below states which problems a pattern may pose; the tests
// check that the generator poses only those, and every one of them.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "allpatternsdrawtree.h"
#include "generation/numbertheory.h"
#include "generation/patterncatalogue.h"
#include "generation/problemgenerator.h"

namespace kazenori {
namespace {

using testing::RepeatKey;
using testing::RepeatKeyOf;
using V = std::int64_t;

struct Values {
  V a = 0, b = 0, c = 0, d = 0;
  bool operator<(const Values& o) const {
    return std::tie(a, b, c, d) < std::tie(o.a, o.b, o.c, o.d);
  }
  bool operator==(const Values& o) const {
    return std::tie(a, b, c, d) == std::tie(o.a, o.b, o.c, o.d);
  }
};

bool In(V x, V lo, V hi) {
  return lo <= x && x <= hi;
}
V Tens(V x) {
  return x / 10 % 10;
}
V Ones(V x) {
  return x % 10;
}

// x and y are g*2..g*9 for one g in 2..maxG.
bool MultiplesOfCommonFactor(V x, V y, V maxG) {
  for (V g = 2; g <= maxG; ++g) {
    if (x % g == 0 && y % g == 0 && In(x / g, 2, 9) && In(y / g, 2, 9)) return true;
  }
  return false;
}

// The same for three numbers, through their gcd to keep the search quick.
bool ThreeMultiplesOfCommonFactor(V x, V y, V z, V maxG) {
  const V common = gcd(gcd(x, y), z);
  for (V g = 2; g <= maxG && g <= common; ++g) {
    if (common % g == 0 && In(x / g, 2, 9) && In(y / g, 2, 9) && In(z / g, 2, 9)) return true;
  }
  return false;
}

bool EitherOrder(const Values& v, const std::function<bool(V, V)>& rule) {
  return rule(v.a, v.b) || rule(v.b, v.a);
}

bool Digits(const Values& v) {
  return In(v.a, 1, 9) && In(v.b, 1, 9);
}

bool TableQuotient(const Values& v) {
  return In(v.b, 1, 9) && v.a % v.b == 0 && In(v.a / v.b, 1, 9);
}

bool NearBase(const Values& v, V base) {
  return In(v.a, base + 1, base + 9) && In(v.b, base + 1, base + 9);
}

bool TwoDigitDivisor(const Values& v) {
  return In(v.b, 11, 99) && Ones(v.b) != 0 && v.a % v.b == 0 && In(v.a / v.b, 1, 9);
}

// The values that may occur lie inside this box; the rule picks among them.
struct Box {
  V aLo, aHi, bLo, bHi, cLo = 0, cHi = 0;
};

struct Rule {
  int pattern;
  int draws;  // draws of one pass without redraws
  Box box;
  std::function<bool(const Values&)> holds;
};

const std::vector<Rule>& Rules() {
  static const std::vector<Rule> rules = {
      {51, 2, {2, 21, 2, 21}, [](const Values& v) { return v.a != v.b && lcm(v.a, v.b) < 100; }},
      {52,
       3,
       {4, 144, 4, 144},
       [](const Values& v) { return v.a != v.b && MultiplesOfCommonFactor(v.a, v.b, 16); }},
      {53, 2, {2, 24, 2, 24}, [](const Values& v) { return v.a != v.b && lcm(v.a, v.b) < 150; }},
      {54,
       3,
       {4, 144, 4, 144},
       [](const Values& v) { return v.a != v.b && MultiplesOfCommonFactor(v.a, v.b, 16); }},
      {55,
       3,
       {2, 24, 2, 24, 2, 24},
       [](const Values& v) {
         return v.a != v.b && v.b != v.c && v.a != v.c && lcm(lcm(v.a, v.b), v.c) < 150;
       }},
      {56,
       4,
       {4, 144, 4, 144, 4, 144},
       [](const Values& v) {
         return v.a != v.b && v.b != v.c && v.a != v.c &&
                ThreeMultiplesOfCommonFactor(v.a, v.b, v.c, 16);
       }},
      // 57 has a valD and a box of its own: see ProportionRule.
      {58, 2, {1, 9, 1, 9}, Digits},
      {59, 2, {1, 9, 1, 9}, Digits},
      {60, 2, {1, 9, 1, 9}, Digits},
      {61, 2, {1, 9, 1, 9}, Digits},
      {62, 2, {1, 81, 1, 9}, TableQuotient},
      {63, 2, {1, 81, 1, 9}, TableQuotient},
      {64, 2, {1, 9, 1, 9}, Digits},
      {65, 2, {1, 9, 1, 9}, Digits},
      {66, 2, {1, 9, 1, 9}, Digits},
      {67, 2, {1, 9, 1, 9}, Digits},
      {68, 2, {1, 81, 1, 9}, TableQuotient},
      {69, 2, {1, 81, 1, 9}, TableQuotient},
      {70, 2, {1, 81, 1, 9}, TableQuotient},
      {71, 2, {1, 81, 1, 9}, TableQuotient},
      {72, 2, {1, 81, 1, 9}, TableQuotient},
      {88, 2, {11, 19, 11, 19}, [](const Values& v) { return NearBase(v, 10); }},
      {89, 2, {101, 109, 101, 109}, [](const Values& v) { return NearBase(v, 100); }},
      {90, 2, {1001, 1009, 1001, 1009}, [](const Values& v) { return NearBase(v, 1000); }},
      {91, 2, {111, 119, 111, 119}, [](const Values& v) { return NearBase(v, 110); }},
      {92, 2, {1011, 1019, 1011, 1019}, [](const Values& v) { return NearBase(v, 1010); }},
      {93,
       3,
       {11, 29, 11, 29},
       [](const Values& v) {
         return EitherOrder(v, [](V x, V y) { return In(x, 11, 19) && In(y, 21, 29); });
       }},
      {94,
       3,
       {11, 119, 11, 119},
       [](const Values& v) {
         return EitherOrder(v, [](V x, V y) { return In(x, 111, 119) && In(y, 11, 19); });
       }},
      {95,
       2,
       {11, 99, 11, 99},
       [](const Values& v) {
         return Tens(v.a) == Tens(v.b) && In(Ones(v.a), 1, 9) && Ones(v.a) + Ones(v.b) == 10;
       }},
      {96,
       3,
       {11, 99, 11, 99},
       [](const Values& v) {
         return EitherOrder(v, [](V x, V y) {
           return In(Tens(x), 1, 8) && Tens(y) == Tens(x) + 1 && In(Ones(x), 1, 9) &&
                  Ones(x) + Ones(y) == 10;
         });
       }},
      {97,
       2,
       {100, 199, 100, 199},
       [](const Values& v) {
         return In(Tens(v.a), 1, 9) && Tens(v.a) == Tens(v.b) && In(Ones(v.a), 1, 9) &&
                Ones(v.a) + Ones(v.b) == 10;
       }},
      {98,
       2,
       {11, 99, 11, 99},
       [](const Values& v) {
         return In(Ones(v.a), 1, 9) && Ones(v.a) == Ones(v.b) && In(Tens(v.a), 1, 9) &&
                Tens(v.a) + Tens(v.b) == 10;
       }},
      {99,
       3,
       {11, 99, 11, 99},
       [](const Values& v) {
         return EitherOrder(v, [](V x, V y) {
           return In(Tens(x), 1, 9) && Tens(x) + Tens(y) == 10 && In(Ones(x), 1, 8) &&
                  Ones(y) == Ones(x) + 1;
         });
       }},
      {100,
       5,
       {1, 3399, 1, 99},
       [](const Values& v) {
         return v.a >= 10 && v.a / 100 % 10 <= 3 && v.b % 9 == 0 && In(v.b, 18, 81);
       }},
      {101,
       3,
       {80, 120, 80, 120},
       [](const Values& v) {
         return (In(v.a, 101, 111) && In(v.b, 101, 111)) || (In(v.a, 89, 99) && In(v.b, 89, 99));
       }},
      {102,
       3,
       {980, 1020, 980, 1020},
       [](const Values& v) {
         return (In(v.a, 1001, 1015) && In(v.b, 1001, 1015)) ||
                (In(v.a, 985, 999) && In(v.b, 985, 999));
       }},
      {103,
       3,
       {101, 909, 101, 909},
       [](const Values& v) {
         return v.a / 100 == v.b / 100 && Tens(v.a) == 0 && Tens(v.b) == 0 && In(Ones(v.a), 1, 9) &&
                In(Ones(v.b), 1, 9);
       }},
      {104,
       3,
       {1, 99, 1, 99},
       [](const Values& v) {
         const V gap = std::llabs(v.a - v.b);
         return (v.a + v.b) % 20 == 0 && In((v.a + v.b) / 20, 2, 9) && gap % 2 == 0 &&
                In(gap / 2, 1, 9);
       }},
      {108,
       2,
       {1, 891, 1, 9},
       [](const Values& v) {
         return v.a % v.b == 0 && In(v.a / v.b, 11, 99) && Ones(v.a / v.b) != 0;
       }},
      {109, 2, {1, 891, 1, 99}, TwoDigitDivisor},
      {110, 2, {1, 891, 1, 99}, TwoDigitDivisor},
      {135, 1, {2, 60, 0, 0}, [](const Values&) { return true; }},
      {136, 1, {2, 100, 0, 0}, [](const Values&) { return true; }},
  };
  return rules;
}

bool InBox(const Box& box, const Values& v) {
  return In(v.a, box.aLo, box.aHi) && In(v.b, box.bLo, box.bHi) && In(v.c, box.cLo, box.cHi) &&
         v.d == 0;
}

// Pattern 57: valA : valB = valC : valD, scaled up by 2..5 or reduced.
bool ProportionHolds(const Values& v) {
  if (v.a == v.b || !MultiplesOfCommonFactor(v.a, v.b, 14)) return false;
  const V g = gcd(v.a, v.b);
  const bool scaled = v.c % v.a == 0 && In(v.c / v.a, 2, 5) && v.d == v.c / v.a * v.b;
  const bool reduced = v.c == v.a / g && v.d == v.b / g;
  return scaled || reduced;
}

bool Holds(int pattern, const Values& v) {
  if (pattern == 57) return ProportionHolds(v);
  for (const Rule& r : Rules()) {
    if (r.pattern == pattern) return InBox(r.box, v) && r.holds(v);
  }
  return false;
}

// How many value sets the rule allows: its box searched in full.
std::size_t AllowedCount(const Rule& r) {
  std::size_t n = 0;
  for (V a = r.box.aLo; a <= r.box.aHi; ++a) {
    for (V b = r.box.bLo; b <= r.box.bHi; ++b) {
      for (V c = r.box.cLo; c <= r.box.cHi; ++c) {
        if (r.holds(Values{a, b, c, 0})) ++n;
      }
    }
  }
  return n;
}

// Pattern 57 allows five right sides for each left side: four scalings and
// the reduction, which is smaller than valA and so differs from them.
std::size_t ProportionAllowedCount() {
  std::size_t pairs = 0;
  for (V a = 4; a <= 126; ++a) {
    for (V b = 4; b <= 126; ++b) pairs += a != b && MultiplesOfCommonFactor(a, b, 14);
  }
  return pairs * 5;
}

std::vector<int> NumberPatterns() {
  std::vector<int> patterns;
  for (const Rule& r : Rules()) patterns.push_back(r.pattern);
  patterns.push_back(57);
  return patterns;
}

int DrawsOf(int pattern) {
  if (pattern == 57) return 5;
  for (const Rule& r : Rules()) {
    if (r.pattern == pattern) return r.draws;
  }
  return 0;
}

std::size_t AllowedCountOf(int pattern) {
  if (pattern == 57) return ProportionAllowedCount();
  for (const Rule& r : Rules()) {
    if (r.pattern == pattern) return AllowedCount(r);
  }
  return 0;
}

Values ValuesOf(const Draw& d) {
  return {d.valA, d.valB, d.valC, d.valD};
}

// Attempts start from the form of an earlier special problem, as on a sheet
// after one; the two-term products must leave it alone.
constexpr int kStaleForm = 3;

// A problem that is not special leaves the earlier special form alone.
void ExpectFormKept(int pattern, const GenerationState& s) {
  if (s.termMode == TermMode::Special) return;
  EXPECT_EQ(s.termMode, TermMode::TwoTerms) << "pattern " << pattern;
  EXPECT_EQ(s.specialForm, kStaleForm) << "pattern " << pattern << " touched the special form";
}

class NumberRule : public ::testing::TestWithParam<int> {};

// Every sequence of draws without a redraw: the problems posed are exactly
// the ones the rule allows, whatever the zero setting.
TEST_P(NumberRule, PosesExactlyTheProblemsItsRuleAllows) {
  const int pattern = GetParam();
  const GeneratorFn generate = Pattern(pattern).generate;
  std::set<Values> posed[2];
  for (int flag = 0; flag <= 1; ++flag) {
    testing::DrawTree tree(DrawsOf(pattern));
    do {
      GenerationState state;
      state.zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
      state.specialForm = kStaleForm;
      Draw draw{tree, state};
      try {
        generate(draw);
      } catch (const testing::DrawBudgetExceeded&) {
        continue;  // a redraw: its problems are among the single passes
      }
      const Values v = ValuesOf(draw);
      EXPECT_TRUE(Holds(pattern, v))
          << "pattern " << pattern << " posed " << v.a << ", " << v.b << ", " << v.c << ", " << v.d;
      ExpectFormKept(pattern, state);
      posed[flag].insert(v);
      if (::testing::Test::HasFailure()) return;
    } while (tree.Advance());
  }
  EXPECT_EQ(posed[0].size(), AllowedCountOf(pattern)) << "pattern " << pattern;
  EXPECT_EQ(posed[0], posed[1]) << "pattern " << pattern << " depends on the zero setting";
}

// Seeded draws include the redraws that the walk above cuts off.
TEST_P(NumberRule, SeededDrawsKeepTheRule) {
  const int pattern = GetParam();
  const GeneratorFn generate = Pattern(pattern).generate;
  SeededRandom rnd(static_cast<std::uint32_t>(pattern) * 104729u);
  for (int i = 0; i < 4000; ++i) {
    GenerationState state;
    state.zero = i % 2 ? ZeroSetting::Allowed : ZeroSetting::Refused;
    state.specialForm = kStaleForm;
    Draw draw{rnd, state};
    generate(draw);
    const Values v = ValuesOf(draw);
    ASSERT_TRUE(Holds(pattern, v))
        << "pattern " << pattern << " posed " << v.a << ", " << v.b << ", " << v.c << ", " << v.d;
    ExpectFormKept(pattern, state);
  }
}

// Sheets of one pattern: 50 distinct problems, each keeping the rule, with the
// texts and answers the driver owes a problem of this kind.
TEST_P(NumberRule, SheetsHoldFiftyDistinctProblemsThatKeepTheRule) {
  const int pattern = GetParam();
  for (int flag = 0; flag <= 1; ++flag) {
    for (std::uint32_t seed = 1; seed <= 10; ++seed) {
      SeededRandom rnd(seed * 31u + static_cast<std::uint32_t>(pattern));
      ProblemTable table;
      PatternSelection selection;
      selection.SetTicked(pattern, true);
      ProblemGenerator generator(rnd, table, selection);
      generator.State().zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
      std::set<RepeatKey> keys;
      for (int i = 1; i <= kProblemCount; ++i) {
        ASSERT_EQ(generator.MakeProblem(i), pattern);
        const ProblemRecord& r = table.At(i);
        const Values v{r.valA, r.valB, r.valC, r.valD};
        ASSERT_TRUE(Holds(pattern, v)) << "pattern " << pattern << " record " << i;
        EXPECT_EQ(r.strB, std::to_string(r.valB));
        if (r.termMode == TermMode::TwoTerms) {
          EXPECT_EQ(r.strAnswer, std::to_string(V{r.valA} * r.valB)) << "pattern " << pattern;
        } else if (r.op == Operation::Mul || r.op == Operation::Div) {
          EXPECT_EQ(r.strAnswer, "") << "pattern " << pattern;
          EXPECT_EQ(r.strD, std::to_string(r.valD));
        }
        keys.insert(RepeatKeyOf(r));
      }
      EXPECT_EQ(keys.size(), static_cast<std::size_t>(kProblemCount)) << "pattern " << pattern;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Patterns, NumberRule, ::testing::ValuesIn(NumberPatterns()),
                         [](const ::testing::TestParamInfo<int>& p) {
                           return "P" + std::to_string(p.param);
                         });

}  // namespace

namespace testing {

std::vector<int> NumberRulePatterns() {
  return NumberPatterns();
}

}  // namespace testing
}  // namespace kazenori
