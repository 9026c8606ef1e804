// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview window on a machine without any printer (an empty CUPS): the
// common case on a Linux desktop. Printing explains itself, saving a PDF works.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QToolButton>

#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "print/printerselection.h"
#include "support/PageCapture.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

class PreviewWindowNoPrinter : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureQtApp();
    if (!qgetenv("CUPS_SERVER").endsWith("/no-cups-here.sock")) {
      GTEST_SKIP() << "runs under ctest only, with CUPS_SERVER pointing at an empty socket";
    }
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty());
    doc = std::make_unique<PreviewDocument>();
    printers = std::make_unique<PrinterSelection>();
    doc->BeginDocument();
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(60);
    doc->Canvas()->setFont(font);
    testing::PlaceText(*doc, TextAlign::Left, 200, 200, QStringLiteral("問題No.7"));
    doc->NewPage();
    testing::PlaceText(*doc, TextAlign::Left, 200, 200, QStringLiteral("答え"));
    doc->EndDocument();
    window = std::make_unique<TplPrevForm>();
    window->Bind(doc.get(), printers.get());
    window->show();
  }
  void TearDown() override {
    if (window) window->close();
  }

  std::unique_ptr<PreviewDocument> doc;
  std::unique_ptr<PrinterSelection> printers;
  std::unique_ptr<TplPrevForm> window;
};

TEST_F(PreviewWindowNoPrinter, ShowsTheDesignPaperAndSaysWhyItCannotPrint) {
  ASSERT_TRUE(window->NoPrinter());
  EXPECT_EQ(window->StatusPanel1->text(), QStringLiteral(" Page  1/2  A4"));
  RecordingMessages messages;
  ScopedMessages scope(messages);
  int asked = 0;
  window->SetPrintDialogRunner([&](QPrinter&, int, int, int, int) {
    ++asked;
    return PrintChoice{};
  });
  window->PrintBtn->click();
  EXPECT_EQ(asked, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタがインストールされていないので印刷できません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　印刷"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(PreviewWindowNoPrinter, PrinterButtonSaysWhyItCannotSetUp) {
  ASSERT_TRUE(window->NoPrinter());
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window->PrinterSetBtnClick();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタがインストールされていないので設定できません．　　"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　プリンタと用紙の設定"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
}

TEST_F(PreviewWindowNoPrinter, SavesBothPagesAsPdf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
  window->SetSaveFileAsker([&](const QString&) { return path; });
  ASSERT_TRUE(window->PdfBtn->isEnabled());
  window->PdfBtn->click();
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().startsWith("%PDF-"));
}

TEST_F(PreviewWindowNoPrinter, ScreenCopiesAreGreyedInTheContextMenu) {
  QPointingDevice mouse(QStringLiteral("test mouse"), 4712, QInputDevice::DeviceType::Mouse,
                        QPointingDevice::PointerType::Generic, QInputDevice::Capability::Position,
                        1, 3);
  const QPointF at(5, 5);
  QMouseEvent press(QEvent::MouseButtonPress, at, window->Image1->mapToGlobal(at), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier, &mouse);
  QCoreApplication::sendEvent(window->Image1, &press);
  EXPECT_TRUE(window->N1->isEnabled());
  EXPECT_FALSE(window->N2->isEnabled());
  EXPECT_FALSE(window->N3->isEnabled());
  window->PopupMenu1->hide();
}

}  // namespace
}  // namespace kazenori
