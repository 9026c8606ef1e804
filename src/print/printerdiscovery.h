// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

#include "print/printerselection.h"

namespace kazenori {

// The printers as the program starts with them: the print server probed, its
// printers listed, the default printer chosen with the paper `paper` and
// its page metrics read. Every step may wait on CUPS: the probe within its own
// limits, the questions Qt asks afterwards without any.
std::unique_ptr<PrinterSelection> DiscoverPrinters(PrinterAccess access,
                                                   QPageSize::PageSizeId paper);

// DiscoverPrinters on a thread of its own, begun at construction, so that a
// window can be shown while CUPS is asked, and given up after `limit`: a
// server that answered the probe may still hang inside a call Qt makes. Then
// the selection is the one of a machine without printers, its server Silent.
// finished() comes once, on the thread that made the object, when the
// selection can be read (found or given up).
//
// The thread writes only into a state of its own, shared with this object
// until the selection is taken over; a discovery given up leaves that state
// to the thread, which frees it when (if ever) its call returns.
class PrinterDiscovery : public QObject {
  Q_OBJECT
 public:
  // Discovery asks the server about thirty questions (the probe, the printer
  // list, the default printer's driver and page; counted through a relay that
  // holds back each answer). A local cupsd answers each in about 20 ms and a
  // busy server on a school network in a tenth of a second or so, which makes
  // a few seconds at most; our own calls give up after 2 s each. Fifteen
  // seconds cuts off only a server that takes half a second for every
  // answer, one too slow to print with anyway, and is still a pause to a user
  // who waits for a preview, not a hang.
  static constexpr std::chrono::milliseconds kDefaultLimit{15000};

  // `printer` is chosen instead of the default printer where the server has
  // one of that name.
  explicit PrinterDiscovery(QPageSize::PageSizeId paper, PrinterAccess access = PrinterAccess::Cups,
                            std::chrono::milliseconds limit = kDefaultLimit,
                            const QString& printer = QString(), QObject* parent = nullptr);
  // Waits two seconds at most for the thread, so that a working discovery
  // (or one given up whose server has just gone) ends before the program
  // does; one still blocked on its server is left there, where it touches
  // nothing of ours and makes no further call.
  ~PrinterDiscovery() override;

  bool IsFinished() const { return selection_ != nullptr; }
  // True while a discovery given up at its limit still has its thread inside
  // a call to the server: such a call may return at any moment, into a
  // program that must then not be unwinding around it.
  bool IsStuck() const;
  // The selection once finished, else nullptr.
  PrinterSelection* Selection() const { return selection_.get(); }
  // Blocks until the discovery is done or its limit is reached (finished()
  // is emitted here if it was not yet) and returns the selection. For
  // callers that have nothing to show meanwhile; a window waits for
  // finished() instead.
  PrinterSelection& Wait();

 signals:
  void finished();

 private:
  struct Run;  // what the thread and this object share

  // Takes the thread's selection if it has one, else gives the discovery up.
  void Settle();

  std::shared_ptr<Run> run_;
  std::chrono::steady_clock::time_point deadline_;
  QPageSize::PageSizeId paper_;
  QByteArray server_;  // the print server asked, named for a discovery given up
  QTimer limitTimer_;
  std::unique_ptr<PrinterSelection> selection_;
};

}  // namespace kazenori
