// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/previewquestions.h"

#include <QFileDialog>
#include <QPageRanges>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kazenori {

PrintChoice ChoiceOf(const QPrintDialog& dialog, const QPrinter& printer, const PageOffer& pages) {
  PrintChoice choice;
  switch (dialog.printRange()) {
    case QAbstractPrintDialog::PageRange:
      choice.range = PrintChoice::Range::Pages;
      choice.from = dialog.fromPage();
      choice.to = dialog.toPage();
      // "1,3,5" has its first and last page as from and to: the set itself is
      // in the printer's ranges.
      for (const QPageRanges::Range& r : printer.pageRanges().toRangeList()) {
        for (int page = r.from; page <= r.to; ++page) choice.pages.push_back(page);
      }
      break;
    case QAbstractPrintDialog::CurrentPage:
      choice.range = PrintChoice::Range::Pages;
      choice.from = choice.to = pages.from;
      break;
    case QAbstractPrintDialog::Selection:
      choice.range = PrintChoice::Range::Selection;
      break;
    case QAbstractPrintDialog::AllPages:
      choice.range = PrintChoice::Range::All;
      break;
  }
  if (printer.outputFormat() == QPrinter::PdfFormat) choice.file = printer.outputFileName();
  return choice;
}

PrintChoice PreviewQuestions::askPrint(QWidget* parent, QPrinter& printer, const PageOffer& pages) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages.maxPage > 0);
  if (pages.maxPage > 0) {
    dialog.setMinMax(pages.minPage, pages.maxPage);
    dialog.setFromTo(pages.from, pages.to);
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  PrintChoice choice = ChoiceOf(dialog, printer, pages);
  choice.accepted = accepted;
  return choice;
}

QString PreviewQuestions::askPdfPath(QWidget* parent, const QString& suggestion) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF保存"), suggestion,
                                      QStringLiteral("PDF (*.pdf)"));
}

bool PreviewQuestions::askPrinterSetup(QWidget* parent, QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kazenori
