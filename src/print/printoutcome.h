// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

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

}  // namespace kazenori
