// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview document's published defaults, its stored paper values, and what
// a printed page carries from the events.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <stdexcept>

#include "PrintTestSupport.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PreviewConformance : public QtTest {};

TEST_F(PreviewConformance, ANewComponentHasThePublishedDefaults) {
  TplPrev prev;
  EXPECT_EQ(prev.Title(), QStringLiteral("印刷プレビュー[Tomvik]"));
  EXPECT_EQ(prev.Cursor(), Qt::WaitCursor);
  for (int margin : {prev.LeftMargin(), prev.TopMargin(), prev.RightMargin(), prev.BottomMargin(),
                     prev.HeaderMargin(), prev.FooterMargin()}) {
    EXPECT_EQ(margin, 0);
  }
  EXPECT_EQ(prev.PageCount(), 1);
  EXPECT_EQ(prev.CurrentPage(), 1);
  EXPECT_EQ(prev.PrintRangeFirst(), 0);
  EXPECT_EQ(prev.PrintRangeLast(), 0);
  EXPECT_EQ(prev.ViewPageWidth(), 0);
  EXPECT_EQ(prev.ViewPageHeight(), 0);
  EXPECT_FALSE(prev.DocumentRecorded());
  // Every button but the printer/paper one: bits 0 and 2 to 10.
  EXPECT_EQ(prev.BtnOptions().Bits(), 0x07FD);
  EXPECT_EQ(prev.FormLeft(), 20);
  EXPECT_EQ(prev.FormTop(), 20);
  const QSize screen = QGuiApplication::primaryScreen()->size();
  EXPECT_EQ(prev.FormWidth(), screen.width() * 2 / 3);
  EXPECT_EQ(prev.FormHeight(), screen.height() * 2 / 3);
  EXPECT_TRUE(prev.FormName().isEmpty());
  EXPECT_TRUE(prev.FormIcon().isNull());
  EXPECT_TRUE(prev.FormIconBar());
  EXPECT_TRUE(prev.FormStatusBar());
  EXPECT_TRUE(prev.FormCanMove());
  EXPECT_TRUE(prev.FormCanResize());
  EXPECT_EQ(prev.FormBorderIcons(), 0x07) << "system menu, minimise, maximise";
  EXPECT_EQ(prev.FormBorderStyle(), TplBorderStyle::bsSizeable);
  EXPECT_EQ(prev.FormPosition(), TplFormPosition::poDefault);
  EXPECT_EQ(prev.FormWindowState(), TplPrevFormWindowState::fwNormal);
  EXPECT_TRUE(prev.StatusBarText().isEmpty());
  EXPECT_EQ(prev.PaperColor(), QColor(Qt::white));
  EXPECT_EQ(prev.FormColor(), QGuiApplication::palette().color(QPalette::Button));
  EXPECT_TRUE(prev.ViewClip());
  EXPECT_EQ(prev.PrintOffsetX(), 0);
  EXPECT_EQ(prev.PrintOffsetY(), 0);
  EXPECT_EQ(prev.ZoomType(), TplPrevZoomType::ztWholePage);
  EXPECT_FALSE(prev.InversePrint());
  EXPECT_TRUE(prev.ImageDrag());
  EXPECT_TRUE(prev.ImageShade());
  EXPECT_FALSE(prev.Printing());
  EXPECT_FALSE(prev.OnPrint);
  EXPECT_EQ(prev.plSetPrinter(), prev.InternalPrinterSettings());
  EXPECT_EQ(prev.InternalPrinterSettings()->objectName(), QStringLiteral("Default"));
}

// Every item distinct, so that two items read in each other's place show.
TEST_F(PreviewConformance, StoredPaperValuesAreReadInTheirListOrderIntoThePage) {
  const QString text =
      QStringLiteral("('Design P' 'B5' 'Tray 2' 1820 2570 300 360 1 40 1780 50 2520 13)");
  TplPrev prev;
  prev.SetDesignPaperValue(text);
  const DesignPaperValue& v = prev.DesignPaper();
  EXPECT_EQ(v.printerName, QStringLiteral("Design P"));
  EXPECT_EQ(v.paperName, QStringLiteral("B5"));
  EXPECT_EQ(v.sourceName, QStringLiteral("Tray 2"));
  EXPECT_EQ(v.landscape, 1);
  EXPECT_EQ(v.paperCode, 13);
  EXPECT_EQ(WriteDesignPaperValue(v), text);
  // Until page metrics are computed the page is the stored one, printer or not.
  EXPECT_EQ(prev.PaperWidth(), 1820);
  EXPECT_EQ(prev.PaperHeight(), 2570);
  EXPECT_EQ(prev.VerticalResolution(), 300);
  EXPECT_EQ(prev.HorizontalResolution(), 360);
  EXPECT_EQ(prev.PrintableLeft(), 40);
  EXPECT_EQ(prev.PrintableRight(), 1780);
  EXPECT_EQ(prev.PrintableTop(), 50);
  EXPECT_EQ(prev.PrintableBottom(), 2520);
  EXPECT_EQ(prev.PrintableWidth(), 1740);
  EXPECT_EQ(prev.PrintableHeight(), 2470);
  EXPECT_EQ(prev.PaperSourceName(), QStringLiteral("Tray 2"));
}

