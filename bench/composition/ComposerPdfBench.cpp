// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 100 worksheets to one PDF: the composer with the preview document's PDF
// output (what `kazenori --sheets 100 --pdf` does), against writing the very
// same text runs straight to a QPdfWriter with QPainter.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <vector>

#include "composition/WorksheetComposer.h"
#include "pages/fonts.h"
#include "pages/previewdocument.h"
#include "ui/messages.h"
#include "print/pdfexport.h"

namespace kazenori {
namespace {

constexpr int kSheets = 100;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  static const bool fonts = RegisterFontSubstitutions();
  (void)fonts;
  return app;
}

SheetOptions Options() {
  SheetOptions o;
  for (int p : {7, 18, 33, 51, 136}) o.selection.SetTicked(p, true);
  o.hideItem = kItemRandom;
  o.blankItem = kItemRandom;
  o.instruction = WorksheetComposer::InstructionText(kItemRandom, {});
  return o;
}

void BM_ComposerToPdf(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  const QString path = dir.filePath("sheets.pdf");
  RecordingMessages messages;
  for (auto _ : state) {
    PreviewDocument doc;
    SeededRandom rnd(1);
    WorksheetComposer composer(doc, rnd, messages);
    composer.Compose(Options(), kSheets);
    if (!PdfExport::Write(doc, path)) state.SkipWithError("WritePdf failed");
  }
  state.counters["pages"] = 2 * kSheets;
}

// The text runs of the same 200 pages, taken once, drawn directly.
void BM_DirectQPainterPdf(benchmark::State& state) {
  App();
  QTemporaryDir dir;
  const QString path = dir.filePath("direct.pdf");
  RecordingMessages messages;
  PreviewDocument doc;
  SeededRandom rnd(1);
  WorksheetComposer composer(doc, rnd, messages);
  composer.Compose(Options(), kSheets);
  std::vector<std::vector<TextOperation>> pages;
  for (int p = 1; p <= doc.PageCount(); ++p) pages.push_back(doc.TextOperations(p));

  for (auto _ : state) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(254);  // one device unit = 0.1 mm
    QPainter painter(&writer);
    bool first = true;
    for (const auto& ops : pages) {
      if (!first) writer.newPage();
      first = false;
      for (const TextOperation& op : ops) {
        QFont font(op.family);
        font.setPixelSize(op.fontHeight);
        font.setBold(op.bold);
        painter.setFont(font);
        painter.setPen(op.colour);
        const QFontMetrics fm(font);
        int x = op.x;
        int y = op.y + fm.ascent();
        if (op.kind == TextOperation::Kind::Right) x -= fm.horizontalAdvance(op.text);
        if (op.kind == TextOperation::Kind::Center) x -= fm.horizontalAdvance(op.text) / 2;
        if (op.kind == TextOperation::Kind::LeftMid || op.kind == TextOperation::Kind::Center) {
          y -= fm.height() / 2;
        }
        painter.drawText(x, y, op.text);
      }
    }
    painter.end();
  }
  state.counters["pages"] = static_cast<double>(pages.size());
}

BENCHMARK(BM_ComposerToPdf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DirectQPainterPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kazenori
