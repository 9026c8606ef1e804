// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class QPrinter;

namespace kazenori {

// Whether the printers are asked of CUPS at all. DesignPaper never does: there
// are no printers and pages are laid out on the design paper, as on a machine
// without printers.
enum class PrinterAccess { Cups, DesignPaper };

// What the print server said when it was first asked.
enum class PrintServerState {
  NotAsked,     // PrinterAccess::DesignPaper
  Answered,     // it answered: its printers may be asked for
  Unreachable,  // no connection could be made (no CUPS here, or the server is down)
  Silent,       // it took the connection but did not answer in time
};
struct PrintServer {
  PrintServerState state = PrintServerState::NotAsked;
  QString name;  // as CUPS is configured: a host with its port, or a socket path
};
// Asks the configured CUPS server for its default printer, with a time limit,
// before anything else asks it (Qt and libcups would wait without one).
PrintServer ProbePrintServer();

// Why CUPS would refuse a job for `printerName` now: the queue rejects jobs
// (with the reason its administrator gave, where there is one), or the server
// did not answer within the probe's limits. Empty when it takes jobs.
QString JobRefusal(const QString& printerName);

// The highest id of this user's jobs on `printerName` so far (0 for none), -1
// when the server did not answer: taken before a job is sent, so that the job
// is found by its id afterwards (the server numbers jobs upwards).
int LastJobId(const QString& printerName);

// Why the job CUPS made for `printerName` from a document titled `title`, sent
// after the job `lastJobBefore`, did not print: CUPS aborted or canceled it
// (with the reason the printer gave, where there is one), no such job is known,
// or the server did not answer. Empty when CUPS holds, processes or completed it.
QString JobFailure(const QString& printerName, const QString& title, int lastJobBefore);

// A paper source (input slot) of a CUPS printer: the key CUPS knows it by and
// the driver's name for it.
struct PrinterBin {
  QString key;
  QString name;
  bool isDefault = false;
};

// The input slots the printer's driver offers; empty where it offers none.
std::vector<PrinterBin> PrinterBinsOf(const QString& printerName);
// Asks CUPS to feed `printer`'s job from the slot `key` (empty: the driver's default).
void ApplyBin(QPrinter& printer, const QString& key);

}  // namespace kazenori
