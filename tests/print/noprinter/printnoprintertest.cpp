// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printing layer on a machine without any printer (an empty CUPS).
#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "pages/previewdocument.h"
#include "print/pageprinter.h"
#include "print/pdfexport.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrintNoPrinter : public QtTest {
 protected:
  void SetUp() override {
    if (!qgetenv("CUPS_SERVER").endsWith("/no-cups-here.sock")) {
      GTEST_SKIP() << "runs under ctest only, with CUPS_SERVER pointing at an empty socket";
    }
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty())
        << "CUPS still reports printers: " << qgetenv("CUPS_SERVER").toStdString();
  }
};

TEST_F(PrintNoPrinter, TheSelectionAnswersZeroAndEmptyAndChangesNothing) {
  PrinterSelection p;
  EXPECT_EQ(p.PrinterCount(), 0);
  EXPECT_EQ(p.Server().state, PrintServerState::Unreachable);
  p.SelectPrinter(QStringLiteral("anything"));
  EXPECT_EQ(p.PrinterName(), QString());
  EXPECT_EQ(p.Capabilities(), PrinterCapabilities());
  EXPECT_FALSE(p.SetPageSize(QPageSize::A4));
  EXPECT_EQ(p.PageSizeId(), QPageSize::Custom);
  EXPECT_EQ(p.PaperName(), QString());
  EXPECT_EQ(p.InputSlotName(), QString());
  p.SetLandscape(true);
  EXPECT_FALSE(p.IsLandscape());
  EXPECT_EQ(p.PagePaper(), DesignPaper());
}

TEST_F(PrintNoPrinter, TheDocumentIsOnTheDesignPaperAndPrintingSaysThereIsNoPrinter) {
  PrinterSelection printers;
  PreviewDocument prev;
  prev.SetPaper(printers.PagePaper());
  prev.BeginDocument();
  testing::PlaceText(prev, TextAlign::Left, 100, 100, QStringLiteral("問題"));
  prev.NewPage();
  prev.EndDocument();
  const Paper& paper = prev.PagePaper();
  EXPECT_EQ(paper.width, 2100);
  EXPECT_EQ(paper.height, 2970);
  EXPECT_EQ(paper.printableLeft, 35);
  EXPECT_EQ(paper.printableTop, 31);
  EXPECT_EQ(paper.printableRight, 2067);
  EXPECT_EQ(paper.printableBottom, 2921);
  EXPECT_EQ(paper.name, QStringLiteral("A4"));
  EXPECT_EQ(prev.ComposedPage(1, PageUse::Screen).Size(), QSizeF(2100, 2970));

  PagePrinter printer;
  int announced = 0;
  QObject::connect(&printer, &PagePrinter::pagePrinted, [&] { ++announced; });
  EXPECT_EQ(printer.Print(prev, printers.Settings(), printers.Sheet()).result,
            PrintOutcome::Result::NoPrinter);
  EXPECT_EQ(announced, 0);
}

TEST_F(PrintNoPrinter, ATractorSourceShowsSprocketHolesOnScreenOnly) {
  PreviewDocument prev;
  Paper paper = DesignPaper();
  paper.source = QStringLiteral("ﾄﾗｸﾀｰ");
  prev.SetPaper(paper);
  prev.BeginDocument();
  prev.EndDocument();
  auto holes = [](const PageRecording& page) {
    int n = 0;
    for (const PageItem& item : page.Items()) {
      if (item.kind == PageItem::Kind::Path && item.brush.style() == Qt::SolidPattern &&
          item.pen.color() == QColor(0xC0, 0xC0, 0xC0)) {
        ++n;
      }
    }
    return n;
  };
  // Rows at 40, 167, ... up to the first row at or below the paper's end (3088): 25 rows.
  EXPECT_EQ(holes(prev.ComposedPage(1, PageUse::Screen)), 50);
  EXPECT_EQ(holes(prev.ComposedPage(1, PageUse::Output)), 0);
  EXPECT_EQ(holes(*prev.Page(1)), 0);

  paper.source = QStringLiteral("Upper");
  prev.SetPaper(paper);
  EXPECT_EQ(holes(prev.ComposedPage(1, PageUse::Screen)), 0);
}

TEST_F(PrintNoPrinter, PdfOutputNeedsNoPrinter) {
  QTemporaryDir dir;
  PreviewDocument prev;
  prev.BeginDocument();
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(60);
  prev.Canvas()->setFont(f);
  testing::PlaceText(prev, TextAlign::Left, 300, 300, QStringLiteral("計算ドリル"));
  prev.EndDocument();
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  QString error;
  ASSERT_TRUE(PdfExport::Write(prev, path, &error)) << error.toStdString();
  EXPECT_EQ(PdfPageCount(path), 1);
  EXPECT_TRUE(PdfText(path, 1).contains(QStringLiteral("計算ドリル")));
}

// A missing document is reported before a missing printer.
TEST_F(PrintNoPrinter, PrintBeforeAnyDocumentReportsTheMissingDrawingFirst) {
  PreviewDocument prev;
  PagePrinter printer;
  EXPECT_EQ(printer.Print(prev, PrinterSettings(), PrinterSheet()).result,
            PrintOutcome::Result::NothingRecorded);
}

}  // namespace
}  // namespace kazenori
