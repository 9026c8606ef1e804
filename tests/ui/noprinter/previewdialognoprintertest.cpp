// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview dialog on a machine without any printer (an empty CUPS): the
// common case on a Linux desktop. Printing explains itself, saving a PDF works.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include "ui/messages.h"
#include "ui/previewdialogfixture.h"

namespace kazenori {
namespace {

class PreviewDialogNoPrinter : public testing::PreviewDialogTest {
 protected:
  void SetUp() override {
    if (!qgetenv("CUPS_SERVER").endsWith("/no-cups-here.sock")) {
      GTEST_SKIP() << "runs under ctest only, with CUPS_SERVER pointing at an empty socket";
    }
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty());
    Open(2);
  }
};

TEST_F(PreviewDialogNoPrinter, ShowsTheDesignPaperAndSaysWhyItCannotPrint) {
  ASSERT_TRUE(dialog_->noPrinter());
  EXPECT_EQ(dialog_->pageStatus()->text(), QStringLiteral(" Page  1/2  A4"));
  RecordingMessages messages;
  ScopedMessages scope(messages);
  int asked = 0;
  questions_.print = [&](QPrinter&, const PageOffer&) {
    ++asked;
    return PrintChoice{};
  };
  dialog_->printButton()->click();
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタがインストールされていないので印刷できません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　印刷"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

// Without the CUPS module (ui.print_unavailable names one that is not there)
// no print server can be asked: printing says it is unavailable, and why.
TEST_F(PreviewDialogNoPrinter, SaysPrintingIsUnavailableWithoutTheCupsModule) {
  const QString module = qEnvironmentVariable("KAZENORI_CUPS_MODULE");
  if (module.isEmpty()) GTEST_SKIP() << "runs as ui.print_unavailable only";
  RecordingMessages messages;
  ScopedMessages scope(messages);
  dialog_->printButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  const QString& text = messages.shown[0].text;
  EXPECT_TRUE(text.startsWith(QStringLiteral("印刷の機能を読み込めないので印刷できません（")) &&
              text.contains(module))
      << text.toStdString();
}

TEST_F(PreviewDialogNoPrinter, PrinterSetupSaysWhyItCannotSetUp) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  dialog_->setUpPrinter();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタがインストールされていないので設定できません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　プリンタと用紙の設定"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(PreviewDialogNoPrinter, SavesBothPagesAsPdf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  questions_.pdfPath = [&](const QString&) { return path; };
  ASSERT_TRUE(dialog_->pdfButton()->isEnabled());
  dialog_->pdfButton()->click();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
}

TEST_F(PreviewDialogNoPrinter, ScreenCopiesAreGreyedInTheContextMenu) {
  MouseOnPage(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(dialog_->copyPageAction()->isEnabled());
  EXPECT_FALSE(dialog_->copyWindowAction()->isEnabled());
  EXPECT_FALSE(dialog_->printWindowAction()->isEnabled());
  dialog_->pageMenu()->hide();
}

}  // namespace
}  // namespace kazenori
