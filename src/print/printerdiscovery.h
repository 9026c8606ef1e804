// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <memory>

#include "print/printerselection.h"

class QThread;

namespace kazenori {

// The printers as the program starts with them: the print server probed, its
// printers listed, the default printer chosen with the paper `paperCode` and
// its page metrics read. Every step may wait on CUPS (a server that takes the
// connection and says nothing holds it up to the probe's limits).
std::unique_ptr<PrinterSelection> DiscoverPrinters(PrinterAccess access, int paperCode);

// DiscoverPrinters on a thread of its own, begun at construction, so that a
// window can be shown while CUPS is asked. finished() comes on the thread that
// made the object, once the selection can be read.
class PrinterDiscovery : public QObject {
  Q_OBJECT
 public:
  explicit PrinterDiscovery(int paperCode, PrinterAccess access = PrinterAccess::Cups,
                            QObject* parent = nullptr);
  // Waits for a discovery still under way: its thread reads nothing of ours
  // afterwards.
  ~PrinterDiscovery() override;

  bool IsFinished() const { return selection_ != nullptr; }
  // The selection once finished, else nullptr.
  PrinterSelection* Selection() const { return selection_.get(); }
  // Blocks until the discovery is done (finished() is emitted here if it was
  // not yet) and returns the selection. For callers that have nothing to show
  // meanwhile; a window waits for finished() instead.
  PrinterSelection& Wait();

 signals:
  void finished();

 private:
  void TakeOver();

  std::unique_ptr<QThread> thread_;
  std::unique_ptr<PrinterSelection> found_;  // written by the thread only
  std::unique_ptr<PrinterSelection> selection_;
};

}  // namespace kazenori
