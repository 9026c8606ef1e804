// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling a sheet: every pattern ticked at once, and
// each pattern alone, where the repeat test and the generators' redraw loops
// cost the most.

#include <benchmark/benchmark.h>

#include "generation/patterncatalogue.h"
#include "generation/problemgenerator.h"

namespace kazenori {
namespace {

void FillSheets(benchmark::State& state, const PatternSelection& selection) {
  SeededRandom rnd(20261208u);
  ProblemTable table;
  ProblemGenerator generator(rnd, table, selection);
  for (auto _ : state) {
    table.Reset();
    for (int i = 1; i <= kProblemCount; ++i) generator.MakeProblem(i);
    benchmark::DoNotOptimize(table.At(kProblemCount).valA);
  }
  state.SetItemsProcessed(state.iterations() * kProblemCount);
}

void BM_SheetWithEveryPatternTicked(benchmark::State& state) {
  PatternSelection selection;
  for (int p = 1; p <= kPatternCount; ++p) selection.SetTicked(p, true);
  state.counters["patterns"] = selection.Count();
  FillSheets(state, selection);
}
BENCHMARK(BM_SheetWithEveryPatternTicked);

void BM_SheetOfOnePattern(benchmark::State& state) {
  PatternSelection selection;
  selection.SetTicked(static_cast<int>(state.range(0)), true);
  FillSheets(state, selection);
}

BENCHMARK(BM_SheetOfOnePattern)->DenseRange(1, kPatternCount);

}  // namespace
}  // namespace kazenori
