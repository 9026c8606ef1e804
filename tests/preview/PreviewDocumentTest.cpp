// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview document: page metrics from the printer, composing pages, events.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include "PrintTestSupport.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/PageCapture.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PreviewDocument : public QtTest {
 protected:
  void Link(const QString& queue) {
    settings_ = std::make_unique<TplSetPrinter>(nullptr, QStringLiteral("plSetPrinter1"));
    settings_->SetPrinterName(queue);
    prev_.SetplSetPrinter(settings_.get());
  }
  std::unique_ptr<TplSetPrinter> settings_;
  TplPrev prev_;
};

// The raw queues' A4: 9917 x 14033 dots at 1200 dpi, margins of 20, 10, 42 and
// 30 points (left, right, top, bottom), i.e. 333, 167, 700 and 500 dots.
TEST_F(PreviewDocument, MetricsComeFromTheLinkedPrinterInTenthsOfAMillimetre) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  Link(queue);
  prev_.BeginDoc();
  prev_.EndDoc();
  EXPECT_EQ(prev_.HorizontalResolution(), 1200);
  EXPECT_EQ(prev_.VerticalResolution(), 1200);
  EXPECT_EQ(prev_.PaperWidth(), 2099);       // 9917 * 254 / 1200 = 2099.1, truncated
  EXPECT_EQ(prev_.PaperHeight(), 2970);      // 2970.3
  EXPECT_EQ(prev_.PrintableLeft(), 71);      // 70.5 rounded up
  EXPECT_EQ(prev_.PrintableTop(), 149);      // 148.2 rounded up
  EXPECT_EQ(prev_.PrintableWidth(), 1993);   // 9417 dots
  EXPECT_EQ(prev_.PrintableHeight(), 2716);  // 12833 dots
  EXPECT_EQ(prev_.PrintableRight(), 71 + 1993);
  EXPECT_EQ(prev_.PrintableBottom(), 149 + 2716);
  EXPECT_EQ(prev_.ViewPageWidth(), 2099);
  EXPECT_EQ(prev_.ViewPageHeight(), 2970);

  // Turned printing measures from the right and bottom margins instead.
  prev_.SetInversePrint(true);
  prev_.BeginDoc();
  prev_.EndDoc();
  EXPECT_EQ(prev_.DeviceOffsetX(), 167);
  EXPECT_EQ(prev_.DeviceOffsetY(), 500);
  EXPECT_EQ(prev_.PrintableLeft(), 36);  // 35.3 rounded up
  EXPECT_EQ(prev_.PrintableTop(), 106);  // 105.8 rounded up
}

TEST_F(PreviewDocument, BeginDocTakesTheSettingsAndThePreviewNeverOffersThePrinterButton) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", queue);
  Link(queue);
  settings_->SetPaperSize(11);
  TplPrevBtnOptions all = TplPrevBtnOptions::All();
  prev_.SetBtnOptions(all);
  prev_.BeginDoc();
  EXPECT_FALSE(prev_.BtnOptions().Has(TplPrevBtnOption::boPrinterSetBtn));
  EXPECT_TRUE(prev_.BtnOptions().Has(TplPrevBtnOption::boPrintBtn));
  EXPECT_TRUE(
      prev_.SavedPrinterSettings().contains(QStringLiteral("PrinterName = '%1'").arg(queue)));
  prev_.EndDoc();
  EXPECT_NEAR(prev_.PaperWidth(), 1480, 6);  // A5, 148 mm wide
  // A change made after BeginDoc (in a print dialog, say) is undone by restoring.
  settings_->SetPaperSize(9);
  prev_.RestorePrinterSettings();
  EXPECT_EQ(settings_->GetPaperSize(), 11);
}

TEST_F(PreviewDocument, ASecondBeginDocDiscardsTheFirstDocument) {
  prev_.BeginDoc();
  prev_.TextOutLeft(100, 100, QStringLiteral("old"));
  prev_.NewPage();
  prev_.NewPage();
  prev_.EndDoc();
  ASSERT_EQ(prev_.PageCount(), 3);
  prev_.BeginDoc();
  EXPECT_EQ(prev_.PageCount(), 1);
  prev_.TextOutLeft(100, 100, QStringLiteral("new"));
  prev_.EndDoc();
  EXPECT_EQ(prev_.PageCount(), 1);
  EXPECT_EQ(prev_.Page(2), nullptr);
  ASSERT_EQ(prev_.TextOperations(1).size(), 1u);
  EXPECT_EQ(prev_.TextOperations(1)[0].text, QStringLiteral("new"));
  EXPECT_EQ(prev_.PrintRangeFirst(), 1);
  EXPECT_EQ(prev_.PrintRangeLast(), 1);
}

