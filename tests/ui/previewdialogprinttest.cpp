// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview dialog printing through the CUPS test queues: which pages each
// print dialog range prints, the printer setup, a job CUPS aborts, the hard copy.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <vector>

#include <cups/cups.h>

#include "print/printtestsupport.h"
#include "support/silentprintserver.h"
#include "support/slowprintserver.h"
#include "ui/messages.h"
#include "ui/previewdialogfixture.h"

namespace kazenori {
namespace {

class PreviewDialogPrintTest : public testing::PreviewDialogTest {
 protected:
  // Prints through the print button, choosing `queue` and `choice` in the
  // print dialog; returns the pages announced.
  std::vector<int> PrintWith(const QString& queue, PrintChoice choice) {
    std::vector<int> printed;
    const QMetaObject::Connection c = QObject::connect(dialog_.get(), &PreviewDialog::pagePrinted,
                                                       [&](int page) { printed.push_back(page); });
    questions_.print = [&](QPrinter& printer, const PageOffer&) {
      offered_.push_back(printer.printerName());
      printer.setPrinterName(queue);
      return choice;
    };
    testing::PrintAndWait(*dialog_);
    QObject::disconnect(c);
    return printed;
  }

  std::vector<QString> offered_;
  QTemporaryDir dir_;
};

TEST_F(PreviewDialogPrintTest, DialogRangesBecomePagesAndTheDialogPrinterIsForgotten) {
  QString saved;
  QString chosen;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", saved);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", chosen);
  printers_.SelectPrinter(saved);
  ASSERT_EQ(printers_.PrinterName(), saved);
  testing::RemoveOutputs(QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR")),
                         testing::JobTitle("window-range"));
  doc_.SetTitle(testing::JobTitle("window-range"));
  PreviewDialog& dialog = Open(3);

