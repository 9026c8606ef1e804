// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Filling a sheet: every pattern that has a generator ticked at once, and
// each pattern alone, where the repeat test and the generators' redraw loops
// cost the most.

#include <benchmark/benchmark.h>

#include "generation/Generator.h"
#include "generation/PatternCatalogue.h"

namespace kazenori {
namespace {

void FillSheets(benchmark::State& state, const PatternSelection& selection) {
  SeededRandom rnd(20261208u);
  ProblemTable table;
  ProblemGenerator generator(rnd, table, selection);
  for (auto _ : state) {
    table.Reset();
    for (int i = 1; i <= kProblemCount; ++i) generator.MakeQData(i);
    benchmark::DoNotOptimize(table.At(kProblemCount).valA);
  }
  state.SetItemsProcessed(state.iterations() * kProblemCount);
}

void BM_SheetWithEveryPatternTicked(benchmark::State& state) {
  PatternSelection selection;
  int ticked = 0;
  for (int p = 1; p <= kPatternCount; ++p) {
    if (GeneratorFor(p) == nullptr) continue;
    selection.QPClick(p, true);
    ++ticked;
  }
  state.counters["patterns"] = ticked;
  FillSheets(state, selection);
}
BENCHMARK(BM_SheetWithEveryPatternTicked);

void BM_SheetOfOnePattern(benchmark::State& state) {
  PatternSelection selection;
  selection.QPClick(static_cast<int>(state.range(0)), true);
  FillSheets(state, selection);
}

void EveryPatternWithAGenerator(benchmark::internal::Benchmark* b) {
  for (int p = 1; p <= kPatternCount; ++p) {
    if (GeneratorFor(p) != nullptr) b->Arg(p);
  }
}
BENCHMARK(BM_SheetOfOnePattern)->Apply(EveryPatternWithAGenerator);

}  // namespace
}  // namespace kazenori
