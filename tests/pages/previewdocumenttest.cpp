// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview document: its paper, recording and composing pages.
#include <gtest/gtest.h>

#include <QPainter>

#include "pages/previewdocument.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PreviewDocumentTest : public QtTest {
 protected:
  PreviewDocument prev_;
};

// The raw queues' A4: 9917 x 14033 dots at 1200 dpi, margins of 20, 10, 42 and
// 30 points (left, right, top, bottom), i.e. 333, 167, 700 and 500 dots.
TEST_F(PreviewDocumentTest, ThePrintersPaperIsInTenthsOfAMillimetre) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PrinterSelection printers;
  printers.SelectPrinter(queue);
  const Paper paper = printers.PagePaper();
  EXPECT_EQ(paper.horizontalResolution, 1200);
  EXPECT_EQ(paper.verticalResolution, 1200);
  EXPECT_EQ(paper.width, 2099);              // 9917 * 254 / 1200 = 2099.1, truncated
  EXPECT_EQ(paper.height, 2970);             // 2970.3
  EXPECT_EQ(paper.printableLeft, 71);        // 70.5 rounded up
  EXPECT_EQ(paper.printableTop, 149);        // 148.2 rounded up
  EXPECT_EQ(paper.PrintableWidth(), 1993);   // 9417 dots
  EXPECT_EQ(paper.PrintableHeight(), 2716);  // 12833 dots
  EXPECT_EQ(paper.name, printers.PaperName());
  prev_.SetPaper(paper);
  prev_.BeginDocument();
  prev_.EndDocument();
  EXPECT_EQ(prev_.Page(1)->Size(), QSizeF(2099, 2970));
}

TEST_F(PreviewDocumentTest, ASecondDocumentDiscardsTheFirst) {
  prev_.BeginDocument();
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QStringLiteral("old"));
  prev_.NewPage();
  prev_.NewPage();
  prev_.EndDocument();
  ASSERT_EQ(prev_.PageCount(), 3);
  prev_.BeginDocument();
  EXPECT_EQ(prev_.PageCount(), 1);
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QStringLiteral("new"));
  prev_.EndDocument();
  EXPECT_EQ(prev_.PageCount(), 1);
  EXPECT_EQ(prev_.Page(2), nullptr);
  const auto texts = CaptureText(*prev_.Page(1));
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, QStringLiteral("new"));
}

TEST_F(PreviewDocumentTest, NewPageCarriesFontAndPenToTheNextPage) {
  prev_.BeginDocument();
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
  prev_.EndDocument();
  // A fresh document starts from 10.5 points again.
  prev_.BeginDocument();
  EXPECT_EQ(prev_.Canvas()->font().pixelSize(), 37);
  prev_.EndDocument();
}

TEST_F(PreviewDocumentTest, DrawingStaysInsideThePrintableArea) {
  const Paper& paper = prev_.PagePaper();
  prev_.BeginDocument();
  prev_.Canvas()->fillRect(QRect(0, 0, paper.width, paper.height), Qt::black);
  prev_.EndDocument();
  const QRectF ink = InkOnPage(*prev_.Page(1), QRectF(0, 0, paper.width, paper.height), 0.25);
  EXPECT_NEAR(ink.left(), paper.printableLeft, 4);
  EXPECT_NEAR(ink.top(), paper.printableTop, 4);
  EXPECT_NEAR(ink.right(), paper.printableRight, 4);
  EXPECT_NEAR(ink.bottom(), paper.printableBottom, 4);
}

TEST_F(PreviewDocumentTest, OnlyTheScreenGetsThePaperAndTheStoredPageNeither) {
  Paper paper = DesignPaper();
  paper.source = QStringLiteral("トラクタ");
  prev_.SetPaper(paper);
  prev_.BeginDocument();
  prev_.Canvas()->fillRect(QRect(100, 100, 100, 100), Qt::black);
  prev_.EndDocument();
  // The first sprocket hole, left of the printable area: anything but white.
  const auto marked = [](const PageRecording& page) {
    const QImage image = RenderRegion(page, QRectF(30, 30, 60, 60), 1);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != Qt::white) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(marked(prev_.ComposedPage(1, PageUse::Screen)));
  EXPECT_FALSE(marked(prev_.ComposedPage(1, PageUse::Output)));
  EXPECT_FALSE(marked(*prev_.Page(1)));
  for (PageUse use : {PageUse::Screen, PageUse::Output}) {
    const QImage image = RenderRegion(prev_.ComposedPage(1, use), QRectF(0, 0, 300, 300), 0.1);
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::black)) << "the page";
  }
}

TEST_F(PreviewDocumentTest, ComposedPagesAreClampedAndNeedADocument) {
  EXPECT_TRUE(prev_.ComposedPage(1, PageUse::Screen).Items().empty());
  prev_.BeginDocument();
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QStringLiteral("one"));
  prev_.NewPage();
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QStringLiteral("two"));
  prev_.EndDocument();
  const auto page = [this](int n) { return CaptureText(prev_.ComposedPage(n, PageUse::Output)); };
  EXPECT_NE(FindText(page(0), QStringLiteral("one")), nullptr);
  EXPECT_NE(FindText(page(-3), QStringLiteral("one")), nullptr);
  EXPECT_NE(FindText(page(9), QStringLiteral("two")), nullptr);
}

// A printer set up after recording: the recorded pages go onto its paper.
TEST_F(PreviewDocumentTest, PagesRecordedBeforeAreStretchedOntoANewPaper) {
  prev_.BeginDocument();
  prev_.Canvas()->fillRect(QRect(1000, 1000, 100, 100), Qt::black);
  prev_.EndDocument();
  Paper a5 = DesignPaper();
  a5.width = 1050;
  a5.height = 1485;
  a5.printableRight = 1000;
  a5.printableBottom = 1400;
  prev_.SetPaper(a5);
  const PageRecording page = prev_.ComposedPage(1, PageUse::Output);
  EXPECT_EQ(page.Size(), QSizeF(1050, 1485));
  const QRectF ink = InkOnPage(page, QRectF(0, 0, 1050, 1485), 0.5);
  EXPECT_NEAR(ink.left(), 500, 3);
  EXPECT_NEAR(ink.top(), 500, 3);
}

TEST(PageRange, ChosenRangesBecomeAscendingPagesOfTheDocument) {
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
    const PageRange r = NormalisedPageRange(c.first, c.last, c.count);
    EXPECT_EQ(r.first, c.wantFirst);
    EXPECT_EQ(r.last, c.wantLast);
  }
}

}  // namespace
}  // namespace kazenori
