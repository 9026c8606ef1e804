// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Printing recorded pages through the real CUPS test queues.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <stdexcept>

#include "PrintTestSupport.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

// Each page: a solid block near the top-left corner (20..50 mm across,
// 20..30 mm down) and its name "PAGE-n" below it.
void RecordPages(TplPrev& prev, int count) {
  prev.BeginDoc();
  for (int i = 1; i <= count; ++i) {
    if (i > 1) prev.NewPage();
    QPainter* c = prev.Canvas();
    c->fillRect(QRect(200, 200, 300, 100), Qt::black);
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(80);
    c->setFont(f);
    c->setPen(Qt::black);
    prev.TextOutLeft(200, 500, QStringLiteral("PAGE-%1").arg(i));
  }
  prev.EndDoc();
}

class PrintCups : public PrintToQueue {};

TEST_F(PrintCups, TwoPagesGoOutAsTwoA4SheetsInOrderWithOnPrintAfterEach) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_PDF_DIR"));
  Use(queue);
  const QString title = JobTitle("two-pages");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  RecordPages(prev_, 2);

  std::vector<int> events;
  prev_.OnPrint = [&](QObject* sender, int page) {
    EXPECT_EQ(sender, &prev_);
    EXPECT_TRUE(prev_.Printing());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    events.push_back(page);
  };
  prev_.Print();
  EXPECT_EQ(events, (std::vector<int>{1, 2}));
  EXPECT_FALSE(prev_.Printing());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

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

TEST_F(PrintCups, ReversedRangePrintsAscendingAndKeepsTheText) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString title = JobTitle("range");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  RecordPages(prev_, 4);
  prev_.SetPrintRange(3, 1);
  std::vector<int> events;
  prev_.OnPrint = [&](QObject*, int page) {
    events.push_back(page);
    prev_.Print();  // re-entered from an event handler: ignored
  };
  prev_.Print();
  EXPECT_EQ(events, (std::vector<int>{1, 2, 3}));

  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  ASSERT_EQ(PdfPageCount(pdf), 3);
  for (int page = 1; page <= 3; ++page) {
    EXPECT_TRUE(PdfText(pdf, page).contains(QStringLiteral("PAGE-%1").arg(page))) << page;
  }
}

// The pages' events follow the job CUPS accepted: a failing one stops the
// events after it, not the sheets already sent.
TEST_F(PrintCups, AFailingOnPrintStopsTheEventsAfterThatPageAndPropagates) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString title = JobTitle("failing");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  RecordPages(prev_, 3);
  int calls = 0;
  prev_.OnPrint = [&](QObject*, int) {
    ++calls;
    throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(prev_.Print(), std::runtime_error);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(prev_.Printing());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_EQ(PdfPageCount(pdf), 3);

  // The component prints again afterwards.
  prev_.OnPrint = nullptr;
  const QString again = JobTitle("after-failure");
  RemoveOutputs(dir, again);
  prev_.SetTitle(again);
  prev_.Print();
  const QString second = WaitForOutput(dir, again);
  ASSERT_FALSE(second.isEmpty());
  EXPECT_EQ(PdfPageCount(second), 3);
}

// Where the block of page 1 lands on the sheet, in mm.
QRect PrintedBlock(TplPrev& prev, const QString& dir, const QString& title) {
  RemoveOutputs(dir, title);
  prev.SetTitle(title);
  prev.Print();
  const QString pdf = WaitForOutput(dir, title);
  if (pdf.isEmpty()) return QRect();
  const GreyPage g = RenderPage(pdf, 1);
  // The block is the largest ink; the text is smaller and elsewhere.
  return g.Ink(QRect(0, 0, g.width, g.height), 60);
}

TEST_F(PrintCups, InversePrintTurnsThePageWithOffsetsAsTheReaderSeesThem) {
  for (const char* variable : {"KAZENORI_CUPS_PDF_QUEUE", "KAZENORI_CUPS_QTPDF_QUEUE"}) {
    SCOPED_TRACE(variable);
    QString queue;
    KZ_REQUIRE_CUPS(variable, queue);
    const QString dir = QString::fromUtf8(qgetenv(variable == std::string("KAZENORI_CUPS_PDF_QUEUE")
                                                      ? "KAZENORI_CUPS_PDF_DIR"
                                                      : "KAZENORI_CUPS_QTPDF_DIR"));
    Use(queue);
    TplPrev& prev = prev_;
    prev.BeginDoc();
    prev.Canvas()->fillRect(QRect(200, 200, 300, 100), Qt::black);
    prev.EndDoc();
    prev.SetPrintOffsetX(100);
    prev.SetPrintOffsetY(50);
    const QRect upright = PrintedBlock(prev, dir, JobTitle("upright"));
    ASSERT_FALSE(upright.isEmpty());
    // Shifted right by 10 mm and down by 5 mm.
    EXPECT_NEAR(upright.left(), 30, 1);
    EXPECT_NEAR(upright.top(), 25, 1);

    prev.SetInversePrint(true);
    prev.BeginDoc();  // the metrics take the right and bottom margins now
    prev.Canvas()->fillRect(QRect(200, 200, 300, 100), Qt::black);
    prev.EndDoc();
    const QRect turned = PrintedBlock(prev, dir, JobTitle("turned"));
    ASSERT_FALSE(turned.isEmpty());
    // The sheet turned around shows the block where the upright print has it:
    // on the sheet it is at the bottom right, not mirrored to the bottom left.
    EXPECT_NEAR(210 - 1 - turned.right(), upright.left(), 1);
    EXPECT_NEAR(297 - 1 - turned.bottom(), upright.top(), 1);
    EXPECT_NEAR(turned.width(), upright.width(), 1);
    EXPECT_NEAR(turned.height(), upright.height(), 1);
    prev.SetInversePrint(false);
  }
}

