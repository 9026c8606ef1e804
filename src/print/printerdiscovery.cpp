// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printerdiscovery.h"

#include <QPrinterInfo>
#include <QThread>

#include <cups/cups.h>

namespace kazenori {

std::unique_ptr<PrinterSelection> DiscoverPrinters(PrinterAccess access, int paperCode) {
  auto selection = std::make_unique<PrinterSelection>(access);
  // A print server that did not answer is not asked again (Qt would wait on it).
  if (selection->Server().state == PrintServerState::Answered) {
    selection->SelectPrinter(QPrinterInfo::defaultPrinterName());
  }
  selection->SetPaperCode(paperCode);
  return selection;
}

namespace {

// The print server this thread's CUPS client uses, port included. libcups
// keeps it per thread: a server chosen with cupsSetServer is not another
// thread's until it is set there too.
QByteArray ClientServer() {
  QByteArray server(cupsServer());
  if (!server.startsWith('/')) server += ':' + QByteArray::number(ippPort());
  return server;
}

}  // namespace

PrinterDiscovery::PrinterDiscovery(int paperCode, PrinterAccess access, QObject* parent)
    : QObject(parent),
      // Qt's printer classes may be used off the GUI thread; nothing else
      // touches them until the thread has finished.
      thread_(QThread::create([this, access, paperCode, server = ClientServer()] {
        cupsSetServer(server.constData());
        found_ = DiscoverPrinters(access, paperCode);
      })) {
  thread_->setObjectName(QStringLiteral("printer discovery"));
  connect(thread_.get(), &QThread::finished, this, &PrinterDiscovery::TakeOver);
  thread_->start();
}

PrinterDiscovery::~PrinterDiscovery() {
  thread_->wait();
}

PrinterSelection& PrinterDiscovery::Wait() {
  thread_->wait();
  TakeOver();
  return *selection_;
}

void PrinterDiscovery::TakeOver() {
  if (selection_) return;
  // Also reached from the queued finished() of a thread Wait() already joined.
  thread_->wait();
  selection_ = std::move(found_);
  emit finished();
}

}  // namespace kazenori
