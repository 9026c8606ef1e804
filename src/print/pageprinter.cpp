// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/pageprinter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

#include <algorithm>

#include "print/printserver.h"

namespace kazenori {

namespace {

const QString kServerSilent = QStringLiteral("the print server did not answer");

}  // namespace

QString PrintFailureDetail(const PrintOutcome& outcome, const QString& printer) {
  using Result = PrintOutcome::Result;
  switch (outcome.result) {
    case Result::Printed:
      return QString();
    case Result::Busy:
      return QStringLiteral("another print is under way");
    case Result::NothingRecorded:
      return QStringLiteral("there is no document to print");
    case Result::NoPrinter:
      return QStringLiteral("there is no printer");
    case Result::Refused:
      return QStringLiteral("the printer \"%1\" takes no job: %2").arg(printer, outcome.detail);
    case Result::NotStarted:
      return QStringLiteral("the print job for printer \"%1\" could not be started: %2")
          .arg(printer, outcome.detail);
    case Result::Failed:
    case Result::ServerSilent:
      break;
  }
  return QStringLiteral("the printer \"%1\" did not print the job: %2")
      .arg(printer, outcome.detail);
}

PagePrinter::PagePrinter(QObject* parent) : QObject(parent) {}

QTransform PrinterMapping(const QPrinter& printer) {
  // The live printer's own values: a print dialog may have chosen another
  // printer since the paper was computed. One page unit is 0.1 mm of the
  // printer's paper, truncated as the paper's size is.
  const PrinterCapabilities c = CapabilitiesOf(printer);
  const double paperW = std::max(1, TenthsMmFromDots(c.pageWidth, c.horizontalResolution));
  const double paperH = std::max(1, TenthsMmFromDots(c.pageHeight, c.verticalResolution));
  return QTransform::fromScale(c.pageWidth / paperW, c.pageHeight / paperH) *
         QTransform::fromTranslate(-c.printableLeft, -c.printableTop);
}

PrintOutcome PagePrinter::Print(const PreviewDocument& document, const PrinterSettings& settings,
                                int first, int last) {
  PrintOutcome outcome;
  // A print started from a pagePrinted handler would interleave its sheets.
  if (printing_) {
    outcome.result = PrintOutcome::Result::Busy;
    return outcome;
  }
  if (!document.IsRecorded()) {
    outcome.result = PrintOutcome::Result::NothingRecorded;
    return outcome;
  }
  if (settings.printer.isEmpty()) {
    outcome.result = PrintOutcome::Result::NoPrinter;
    return outcome;
  }
  // Qt hands the document to CUPS without telling whether it was taken: a
  // queue that rejects jobs is found out before any page is drawn (and counted).
  const QString refusal = JobRefusal(settings.printer);
  if (!refusal.isEmpty()) {
    outcome.result = refusal == kServerSilent ? PrintOutcome::Result::ServerSilent
                                              : PrintOutcome::Result::Refused;
    outcome.detail = refusal;
    return outcome;
  }
  QPrinter printer(QPrinter::HighResolution);
  ConfigurePrinter(printer, settings);
  printer.setDocName(!document.Title().isEmpty()
                         ? document.Title()
                         : QCoreApplication::applicationName() + QStringLiteral("印刷"));
  return PrintPages(printer, document, NormalisedPageRange(first, last, document.PageCount()));
}

PrintOutcome PagePrinter::PrintPages(QPrinter& printer, const PreviewDocument& document,
                                     PageRange range) {
  PrintOutcome outcome;
  const bool toCups =
      printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty();
  // The job is known afterwards by its id: the first of ours past this one.
  const int lastJobBefore = toCups ? LastJobId(printer.printerName()) : 0;
  if (lastJobBefore < 0) {
    outcome.result = PrintOutcome::Result::ServerSilent;
    outcome.detail = kServerSilent;
    return outcome;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    outcome.result = PrintOutcome::Result::NotStarted;
    outcome.detail = QStringLiteral("the printer took no page");
    return outcome;
  }
  printing_ = true;
  const auto done = qScopeGuard([this] { printing_ = false; });
  for (int i = range.first; i <= range.last; ++i) {
    document.ComposedPage(i, PageUse::Output).Play(painter, PrinterMapping(printer));
    if (i < range.last && !printer.newPage()) {
      painter.end();
      outcome.result = PrintOutcome::Result::NotStarted;
      outcome.detail = QStringLiteral("the printer refused a new sheet after page %1").arg(i);
      return outcome;
    }
  }
  painter.end();
  // Drawing the pages proves nothing: Qt hands the document to CUPS when the
  // painter ends and never says what became of it. Only a job CUPS kept counts.
  if (toCups) {
    const QString failure = JobFailure(printer.printerName(), printer.docName(), lastJobBefore);
    if (!failure.isEmpty()) {
      outcome.result = failure == kServerSilent ? PrintOutcome::Result::ServerSilent
                                                : PrintOutcome::Result::Failed;
      outcome.detail = failure;
      return outcome;
    }
  }
  outcome.firstPage = range.first;
  outcome.lastPage = range.last;
  for (int i = range.first; i <= range.last; ++i) emit pagePrinted(i);
  return outcome;
}

}  // namespace kazenori
