// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

namespace kazenori {

// What became of a print, as CUPS last reported the job (not as it was sent):
// only a job CUPS completed printed its pages.
struct PrintOutcome {
  enum class Result {
    Printed,          // CUPS completed the job
    InProgress,       // CUPS still had the job when we stopped waiting for it
    Held,             // the job is held, or waits in a stopped queue
    Busy,             // a print is under way (this one came from its pagePrinted)
    NothingRecorded,  // no document was recorded
    NoPrinter,        // no printer to print on
    Refused,          // the queue takes no job (detail: its reason)
    NotStarted,       // the job could not be started
    Failed,           // CUPS aborted or cancelled the job (detail: why)
    ServerSilent,     // the print server did not answer, or was lost
  };
  Result result = Result::Printed;
  std::vector<int> pages;  // the pages printed, in order; none unless Printed
  int jobId = 0;           // CUPS's number for the job, 0 where none was made
  QString detail;

  bool Ok() const { return result == Result::Printed; }
  // The job stands in CUPS but has not printed yet: it may still.
  bool Pending() const { return result == Result::InProgress || result == Result::Held; }
  int PrintedPages() const { return Ok() ? static_cast<int>(pages.size()) : 0; }
};

// Why a print on `printer` has not printed, in one English line for whoever
// looks after the printer; empty for a print that did. The command line and
// the window give it in the user's language from the catalogue.
QString PrintFailureDetail(const PrintOutcome& outcome, const QString& printer);

}  // namespace kazenori
