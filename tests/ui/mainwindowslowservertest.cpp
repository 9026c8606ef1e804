// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>

#include <cups/cups.h>

#include "composition/pagegeometry.h"
#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "print/printergeometry.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/slowprintserver.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"

namespace kazenori {
namespace {

class MainWindowSlowServerTest : public testing::UiTest {
 protected:
  ColourWordDialog colourWordDialog_;
};

// Each answer of the print server comes late: the window is shown and takes
// its events meanwhile, the preview asked for waits for the printers with the
// busy cursor and a status line, without a loop of its own, and is composed on
// the printer's page.
TEST_F(MainWindowSlowServerTest, TheWindowAnswersWhileThePrintersAreAskedAndUsesTheirPage) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  testing::SlowPrintServer server(std::chrono::milliseconds(150));
  ASSERT_TRUE(server.Listening());
  cupsSetServer(server.Address().c_str());
  const auto restore = qScopeGuard([] { cupsSetServer(nullptr); });
  MainWindow window(colourWordDialog_);
  window.show();
  window.patternBox(7)->setChecked(true);

  bool handledWhileAsking = false;
  bool busyShown = false;
  QTimer::singleShot(0, &window, [&] {
    handledWhileAsking = !window.printerDiscovery().IsFinished();
    const QCursor* cursor = QGuiApplication::overrideCursor();
    busyShown =
        cursor && cursor->shape() == Qt::WaitCursor && !window.statusLine()->text().isEmpty();
  });
  bool previewShown = false;
  QTimer::singleShot(0, &window, [&] { testing::CloseTheNextModal(window, previewShown); });
  window.previewButton()->click();
  EXPECT_FALSE(window.previewButton()->isEnabled()) << "a second press would compose twice";
  EXPECT_TRUE(QTest::qWaitFor([&] { return previewShown; }, 20000));

  EXPECT_TRUE(handledWhileAsking) << "no event was handled while the printers were asked";
  EXPECT_TRUE(busyShown);
  EXPECT_GT(server.DelayedAnswers(), 0);
  EXPECT_TRUE(window.statusLine()->text().isEmpty());
  ASSERT_TRUE(window.printerDiscovery().IsFinished());
  EXPECT_EQ(window.printerSettings()->PrinterName(), QPrinterInfo::defaultPrinterName());
  EXPECT_FALSE(window.pageGeometry().fromDesignPaper);
  EXPECT_EQ(window.pageGeometry(), PrinterPageGeometry(*window.printerSettings()));
  EXPECT_TRUE(window.preview()->IsRecorded());
  EXPECT_EQ(window.preview()->PagePaper(), window.printerSettings()->PagePaper());
}

}  // namespace
}  // namespace kazenori
