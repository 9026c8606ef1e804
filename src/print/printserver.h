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
  // Why no server could be asked at all (the CUPS module is missing or
  // refused); empty when it was asked.
  QString problem;
};
// Asks the configured CUPS server for its default printer, with a time limit,
// before anything else asks it (Qt and libcups would wait without one).
PrintServer ProbePrintServer();

// Why CUPS would refuse a job for `printerName` now: the queue rejects jobs
// (with the reason its administrator gave, where there is one), or the server
// did not answer within the probe's limits. Empty when it takes jobs.
QString JobRefusal(const QString& printerName);

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
