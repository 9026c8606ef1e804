// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include "pages/previewdocument.h"
#include "print/printersettings.h"

class QPrinter;

namespace kazenori {

// What became of a print: the pages CUPS accepted, or why there were none.
struct PrintOutcome {
  enum class Result {
    Printed,
    Busy,             // a print is under way (this one came from its pagePrinted)
    NothingRecorded,  // no document was recorded
    NoPrinter,        // no printer to print on
    Refused,          // the queue takes no job (detail: its reason)
    NotStarted,       // the job could not be started
    Failed,           // CUPS aborted, canceled or lost the job (detail: why)
    ServerSilent,     // the print server did not answer
  };
  Result result = Result::Printed;
  int firstPage = 1;
  int lastPage = 0;  // the pages printed, lastPage < firstPage for none
  QString detail;

  bool Ok() const { return result == Result::Printed; }
  int PrintedPages() const { return Ok() ? lastPage - firstPage + 1 : 0; }
};

// Why a print on `printer` failed, in one English line for whoever looks
// after the printer; empty for a print that succeeded.
QString PrintFailureDetail(const PrintOutcome& outcome, const QString& printer);

// Prints a page range of a preview document on a CUPS queue. A page counts
// as printed only once CUPS holds the job: pagePrinted then follows for each
// page in order.
class PagePrinter : public QObject {
  Q_OBJECT
 public:
  explicit PagePrinter(QObject* parent = nullptr);

  // Pages first..last (see NormalisedPageRange) of `document` with `settings`;
  // an empty settings.printer means there is no printer.
  PrintOutcome Print(const PreviewDocument& document, const PrinterSettings& settings,
                     int first = 0, int last = 0);
  // True from the first page drawn until the last pagePrinted has been emitted.
  bool IsPrinting() const { return printing_; }

 signals:
  void pagePrinted(int page);

 private:
  PrintOutcome PrintPages(QPrinter& printer, const PreviewDocument& document, PageRange range);

  bool printing_ = false;
};

// Maps a composed page onto `printer` for one printed sheet (the printer's
// paint rect is its device origin).
QTransform PrinterMapping(const QPrinter& printer);

}  // namespace kazenori
