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

#include "generation/Generator.h"
#include "generation/Generators.h"
#include "generation/PatternCatalogue.h"
#include "generation/PatternSelection.h"
#include "generation/ProblemRecord.h"
#include "generation/Random.h"

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

constexpr int Ones(int x) {
  return x % 10;
}
constexpr int Tens(int x) {
  return x / 10;
}
constexpr bool Within(int x, int lo, int hi) {
  return lo <= x && x <= hi;
}

// Patterns whose generator consults the zero-allowed flag.
inline bool ReadsFlag(int pattern) {
  static const std::set<int> kReaders{1, 2, 3, 4, 5, 6, 7, 9, 10, 12, 15, 16, 23, 25, 33};
  return kReaders.count(pattern) != 0;
}

// What the driver's repeat test compares for a sheet drawn from one pattern;
// values it does not compare are INT_MIN.
using Key = std::array<int, 4>;
inline Key RepeatKey(const ProblemRecord& r) {
  if (r.termMode == kTwoTerms) return {r.valA, r.valB, INT_MIN, INT_MIN};
  const bool withD = (r.op == kOpMul && (r.form == 9 || r.form == 11 || r.form == 12)) ||
                     (r.op == kOpDiv && r.form == 18);
  return {r.valA, r.valB, r.valC, withD ? r.valD : INT_MIN};
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

// Draws `draws` attempts straight from the generator with the given flag and
// checks codes, ranges (both ends reached), the rule, and that at least 50
// problems are distinct under the repeat comparison, so a sheet can be filled.
inline void CheckDirectDraws(const PatternRule& row, int flag, int draws, std::uint32_t seed) {
  const PatternInfo& info = Pattern(row.pattern);
  const GeneratorFn generate = GeneratorFor(row.pattern);
  ASSERT_NE(generate, nullptr);
  SeededRandom rnd(seed);
  GenerationState state;
  state.zeroAllowed = flag;
  Extremes ea, eb, ec, ed;
  std::set<Key> distinct;
  int broken = 0;
  for (int i = 0; i < draws; ++i) {
    state.termMode = kTwoTerms;
    Draw d{rnd, state};
    generate(d);
    ASSERT_EQ(d.op, info.op);
    ASSERT_EQ(state.termMode, TermModeOf(info.kind));
    if (info.kind == Kind::kSpecial) {
      ASSERT_EQ(state.specialForm, info.form);
    }
    const Values v{d.valA, d.valB, d.valC, d.valD};
    ea.Add(v.a);
    eb.Add(v.b);
    ec.Add(v.c);
    ed.Add(v.d);
    if (!row.holds(v) && ++broken <= 3) ADD_FAILURE() << Show(v) << " breaks: " << row.what;
    ProblemRecord r;
    r.valA = v.a, r.valB = v.b, r.valC = v.c, r.valD = v.d;
    r.op = d.op, r.termMode = state.termMode, r.form = info.form;
    distinct.insert(RepeatKey(r));
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
  const GeneratorFn generate = GeneratorFor(pattern);
  if (generate == nullptr) return 0;
  SeededRandom rnd(seed);
  GenerationState state;
  state.zeroAllowed = flag;
  std::set<Key> distinct;
  for (int i = 0; i < draws; ++i) {
    state.termMode = kTwoTerms;
    Draw d{rnd, state};
    generate(d);
    ProblemRecord r;
    r.valA = d.valA, r.valB = d.valB, r.valC = d.valC, r.valD = d.valD;
    r.op = d.op, r.termMode = state.termMode, r.form = state.specialForm;
    distinct.insert(RepeatKey(r));
  }
  return distinct.size();
}

// A generator that ignores the flag draws the very same values with it.
inline void CheckFlagIgnored(int pattern, int draws, std::uint32_t seed) {
  const GeneratorFn generate = GeneratorFor(pattern);
  ASSERT_NE(generate, nullptr);
  SeededRandom r0(seed), r1(seed);
  GenerationState s0, s1;
  s1.zeroAllowed = 1;
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
// rule, carries the catalogue's codes and differs from every earlier one.
inline void CheckSheets(const PatternRule& row, int flag, int sheets, std::uint32_t seed) {
  const PatternInfo& info = Pattern(row.pattern);
  SeededRandom rnd(seed);
  ProblemTable table;
  PatternSelection selection;
  selection.QPClick(row.pattern, true);
  ProblemGenerator generator(rnd, table, selection);
  generator.State().zeroAllowed = flag;
  for (int sheet = 0; sheet < sheets; ++sheet) {
    table.Reset();
    std::set<Key> seen;
    for (int i = 1; i <= kProblemCount; ++i) {
      generator.MakeQData(i);
      const ProblemRecord& r = table.At(i);
      ASSERT_EQ(r.op, info.op);
      ASSERT_EQ(r.termMode, TermModeOf(info.kind));
      ASSERT_EQ(r.form, info.form);
      const Values v{r.valA, r.valB, r.valC, r.valD};
      ASSERT_TRUE(row.holds(v)) << Show(v) << " breaks: " << row.what;
      ASSERT_TRUE(seen.insert(RepeatKey(r)).second) << "record " << i << " repeats " << Show(v);
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

// Every pattern of `family` has a row for flag 0 and for flag 1.
inline void CheckRowsCover(const std::vector<PatternRule>& rows, Family family) {
  for (int p = 1; p <= kPatternCount; ++p) {
    if (Pattern(p).family != family) continue;
    for (int flag : {0, 1}) {
      const auto n = std::count_if(rows.begin(), rows.end(), [&](const PatternRule& r) {
        return r.pattern == p && (r.flag == flag || r.flag == kBothFlags);
      });
      EXPECT_EQ(n, 1) << "pattern " << p << " flag " << flag;
    }
  }
}

}  // namespace kazenori::testing
