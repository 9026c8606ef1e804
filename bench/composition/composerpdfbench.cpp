// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 100 worksheets of all 150 patterns to one PDF (what `kazenori --patterns
// 1-150 --sheets 100 --pdf` does). Composing is measured on its own; the
// writers all start from the same composed worksheet: recorded into the
// preview document and written by the PDF export (the window's PDF保存),
// painted from the text items straight into the PDF export (the command
// line's --pdf), and, as the baseline, the very same text items drawn with
// QPainter and plain font metrics.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "benchapp.h"
#include "composition/composer.h"
#include "pages/fonts.h"
#include "pages/pagepainter.h"
#include "pages/paper.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "print/pdfexport.h"

namespace kazenori {
namespace {

constexpr int kSheets = 100;

SheetOptions Options() {
  SheetOptions o;
  for (int p = 1; p <= 150; ++p) o.patterns.push_back(p);
  o.hide = LayerSetting::Random;
  o.blank = LayerSetting::Random;
  o.instruction = InstructionText(LayerSetting::Random);
  return o;
}

Worksheet Compose() {
  SeededRandom rnd(1);
  Composer composer(rnd);
  return composer.Compose(Options(), kSheets);
}

// A4 at one device unit per 0.1 mm.
void SetUpPdf(QPdfWriter& writer) {
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF());
  writer.setResolution(254);
}

void BM_Compose(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Compose());
  state.counters["pages"] = 2 * kSheets;
}

void BM_PdfThroughPreviewDocument(benchmark::State& state) {
  bench::BenchApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("sheets.pdf");
  const Worksheet worksheet = Compose();
  for (auto _ : state) {
    PreviewDocument doc;
    WorksheetPreview(doc).Record(worksheet);
    if (!PdfExport::Write(doc, path)) state.SkipWithError("the PDF export failed");
  }
  state.counters["pages"] = 2 * kSheets;
}

// The recording alone, the part of the program's way that the others skip.
void BM_RecordIntoPreviewDocument(benchmark::State& state) {
  bench::BenchApp();
  const Worksheet worksheet = Compose();
  for (auto _ : state) {
    PreviewDocument doc;
    WorksheetPreview(doc).Record(worksheet);
  }
  state.counters["pages"] = 2 * kSheets;
}

// The command line's way: each page painted from its text items into the PDF.
void BM_PdfFromWorksheet(benchmark::State& state) {
  bench::BenchApp();
  QTemporaryDir dir;
  const Worksheet worksheet = Compose();
  for (auto _ : state) {
    QFile file(dir.filePath("painted.pdf"));
    if (!file.open(QIODevice::WriteOnly)) state.SkipWithError("cannot open the PDF");
    PdfExport pdf(file);
    if (!pdf.Append(worksheet, DesignPaper(), QString()) || !pdf.Close()) {
      state.SkipWithError("the PDF export failed");
    }
  }
  state.counters["pages"] = 2 * kSheets;
}

// The text items of the same 200 pages, composed once, drawn directly.
void BM_DirectQPainterPdf(benchmark::State& state) {
  bench::BenchApp();
  QTemporaryDir dir;
  const QString path = dir.filePath("direct.pdf");
  const Worksheet worksheet = Compose();
  for (auto _ : state) {
    QPdfWriter writer(path);
    SetUpPdf(writer);
    QPainter painter(&writer);
    bool first = true;
    for (const WorksheetPage& page : worksheet.pages) {
      if (!first) writer.newPage();
      first = false;
      for (const TextItem& item : page.items) {
        QFont font(SheetFontFamily());
        font.setPixelSize(item.height);
        font.setBold(item.bold);
        painter.setFont(font);
        painter.setPen(ToQColor(item.colour));
        const QFontMetrics fm(font);
        int x = item.x;
        int y = item.y + fm.ascent();
        const QString text = QString::fromStdString(item.text);
        if (item.align == TextAlign::Right) x -= fm.horizontalAdvance(text);
        if (item.align == TextAlign::Center) x -= fm.horizontalAdvance(text) / 2;
        if (item.align == TextAlign::LeftMid || item.align == TextAlign::Center) {
          y -= fm.height() / 2;
        }
        painter.drawText(x, y, text);
      }
    }
    painter.end();
  }
  state.counters["pages"] = static_cast<double>(worksheet.pages.size());
}

BENCHMARK(BM_Compose)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PdfThroughPreviewDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RecordIntoPreviewDocument)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PdfFromWorksheet)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DirectQPainterPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kazenori
