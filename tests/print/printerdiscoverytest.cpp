// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPrinterInfo>
#include <QTimer>

#include <cups/cups.h>

#include "print/printerdiscovery.h"
#include "print/printtestsupport.h"
#include "support/QtApp.h"
#include "support/SilentPrintServer.h"

namespace kazenori {
namespace {

class PrinterDiscoveryTest : public testing::QtTest {
 protected:
  // Runs the event loop until `discovery` says it has finished, ten seconds at most.
  static void AwaitFinished(PrinterDiscovery& discovery) {
    QEventLoop loop;
    QObject::connect(&discovery, &PrinterDiscovery::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    if (!discovery.IsFinished()) loop.exec();
  }
};

// The printers the window starts with, found off this thread: the default
// printer on A4 with its page, as the same questions asked here give.
TEST_F(PrinterDiscoveryTest, FindsTheDefaultPrinterOnTheGivenPaper) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  int finished = 0;
  PrinterDiscovery discovery(9);
  QObject::connect(&discovery, &PrinterDiscovery::finished, [&] { ++finished; });
  AwaitFinished(discovery);
  ASSERT_TRUE(discovery.IsFinished());
  EXPECT_EQ(finished, 1);
  const PrinterSelection& found = *discovery.Selection();
  EXPECT_EQ(found.PrinterName(), QPrinterInfo::defaultPrinterName());
  EXPECT_EQ(found.PaperCode(), 9);
  const std::unique_ptr<PrinterSelection> here = DiscoverPrinters(PrinterAccess::Cups, 9);
  EXPECT_EQ(found.PrinterNames(), here->PrinterNames());
  EXPECT_EQ(found.PagePaper(), here->PagePaper());
  EXPECT_EQ(&discovery.Wait(), &found);
  EXPECT_EQ(finished, 1);
}

// The server this thread chose is the one asked, and one that never answers
// keeps the caller waiting for nothing: the discovery is still under way when
// the constructor returns, and ends without printers.
TEST_F(PrinterDiscoveryTest, ASilentServerHoldsUpNoOneAndLeavesNoPrinters) {
  const testing::SilentPrintServer server;
  ASSERT_TRUE(server.Listening());
  cupsSetServer(server.Address().c_str());
  PrinterDiscovery discovery(9);
  cupsSetServer(nullptr);
  EXPECT_FALSE(discovery.IsFinished());
  const PrinterSelection& found = discovery.Wait();
  EXPECT_EQ(found.Server().state, PrintServerState::Silent);
  EXPECT_EQ(found.Server().name, QString::fromStdString(server.Address()));
  EXPECT_EQ(found.PrinterCount(), 0);
  EXPECT_EQ(found.PagePaper(), DesignPaper());
}

}  // namespace
}  // namespace kazenori
