// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 100 百ます計算 grid sheets against 100 original worksheets, each composed
// and written to one PDF, the command line's way (`--sheets 100 --pdf`) and
// the window's (recorded into the preview document, then saved). The goal:
// grids within 1.2 times the original sheets' time.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "benchapp.h"
#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "pages/fonts.h"
#include "pages/paper.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "print/pdfexport.h"

namespace kazenori {
namespace {

constexpr int kSheets = 100;

SheetOptions Original() {
  SheetOptions o;
  for (int p = 1; p <= 150; ++p) o.patterns.push_back(p);
  o.instruction = InstructionText(LayerSetting::None);
  return o;
}

SheetOptions Grid(int size) {
  SheetOptions o;
  o.grid = GridOp::Sub;
  o.gridSize = size;
  o.instruction = GridInstruction(o.grid);
  return o;
}

// range(0): 0 the original sheets, else the grid's size.
SheetOptions OptionsOf(const benchmark::State& state) {
  return state.range(0) == 0 ? Original() : Grid(static_cast<int>(state.range(0)));
}

void BM_ComposeAndPdf(benchmark::State& state) {
  bench::BenchApp();
  QTemporaryDir dir;
  const SheetOptions options = OptionsOf(state);
  for (auto _ : state) {
    SeededRandom rnd(1);
    Composer composer(rnd);
    QFile file(dir.filePath("sheets.pdf"));
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot open the PDF");
    PdfExport pdf(file);
    composer.ComposeEach(options, kSheets, [&](Worksheet& one) {
      if (!pdf.Append(one, DesignPaper(), QString())) state.SkipWithError("the PDF export failed");
    });
    if (!pdf.Close()) state.SkipWithError("the PDF export failed");
  }
  state.counters["pages"] = 2 * kSheets;
}

void BM_ComposeRecordAndPdf(benchmark::State& state) {
  bench::BenchApp();
  QTemporaryDir dir;
  const SheetOptions options = OptionsOf(state);
  for (auto _ : state) {
    SeededRandom rnd(1);
    Composer composer(rnd);
    PreviewDocument doc;
    WorksheetPreview(doc).Record(composer.Compose(options, kSheets));
    if (!PdfExport::Write(doc, dir.filePath("sheets.pdf"))) {
      state.SkipWithError("the PDF export failed");
    }
  }
  state.counters["pages"] = 2 * kSheets;
}

BENCHMARK(BM_ComposeAndPdf)->Arg(0)->Arg(10)->Arg(5)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ComposeRecordAndPdf)
    ->Arg(0)
    ->Arg(10)
    ->Arg(5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace kazenori
