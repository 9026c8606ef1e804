// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include <cups/cups.h>

#include "MainWindowTestSupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/SilentPrintServer.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/messages.h"
#include "ui/previewdialogfixture.h"
#include "ui/radiogroup.h"

namespace kazenori {
namespace {

// The preview command end to end: a worksheet of pattern 7 with print number
// 7, shown in the modal preview dialog, printed from there into a CUPS queue.
class MainWindowPrintTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  // Presses "プレビュー" and runs `inDialog` inside the modal preview dialog,
  // which is closed afterwards whatever happened. The first event after the
  // press comes when the dialog waits in its own exec(): by then the page is
  // shown, as nothing on the way there lets events through.
  void PreviewAnd(const std::function<void(PreviewDialog&)>& inDialog) {
    bool ran = false;
    QTimer::singleShot(0, &mainWindow, [&] {
      PreviewDialog* dialog = mainWindow.previewDialog();
      ASSERT_NE(dialog, nullptr) << "the preview dialog is not open";
      const auto close = qScopeGuard([dialog] { dialog->closeButton()->click(); });
      ASSERT_TRUE(dialog->isVisible());
      ASSERT_TRUE(dialog->printButton()->isEnabled()) << "the page is not shown yet";
      ran = true;
      dialog->setQuestions(&questions);
      inDialog(*dialog);
    });
    mainWindow.previewButton()->click();
    EXPECT_TRUE(ran);
  }

  // Prints through the dialog's print button, choosing `queue` and `choice`
  // in the print dialog.
  void Print(PreviewDialog& dialog, const QString& queue, PrintChoice choice) {
    questions.print = [queue, choice](QPrinter& printer, const PageOffer&) {
      printer.setPrinterName(queue);
      return choice;
    };
    dialog.printButton()->click();
  }

  void SetUp() override {
    // The press must find the printers known: waiting for them would let the
    // probe below run before the dialog opens.
    mainWindow.printerDiscovery().Wait();
    mainWindow.show();
    mainWindow.patternBox(7)->setChecked(true);
    mainWindow.printNumberEdit()->setText(QStringLiteral("7"));
  }

  ColourWordDialog colourWordDialog;
  MainWindow mainWindow{colourWordDialog};
  testing::AnsweredQuestions questions;
};

// This thread's CUPS client uses a print server that never answers, from before
// the window or the dialog asks it anything; what the window says once it
// knows is kept in `startMessages`.
struct SilentPrintServerInUse {
  SilentPrintServerInUse() { cupsSetServer(server.Address().c_str()); }
  ~SilentPrintServerInUse() { cupsSetServer(nullptr); }
  QString SilentText() const {
    return QStringLiteral("印刷サーバー %1 が応答しないので印刷できません．　　")
        .arg(QString::fromStdString(server.Address()));
  }
  testing::SilentPrintServer server;
  RecordingMessages startMessages;
  ScopedMessages startScope{startMessages};
};

class MainWindowSilentServerTest : public SilentPrintServerInUse, public MainWindowPrintTest {};

TEST_F(MainWindowSilentServerTest, PrintingSaysThePrintServerDidNotAnswerAndLeavesTheNumber) {
  ASSERT_TRUE(server.Listening());
  EXPECT_EQ(mainWindow.printerSettings()->PrinterCount(), 0);
  ASSERT_EQ(startMessages.shown.size(), 1u);
  EXPECT_EQ(startMessages.shown[0].text, SilentText());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  PreviewAnd([](PreviewDialog& dialog) { dialog.printButton()->click(); });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, SilentText());
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
}

class MainWindowSilentStartTest : public SilentPrintServerInUse,
                                  public testing::WithTestApp,
                                  public ::testing::Test {
 protected:
  ColourWordDialog colourWordDialog;
};

// A preview asked for while the printers are still asked of a server that
// never answers: the window says so once, then composes it on the design paper.
TEST_F(MainWindowSilentStartTest, APendingPreviewIsToldOnceAndComposedOnTheDesignPaper) {
  ASSERT_TRUE(server.Listening());
  MainWindow window(colourWordDialog);
  window.show();
  window.patternBox(7)->setChecked(true);
  bool previewShown = false;
  std::function<void()> closePreview = [&] {
    if (QWidget* preview = QApplication::activeModalWidget()) {
      previewShown = true;
      preview->close();
      return;
    }
    QTimer::singleShot(20, &window, closePreview);
  };
  QTimer::singleShot(0, &window, closePreview);
  window.previewButton()->click();
  EXPECT_FALSE(window.printerDiscovery().IsFinished());
  EXPECT_TRUE(QTest::qWaitFor([&] { return previewShown; }, 20000));
  ASSERT_EQ(startMessages.shown.size(), 1u);
  EXPECT_EQ(startMessages.shown[0].text, SilentText());
  EXPECT_EQ(window.printerSettings()->PrinterCount(), 0);
  EXPECT_TRUE(window.pageGeometry().fromDesignPaper);
  EXPECT_TRUE(window.preview()->IsRecorded());
  EXPECT_EQ(window.preview()->PagePaper(), DesignPaper());
}

TEST_F(MainWindowPrintTest, PreviewAloneLeavesTheNumber) {
  int pages = 0;
  PreviewAnd([&](PreviewDialog& dialog) {
    pages = mainWindow.preview()->PageCount();
    EXPECT_FALSE(mainWindow.preview()->PagePaper().name.isEmpty());
    EXPECT_EQ(dialog.pageStatus()->text(),
              QStringLiteral(" Page  1/2  ") + mainWindow.preview()->PagePaper().name);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷プレビュー"));
  });
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
  EXPECT_EQ(mainWindow.previewDialog(), nullptr);
}

TEST_F(MainWindowPrintTest, PrintingBothPagesAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  const QString title = testing::JobTitle("mainwindow-both");
  testing::RemoveOutputs(dir, title);
  mainWindow.preview()->SetTitle(title);
  PreviewAnd([&](PreviewDialog& dialog) {
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
    // Printing keeps the page the user was on and restores the saved printer.
    EXPECT_EQ(dialog.currentPage(), 1);
    EXPECT_TRUE(dialog.printButton()->isEnabled());
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
  PreviewAnd([&](PreviewDialog& dialog) {
    questions.pdfPath = [&](const QString&) { return dir.filePath(QStringLiteral("a.pdf")); };
    dialog.pdfButton()->click();
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
    questions.pdfPath = [&](const QString&) { return dir.filePath(QStringLiteral("no/a.pdf")); };
    dialog.pdfButton()->click();
    EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
  });
  EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MainWindowPrintTest, PrintingOnePageLeavesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  mainWindow.preview()->SetTitle(testing::JobTitle("mainwindow-one"));
  PreviewAnd([&](PreviewDialog& dialog) {
    dialog.nextPageButton()->click();
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::Pages, 2, 2});
    EXPECT_EQ(dialog.currentPage(), 2);
  });
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("7"));
}

TEST_F(MainWindowPrintTest, ACancelledPrintDialogPrintsNothing) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PreviewAnd([&](PreviewDialog& dialog) { Print(dialog, queue, PrintChoice{}); });
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
  PreviewAnd([&](PreviewDialog& dialog) {
    pages = mainWindow.preview()->PageCount();
    Print(dialog, queue, PrintChoice{true, PrintChoice::Range::All, 0, 0});
  });
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(mainWindow.printNumberEdit()->text(), QStringLiteral("8"));
}

}  // namespace
}  // namespace kazenori
