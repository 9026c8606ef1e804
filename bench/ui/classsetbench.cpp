// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A class set from the main window: "枚数" 40 (80 pages) of all 150 patterns,
// timed from the press of "プレビュー" to the first page drawn in the preview
// window. Discovery is over before the press, as it is long before a teacher
// has ticked anything.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "benchapp.h"
#include "pages/fonts.h"
#include "print/printerdiscovery.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/pagewidget.h"
#include "ui/previewdialog.h"

namespace kazenori {
namespace {

void BM_ClassSetFirstPageOnScreen(benchmark::State& state) {
  bench::BenchApp<QApplication>();
  ColourWordDialog colours;
  MainWindow window(colours);
  window.printerDiscovery().Wait();
  window.show();
  for (int p = 1; p <= 150; ++p) window.patternBox(p)->setChecked(true);
  window.sheetCountBox()->setValue(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QElapsedTimer clock;
    double seconds = 0;
    QTimer::singleShot(0, &window, [&] {
      PreviewDialog* dialog = window.previewDialog();
      // The first page as the screen gets it: the widget painted once.
      dialog->pageWidget()->grab();
      seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
      dialog->closeButton()->click();
    });
    clock.start();
    window.previewButton()->click();
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_ClassSetFirstPageOnScreen)
    ->Arg(1)
    ->Arg(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kazenori
