// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Costs of the page recording: recording a page of 60 text runs, composing it
// for display at screen size, writing a 100-page PDF, against drawing the same
// text directly with QPainter.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "benchapp.h"
#include "pages/fonts.h"
#include "pages/previewdocument.h"
#include "print/pdfexport.h"
#include "support/pagecapture.h"

namespace {

using kazenori::PageRecorder;
using kazenori::PageRecording;
using kazenori::PreviewDocument;

QFont SheetFont() {
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(45);
  return f;
}

// 60 runs in three columns, like a question sheet.
QString RunText(int i) {
  return QStringLiteral("(%1)  %2 ＋ %3 ＝").arg(i + 1).arg(37 + i).arg(8 + i % 9);
}
QPoint RunPlace(int i) {
  return QPoint(100 + (i % 3) * 650, 300 + (i / 3) * 125);
}

void RecordRuns(PreviewDocument& prev) {
  for (int i = 0; i < 60; ++i)
    kazenori::testing::PlaceText(prev, kazenori::TextAlign::Left, RunPlace(i).x(), RunPlace(i).y(),
                                 RunText(i));
}

void BM_RecordPage60Runs(benchmark::State& state) {
  kazenori::bench::BenchApp();
  PreviewDocument prev;
  prev.BeginDocument();
  prev.Canvas()->setFont(SheetFont());
  for (auto _ : state) {
    prev.NewPage();
    RecordRuns(prev);
  }
  prev.EndDocument();
}
BENCHMARK(BM_RecordPage60Runs)->Unit(benchmark::kMicrosecond);

// The same drawText calls straight onto the recording device: what the text
// operations' corrections and the log add.
void BM_DirectDrawTextOnRecorder60Runs(benchmark::State& state) {
  kazenori::bench::BenchApp();
  PageRecording page(QSizeF(2100, 2970));
  PageRecorder recorder(&page);
  for (auto _ : state) {
    page.Clear();
    QPainter p(&recorder);
    p.setFont(SheetFont());
    for (int i = 0; i < 60; ++i) p.drawText(RunPlace(i), RunText(i));
  }
}
BENCHMARK(BM_DirectDrawTextOnRecorder60Runs)->Unit(benchmark::kMicrosecond);

// A4 at 96 dpi, the size of a page on screen.
QImage ScreenImage() {
  QImage image(794, 1123, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  return image;
}

void BM_ComposeAndShowAtScreenSize(benchmark::State& state) {
  kazenori::bench::BenchApp();
  PreviewDocument prev;
  prev.BeginDocument();
  prev.Canvas()->setFont(SheetFont());
  RecordRuns(prev);
  prev.EndDocument();
  QImage image = ScreenImage();
  for (auto _ : state) {
    const PageRecording page = prev.ComposedPage(1, kazenori::PageUse::Screen);
    QPainter p(&image);
    page.PlayInto(p, QPointF(0, 0), QPointF(image.width(), image.height()));
  }
}
BENCHMARK(BM_ComposeAndShowAtScreenSize)->Unit(benchmark::kMicrosecond);

// Only the replay of the stored page, without composing it first.
void BM_PlayStoredPageAtScreenSize(benchmark::State& state) {
  kazenori::bench::BenchApp();
  PreviewDocument prev;
  prev.BeginDocument();
  prev.Canvas()->setFont(SheetFont());
  RecordRuns(prev);
  prev.EndDocument();
  QImage image = ScreenImage();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    prev.Page(1)->PlayInto(p, QPointF(0, 0), QPointF(image.width(), image.height()));
  }
}
BENCHMARK(BM_PlayStoredPageAtScreenSize)->Unit(benchmark::kMicrosecond);

// Drawing the same runs directly with QPainter on the same screen-size image.
void BM_DirectDrawAtScreenSize(benchmark::State& state) {
  kazenori::bench::BenchApp();
  QImage image = ScreenImage();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(image.width() / 2100.0, image.height() / 2970.0);
    p.setFont(SheetFont());
    for (int i = 0; i < 60; ++i) p.drawText(RunPlace(i) + QPoint(0, 40), RunText(i));
  }
}
BENCHMARK(BM_DirectDrawAtScreenSize)->Unit(benchmark::kMicrosecond);

void BM_WritePdf100Pages(benchmark::State& state) {
  kazenori::bench::BenchApp();
  PreviewDocument prev;
  prev.BeginDocument();
  prev.Canvas()->setFont(SheetFont());
  for (int page = 0; page < 100; ++page) {
    if (page > 0) prev.NewPage();
    RecordRuns(prev);
  }
  prev.EndDocument();
  const QString path = QDir::temp().filePath(QStringLiteral("kazenori-bench.pdf"));
  for (auto _ : state) {
    QString error;
    if (!kazenori::PdfExport::Write(prev, path, &error)) state.SkipWithError(qPrintable(error));
  }
  QFile::remove(path);
}
BENCHMARK(BM_WritePdf100Pages)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
