// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview window's design before any document is bound, its titles and
// messages, and the print button's ranges and settings through a CUPS queue.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "preview/PrintTestSupport.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

void RecordPages(TplPrev& doc, int pages) {
  doc.BeginDoc();
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) doc.NewPage();
    doc.TextOutLeft(200, 200, QStringLiteral("頁%1").arg(page));
  }
  doc.EndDoc();
}

class PreviewWindowDesignTest : public testing::QtTest {
 protected:
  void TearDown() override {
    doc.ClosePreview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  TplPrev doc{nullptr, QStringLiteral("plPrev1")};
};

TEST_F(PreviewWindowDesignTest, ToolBarRunsLeftToRightWithItsSpacers) {
  TplPrevForm window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("plPrevForm"));
  EXPECT_EQ(window.size(), QSize(654, 398));
  EXPECT_EQ(window.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(window.font().pixelSize(), 12);

  // nullptr stands for a 15-pixel spacer.
  const std::vector<QWidget*> expected{
      window.PrintBtn,     window.PdfBtn,       window.PrinterSetBtn, nullptr, window.FirstPageBtn,
      window.PriorPageBtn, window.NextPageBtn,  window.LastPageBtn,   nullptr, window.ZoomDownBtn,
      window.ZoomUpBtn,    window.PageWholeBtn, window.PageWidthBtn,  nullptr, window.CloseBtn};
  const QList<QAction*> actions = window.IconBar->actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QWidget* widget = window.IconBar->widgetForAction(actions[static_cast<qsizetype>(i)]);
    if (expected[i]) {
      EXPECT_EQ(widget, expected[i]) << "place " << i;
    } else {
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(qobject_cast<QToolButton*>(widget), nullptr) << "place " << i;
      EXPECT_EQ(widget->width(), 15) << "place " << i;
    }
  }
}

TEST_F(PreviewWindowDesignTest, AnUntitledDocumentShowsThePreviewTitle) {
  doc.SetTitle(QString());
  RecordPages(doc, 1);
  doc.ShowPreview();
  ASSERT_NE(doc.PreviewWindow(), nullptr);
  EXPECT_EQ(doc.Title(), QStringLiteral("印刷プレビュー"));
  EXPECT_EQ(doc.PreviewWindow()->windowTitle(), QStringLiteral("印刷プレビュー"));
}

TEST_F(PreviewWindowDesignTest, ASecondModalPreviewIsRefusedWithTheWarning) {
  RecordPages(doc, 1);
  RecordingMessages messages;
  QTimer::singleShot(0, [&] {
    ScopedMessages scope(messages);
    doc.SetBusy(false);
    doc.Preview();
    doc.SetBusy(true);
    if (TplPrevForm* window = doc.PreviewWindow()) window->CloseBtn->click();
  });
  doc.Preview();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("表示中のフォームをモーダル表示で開くことはできません(矛盾)．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("印刷プレビュー制御コンポーネント"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

// The print button through a real queue: which pages each dialog range
// prints, and that the printer chosen in the dialog is not kept.
class PreviewWindowPrintTest : public PreviewWindowDesignTest {
 protected:
  std::vector<int> PrintWith(TplPrevForm& window, const QString& queue, PrintChoice choice) {
    std::vector<int> printed;
    doc.OnPrint = [&](QObject*, int page) { printed.push_back(page); };
    window.SetPrintDialogRunner([&](QPrinter& printer, int, int, int, int) {
      offered.push_back(printer.printerName());
      printer.setPrinterName(queue);
      printer.setDocName(testing::JobTitle("window-range"));
      return choice;
    });
    window.PrintBtn->click();
    doc.OnPrint = nullptr;
    return printed;
  }

  std::vector<QString> offered;
};

TEST_F(PreviewWindowPrintTest, DialogRangesBecomePagesAndTheDialogPrinterIsForgotten) {
  QString saved;
  QString chosen;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", saved);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", chosen);
  TplSetPrinter settings;
  settings.SetPrinterName(saved);
  ASSERT_EQ(settings.PrinterName(), saved);
  doc.SetplSetPrinter(&settings);
  testing::RemoveOutputs(QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR")),
                         testing::JobTitle("window-range"));
  RecordPages(doc, 3);
  doc.ShowPreview();
  TplPrevForm* window = doc.PreviewWindow();
  ASSERT_NE(window, nullptr);

  using Range = PrintChoice::Range;
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::Selection, 0, 0}),
            (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::Pages, 3, 2}), (std::vector<int>{2, 3}));
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::All, 0, 0}), (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(offered.size(), 3u);
  for (const QString& name : offered) EXPECT_EQ(name, saved);
  EXPECT_EQ(settings.PrinterName(), saved);
  EXPECT_EQ(doc.CurrentPage(), 1);
  EXPECT_TRUE(window->PrintBtn->isEnabled());
  doc.ClosePreview();
  doc.SetplSetPrinter(nullptr);
}

}  // namespace
}  // namespace kazenori