  using Range = PrintChoice::Range;
  EXPECT_EQ(PrintWith(chosen, {true, Range::Selection, 0, 0}), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PrintWith(chosen, {true, Range::Pages, 3, 2}), (std::vector<int>{2, 3}));
  EXPECT_EQ(PrintWith(chosen, {true, Range::All, 0, 0}), (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(offered_.size(), 3u);
  for (const QString& name : offered_) EXPECT_EQ(name, saved);
  EXPECT_EQ(printers_.PrinterName(), saved);
  EXPECT_EQ(dialog.currentPage(), 1);
  EXPECT_TRUE(dialog.printButton()->isEnabled());
}

// A page set prints exactly its pages, in order; printing to a file writes
// that file, of the same pages, which count as printed as a saved PDF's do.
TEST_F(PreviewDialogPrintTest, APageSetPrintsItsPagesAndPrintingToAFileWritesThem) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  printers_.SelectPrinter(queue);
  doc_.SetTitle(testing::JobTitle("window-set"));
  Open(8);
  using Range = PrintChoice::Range;
  EXPECT_EQ(PrintWith(queue, {true, Range::Pages, 2, 7, {2, 3, 4, 7}}),
            (std::vector<int>{2, 3, 4, 7}));
  const QString file = dir_.filePath(QStringLiteral("to-file.pdf"));
  const std::vector<int> saved = PrintWith(queue, {true, Range::Pages, 1, 5, {1, 3, 5}, file});
  EXPECT_EQ(saved, (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(testing::PdfPageCount(file), 3);
  EXPECT_TRUE(testing::PdfText(file, 2).contains(QStringLiteral("頁3")));
}

// A class set prints its question pages, or its answer pages, in one go,
// within the range the print dialog was given; its PDF takes the same pages
// and is named after the sheets' numbers.
TEST_F(PreviewDialogPrintTest, AClassSetPrintsOnlyItsQuestionOrAnswerPages) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  printers_.SelectPrinter(queue);
  doc_.SetTitle(testing::JobTitle("window-kinds"));
  PreviewDialog& dialog = Open(6);
  dialog.setSheets({{7, 1, 2}, {8, 3, 2}, {9, 5, 2}});
  using Range = PrintChoice::Range;
  const struct {
    PreviewDialog::PageKind kind;
    PrintChoice choice;
    std::vector<int> pages;
  } rows[] = {
      {PreviewDialog::PageKind::Questions, {true, Range::All, 0, 0}, {1, 3, 5}},
      {PreviewDialog::PageKind::Answers, {true, Range::All, 0, 0}, {2, 4, 6}},
      {PreviewDialog::PageKind::Answers, {true, Range::Pages, 1, 3}, {2}},
      {PreviewDialog::PageKind::Questions, {true, Range::Pages, 2, 2}, {}},
  };
  for (const auto& row : rows) {
    dialog.pageKindChoice()->setCurrentIndex(static_cast<int>(row.kind));
    EXPECT_EQ(PrintWith(queue, row.choice), row.pages) << row.choice.from << "-" << row.choice.to;
  }
  dialog.pageKindChoice()->setCurrentIndex(static_cast<int>(PreviewDialog::PageKind::Questions));
  QString suggested;
  QString file = dir_.filePath(QStringLiteral("questions.pdf"));
  questions_.pdfPath = [&](const QString& suggestion) {
    suggested = suggestion;
    return file;
  };
  dialog.pdfButton()->click();
  EXPECT_EQ(QFileInfo(suggested).fileName(), QStringLiteral("kazenori-7-9.pdf"));
  ASSERT_EQ(testing::PdfPageCount(file), 3);
  EXPECT_TRUE(testing::PdfText(file, 3).contains(QStringLiteral("頁5")));
  dialog.setSheets({{12, 1, 2}});
  EXPECT_EQ(dialog.suggestedPdfName(), QStringLiteral("kazenori-12.pdf"));
}

// Qt's print dialog leaves a page set and a file in its printer, where its
// fromPage and toPage give only the first and last page.
TEST_F(PreviewDialogPrintTest, APageSetAndFileLeftInThePrinterBecomeTheChoice) {
  QPrinter printer(QPrinter::HighResolution);
  const QString file = dir_.filePath(QStringLiteral("qt-dialog.pdf"));
  QPrintDialog dialog(&printer);
  // As the dialog leaves them once accepted on "1,3,5" and 「PDF ファイルに出力」.
  printer.setOutputFileName(file);
  printer.setPageRanges(QPageRanges::fromString(QStringLiteral("1,3,5")));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange);
  dialog.setMinMax(1, 8);
  dialog.setPrintRange(QAbstractPrintDialog::PageRange);
  const PrintChoice choice = ChoiceOf(dialog, printer, {1, 1, 1, 8});
  EXPECT_EQ(choice.range, PrintChoice::Range::Pages);
  EXPECT_EQ(choice.pages, (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(choice.file, file);
}

// What the teacher chose in the printer and paper dialog is what prints.
TEST_F(PreviewDialogPrintTest, ThePrinterSetupChoiceStands) {
  QString trays, other;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", other);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  printers_.SelectPrinter(other);
  PreviewDialog& dialog = Open(1);
  questions_.setup = [&](QPrinter& printer) {
    printer.setPrinterName(trays);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  };
  dialog.setUpPrinter();
  EXPECT_EQ(printers_.PrinterName(), trays);
  EXPECT_EQ(printers_.PageSizeId(), QPageSize::A5);
  EXPECT_TRUE(printers_.IsLandscape());
  EXPECT_NEAR(doc_.PagePaper().width, 2100, 2);  // A5 across
  EXPECT_NEAR(doc_.PagePaper().height, 1480, 2);

  const QString title = testing::JobTitle("setup");
  testing::RemoveOutputs(dir, title);
  doc_.SetTitle(title);
  questions_.print = [&](QPrinter&, const PageOffer&) {
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  };
  testing::PrintAndWait(dialog);
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  const QSizeF size = testing::PdfPageSize(pdf);
  EXPECT_NEAR(size.width(), 595.3, 1.0);  // A5 across: 210 mm
  EXPECT_NEAR(size.height(), 419.5, 1.0);
}

// Once CUPS has decided, the window says what became of the job in its
// words: a job CUPS aborts, at once or seconds later, or that waits in a
// stopped queue, in a box; a completed one in the status line.
TEST_F(PreviewDialogPrintTest, EveryOutcomeIsToldOnceCupsHasDecided) {
  struct Row {
    const char* queue;
    const char* box;  // empty: no box, the status line tells
  };
  for (const Row& row : {
           Row{"KAZENORI_CUPS_QTPDF_QUEUE", ""},
           Row{"KAZENORI_CUPS_FAIL_QUEUE",
               "プリンタ「%1」で印刷できませんでした。\n印刷ジョブが中止されました: "
               "kazenori test: this printer fails every job"},
           Row{"KAZENORI_CUPS_LATEFAIL_QUEUE",
               "プリンタ「%1」で印刷できませんでした。\n印刷ジョブが中止されました: "
               "kazenori test: this printer fails late"},
           Row{"KAZENORI_CUPS_STOPPED_QUEUE",
               "プリンタ「%1」の印刷ジョブは待機中で、まだ印刷されていません。\n"
               "kazenori test: stopped"},
       }) {
    SCOPED_TRACE(row.queue);
    QString queue;
    KZ_REQUIRE_CUPS(row.queue, queue);
    printers_.SelectPrinter(queue);
    PreviewDialog& dialog = Open(2);
    const QString title = testing::JobTitle("window-outcome");
    doc_.SetTitle(title);
    RecordingMessages messages;
    ScopedMessages scope(messages);
    PrintWith(queue, {true, PrintChoice::Range::All, 0, 0});
    const QString box = QString::fromUtf8(row.box).arg(queue);
    const QString printed = QStringLiteral("印刷しました: プリンタ「%1」、2ページ").arg(queue);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !messages.shown.empty() || dialog.commandStatus()->text() == printed; },
        30000));
    testing::CancelJobs(queue, title);
    if (box.isEmpty()) {
      EXPECT_TRUE(messages.shown.empty());
      continue;
    }
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].text, box);
  }
}