TEST_F(PrintCups, InversePrintPutsTheHeaderTextAtTheBottomUpsideDown) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString title = JobTitle("inverse-text");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  prev_.SetInversePrint(true);
  RecordPages(prev_, 1);
  prev_.Print();
  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  // pdftotext reads the turned text back in the reader's order only when the
  // page is rotated back; -bbox gives where its glyphs stand on the sheet.
  const QString box = QString::fromUtf8(
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  const qsizetype at = box.indexOf(QStringLiteral("PAGE-1"));
  ASSERT_GE(at, 0) << box.toStdString();
  const qsizetype tag = box.lastIndexOf(QStringLiteral("<word"), at);
  const QString word = box.mid(tag, at - tag);
  auto attr = [&](const char* name) {
    const QString key = QString::fromLatin1(name) + QStringLiteral("=\"");
    const qsizetype s = word.indexOf(key) + key.size();
    return word.mid(s, word.indexOf(QLatin1Char('"'), s) - s).toDouble();
  };
  // Upright the text stands 50 mm from the top (about 142 pt); turned, it is
  // as far from the bottom of the 842 pt sheet.
  EXPECT_GT(attr("yMin"), 842 - 200);
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrintCupsSource : public QtTest {};

TEST_F(PrintCupsSource, TheChosenPaperSourceTravelsWithTheJob) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  TplSetPrinter settings(nullptr, QStringLiteral("plSetPrinter1"));
  settings.SetPrinterName(queue);
  settings.SetBinName(QStringLiteral("Tractor Feed"));
  TplPrev prev;
  prev.SetplSetPrinter(&settings);
  const QString title = JobTitle("tractor");
  RemoveOutputs(dir, title);
  prev.SetTitle(title);
  RecordPages(prev, 1);
  prev.Print();
  ASSERT_FALSE(WaitForOutput(dir, title).isEmpty());
  QFile options(QDir(dir).filePath(title + QStringLiteral(".options")));
  ASSERT_TRUE(options.open(QIODevice::ReadOnly));
  EXPECT_TRUE(options.readAll().contains("InputSlot=Tractor"));
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

TEST(PrintRange, ChosenRangesBecomeAscendingPagesOfTheDocument) {
  struct Case {
    int first, last, count, wantFirst, wantLast;
  };
  for (const Case& c : {Case{3, 1, 4, 1, 3},   // from a dialog's 3..1
                        Case{0, 0, 4, 1, 4},   // a dialog's selection: every page
                        Case{2, 2, 4, 2, 2},   // one page
                        Case{5, 9, 4, 4, 4},   // beyond the end: the last page
                        Case{9, 5, 4, 4, 4},   // and reversed
                        Case{-2, 3, 4, 1, 3},  // before the start
                        Case{0, 2, 4, 1, 2},   //
                        Case{1, 1, 1, 1, 1}}) {
    SCOPED_TRACE(::testing::Message() << c.first << ".." << c.last << " of " << c.count);
    const PrintRange r = NormalisedPrintRange(c.first, c.last, c.count);
    EXPECT_EQ(r.first, c.wantFirst);
    EXPECT_EQ(r.last, c.wantLast);
  }
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrintCupsDialog : public QtTest {};

// What a print dialog leaves in its QPrinter goes with the job, and restoring
// the settings saved by BeginDoc forgets it again.
TEST_F(PrintCupsDialog, CopiesAndPaperFromADialogTravelWithTheJobUntilRestored) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  TplSetPrinter settings(nullptr, QStringLiteral("plSetPrinter1"));
  settings.SetPrinterName(queue);
  TplPrev prev;
  prev.SetplSetPrinter(&settings);
  RecordPages(prev, 1);

  QPrinter dialog(QPrinter::HighResolution);
  settings.ConfigurePrinter(dialog);
  dialog.setCopyCount(2);
  dialog.setPageSize(QPageSize(QPageSize::A5));
  settings.SyncFromPrinter(dialog);
  const QString title = JobTitle("copies");
  RemoveOutputs(dir, title);
  prev.SetTitle(title);
  prev.Print();
  ASSERT_FALSE(WaitForOutput(dir, title).isEmpty());
  QFile options(QDir(dir).filePath(title + QStringLiteral(".options")));
  ASSERT_TRUE(options.open(QIODevice::ReadOnly));
  const QByteArray sent = options.readAll();
  EXPECT_TRUE(sent.contains("copies=2")) << sent.toStdString();
  EXPECT_TRUE(sent.contains("A5")) << sent.toStdString();

  prev.RestorePrinterSettings();
  QPrinter next(QPrinter::HighResolution);
  settings.ConfigurePrinter(next);
  EXPECT_EQ(next.copyCount(), 1);
  EXPECT_EQ(next.pageLayout().pageSize().id(), QPageSize::A4);
}

}  // namespace
}  // namespace kazenori
