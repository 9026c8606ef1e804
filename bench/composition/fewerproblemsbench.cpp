// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 100 sheets to PDF as the command line writes them (composed, then painted
// from their text items), the original sheet of 50 problems against the
// sheet of 20 larger ones, plain and with red answers and a score box: the
// larger sheets should cost no more than 1.2 times the original.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "benchapp.h"
#include "composition/composer.h"
#include "pages/fonts.h"
#include "pages/paper.h"
#include "print/pdfexport.h"

namespace kazenori {
namespace {

constexpr int kSheets = 100;

// Arguments: the problem count, and whether answers are red with a score box.
void BM_SheetsToPdf(benchmark::State& state) {
  bench::BenchApp();
  SheetOptions o;
  for (int p = 1; p <= 150; ++p) o.patterns.push_back(p);
  o.instruction = InstructionText(LayerSetting::None);
  o.problems = static_cast<int>(state.range(0));
  o.redAnswers = o.score = state.range(1) != 0;
  QTemporaryDir dir;
  for (auto _ : state) {
    SeededRandom rnd(1);
    Composer composer(rnd);
    const Worksheet worksheet = composer.Compose(o, kSheets);
    QFile file(dir.filePath("sheets.pdf"));
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot open the PDF");
    PdfExport pdf(file);
    if (!pdf.Append(worksheet, DesignPaper(), QString()) || !pdf.Close()) {
      state.SkipWithError("the PDF export failed");
    }
  }
  state.counters["pages"] = 2 * kSheets;
}

BENCHMARK(BM_SheetsToPdf)
    ->Args({50, 0})
    ->Args({20, 0})
    ->Args({20, 1})
    ->Args({30, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace
}  // namespace kazenori
