// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include <cups/cups.h>

#include "MainWindowTestSupport.h"
#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "print/printtestsupport.h"
#include "print/printerselection.h"
#include "support/SilentPrintServer.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/radiogroup.h"

namespace kazenori {
namespace {

// The preview command end to end: a worksheet of pattern 7 with print number
// 7, shown in the modal preview window, printed from there into a CUPS queue.
class MainWindowPrintTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  // Presses "プレビュー" and runs `inWindow` inside the modal preview window,
  // which is closed afterwards whatever happened.
  void PreviewAnd(const std::function<void(TplPrevForm&)>& inWindow) {
    bool ran = false;
    bool returned = false;
    // Composing and showing let pending events through before the window is
    // ready: the step waits until the page is shown (its buttons enabled).
    std::function<void()> step = [&] {
      if (returned) return;
      TplPrevForm* window = mainWindow.previewWindow();
      if (!window || !window->isVisible() || !window->PrintBtn->isEnabled()) {
        QTimer::singleShot(0, &mainWindow, step);
        return;
      }
      ran = true;
      inWindow(*window);
      window->CloseBtn->click();
    };
    QTimer::singleShot(0, &mainWindow, step);
    mainWindow.previewButton()->click();
    returned = true;
    EXPECT_TRUE(ran) << "the preview window did not open";
  }

  // Prints through the window's print button, choosing `queue` and `choice`
  // in the print dialog.
  static void Print(TplPrevForm& window, const QString& queue, PrintChoice choice) {
    window.SetPrintDialogRunner([queue, choice](QPrinter& printer, int, int, int, int) {
      printer.setPrinterName(queue);
      return choice;
    });
    window.PrintBtn->click();
  }

  void SetUp() override {
    mainWindow.show();
    mainWindow.patternBox(7)->setChecked(true);
    mainWindow.printNumberEdit()->setText(QStringLiteral("7"));
  }

  ColourWordDialog colourWordDialog;
  MainWindow mainWindow{colourWordDialog};
};

// This thread's CUPS client uses a print server that never answers, from before
// the window asks it anything.
struct SilentPrintServerInUse {
  SilentPrintServerInUse() { cupsSetServer(server.Address().c_str()); }
  ~SilentPrintServerInUse() { cupsSetServer(nullptr); }
  testing::SilentPrintServer server;
};

class MainWindowSilentServerTest : public SilentPrintServerInUse, public MainWindowPrintTest {};

TEST_F(MainWindowSilentServerTest, PrintingSaysThePrintServerDidNotAnswerAndLeavesTheNumber) {
  ASSERT_TRUE(server.Listening());
  EXPECT_EQ(mainWindow.printerSettings()->PrinterCount(), 0);
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([](TplPrevForm& window) { window.PrintBtn->click(); });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("印刷サーバー %1 が応答しないので印刷できません．　　")
                .arg(QString::fromStdString(server.Address())));
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, PreviewAloneLeavesTheNumber) {
  int pages = 0;
  PreviewAnd([&](TplPrevForm& window) {
    pages = mainWindow.preview()->PageCount();
    EXPECT_FALSE(mainWindow.preview()->PagePaper().name.isEmpty());
    EXPECT_EQ(window.StatusPanel1->text(),
              QStringLiteral(" Page  1/2  ") + mainWindow.preview()->PagePaper().name);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("印刷プレビュー"));
  });
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
  EXPECT_EQ(mainWindow.previewWindow(), nullptr);
}

TEST_F(MainWindowPrintTest, PrintingBothPagesAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  const QString title = testing::JobTitle("mainwindow-both");
  testing::RemoveOutputs(dir, title);
  mainWindow.preview()->SetTitle(title);
  PreviewAnd([&](TplPrevForm& window) {
    Print(window, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
    // Printing keeps the page the user was on and restores the saved printer.
    EXPECT_EQ(window.CurrentPage(), 1);
    EXPECT_TRUE(window.PrintBtn->isEnabled());
  });
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir.toStdString();
  EXPECT_EQ(testing::PdfPageCount(pdf), 2);
  EXPECT_TRUE(testing::PdfText(pdf, 1).contains(QStringLiteral("問題No.7")));
}

// A saved PDF is a print for later: the number moves as printing both pages
// would, once per save; a save that fails moves nothing.
TEST_F(MainWindowPrintTest, SavingThePdfAdvancesTheNumberAsPrintingBothPages) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([&](TplPrevForm& window) {
    window.SetSaveFileAsker([&](const QString&) { return dir.filePath(QStringLiteral("a.pdf")); });
    window.PdfBtn->click();
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
    window.SetSaveFileAsker(
        [&](const QString&) { return dir.filePath(QStringLiteral("no/a.pdf")); });
    window.PdfBtn->click();
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
  });
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MainWindowPrintTest, PrintingOnePageLeavesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow.preview()->SetTitle(testing::JobTitle("mainwindow-one"));
  PreviewAnd([&](TplPrevForm& window) {
    window.NextPageBtn->click();
    Print(window, queue, PrintChoice{true, PrintChoice::Range::Pages, 2, 2});
    EXPECT_EQ(window.CurrentPage(), 2);
  });
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, ACancelledPrintDialogPrintsNothing) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PreviewAnd([&](TplPrevForm& window) { Print(window, queue, PrintChoice{}); });
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, TheBonusSheetIsOnePageAndItsPrintAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow.clearButton()->click();
  mainWindow.bonusGroup()->button(1)->click();
  colourWordDialog.colourCountGroup()->button(3)->click();
  colourWordDialog.wordCountGroup()->button(1)->click();
  colourWordDialog.okButton()->click();
  mainWindow.preview()->SetTitle(testing::JobTitle("mainwindow-bonus"));
  int pages = 0;
  PreviewAnd([&](TplPrevForm& window) {
    pages = mainWindow.preview()->PageCount();
    Print(window, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
  });
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
}

}  // namespace
}  // namespace kazenori
