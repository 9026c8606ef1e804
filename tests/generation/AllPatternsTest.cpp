// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every pattern, alone on a sheet, must offer more distinct problems than a
// sheet compares against, or MakeQData would redraw forever. These tests
// prove it by walking the generators' draw sequences, and fill real sheets.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "AllPatternsDrawTree.h"
#include "generation/Generator.h"
#include "generation/PatternCatalogue.h"

namespace kazenori {
namespace {

using testing::RepeatKey;
using testing::RepeatKeyOf;

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
    state.zeroAllowed = zeroAllowed;
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
  void SetUp() override {
    generate_ = GeneratorFor(GetParam());
    // Patterns whose family has not landed yet are skipped by number; the
    // test turns strict for them as soon as their generator exists.
    if (generate_ == nullptr) GTEST_SKIP() << "pattern " << GetParam() << " has no generator yet";
  }
  GeneratorFn generate_ = nullptr;
};

TEST_P(AllPatterns, OffersAtLeastFiftyDistinctProblemsWithEitherZeroSetting) {
  for (int flag = 0; flag <= 1; ++flag) {
    EXPECT_GE(DistinctProblems(generate_, flag), kNeeded)
        << "pattern " << GetParam() << " with the zero setting " << flag
        << " cannot fill a sheet on its own";
  }
}

TEST_P(AllPatterns, FillsSheetsOfDistinctProblemsAsTheCatalogueDescribes) {
  const int pattern = GetParam();
  const PatternInfo& info = Pattern(pattern);
  for (int flag = 0; flag <= 1; ++flag) {
    // A pattern short of problems would make MakeQData loop forever.
    if (DistinctProblems(generate_, flag) < kNeeded) {
      ADD_FAILURE() << "pattern " << pattern << " flag " << flag << ": too few problems";
      continue;
    }
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
      SeededRandom rnd(seed * 7919u + static_cast<std::uint32_t>(pattern));
      ProblemTable table;
      PatternSelection selection;
      selection.QPClick(pattern, true);
      ProblemGenerator generator(rnd, table, selection);
      generator.State().zeroAllowed = flag;
      std::set<RepeatKey> keys;
      for (int i = 1; i <= kProblemCount; ++i) {
        ASSERT_NO_THROW(generator.MakeQData(i)) << "pattern " << pattern << " record " << i;
        const ProblemRecord& r = table.At(i);
        ASSERT_EQ(r.op, info.op) << "pattern " << pattern;
        ASSERT_EQ(r.termMode, TermModeOf(info.kind)) << "pattern " << pattern;
        ASSERT_EQ(r.form, info.form) << "pattern " << pattern;
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

// Every pattern that has a generator ticked at once: sheets never throw, and
// no two records of a sheet are the same problem.
TEST(AllPatternsTogether, MixedSheetsNeverThrowNorRepeatAProblem) {
  PatternSelection selection;
  std::set<std::vector<int>> described;  // (op, mode, form) of the ticked patterns
  for (int p = 1; p <= kPatternCount; ++p) {
    if (GeneratorFor(p) == nullptr) continue;
    selection.QPClick(p, true);
    const PatternInfo& info = Pattern(p);
    described.insert({info.op, TermModeOf(info.kind), info.form});
  }
  if (selection.Empty()) GTEST_SKIP() << "no pattern has a generator";
  for (int flag = 0; flag <= 1; ++flag) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
      SeededRandom rnd(seed);
      ProblemTable table;
      ProblemGenerator generator(rnd, table, selection);
      generator.State().zeroAllowed = flag;
      std::set<std::vector<std::int64_t>> problems;
      for (int i = 1; i <= kProblemCount; ++i) {
        ASSERT_NO_THROW(generator.MakeQData(i)) << "seed " << seed << " record " << i;
        const ProblemRecord& r = table.At(i);
        EXPECT_EQ(described.count({r.op, r.termMode, r.form}), 1u)
            << "record " << i << " has op " << r.op << " mode " << r.termMode << " form " << r.form
            << ", which no ticked pattern gives";
        // Equal in every value always matches the repeat comparison.
        problems.insert({r.valA, r.valB, r.valC, r.valD});
      }
      EXPECT_EQ(problems.size(), kNeeded) << "seed " << seed;
    }
  }
}

}  // namespace
}  // namespace kazenori
