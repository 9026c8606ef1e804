// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

#include "pages/previewdocument.h"
#include "print/printerselection.h"
#include "support/pagecapture.h"
#include "ui/mainwindowtestsupport.h"
#include "ui/pagewidget.h"
#include "ui/previewdialog.h"

namespace kazenori::testing {

// Answers the preview dialog's questions as a test says; a question the test
// gave no answer to is cancelled.
struct AnsweredQuestions final : PreviewQuestions {
  std::function<PrintChoice(QPrinter&, const PageOffer&)> print;
  std::function<QString(const QString&)> pdfPath;
  std::function<bool(QPrinter&)> setup;

  PrintChoice askPrint(QWidget*, QPrinter& printer, const PageOffer& pages) override {
    return print ? print(printer, pages) : PrintChoice{};
  }
  QString askPdfPath(QWidget*, const QString& suggestion) override {
    return pdfPath ? pdfPath(suggestion) : QString();
  }
  bool askPrinterSetup(QWidget*, QPrinter& printer) override { return setup && setup(printer); }
};

// Presses the print button and waits for the print it starts to end (its
// pages announced, its outcome told).
inline void PrintAndWait(PreviewDialog& dialog) {
  dialog.printButton()->click();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isPrinting(); }, 60000))
      << "the print did not end within a minute";
}

// A document of `pages` pages, each with its number written on it.
inline void RecordPages(PreviewDocument& doc, int pages) {
  doc.BeginDocument();
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setPixelSize(60);
  doc.Canvas()->setFont(font);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) doc.NewPage();
    testing::PlaceText(doc, TextAlign::Left, 200, 200, QStringLiteral("頁%1").arg(page));
  }
  doc.EndDocument();
}

// The preview dialog on a recorded document, shown without a modal loop.
class PreviewDialogTest : public UiTest {
 protected:
  void TearDown() override {
    if (dialog_) dialog_->close();
  }

  PreviewDialog& Open(int pages) {
    RecordPages(doc_, pages);
    doc_.SetPaper(printers_.PagePaper());
    dialog_ = std::make_unique<PreviewDialog>(doc_, printers_);
    dialog_->setQuestions(&questions_);
    dialog_->show();
    return *dialog_;
  }
  // The pages the dialog announces as printed.
  std::vector<int>& Printed() {
    QObject::connect(dialog_.get(), &PreviewDialog::pagePrinted,
                     [this](int page) { printed_.push_back(page); });
    return printed_;
  }

  // A mouse event at `at` on the page, from a device of the test's own (the
  // platform's fallback device would outlive the application at exit).
  void MouseOnPage(QEvent::Type type, QPointF at, Qt::MouseButton button,
                   Qt::MouseButtons buttons) {
    QWidget* desk = dialog_->pageWidget()->desk();
    at += dialog_->pageWidget()->pageBounds().topLeft();
    QMouseEvent event(type, at, desk->mapToGlobal(at), button, buttons, Qt::NoModifier, &mouse_);
    QCoreApplication::sendEvent(desk, &event);
  }

  QPointingDevice mouse_{QStringLiteral("test mouse"),
                         4711,
                         QInputDevice::DeviceType::Mouse,
                         QPointingDevice::PointerType::Generic,
                         QInputDevice::Capability::Position,
                         1,
                         3};
  PreviewDocument doc_;
  PrinterSelection printers_;
  AnsweredQuestions questions_;
  std::unique_ptr<PreviewDialog> dialog_;
  std::vector<int> printed_;
};

}  // namespace kazenori::testing
