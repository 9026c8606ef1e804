// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QTransform>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "pages/previewdocument.h"
#include "print/cupsjob.h"
#include "print/printersettings.h"
#include "print/printoutcome.h"

class QPainter;
class QPdfWriter;

namespace kazenori {

// Prints a page range of a preview document on a CUPS queue. A page counts
// as printed only once CUPS has completed the job: pagePrinted then follows
// for each page in order.
class PagePrinter : public QObject {
  Q_OBJECT
 public:
  explicit PagePrinter(QObject* parent = nullptr);
  // Waits for a print under way (each of its requests has a time limit).
  ~PagePrinter() override;

  // Pages first..last (see NormalisedPageRange) of `document` with `settings`,
  // drawn on `sheet` (the printer's, with those settings); an empty
  // settings.printer means there is no printer. Only our own time-limited
  // requests reach the print server, none of Qt's.
  PrintOutcome Print(const PreviewDocument& document, const PrinterSettings& settings,
                     const PrinterSheet& sheet, int first = 0, int last = 0);
  // Exactly `pages` (1-based, each a page of the document), in that order.
  PrintOutcome PrintPages(const PreviewDocument& document, const PrinterSettings& settings,
                          const PrinterSheet& sheet, const std::vector<int>& pages);
  // As Print, on a thread of its own, so that the window stays responsive:
  // the outcome at once when the print cannot begin, else nullopt, and then
  // finished() later on this object's thread, after a pagePrinted for each
  // page CUPS took. The pages are copied first: the document may change.
  std::optional<PrintOutcome> Start(const PreviewDocument& document,
                                    const PrinterSettings& settings, const PrinterSheet& sheet,
                                    int first = 0, int last = 0);
  std::optional<PrintOutcome> StartPages(const PreviewDocument& document,
                                         const PrinterSettings& settings, const PrinterSheet& sheet,
                                         std::vector<int> pages);
  // One sheet drawn by `draw` on `sheet`'s printable area (its corner is the
  // origin), as a job of its own; no page of a document counts.
  PrintOutcome PrintDrawing(const PrinterSettings& settings, const PrinterSheet& sheet,
                            const std::function<void(QPainter&)>& draw);
  // How long a print follows its job in CUPS before it reports it as still
  // in progress (kDefaultWait unless set).
  static constexpr std::chrono::milliseconds kDefaultWait{std::chrono::minutes(2)};
  void SetWait(std::chrono::milliseconds wait) { wait_ = wait; }
  // True from the first page drawn (or Start) until the last pagePrinted has
  // been emitted (or finished).
  bool IsPrinting() const { return printing_; }

 signals:
  void pagePrinted(int page);
  void finished(const PrintOutcome& outcome);

 private:
  struct Background;  // what a print on its own thread shares with this object

  void Finish(const PrintOutcome& outcome, const std::vector<int>& pages);
  PrintOutcome Announce(PrintOutcome outcome, const std::vector<int>& pages);

  bool printing_ = false;
  std::chrono::milliseconds wait_ = kDefaultWait;
  std::shared_ptr<Background> background_;
};

// A print job on a CUPS queue fed sheet by sheet as they are drawn, so that
// a long run holds one sheet at a time. The queue is asked whether it takes
// jobs before the job is made, and so before anything is drawn.
class PrintJob {
 public:
  PrintJob(const PrinterSettings& settings, const PrinterSheet& sheet, const QString& title);
  ~PrintJob();  // a job not finished is cancelled
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // Whether the job has already failed (it then takes no more sheets).
  bool Failed() const;
  // CUPS's number for the job, 0 where none was made.
  int Id() const;
  // One more sheet, drawn by `draw` with the printable area's corner at the
  // origin; false once the job has failed.
  bool AddSheet(const std::function<void(QPainter&)>& draw);
  // Every page of `document` as it now stands, each a sheet.
  bool AddPages(const PreviewDocument& document);
  // What takes the job back from another thread (an interrupt's): cancels
  // it unless CUPS has completed it, and says whether it had. Empty while
  // there is no job.
  std::function<bool()> TakeBack() const;
  // Ends the document and follows the job for up to `wait` (see CupsJob).
  PrintOutcome Finish(std::chrono::milliseconds wait);

 private:
  QString printer_;
  std::optional<PrintOutcome> failed_;  // before the job could take a sheet
  std::unique_ptr<CupsJob> job_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  QTransform mapping_;
  int sheets_ = 0;
};

// Maps a composed page onto a printer's `sheet` (its printable area's corner
// is the device origin).
QTransform PrinterMapping(const PrinterSheet& sheet);

// The job options that ask CUPS for `settings` on `sheet`: the paper, copies
// (collated), sides, orientation and paper source.
std::vector<JobOption> JobOptionsFor(const PrinterSettings& settings, const PrinterSheet& sheet);

}  // namespace kazenori
