// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview window's design before any document is bound, its titles and
// messages, and the print button's ranges and settings through a CUPS queue.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <vector>

#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "print/printtestsupport.h"
#include "print/printerselection.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

void RecordPages(PreviewDocument& doc, int pages) {
  doc.BeginDoc();
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) doc.NewPage();
    doc.TextOutLeft(200, 200, QStringLiteral("頁%1").arg(page));
  }
  doc.EndDoc();
}

class PreviewWindowDesignTest : public testing::QtTest {
 protected:
  TplPrevForm& Open() {
    window_ = std::make_unique<TplPrevForm>();
    window_->Bind(&doc, &printers);
    window_->show();
    return *window_;
  }

  PreviewDocument doc;
  PrinterSelection printers;
  std::unique_ptr<TplPrevForm> window_;
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
  TplPrevForm& window = Open();
  EXPECT_EQ(doc.Title(), QStringLiteral("印刷プレビュー"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("印刷プレビュー"));
}

// The print button through a real queue: which pages each dialog range
// prints, and that the printer chosen in the dialog is not kept.
class PreviewWindowPrintTest : public PreviewWindowDesignTest {
 protected:
  std::vector<int> PrintWith(TplPrevForm& window, const QString& queue, PrintChoice choice) {
    std::vector<int> printed;
    const QMetaObject::Connection c = QObject::connect(&window, &TplPrevForm::pagePrinted,
                                                       [&](int page) { printed.push_back(page); });
    window.SetPrintDialogRunner([&](QPrinter& printer, int, int, int, int) {
      offered.push_back(printer.printerName());
      printer.setPrinterName(queue);
      return choice;
    });
    window.PrintBtn->click();
    QObject::disconnect(c);
    return printed;
  }

  std::vector<QString> offered;
};

TEST_F(PreviewWindowPrintTest, DialogRangesBecomePagesAndTheDialogPrinterIsForgotten) {
  QString saved;
  QString chosen;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", saved);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", chosen);
  printers.SelectPrinter(saved);
  ASSERT_EQ(printers.PrinterName(), saved);
  testing::RemoveOutputs(QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR")),
                         testing::JobTitle("window-range"));
  doc.SetTitle(testing::JobTitle("window-range"));
  RecordPages(doc, 3);
  TplPrevForm* window = &Open();

  using Range = PrintChoice::Range;
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::Selection, 0, 0}),
            (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::Pages, 3, 2}), (std::vector<int>{2, 3}));
  EXPECT_EQ(PrintWith(*window, chosen, {true, Range::All, 0, 0}), (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(offered.size(), 3u);
  for (const QString& name : offered) EXPECT_EQ(name, saved);
  EXPECT_EQ(printers.PrinterName(), saved);
  EXPECT_EQ(window->CurrentPage(), 1);
  EXPECT_TRUE(window->PrintBtn->isEnabled());
}

}  // namespace
}  // namespace kazenori