TEST_F(PreviewConformance, AStoredDesignValueListIsKeptUpToItsFaultyItem) {
  TplSetPrinter p(nullptr, QStringLiteral("plSetPrinter1"));
  ASSERT_TRUE(
      p.ReadFromText(QStringLiteral("object plSetPrinter1: TplSetPrinter\n"
                                    "  DesignValue = ('Design P' 1 'A5' oops 256 1537)\n"
                                    "end\n")));
  EXPECT_EQ(p.DesignValue().printerName, QStringLiteral("Design P"));
  EXPECT_EQ(p.DesignValue().landscape, 1);
  EXPECT_EQ(p.DesignValue().paperName, QStringLiteral("A5"));
  EXPECT_EQ(p.DesignValue().paperCode, 0);
  EXPECT_EQ(p.DesignValue().sourceCode, 0) << "nothing after the faulty item";
  EXPECT_EQ(p.DesignValue().driverVersion, 0);
}

// A failing OnBeforeView reaches the caller, but the composing canvas is
// closed all the same and the next page composes normally.
TEST_F(PreviewConformance, AFailingOnBeforeViewStillClosesTheComposedPage) {
  TplPrev prev;
  prev.BeginDoc();
  prev.TextOutLeft(100, 100, QStringLiteral("one"));
  prev.EndDoc();
  prev.OnBeforeView = [&](QObject*, int) {
    prev.Canvas()->fillRect(QRect(0, 0, 10, 10), Qt::black);
    throw std::runtime_error("handler failed");
  };
  EXPECT_THROW(prev.GetPageImage(1), std::runtime_error);
  EXPECT_EQ(prev.Canvas(), nullptr);
  int views = 0;
  prev.OnBeforeView = [&](QObject*, int) {
    ASSERT_NE(prev.Canvas(), nullptr);
    ++views;
  };
  const PageRecording* page = prev.GetPageImage(1);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(views, 1);
  EXPECT_EQ(prev.Canvas(), nullptr);
  EXPECT_FALSE(page->IsEmpty());
}

TEST_F(PreviewConformance, LinkingSettingsForgetsTheViewPageSize) {
  TplPrev prev;
  prev.BeginDoc();
  prev.EndDoc();
  ASSERT_EQ(prev.ViewPageWidth(), prev.PaperWidth());
  ASSERT_GT(prev.ViewPageWidth(), 0);
  prev.SetplSetPrinter(nullptr);
  EXPECT_EQ(prev.ViewPageWidth(), 0);
  EXPECT_EQ(prev.ViewPageHeight(), 0);
}

// Print prepares a window that is not showing before anything else, even
// when it then only reports the missing document.
class PreparingPrev : public TplPrev {
 public:
  void PrepareForm() override { prepared.push_back(DocumentRecorded()); }
  std::vector<bool> prepared;
};

TEST_F(PreviewConformance, PrintPreparesTheFormBeforeItChecksForADocument) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreparingPrev prev;
  prev.Print();
  EXPECT_EQ(prev.prepared, std::vector<bool>{false});
  EXPECT_EQ(messages.shown.size(), 1u);
}

class PrintConformance : public PrintToQueue {};

// The paper colour and OnNoPrintDraw are for the screen; what OnBeforeView
// draws belongs to the page and is printed with it.
TEST_F(PrintConformance, PrintedPagesGetOnBeforeViewButNoDisplayBackground) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString title = JobTitle("no-background");
  RemoveOutputs(dir, title);
  prev_.SetTitle(title);
  prev_.SetPaperColor(Qt::black);
  prev_.BeginDoc();
  prev_.Canvas()->fillRect(QRect(200, 200, 300, 100), Qt::black);
  prev_.EndDoc();
  int backgrounds = 0;
  std::vector<int> views;
  prev_.OnNoPrintDraw = [&](QObject*, int) { ++backgrounds; };
  prev_.OnBeforeView = [&](QObject* sender, int page) {
    EXPECT_EQ(sender, &prev_);
    EXPECT_TRUE(prev_.Printing());
    views.push_back(page);
    prev_.Canvas()->fillRect(QRect(1000, 1000, 300, 100), Qt::black);
  };
  prev_.Print();
  EXPECT_EQ(backgrounds, 0);
  EXPECT_EQ(views, std::vector<int>{1});
  const QString pdf = WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  const GreyPage g = RenderPage(pdf, 1);
  ASSERT_GT(g.width, 0);
  const QRect added = g.Ink(QRect(80, 80, 80, 50));
  EXPECT_NEAR(added.left(), 100, 1);
  EXPECT_NEAR(added.top(), 100, 1);
  EXPECT_NEAR(added.right(), 129, 1);
  EXPECT_NEAR(added.bottom(), 109, 1);
  EXPECT_TRUE(g.Ink(QRect(0, 150, g.width, g.height - 150)).isEmpty()) << "no black paper";
}

QString PdfTitle(const QString& pdf) {
  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QByteArray& line : info.split('\n')) {
    if (line.startsWith("Title:")) return QString::fromUtf8(line.mid(6).trimmed());
  }
  return QString();
}

TEST_F(PrintConformance, AnEmptyTitleNamesTheJobAfterTheApplication) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  Use(queue);
  const QString savedName = QCoreApplication::applicationName();
  const QString app = JobTitle("app-title");
  QCoreApplication::setApplicationName(app);
  RemoveOutputs(dir, app);
  prev_.SetTitle(QString());
  prev_.BeginDoc();
  prev_.TextOutLeft(200, 200, QStringLiteral("T"));
  prev_.EndDoc();
  prev_.Print();
  QCoreApplication::setApplicationName(savedName);
  const QString pdf = WaitForOutput(dir, app);
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_EQ(PdfTitle(pdf), app + QStringLiteral("印刷"));
}

}  // namespace
}  // namespace kazenori