// A print server that stopped answering after the printers were found: each
// print command says so at once, instead of opening a dialog of Qt's that
// would wait on the server for ever.
TEST_F(PreviewDialogPrintTest, AServerGoneSilentIsToldBeforeAnyPrintDialog) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  printers_.SelectPrinter(queue);
  PreviewDialog& dialog = Open(1);
  const testing::SilentPrintServer silent;
  ASSERT_TRUE(silent.Listening());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  int asked = 0;
  questions_.print = [&](QPrinter&, const PageOffer&) { return ++asked, PrintChoice{}; };
  questions_.setup = [&](QPrinter&) { return ++asked, false; };
  cupsSetServer(silent.Address().c_str());
  testing::PrintAndWait(dialog);
  dialog.setUpPrinter();
  dialog.printWindow();
  cupsSetServer(nullptr);
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(messages.shown.size(), 3u);
  for (const auto& shown : messages.shown) {
    EXPECT_EQ(shown.text, ServerSilentText(QString::fromStdString(silent.Address())));
  }
}

// A print on a slow server goes on while the window answers; closing the
// window meanwhile waits for the print, whose pages still count.
TEST_F(PreviewDialogPrintTest, TheWindowAnswersWhilePrintingAndClosesOnceThePrintHasEnded) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  printers_.SelectPrinter(queue);
  PreviewDialog& dialog = Open(2);
  doc_.SetTitle(testing::JobTitle("window-slow"));
  const std::vector<int>& printed = Printed();
  questions_.print = [&](QPrinter& printer, const PageOffer&) {
    printer.setPrinterName(queue);
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  };
  const testing::SlowPrintServer slow(std::chrono::milliseconds(300));
  cupsSetServer(slow.Address().c_str());
  dialog.printButton()->click();
  EXPECT_TRUE(dialog.isPrinting()) << "the click waited for the print";
  EXPECT_FALSE(dialog.printButton()->isEnabled());
  bool answeredWhilePrinting = false;
  QTimer::singleShot(0, &dialog, [&] { answeredWhilePrinting = dialog.isPrinting(); });
  dialog.reject();
  EXPECT_TRUE(dialog.isVisible());
  static_cast<void>(QTest::qWaitFor([&] { return !dialog.isVisible(); }, 60000));
  cupsSetServer(nullptr);
  EXPECT_TRUE(answeredWhilePrinting);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(printed, (std::vector<int>{1, 2}));
}

TEST_F(PreviewDialogPrintTest, HardCopyPrintsTheCapturedWindow) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  printers_.SelectPrinter(queue);
  PreviewDialog& dialog = Open(1);
  int asked = 0;
  questions_.print = [&](QPrinter& printer, const PageOffer& pages) {
    ++asked;
    EXPECT_EQ(pages.maxPage, 0) << "a hard copy offers no page range";
    printer.setPrinterName(queue);
    printer.setDocName(testing::JobTitle("hardcopy"));
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  };
  testing::RemoveOutputs(dir, testing::JobTitle("hardcopy"));
  dialog.printWindow();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), dialog.grab().size());
  EXPECT_TRUE(dialog.printButton()->isEnabled()) << "the view is refreshed afterwards";
}

}  // namespace
}  // namespace kazenori