TEST_F(PreviewDocument, PageCountIsSettableOnlyBeforeTheFirstDocument) {
  prev_.SetPageCount(5);
  EXPECT_EQ(prev_.PageCount(), 5);
  prev_.SetPageCount(0);
  EXPECT_EQ(prev_.PageCount(), 5);
  prev_.BeginDoc();
  prev_.EndDoc();
  prev_.SetPageCount(7);
  EXPECT_EQ(prev_.PageCount(), 1);
}

TEST_F(PreviewDocument, NewPageCarriesFontAndPenToTheNextPage) {
  prev_.BeginDoc();
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(64);
  f.setItalic(true);
  prev_.Canvas()->setFont(f);
  prev_.Canvas()->setPen(QPen(Qt::blue, 7));
  prev_.NewPage();
  EXPECT_EQ(prev_.Canvas()->font().pixelSize(), 64);
  EXPECT_TRUE(prev_.Canvas()->font().italic());
  EXPECT_EQ(prev_.Canvas()->pen().color(), QColor(Qt::blue));
  EXPECT_EQ(prev_.Canvas()->pen().width(), 7);
  EXPECT_EQ(prev_.Canvas()->brush().style(), Qt::NoBrush);
  prev_.EndDoc();
  // A fresh document starts from 10.5 points again.
  prev_.BeginDoc();
  EXPECT_EQ(prev_.Canvas()->font().pixelSize(), 37);
  prev_.EndDoc();
}

TEST_F(PreviewDocument, ViewClipKeepsDrawingInsideThePrintableArea) {
  for (bool clip : {true, false}) {
    SCOPED_TRACE(clip);
    prev_.SetViewClip(clip);
    prev_.BeginDoc();
    prev_.Canvas()->fillRect(QRect(0, 0, prev_.PaperWidth(), prev_.PaperHeight()), Qt::black);
    prev_.EndDoc();
    const QRectF ink =
        InkOnPage(*prev_.Page(1), QRectF(0, 0, prev_.PaperWidth(), prev_.PaperHeight()), 0.25);
    if (clip) {
      EXPECT_NEAR(ink.left(), prev_.PrintableLeft(), 4);
      EXPECT_NEAR(ink.top(), prev_.PrintableTop(), 4);
      EXPECT_NEAR(ink.right(), prev_.PrintableRight(), 4);
      EXPECT_NEAR(ink.bottom(), prev_.PrintableBottom(), 4);
    } else {
      EXPECT_NEAR(ink.left(), 0, 4);
      EXPECT_NEAR(ink.top(), 0, 4);
    }
  }
}

TEST_F(PreviewDocument, ComposedPageHasPaperColourAndBothEventsWhileTheStoredPageHasNeither) {
  prev_.SetPaperColor(QColor(255, 255, 0));
  prev_.SetViewClip(false);
  prev_.BeginDoc();
  prev_.Canvas()->fillRect(QRect(100, 100, 100, 100), Qt::black);
  prev_.NewPage();
  prev_.EndDoc();
  prev_.SetCurrentPage(2);
  std::vector<std::pair<QObject*, int>> noPrint, before;
  prev_.OnNoPrintDraw = [&](QObject* sender, int page) {
    noPrint.emplace_back(sender, page);
    ASSERT_NE(prev_.Canvas(), nullptr);
    prev_.Canvas()->fillRect(QRect(1000, 100, 100, 100), Qt::red);
  };
  prev_.OnBeforeView = [&](QObject* sender, int page) {
    before.emplace_back(sender, page);
    ASSERT_NE(prev_.Canvas(), nullptr);
    prev_.Canvas()->fillRect(QRect(1500, 100, 100, 100), Qt::blue);
  };
  const PageRecording* composed = prev_.GetPageImage(1);
  ASSERT_NE(composed, nullptr);
  EXPECT_EQ(prev_.CurrentPage(), 2) << "composing does not turn the page";
  ASSERT_EQ(noPrint.size(), 1u);
  EXPECT_EQ(noPrint[0], std::make_pair(static_cast<QObject*>(&prev_), 2)) << "the current page";
  ASSERT_EQ(before.size(), 1u);
  EXPECT_EQ(before[0], std::make_pair(static_cast<QObject*>(&prev_), 1)) << "the composed page";
  const QImage image = RenderRegion(*composed, QRectF(0, 0, 2000, 300), 0.1);
  EXPECT_EQ(image.pixelColor(5, 25), QColor(255, 255, 0)) << "paper";
  EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::black)) << "the page";
  EXPECT_EQ(image.pixelColor(105, 15), QColor(Qt::red)) << "OnNoPrintDraw";
  EXPECT_EQ(image.pixelColor(155, 15), QColor(Qt::blue)) << "OnBeforeView";
  EXPECT_EQ(prev_.Canvas(), nullptr);
  // The stored recording is untouched by composing it.
  const QImage stored = RenderRegion(*prev_.Page(1), QRectF(0, 0, 2000, 300), 0.1);
  EXPECT_EQ(stored.pixelColor(5, 25), QColor(Qt::white));
  EXPECT_EQ(stored.pixelColor(105, 15), QColor(Qt::white));
}

