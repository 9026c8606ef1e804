// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/previewquestions.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace kazenori {

namespace {

PrintChoice ChoiceOf(const QPrintDialog& dialog, const PageOffer& pages) {
  PrintChoice choice;
  switch (dialog.printRange()) {
    case QAbstractPrintDialog::PageRange:
      choice.range = PrintChoice::Range::Pages;
      choice.from = dialog.fromPage();
      choice.to = dialog.toPage();
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
  return choice;
}

}  // namespace

PrintChoice PreviewQuestions::askPrint(QWidget* parent, QPrinter& printer, const PageOffer& pages) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, pages.maxPage > 0);
  if (pages.maxPage > 0) {
    dialog.setMinMax(pages.minPage, pages.maxPage);
    dialog.setFromTo(pages.from, pages.to);
  }
  const bool accepted = dialog.exec() == QDialog::Accepted;
  PrintChoice choice = ChoiceOf(dialog, pages);
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
