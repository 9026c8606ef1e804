// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every pattern, alone on a sheet, must offer more distinct problems than a
// sheet compares against, or MakeProblem would redraw forever. These tests
// prove it by walking the generators' draw sequences, and fill real sheets.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "addsubmuldivcheck.h"
#include "allpatternsdrawtree.h"
#include "generation/patterncatalogue.h"
#include "generation/problemgenerator.h"

namespace kazenori {
namespace {

using testing::RepeatKey;
using testing::RepeatKeyOf;
using Codes = std::tuple<Operation, TermMode, int>;

Codes CodesOf(const ProblemRecord& r) {
  return {r.op, r.termMode, r.form};
}

// A sheet compares each problem with at most 49 earlier ones.
constexpr std::size_t kNeeded = kProblemCount;

// Distinct problems of one pattern under the repeat comparison, at least as
// many as `kNeeded` when they exist. Every key counted is a problem the
// generator really poses, so the figure is a lower bound of the true count:
// seeded draws first, which find common problems quickly, then the draw
// sequences of growing length, which reach the rare ones.
std::size_t DistinctProblems(GeneratorFn generate, int zeroAllowed) {
  std::set<RepeatKey> keys;
  auto collect = [&keys](const Draw& d, const GenerationState& s) {
    keys.insert(RepeatKeyOf(d, s));
  };
  SeededRandom rnd(2026u);
  for (int i = 0; i < 20000 && keys.size() < kNeeded; ++i) {
    GenerationState state;
    state.zero = zeroAllowed ? ZeroSetting::Allowed : ZeroSetting::Refused;
    Draw draw{rnd, state};
    generate(draw);
    collect(draw, state);
  }
  for (int budget = 1; budget <= 12 && keys.size() < kNeeded; ++budget) {
    const testing::WalkResult walk =
        testing::WalkDraws(generate, zeroAllowed, budget, 200000, collect);
    if (walk.pruned == 0 || !walk.exhausted) break;  // all seen, or longer walks cost too much
  }
  return keys.size();
}

class AllPatterns : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { generate_ = Pattern(GetParam()).generate; }
  GeneratorFn generate_ = nullptr;
};

TEST_P(AllPatterns, OffersAtLeastFiftyDistinctProblemsWithEitherZeroSetting) {
  for (int flag = 0; flag <= 1; ++flag) {
    EXPECT_GE(DistinctProblems(generate_, flag), kNeeded)
        << "pattern " << GetParam() << " with the zero setting " << flag
        << " cannot fill a sheet on its own";
  }
}

TEST_P(AllPatterns, FillsSheetsOfDistinctProblemsLaidOutAlike) {
  const int pattern = GetParam();
  for (int flag = 0; flag <= 1; ++flag) {
    // A pattern short of problems would make MakeProblem loop forever.
    if (DistinctProblems(generate_, flag) < kNeeded) {
      ADD_FAILURE() << "pattern " << pattern << " flag " << flag << ": too few problems";
      continue;
    }
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      SeededRandom rnd(seed * 7919u + static_cast<std::uint32_t>(pattern));
      ProblemTable table;
      PatternSelection selection;
      selection.SetTicked(pattern, true);
      ProblemGenerator generator(rnd, table, selection);
      generator.State().zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
      std::set<RepeatKey> keys;
      for (int i = 1; i <= kProblemCount; ++i) {
        ASSERT_EQ(generator.MakeProblem(i), pattern) << "record " << i;
        const ProblemRecord& r = table.At(i);
        ASSERT_EQ(CodesOf(r), CodesOf(table.At(1))) << "pattern " << pattern << " record " << i;
        keys.insert(RepeatKeyOf(r));
      }
      EXPECT_EQ(keys.size(), kNeeded) << "pattern " << pattern << " flag " << flag;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Patterns, AllPatterns, ::testing::Range(1, kPatternCount + 1),
                         [](const ::testing::TestParamInfo<int>& p) {
                           return "P" + std::to_string(p.param);
                         });

// Every pattern ticked at once: sheets never throw, no two records of a sheet
// are the same problem, and each record is laid out as every other record
// reported as drawn from the same pattern.
TEST(AllPatternsTogether, MixedSheetsNeverThrowNorRepeatAProblem) {
  PatternSelection selection;
  for (int p = 1; p <= kPatternCount; ++p) selection.SetTicked(p, true);
  std::map<int, Codes> codesOf;  // of each pattern, as first seen
  std::set<int> reported;
  for (int flag = 0; flag <= 1; ++flag) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      SeededRandom rnd(seed);
      ProblemTable table;
      ProblemGenerator generator(rnd, table, selection);
      generator.State().zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
      std::set<std::vector<std::int64_t>> problems;
      for (int i = 1; i <= kProblemCount; ++i) {
        int pattern = 0;
        ASSERT_NO_THROW(pattern = generator.MakeProblem(i)) << "seed " << seed << " record " << i;
        const ProblemRecord& r = table.At(i);
        const auto [it, first] = codesOf.emplace(pattern, CodesOf(r));
        EXPECT_TRUE(first || it->second == CodesOf(r)) << "pattern " << pattern << " record " << i;
        reported.insert(pattern);
        // Equal in every value always matches the repeat comparison.
        problems.insert({r.valA, r.valB, r.valC, r.valD});
      }
      EXPECT_EQ(problems.size(), kNeeded) << "seed " << seed;
    }
  }
  // 4000 draws among 150 patterns reach every one.
  const auto& ticked = selection.Patterns();
  EXPECT_EQ(reported, std::set<int>(ticked.begin(), ticked.end()));
}

// Each pattern has its rule in exactly one property test, for either setting
// of the zero flag.
TEST(AllPatternsTogether, EveryPatternHasOnePropertyRulePerZeroSetting) {
  const std::vector<int> number = testing::NumberRulePatterns();
  std::vector<testing::PatternRule> rows = testing::AddSubRows();
  const std::vector<testing::PatternRule> mulDiv = testing::MulDivRows();
  rows.insert(rows.end(), mulDiv.begin(), mulDiv.end());
  for (int p = 1; p <= kPatternCount; ++p) {
    for (int flag : {0, 1}) {
      auto n = std::count(number.begin(), number.end(), p);
      n += std::count_if(rows.begin(), rows.end(), [&](const testing::PatternRule& r) {
        return r.pattern == p && (r.flag == flag || r.flag == testing::kBothFlags);
      });
      EXPECT_EQ(n, 1) << "pattern " << p << " flag " << flag;
    }
  }
}

}  // namespace
}  // namespace kazenori
