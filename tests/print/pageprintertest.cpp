// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing recorded pages through the real CUPS test queues, without any window.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>

#include "pages/previewdocument.h"
#include "print/pageprinter.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"
#include "support/slowprintserver.h"

#include <cups/cups.h>

namespace kazenori {
namespace {

using namespace kazenori::testing;

// Each page: a solid block near the top-left corner (20..50 mm across,
// 20..30 mm down) and its name "PAGE-n" below it.
void RecordPages(PreviewDocument& prev, int count) {
  prev.BeginDocument();
  for (int i = 1; i <= count; ++i) {
    if (i > 1) prev.NewPage();
    QPainter* c = prev.Canvas();
    c->fillRect(QRect(200, 200, 300, 100), Qt::black);
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(80);
    c->setFont(f);
    c->setPen(Qt::black);
    testing::PlaceText(prev, TextAlign::Left, 200, 500, QStringLiteral("PAGE-%1").arg(i));
  }
  prev.EndDocument();
}

QByteArray JobOptions(const QString& dir, const QString& title) {
  QFile options(QDir(dir).filePath(title + QStringLiteral(".options")));
  return options.open(QIODevice::ReadOnly) ? options.readAll() : QByteArray();
}

class PrintCups : public PrintToQueue {};

TEST_F(PrintCups, TwoPagesGoOutAsTwoA4SheetsInOrderEachAnnouncedOnceCupsHasTheJob) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_PDF_DIR"));
  Use(queue);
  const QString title = JobTitle("two-pages");
  RemoveOutputs(dir, title);
  RecordPages(prev_, 2);
  const PrintOutcome outcome = Print(title);
  EXPECT_TRUE(outcome.Ok()) << PrintFailureDetail(outcome, queue).toStdString();
  EXPECT_EQ(outcome.PrintedPages(), 2);
  EXPECT_EQ(printed_, (std::vector<int>{1, 2}));
  EXPECT_FALSE(printer_.IsPrinting());

  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no output of cups-pdf in " << dir.toStdString();
  EXPECT_EQ(PdfPageCount(pdf), 2);
  const QSizeF size = PdfPageSize(pdf);
  EXPECT_NEAR(size.width(), 595.3, 1.5);
  EXPECT_NEAR(size.height(), 841.9, 1.5);
  for (int page = 1; page <= 2; ++page) {
    const GreyPage g = RenderPage(pdf, page);
    ASSERT_GT(g.width, 0);
    const QRect block = g.Ink(QRect(0, 0, g.width, 40));
    EXPECT_NEAR(block.left(), 20, 1) << "page " << page;
    EXPECT_NEAR(block.right(), 49, 1) << "page " << page;
    EXPECT_NEAR(block.top(), 20, 1) << "page " << page;
    EXPECT_NEAR(block.bottom(), 29, 1) << "page " << page;
    EXPECT_TRUE(g.Ink(QRect(0, 150, g.width, g.height - 150)).isEmpty()) << "page " << page;
  }
}

TEST_F(PrintCups, ReversedRangePrintsAscendingAndAPrintFromAnAnnouncementIsRefused) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString title = JobTitle("range");
  RemoveOutputs(dir, title);
  RecordPages(prev_, 4);
  std::vector<PrintOutcome::Result> nested;
  QObject::connect(&printer_, &PagePrinter::pagePrinted, [&] {
    nested.push_back(printer_.Print(prev_, printers_->Settings(), printers_->Sheet()).result);
  });
  EXPECT_EQ(Print(title, 3, 1).PrintedPages(), 3);
  EXPECT_EQ(printed_, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(nested, std::vector<PrintOutcome::Result>(3, PrintOutcome::Result::Busy));

  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  ASSERT_EQ(PdfPageCount(pdf), 3);
  for (int page = 1; page <= 3; ++page) {
    EXPECT_TRUE(PdfText(pdf, page).contains(QStringLiteral("PAGE-%1").arg(page))) << page;
  }
}

// Only a job CUPS completed counts: one that is refused, aborted (at once or
// seconds later) or waits in a stopped queue announces no page and says why;
// a failed job is left nowhere in the queue, a held one stays for its queue.
TEST_F(PrintCups, OnlyACompletedJobCountsAndAFailedOneLeavesNothingQueued) {
  using Result = PrintOutcome::Result;
  struct Case {
    const char* queue;
    Result result;
    const char* why;
  };
  for (const Case& c : {
           Case{"KAZENORI_CUPS_QTPDF_QUEUE", Result::Printed, ""},
           Case{"KAZENORI_CUPS_REJECT_QUEUE", Result::Refused, "takes no jobs"},
           Case{"KAZENORI_CUPS_FAIL_QUEUE", Result::Failed, "fails every job"},
           Case{"KAZENORI_CUPS_LATEFAIL_QUEUE", Result::Failed, "fails late"},
           Case{"KAZENORI_CUPS_STOPPED_QUEUE", Result::Held, "stopped"},
       }) {
    SCOPED_TRACE(c.queue);
    QString queue;
    KZ_REQUIRE_CUPS(c.queue, queue);
    Use(queue);
    RecordPages(prev_, 2);
    const QString title = JobTitle("outcome");
    const PrintOutcome outcome = Print(title);
    EXPECT_EQ(outcome.result, c.result) << outcome.detail.toStdString();
    EXPECT_TRUE(outcome.detail.contains(QLatin1String(c.why))) << outcome.detail.toStdString();
    EXPECT_EQ(printed_, (outcome.Ok() ? std::vector<int>{1, 2} : std::vector<int>{}));
    EXPECT_EQ(ActiveJobs(queue, title).size(), outcome.Pending() ? 1u : 0u);
    CancelJobs(queue, title);
  }
}

// Waiting no time at all leaves a job CUPS has not finished in progress.
TEST_F(PrintCups, AJobNotFinishedWithinTheWaitIsInProgressAndCountsNothing) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LATEFAIL_QUEUE", queue);
  Use(queue);
  RecordPages(prev_, 1);
  printer_.SetWait(std::chrono::milliseconds(0));
  const PrintOutcome outcome = Print(JobTitle("in-progress"));
  CancelJobs(queue, JobTitle("in-progress"));
  EXPECT_EQ(outcome.result, PrintOutcome::Result::InProgress);
  EXPECT_GT(outcome.jobId, 0);
  EXPECT_TRUE(printed_.empty());
}

