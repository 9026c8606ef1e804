// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printerdiscovery.h"

#include "print/cupsconnection.h"

#include <QPrinterInfo>
#include <QThread>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace kazenori {

namespace {

// DiscoverPrinters, ending between its steps once `keepGoing()` is false: a
// discovery given up makes no further call into Qt or libcups after the one it
// is in (a late one could come while the program ends).
template <typename KeepGoing>
std::unique_ptr<PrinterSelection> Discover(PrinterAccess access, QPageSize::PageSizeId paper,
                                           const QString& printer, KeepGoing keepGoing) {
  auto selection = std::make_unique<PrinterSelection>(access);
  // A print server that did not answer is not asked again (Qt would wait on it).
  if (selection->Server().state == PrintServerState::Answered && keepGoing()) {
    const QString name =
        selection->PrinterNames().contains(printer) ? printer : QPrinterInfo::defaultPrinterName();
    if (keepGoing()) selection->SelectPrinter(name);
  }
  if (keepGoing()) selection->SetPageSize(paper);
  return selection;
}

}  // namespace

std::unique_ptr<PrinterSelection> DiscoverPrinters(PrinterAccess access,
                                                   QPageSize::PageSizeId paper) {
  return Discover(access, paper, QString(), [] { return true; });
}

namespace {

// How long the owner's end waits for the thread. A working discovery ends
// within this (a healthy one takes about a tenth of a second), and so does one
// given up whose server has just gone; one that has not is blocked on a
// server's socket, which the program's end does not wait for.
constexpr std::chrono::milliseconds kEndGrace{2000};

}  // namespace

// Shared by the discovery thread and its owner, under `mutex`. The thread sets
// `found` and `done` once and tells `owner`, which is null once the owner has
// settled or gone: then the owner reads nothing more here, and the state (with
// whatever the thread found) goes with the last of the two.
struct PrinterDiscovery::Run {
  std::mutex mutex;
  std::condition_variable doneChanged;
  bool done = false;
  std::unique_ptr<PrinterSelection> found;
  PrinterDiscovery* owner = nullptr;

  bool Wanted() {
    const std::lock_guard<std::mutex> lock(mutex);
    return owner != nullptr;
  }
};

PrinterDiscovery::PrinterDiscovery(QPageSize::PageSizeId paper, PrinterAccess access,
                                   std::chrono::milliseconds limit, const QString& printer,
                                   QObject* parent)
    : QObject(parent),
      run_(std::make_shared<Run>()),
      deadline_(std::chrono::steady_clock::now() + limit),
      paper_(paper),
      // Without CUPS access nothing of CUPS is asked, not even its settings.
      server_(access == PrinterAccess::Cups ? ClientServer() : QByteArray()) {
  run_->owner = this;
  // Qt's printer classes may be used off the GUI thread; nothing else touches
  // what this thread makes until it is taken over. The thread is detached: a
  // call stuck on the server must hold up neither this object nor the exit.
  std::thread([run = run_, access, paper, printer, server = server_] {
    QThread::currentThread()->setObjectName(QStringLiteral("printer discovery"));
    if (!server.isEmpty()) UseServer(server);
    std::unique_ptr<PrinterSelection> found =
        Discover(access, paper, printer, [&run] { return run->Wanted(); });
    const std::lock_guard<std::mutex> lock(run->mutex);
    run->found = std::move(found);
    run->done = true;
    run->doneChanged.notify_all();
    // Posted under the lock: the owner cannot be gone meanwhile, and an event
    // still queued when it goes is dropped with it.
    if (run->owner) {
      QMetaObject::invokeMethod(run->owner, &PrinterDiscovery::Settle, Qt::QueuedConnection);
    }
  }).detach();
  limitTimer_.setSingleShot(true);
  connect(&limitTimer_, &QTimer::timeout, this, &PrinterDiscovery::Settle);
  limitTimer_.start(limit);
}

PrinterDiscovery::~PrinterDiscovery() {
  std::unique_lock<std::mutex> lock(run_->mutex);
  run_->owner = nullptr;
  run_->doneChanged.wait_until(lock, std::chrono::steady_clock::now() + kEndGrace,
                               [this] { return run_->done; });
}

bool PrinterDiscovery::IsStuck() const {
  const std::lock_guard<std::mutex> lock(run_->mutex);
  return selection_ && !run_->done;
}

PrinterSelection& PrinterDiscovery::Wait() {
  if (!selection_) {
    std::unique_lock<std::mutex> lock(run_->mutex);
    run_->doneChanged.wait_until(lock, deadline_, [this] { return run_->done; });
  }
  Settle();
  return *selection_;
}

void PrinterDiscovery::Settle() {
  // Also reached from the limit's timer or the thread's notice after Wait()
  // settled.
  if (selection_) return;
  std::unique_ptr<PrinterSelection> found;
  {
    const std::lock_guard<std::mutex> lock(run_->mutex);
    found = std::move(run_->found);
    run_->owner = nullptr;
  }
  limitTimer_.stop();
  if (!found) {
    // Given up: no printers, as on a machine without them, and the server
    // named as one that did not answer.
    found = std::make_unique<PrinterSelection>(
        PrintServer{PrintServerState::Silent, QString::fromUtf8(server_), {}});
    found->SetPageSize(paper_);
  }
  selection_ = std::move(found);
  emit finished();
}

}  // namespace kazenori
