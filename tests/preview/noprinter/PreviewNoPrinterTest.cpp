// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printing layer on a machine without any printer (an empty CUPS).
#include <gtest/gtest.h>

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include "preview/Messages.h"
#include "preview/PrintTestSupport.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

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

TEST_F(PrintNoPrinter, SettingsAnswerZeroAndEmptyAndChangeNothing) {
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  EXPECT_EQ(p.PrinterCount(), 0);
  p.SetPrinterName(QStringLiteral("anything"));
  EXPECT_EQ(p.PrinterName(), QString());
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(p.GetPrinterCaps(i), 0) << i;
  EXPECT_FALSE(p.SetPaperSize(9));
  EXPECT_EQ(p.GetPaperSize(), 0);
  EXPECT_EQ(p.GetPaperName(), QString());
  EXPECT_EQ(p.GetBinName(), QString());
  p.SetOrientation(true);
  EXPECT_FALSE(p.IsLandscape());
  bool ran = false;
  p.SetSetupDialogRunner([&](QPrinter&) { return ran = true; });
  EXPECT_FALSE(p.ExecuteSetupDialog());
  EXPECT_FALSE(ran);
  EXPECT_EQ(p.DevDataSize(), 0);
}

TEST_F(PrintNoPrinter, TheDocumentUsesTheDesignPaperAndPrintingOnlySaysSo) {
  TplPrev prev;
  EXPECT_TRUE(prev.NoPrinter());
  TplSetPrinter other(nullptr, QStringLiteral("plSetPrinter1"));
  prev.SetplSetPrinter(&other);
  EXPECT_EQ(prev.plSetPrinter(), prev.InternalPrinterSettings()) << "nothing else is linked";
  prev.BeginDoc();
  prev.TextOutLeft(100, 100, QStringLiteral("問題"));
  prev.NewPage();
  prev.EndDoc();
  EXPECT_EQ(prev.PaperWidth(), 2100);
  EXPECT_EQ(prev.PaperHeight(), 2970);
  EXPECT_EQ(prev.PrintableLeft(), 35);
  EXPECT_EQ(prev.PrintableTop(), 31);
  EXPECT_EQ(prev.PrintableRight(), 2067);
  EXPECT_EQ(prev.PrintableBottom(), 2921);
  EXPECT_EQ(prev.PaperName(), QStringLiteral("A4"));
  ASSERT_NE(prev.GetPageImage(1), nullptr);
  EXPECT_EQ(prev.GetPageImage(1)->Size(), QSizeF(2100, 2970));

  RecordingMessages messages;
  ScopedMessages scope(messages);
  int events = 0;
  prev.OnPrint = [&](QObject*, int) { ++events; };
  prev.Print();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタがインストールされていないので印刷できません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral(" 印刷"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(prev.Printing());
}

TEST_F(PrintNoPrinter, DesignPaperValueIsReadItemByItemUpToAFaultyOne) {
  TplPrev prev;
  prev.SetDesignPaperValue(
      QStringLiteral("('Design printer' 'B5' 'ﾄﾗｸﾀｰ' 1820 2570 300 300 0 40 1780 50 2520 13)"));
  EXPECT_EQ(prev.DesignPaper().printerName, QStringLiteral("Design printer"));
  EXPECT_EQ(prev.DesignPaperName(), QStringLiteral("B5"));
  prev.BeginDoc();
  prev.EndDoc();
  EXPECT_EQ(prev.PaperWidth(), 1820);
  EXPECT_EQ(prev.PaperHeight(), 2570);
  EXPECT_EQ(prev.PrintableLeft(), 40);
  EXPECT_EQ(prev.PrintableBottom(), 2520);
  EXPECT_EQ(prev.DesignPaper().paperCode, 13);

  TplPrev broken;
  broken.SetDesignPaperValue(QStringLiteral("('P' 'Letter' '' 2159 oops 600 600 0 1 2 3 4 1)"));
  EXPECT_EQ(broken.DesignPaperName(), QStringLiteral("Letter"));
  EXPECT_EQ(broken.DesignPaper().paperWidth, 2159);
  EXPECT_EQ(broken.DesignPaper().paperHeight, 2970) << "kept from the faulty item on";
  EXPECT_EQ(broken.DesignPaper().printableLeft, 35);
  // What is written reads back the same.
  TplPrev copy;
  copy.SetDesignPaperValue(prev.DesignPaperValueText());
  EXPECT_EQ(copy.DesignPaperValueText(), prev.DesignPaperValueText());
  EXPECT_EQ(copy.DesignPaper().sourceName, QStringLiteral("ﾄﾗｸﾀｰ"));
}

TEST_F(PrintNoPrinter, ATractorSourceShowsSprocketHolesOnScreenOnly) {
  TplPrev prev;
  prev.SetDesignPaperValue(
      QStringLiteral("('' 'A4' 'ﾄﾗｸﾀｰ' 2100 2970 600 600 0 35 2067 31 2921 9)"));
  prev.BeginDoc();
  prev.EndDoc();
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
  EXPECT_EQ(holes(*prev.GetPageImage(1)), 50);
  EXPECT_EQ(holes(*prev.Page(1)), 0);

  prev.SetDesignPaperValue(
      QStringLiteral("('' 'A4' 'Upper' 2100 2970 600 600 0 35 2067 31 2921 9)"));
  EXPECT_EQ(holes(*prev.GetPageImage(1)), 0);
}

TEST_F(PrintNoPrinter, PdfOutputNeedsNoPrinter) {
  QTemporaryDir dir;
  TplPrev prev;
  prev.BeginDoc();
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(60);
  prev.Canvas()->setFont(f);
  prev.TextOutLeft(300, 300, QStringLiteral("計算ドリル"));
  prev.EndDoc();
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  QString error;
  ASSERT_TRUE(prev.WritePdf(path, &error)) << error.toStdString();
  EXPECT_EQ(PdfPageCount(path), 1);
  EXPECT_TRUE(PdfText(path, 1).contains(QStringLiteral("計算ドリル")));
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrintNoPrinterOrder : public QtTest {};

// A missing document is reported before a missing printer.
TEST_F(PrintNoPrinterOrder, PrintBeforeAnyDocumentReportsTheMissingDrawingFirst) {
  if (!qgetenv("CUPS_SERVER").endsWith("/no-cups-here.sock")) {
    GTEST_SKIP() << "runs under ctest only, with CUPS_SERVER pointing at an empty socket";
  }
  TplPrev prev;
  ASSERT_TRUE(prev.NoPrinter());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  prev.Print();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("Canvasへの描画コードが見つかりません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("印刷プレビュー制御コンポーネント"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

}  // namespace
}  // namespace kazenori