TEST_F(PreviewDocument, GetPageImageClampsThePageAndNeedsADocument) {
  EXPECT_EQ(prev_.GetPageImage(1), nullptr);
  prev_.BeginDoc();
  prev_.TextOutLeft(100, 100, QStringLiteral("one"));
  prev_.NewPage();
  prev_.TextOutLeft(100, 100, QStringLiteral("two"));
  prev_.EndDoc();
  std::vector<int> pages;
  prev_.OnBeforeView = [&](QObject*, int page) { pages.push_back(page); };
  ASSERT_NE(FindText(CaptureText(*prev_.GetPageImage(0)), QStringLiteral("one")), nullptr);
  ASSERT_NE(FindText(CaptureText(*prev_.GetPageImage(-3)), QStringLiteral("one")), nullptr);
  ASSERT_NE(FindText(CaptureText(*prev_.GetPageImage(9)), QStringLiteral("two")), nullptr);
  EXPECT_EQ(pages, (std::vector<int>{1, 1, 2}));
}

TEST_F(PreviewDocument, ClosingTheWindowForgetsTheViewSizeAndTheNextPageTakesThePapers) {
  prev_.BeginDoc();
  prev_.TextOutLeft(100, 100, QStringLiteral("x"));
  prev_.EndDoc();
  prev_.SetViewPageSize(0, 0);
  const PageRecording* page = prev_.GetPageImage(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->Size(), QSizeF(prev_.PaperWidth(), prev_.PaperHeight()));
}

TEST_F(PreviewDocument, PrintBeforeAnyDocumentWarnsWithTheComponentsCaption) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  int events = 0;
  prev_.OnPrint = [&](QObject*, int) { ++events; };
  prev_.Print();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("Canvasへの描画コードが見つかりません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("印刷プレビュー制御コンポーネント"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(events, 0);
}

TEST_F(PreviewDocument, AcrobatPrintersAreRecognisedInAnyLetterCase) {
  QString acrobat, plain;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_ACROBAT_QUEUE", acrobat);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", plain);
  Link(plain);
  EXPECT_FALSE(prev_.IsAcrobatPrinter());
  Link(acrobat.toUpper());
  EXPECT_TRUE(prev_.IsAcrobatPrinter());
  // Preview of such a printer prints the document at once.
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  const QString title = JobTitle("acrobat");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  prev_.BeginDoc();
  prev_.TextOutLeft(300, 300, QStringLiteral("ACRO"));
  prev_.NewPage();
  prev_.EndDoc();
  std::vector<int> events;
  prev_.OnPrint = [&](QObject*, int page) { events.push_back(page); };
  prev_.Preview();
  EXPECT_EQ(events, (std::vector<int>{1, 2}));
  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(PreviewDocument, UnlinkingOrDestroyingTheSettingsFallsBackToTheInternalOnes) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  Link(queue);
  EXPECT_EQ(prev_.plSetPrinter(), settings_.get());
  prev_.BeginDoc();
  prev_.EndDoc();
  EXPECT_FALSE(prev_.SavedPrinterSettings().isEmpty());
  settings_.reset();
  EXPECT_EQ(prev_.plSetPrinter(), prev_.InternalPrinterSettings());
  EXPECT_TRUE(prev_.SavedPrinterSettings().isEmpty());
  EXPECT_EQ(prev_.InternalPrinterSettings()->objectName(), QStringLiteral("Default"));
  prev_.SetplSetPrinter(nullptr);
  EXPECT_EQ(prev_.plSetPrinter(), prev_.InternalPrinterSettings());
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PreviewCursor : public QtTest {};

TEST_F(PreviewCursor, BeginDocTwiceKeepsOneCursorAndOnlyTheSecondDocument) {
  TplPrev prev;
  prev.SetCursor(Qt::BusyCursor);
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  prev.BeginDoc();
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
  prev.TextOutLeft(100, 100, QStringLiteral("old"));
  prev.NewPage();
  prev.NewPage();
  prev.TextOutLeft(100, 300, QStringLiteral("old3"));
  // A second document does not stack another cursor, and leaves nothing of the first.
  prev.BeginDoc();
  prev.TextOutLeft(100, 200, QStringLiteral("new"));
  prev.EndDoc();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(prev.PageCount(), 1);
  ASSERT_NE(prev.Page(1), nullptr);
  EXPECT_EQ(prev.Page(2), nullptr);
  const auto texts = CaptureText(*prev.Page(1));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, QStringLiteral("new"));
  ASSERT_EQ(prev.TextOperations(1).size(), 1u);
  EXPECT_EQ(prev.TextOperations(1)[0].text, QStringLiteral("new"));
  EXPECT_EQ(prev.PrintRangeFirst(), 1);
  EXPECT_EQ(prev.PrintRangeLast(), 1);
}

}  // namespace
}  // namespace kazenori