// A server that answers until the job arrives and then hangs: the print gives
// up within its limits and says so; no page counts.
TEST_F(PrintCups, AServerThatHangsAsTheJobArrivesFailsThePrint) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  Use(queue);
  RecordPages(prev_, 2);
  const SlowPrintServer server(std::chrono::milliseconds(0),
                               SlowPrintServer::Hold::PrinterRequests);
  ASSERT_TRUE(server.Listening());
  cupsSetServer(server.Address().c_str());
  const PrintOutcome outcome = Print(JobTitle("held"));
  cupsSetServer(nullptr);
  EXPECT_EQ(outcome.result, PrintOutcome::Result::ServerSilent) << outcome.detail.toStdString();
  EXPECT_EQ(server.HeldRequests(), 1);
  EXPECT_TRUE(printed_.empty());
}

TEST_F(PrintCups, NothingRecordedNoPrinterOrNoPagePrintsNothing) {
  PrinterSettings none;
  EXPECT_EQ(printer_.Print(prev_, none, PrinterSheet()).result,
            PrintOutcome::Result::NothingRecorded);
  RecordPages(prev_, 1);
  EXPECT_EQ(printer_.Print(prev_, none, PrinterSheet()).result, PrintOutcome::Result::NoPrinter);
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  Use(queue);
  EXPECT_EQ(printer_.Print(prev_, printers_->Settings(), PrinterSheet()).result,
            PrintOutcome::Result::NotStarted);
  EXPECT_TRUE(printed_.empty());
}

TEST_F(PrintCups, TheChosenPaperSourceTravelsWithTheJob) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  printers_->SetInputSlotName(QStringLiteral("Tractor Feed"));
  const QString title = JobTitle("tractor");
  RemoveOutputs(dir, title);
  RecordPages(prev_, 1);
  ASSERT_TRUE(Print(title).Ok());
  ASSERT_FALSE(WaitForOutput(dir, title).isEmpty());
  EXPECT_TRUE(JobOptions(dir, title).contains("InputSlot=Tractor"));
}

// What a print dialog leaves in its QPrinter goes with the job, and assigning
// the settings kept before forgets it again.
TEST_F(PrintCups, CopiesAndPaperFromADialogTravelWithTheJobUntilRestored) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  RecordPages(prev_, 1);
  const PrinterSettings kept = printers_->Settings();

  QPrinter dialog(QPrinter::HighResolution);
  printers_->ConfigurePrinter(dialog);
  dialog.setCopyCount(2);
  dialog.setPageSize(QPageSize(QPageSize::A5));
  printers_->TakeFromPrinter(dialog);
  const QString title = JobTitle("copies");
  RemoveOutputs(dir, title);
  ASSERT_TRUE(Print(title).Ok());
  ASSERT_FALSE(WaitForOutput(dir, title).isEmpty());
  const QByteArray sent = JobOptions(dir, title);
  EXPECT_TRUE(sent.contains("copies=2")) << sent.toStdString();
  EXPECT_TRUE(sent.contains("A5")) << sent.toStdString();

  printers_->SetSettings(kept);
  EXPECT_EQ(printers_->Settings(), kept);
  QPrinter next(QPrinter::HighResolution);
  printers_->ConfigurePrinter(next);
  EXPECT_EQ(next.copyCount(), 1);
  EXPECT_EQ(next.pageLayout().pageSize().id(), QPageSize::A4);
}

QString PdfTitle(const QString& pdf) {
  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QByteArray& line : info.split('\n')) {
    if (line.startsWith("Title:")) return QString::fromUtf8(line.mid(6).trimmed());
  }
  return QString();
}

TEST_F(PrintCups, AnUntitledDocumentIsPrintedUnderTheApplicationsName) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString savedName = QCoreApplication::applicationName();
  const QString app = JobTitle("app-title");
  QCoreApplication::setApplicationName(app);
  RemoveOutputs(dir, app);
  RecordPages(prev_, 1);
  EXPECT_TRUE(Print(QString()).Ok());
  QCoreApplication::setApplicationName(savedName);
  const QString pdf = WaitForOutput(dir, app);
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_EQ(PdfTitle(pdf), app + QStringLiteral("印刷"));
}

}  // namespace
}  // namespace kazenori
