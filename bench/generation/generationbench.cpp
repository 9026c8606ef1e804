// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling a whole problem table (MakeProblem 1..50), the work behind one press
// of the preview button, for a few selections of patterns.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "generation/patterncatalogue.h"
#include "generation/patternselection.h"
#include "generation/problemgenerator.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {
namespace {

void FillTables(benchmark::State& state, const PatternSelection& selection, int flag) {
  SeededRandom rnd(20261208u);
  ProblemTable table;
  ProblemGenerator generator(rnd, table, selection);
  generator.State().zeroAllowed = flag;
  for (auto _ : state) {
    table.Reset();
    for (int i = 1; i <= kProblemCount; ++i) generator.MakeProblem(i);
    benchmark::DoNotOptimize(table.At(kProblemCount).valA);
  }
  state.SetItemsProcessed(state.iterations() * kProblemCount);
}

PatternSelection Ticked(std::initializer_list<int> patterns) {
  PatternSelection selection;
  for (int p : patterns) selection.SetTicked(p, true);
  return selection;
}

// The patterns outside numberpatterns.cpp: number theory, decimals and the
// special products are left out.
bool Arithmetic(int p) {
  const bool number = (p >= 51 && p <= 72) || (p >= 88 && p <= 104) || (p >= 108 && p <= 110) ||
                      p == 135 || p == 136;
  return !number;
}

// The narrowest pattern: 54 problems for 50 places.
void BM_Pattern2Alone(benchmark::State& state) {
  FillTables(state, Ticked({2}), 0);
}
BENCHMARK(BM_Pattern2Alone);

// Every addition, subtraction, multiplication and division pattern ticked.
void BM_AllArithmeticPatterns(benchmark::State& state) {
  PatternSelection selection;
  for (int p = 1; p <= kPatternCount; ++p) {
    if (Arithmetic(p)) selection.SetTicked(p, true);
  }
  FillTables(state, selection, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_AllArithmeticPatterns)->Arg(0)->Arg(1);

// The slowest arithmetic pattern alone: a divisor of 9 leaves 2 of 100
// dividends, so the dividend loop spins longest.
void BM_Pattern30Alone(benchmark::State& state) {
  FillTables(state, Ticked({30}), 0);
}
BENCHMARK(BM_Pattern30Alone);

}  // namespace
}  // namespace kazenori
