// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared checker of the addition/subtraction and multiplication/division
// property tests: every pattern has a row with the ranges its values can take
// (both ends must be reached) and a rule the values must keep.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "allpatternsdrawtree.h"
#include "generation/draw.h"
#include "generation/numbertheory.h"
#include "generation/patterncatalogue.h"
#include "generation/patternselection.h"
#include "generation/problemgenerator.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori::testing {

struct Values {
  int a, b, c, d;
};

struct Range {
  int lo, hi;
};

constexpr Range kZero{0, 0};
constexpr int kBothFlags = -1;

struct PatternRule {
  int pattern;
  int flag;  // 0, 1 or kBothFlags
  Range a, b, c, d;
  bool (*holds)(const Values&);
  const char* what;  // the rule in words, for failure messages
};

inline std::ostream& operator<<(std::ostream& os, const PatternRule& r) {
  return os << "pattern " << r.pattern << " flag " << r.flag;
}

inline std::string Show(const Values& v) {
  return "(" + std::to_string(v.a) + ", " + std::to_string(v.b) + ", " + std::to_string(v.c) +
         ", " + std::to_string(v.d) + ")";
}

constexpr bool Within(int x, int lo, int hi) {
  return lo <= x && x <= hi;
}

// Patterns whose generator consults the zero-allowed flag.
inline bool ReadsFlag(int pattern) {
  static const std::set<int> kReaders{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 15, 16, 23, 25, 33};
  return kReaders.count(pattern) != 0;
}

struct Extremes {
  int lo = INT_MAX, hi = INT_MIN;
  void Add(int x) {
    lo = std::min(lo, x);
    hi = std::max(hi, x);
  }
};

inline void ExpectRange(const char* name, const Range& r, const Extremes& seen) {
  EXPECT_EQ(seen.lo, r.lo) << "lowest " << name;
  EXPECT_EQ(seen.hi, r.hi) << "highest " << name;
}

// The codes an attempt leaves: operation, term count mode and form.
inline std::tuple<Operation, TermMode, int> CodesOf(const Draw& d) {
  return {d.op, d.state.termMode, d.state.specialForm};
}

// Draws `draws` attempts straight from the generator with the given flag and
// checks that every attempt has the first one's codes, ranges (both ends
// reached), the rule, and that at least 50 problems are distinct under the
// repeat comparison, so a sheet can be filled.
inline void CheckDirectDraws(const PatternRule& row, int flag, int draws, std::uint32_t seed) {
  const GeneratorFn generate = Pattern(row.pattern).generate;
  SeededRandom rnd(seed);
  GenerationState state;
  state.zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
  Extremes ea, eb, ec, ed;
  std::set<RepeatKey> distinct;
  int broken = 0;
  std::tuple<Operation, TermMode, int> first{};
  for (int i = 0; i < draws; ++i) {
    state.termMode = TermMode::TwoTerms;
    Draw d{rnd, state};
    generate(d);
    if (i == 0) first = CodesOf(d);
    ASSERT_EQ(CodesOf(d), first) << "attempt " << i << " is laid out unlike the first";
    const Values v{d.valA, d.valB, d.valC, d.valD};
    ea.Add(v.a);
    eb.Add(v.b);
    ec.Add(v.c);
    ed.Add(v.d);
    if (!row.holds(v) && ++broken <= 3) ADD_FAILURE() << Show(v) << " breaks: " << row.what;
    distinct.insert(RepeatKeyOf(d, state));
  }
  ExpectRange("valA", row.a, ea);
  ExpectRange("valB", row.b, eb);
  ExpectRange("valC", row.c, ec);
  ExpectRange("valD", row.d, ed);
  EXPECT_GE(distinct.size(), 50u);
}

// The number of problems of one pattern that the repeat test tells apart,
// counted over `draws` seeded attempts.
inline std::size_t DistinctProblems(int pattern, int flag, int draws, std::uint32_t seed) {
  const GeneratorFn generate = Pattern(pattern).generate;
  SeededRandom rnd(seed);
  GenerationState state;
  state.zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
  std::set<RepeatKey> distinct;
  for (int i = 0; i < draws; ++i) {
    state.termMode = TermMode::TwoTerms;
    Draw d{rnd, state};
    generate(d);
    distinct.insert(RepeatKeyOf(d, state));
  }
  return distinct.size();
}

// A generator that ignores the flag draws the very same values with it.
inline void CheckFlagIgnored(int pattern, int draws, std::uint32_t seed) {
  const GeneratorFn generate = Pattern(pattern).generate;
  SeededRandom r0(seed), r1(seed);
  GenerationState s0, s1;
  s1.zero = ZeroSetting::Allowed;
  for (int i = 0; i < draws; ++i) {
    Draw d0{r0, s0}, d1{r1, s1};
    generate(d0);
    generate(d1);
    ASSERT_EQ(std::tie(d0.valA, d0.valB, d0.valC, d0.valD),
              std::tie(d1.valA, d1.valB, d1.valC, d1.valD))
        << "draw " << i;
  }
}

// Whole sheets of one pattern through the driver: every record keeps the
// rule, is reported as drawn from the pattern and differs from every earlier
// one.
inline void CheckSheets(const PatternRule& row, int flag, int sheets, std::uint32_t seed) {
  SeededRandom rnd(seed);
  ProblemTable table;
  PatternSelection selection;
  selection.SetTicked(row.pattern, true);
  ProblemGenerator generator(rnd, table, selection);
  generator.State().zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
  for (int sheet = 0; sheet < sheets; ++sheet) {
    table.Reset();
    std::set<RepeatKey> seen;
    for (int i = 1; i <= kProblemCount; ++i) {
      ASSERT_EQ(generator.MakeProblem(i), row.pattern);
      const ProblemRecord& r = table.At(i);
      const Values v{r.valA, r.valB, r.valC, r.valD};
      ASSERT_TRUE(row.holds(v)) << Show(v) << " breaks: " << row.what;
      ASSERT_TRUE(seen.insert(RepeatKeyOf(r)).second) << "record " << i << " repeats " << Show(v);
    }
  }
}

// The whole check of one row: direct draws with each flag the row covers
// (a generator that ignores the flag must draw the same with it), then sheets.
inline void CheckRow(const PatternRule& row, std::uint32_t seedBase) {
  const std::uint32_t seed = seedBase + static_cast<std::uint32_t>(row.pattern);
  for (int flag : {0, 1}) {
    if (row.flag != kBothFlags && row.flag != flag) continue;
    SCOPED_TRACE("flag " + std::to_string(flag));
    if (flag == 0 || ReadsFlag(row.pattern)) {
      CheckDirectDraws(row, flag, 12000, seed);
    } else {
      CheckFlagIgnored(row.pattern, 2000, seed);
    }
    CheckSheets(row, flag, 8, seed + 7);
  }
}

inline std::string RowName(const ::testing::TestParamInfo<PatternRule>& info) {
  const int flag = info.param.flag;
  return "P" + std::to_string(info.param.pattern) + "F" +
         (flag == kBothFlags ? std::string("any") : std::to_string(flag));
}

// The rows of the addition/subtraction and multiplication/division property
// tests, and the patterns the number property test has rules for.
std::vector<PatternRule> AddSubRows();
std::vector<PatternRule> MulDivRows();
std::vector<int> NumberRulePatterns();

}  // namespace kazenori::testing
