// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/pageprinter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScopeGuard>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "pages/pagerecording.h"
#include "print/cupsconnection.h"
#include "print/printserver.h"

namespace kazenori {

QString PrintFailureDetail(const PrintOutcome& outcome, const QString& printer) {
  using Result = PrintOutcome::Result;
  switch (outcome.result) {
    case Result::Printed:
      return QString();
    case Result::InProgress:
      return QStringLiteral("the job on printer \"%1\" has not finished yet").arg(printer);
    case Result::Held:
      return QStringLiteral("the job waits on printer \"%1\": %2").arg(printer, outcome.detail);
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

// Shared by a print's thread and its printer, under `mutex`: `owner` is null
// once the printer has gone, and then the outcome is dropped.
struct PagePrinter::Background {
  std::mutex mutex;
  std::condition_variable doneChanged;
  bool done = false;
  PagePrinter* owner = nullptr;
};

PagePrinter::PagePrinter(QObject* parent) : QObject(parent) {}

PagePrinter::~PagePrinter() {
  if (!background_) return;
  std::unique_lock<std::mutex> lock(background_->mutex);
  background_->owner = nullptr;
  background_->doneChanged.wait(lock, [this] { return background_->done; });
}

QTransform PrinterMapping(const PrinterSheet& sheet) {
  // One page unit is 0.1 mm of the printer's paper, truncated as the paper's
  // size is.
  const PrinterCapabilities c = CapabilitiesOf(sheet);
  const double paperW = std::max(1, TenthsMmFromDots(c.pageWidth, c.horizontalResolution));
  const double paperH = std::max(1, TenthsMmFromDots(c.pageHeight, c.verticalResolution));
  return QTransform::fromScale(c.pageWidth / paperW, c.pageHeight / paperH) *
         QTransform::fromTranslate(-c.printableLeft, -c.printableTop);
}

std::vector<JobOption> JobOptionsFor(const PrinterSettings& settings, const PrinterSheet& sheet) {
  const bool landscape = sheet.layout.orientation() == QPageLayout::Landscape;
  std::vector<JobOption> options{{"media", sheet.layout.pageSize().key().toUtf8()}};
  if (settings.copies > 1) {
    options.push_back({"copies", QByteArray::number(settings.copies)});
    options.push_back({"Collate", "True"});
  }
  QByteArray sides = "one-sided";
  if (settings.duplex == QPrinter::DuplexLongSide ||
      (settings.duplex == QPrinter::DuplexAuto && !landscape)) {
    sides = "two-sided-long-edge";
  } else if (settings.duplex != QPrinter::DuplexNone) {
    sides = "two-sided-short-edge";
  }
  options.push_back({"sides", sides});
  if (landscape) options.push_back({"landscape", ""});
  if (!settings.inputSlot.isEmpty()) options.push_back({"InputSlot", settings.inputSlot.toUtf8()});
  return options;
}

namespace {

PrintOutcome Outcome(PrintOutcome::Result result, const QString& detail = QString()) {
  PrintOutcome outcome;
  outcome.result = result;
  outcome.detail = detail;
  return outcome;
}

// Why a job for `settings` would not be taken now, found before anything is
// drawn: no printer, or a queue that rejects jobs (with the reason its
// administrator gave: CUPS's answer to the job itself names none).
PrintOutcome Refusal(const PrinterSettings& settings) {
  if (settings.printer.isEmpty()) return Outcome(PrintOutcome::Result::NoPrinter);
  const QString refusal = JobRefusal(settings.printer);
  if (refusal.isEmpty()) return PrintOutcome();
  return Outcome(refusal == ServerSilentDetail() ? PrintOutcome::Result::ServerSilent
                                                 : PrintOutcome::Result::Refused,
                 refusal);
}

QString JobTitle(const QString& documentTitle) {
  return !documentTitle.isEmpty() ? documentTitle
                                  : QCoreApplication::applicationName() + QStringLiteral("印刷");
}

// `sheets` sheets, each drawn by `draw` (given its index from 0), sent to
// CUPS as one PDF job while they are drawn: a server gone quiet ends the
// drawing at the next sheet.
PrintOutcome SendJob(const PrinterSettings& settings, const PrinterSheet& sheet,
                     const QString& title, std::chrono::milliseconds wait, int sheets,
                     const std::function<void(QPainter&, int)>& draw) {
  PrintJob job(settings, sheet, title);
  for (int i = 0; i < sheets && job.AddSheet([&](QPainter& painter) { draw(painter, i); }); ++i) {
  }
  return job.Finish(wait);
}

}  // namespace

PrintJob::PrintJob(const PrinterSettings& settings, const PrinterSheet& sheet, const QString& title)
    : printer_(settings.printer) {
  if (PrintOutcome refused = Refusal(settings); !refused.Ok()) {
    failed_ = refused;
    return;
  }
  // A sheet never read from a printer has no resolution to draw in.
  if (sheet.resolution <= 0) {
    failed_ =
        Outcome(PrintOutcome::Result::NotStarted, QStringLiteral("the printer's page is unknown"));
    return;
  }
  job_ = std::make_unique<CupsJob>(settings.printer, title, JobOptionsFor(settings, sheet));
  if (job_->Failed()) return;
  writer_ = std::make_unique<QPdfWriter>(&job_->Document());
  writer_->setTitle(title);
  writer_->setCreator(QCoreApplication::applicationName());
  writer_->setResolution(sheet.resolution);
  writer_->setPageLayout(sheet.layout);
  mapping_ = PrinterMapping(sheet);
}

PrintJob::~PrintJob() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool PrintJob::Failed() const {
  return failed_ || !job_ || job_->Failed();
}

int PrintJob::Id() const {
  return job_ ? std::max(0, job_->Id()) : 0;
}

std::function<bool()> PrintJob::TakeBack() const {
  if (Id() <= 0) return {};
  return [server = ClientServer(), printer = printer_, id = Id()] {
    return CancelUnlessCompleted(server, printer, id);
  };
}

bool PrintJob::AddSheet(const std::function<void(QPainter&)>& draw) {
  if (Failed()) return false;
  if (!painter_) {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) {
      failed_ =
          Outcome(PrintOutcome::Result::NotStarted, QStringLiteral("the printer took no page"));
      return false;
    }
  } else {
    writer_->newPage();
  }
  draw(*painter_);
  ++sheets_;
  return !Failed();
}

bool PrintJob::AddPages(const PreviewDocument& document) {
  for (int page = 1; page <= document.PageCount(); ++page) {
    if (!AddSheet([&](QPainter& painter) {
          document.ComposedPage(page, PageUse::Output).Play(painter, mapping_);
        })) {
      return false;
    }
  }
  return true;
}

PrintOutcome PrintJob::Finish(std::chrono::milliseconds wait) {
  if (failed_) return *failed_;
  if (painter_ && painter_->isActive()) painter_->end();
  if (sheets_ == 0 && !job_->Failed()) {
    failed_ = Outcome(PrintOutcome::Result::NothingRecorded);
    return *failed_;  // the job itself is cancelled with it
  }
  return job_->Finish(wait);
}

namespace {

std::vector<int> PagesOf(PageRange range) {
  std::vector<int> pages;
  for (int i = range.first; i <= range.last; ++i) pages.push_back(i);
  return pages;
}

}  // namespace

PrintOutcome PagePrinter::Print(const PreviewDocument& document, const PrinterSettings& settings,
                                const PrinterSheet& sheet, int first, int last) {
  return PrintPages(document, settings, sheet,
                    PagesOf(NormalisedPageRange(first, last, document.PageCount())));
}

PrintOutcome PagePrinter::PrintPages(const PreviewDocument& document,
                                     const PrinterSettings& settings, const PrinterSheet& sheet,
                                     const std::vector<int>& pages) {
  // A print started from a pagePrinted handler would interleave its sheets.
  if (printing_) return Outcome(PrintOutcome::Result::Busy);
  if (!document.IsRecorded() || pages.empty()) {
    return Outcome(PrintOutcome::Result::NothingRecorded);
  }
  if (settings.printer.isEmpty()) return Outcome(PrintOutcome::Result::NoPrinter);
  const QTransform mapping = PrinterMapping(sheet);
  printing_ = true;
  const auto done = qScopeGuard([this] { printing_ = false; });
  return Announce(SendJob(settings, sheet, JobTitle(document.OutputTitle()), wait_,
                          static_cast<int>(pages.size()),
                          [&](QPainter& painter, int k) {
                            document
                                .ComposedPage(pages[static_cast<std::size_t>(k)], PageUse::Output)
                                .Play(painter, mapping);
                          }),
                  pages);
}

std::optional<PrintOutcome> PagePrinter::Start(const PreviewDocument& document,
                                               const PrinterSettings& settings,
                                               const PrinterSheet& sheet, int first, int last) {
  return StartPages(document, settings, sheet,
                    PagesOf(NormalisedPageRange(first, last, document.PageCount())));
}

std::optional<PrintOutcome> PagePrinter::StartPages(const PreviewDocument& document,
                                                    const PrinterSettings& settings,
                                                    const PrinterSheet& sheet,
                                                    std::vector<int> pages) {
  if (printing_) return Outcome(PrintOutcome::Result::Busy);
  if (!document.IsRecorded() || pages.empty()) {
    return Outcome(PrintOutcome::Result::NothingRecorded);
  }
  if (settings.printer.isEmpty()) return Outcome(PrintOutcome::Result::NoPrinter);
  std::vector<PageRecording> copies;
  copies.reserve(pages.size());
  for (const int page : pages) {
    copies.push_back(document.ComposedPage(page, PageUse::Output).Unshared());
  }
  printing_ = true;
  background_ = std::make_shared<Background>();
  background_->owner = this;
  std::thread([state = background_, copies = std::move(copies), settings, sheet,
               pages = std::move(pages), title = JobTitle(document.OutputTitle()),
               server = ClientServer(), wait = wait_] {
    UseServer(server);
    const QTransform mapping = PrinterMapping(sheet);
    const PrintOutcome outcome =
        SendJob(settings, sheet, title, wait, static_cast<int>(copies.size()),
                [&](QPainter& painter, int k) {
                  copies[static_cast<std::size_t>(k)].Play(painter, mapping);
                });
    const std::lock_guard<std::mutex> lock(state->mutex);
    state->done = true;
    state->doneChanged.notify_all();
    // Posted under the lock: the printer cannot be gone meanwhile.
    if (PagePrinter* owner = state->owner) {
      QMetaObject::invokeMethod(
          owner, [owner, outcome, pages] { owner->Finish(outcome, pages); }, Qt::QueuedConnection);
    }
  }).detach();
  return std::nullopt;
}

void PagePrinter::Finish(const PrintOutcome& outcome, const std::vector<int>& pages) {
  background_.reset();
  const PrintOutcome announced = Announce(outcome, pages);
  printing_ = false;
  emit finished(announced);
}

// A job CUPS completed: its pages counted and announced in order.
PrintOutcome PagePrinter::Announce(PrintOutcome outcome, const std::vector<int>& pages) {
  if (!outcome.Ok()) return outcome;
  outcome.pages = pages;
  for (const int page : pages) emit pagePrinted(page);
  return outcome;
}

PrintOutcome PagePrinter::PrintDrawing(const PrinterSettings& settings, const PrinterSheet& sheet,
                                       const std::function<void(QPainter&)>& draw) {
  if (printing_) return Outcome(PrintOutcome::Result::Busy);
  // Drawn on the window's own thread: the job is only handed over, not followed.
  return SendJob(settings, sheet, JobTitle(QString()), std::chrono::milliseconds(0), 1,
                 [&](QPainter& painter, int) { draw(painter); });
}

}  // namespace kazenori
