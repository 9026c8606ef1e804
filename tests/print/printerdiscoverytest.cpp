// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPrinterInfo>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <optional>

#include <cups/cups.h>

#include "print/printerdiscovery.h"
#include "print/printtestsupport.h"
#include "support/qtapp.h"
#include "support/silentprintserver.h"
#include "support/slowprintserver.h"

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
  PrinterDiscovery discovery(QPageSize::A4);
  QObject::connect(&discovery, &PrinterDiscovery::finished, [&] { ++finished; });
  AwaitFinished(discovery);
  ASSERT_TRUE(discovery.IsFinished());
  EXPECT_EQ(finished, 1);
  const PrinterSelection& found = *discovery.Selection();
  EXPECT_EQ(found.PrinterName(), QPrinterInfo::defaultPrinterName());
  EXPECT_EQ(found.PageSizeId(), QPageSize::A4);
  const std::unique_ptr<PrinterSelection> here =
      DiscoverPrinters(PrinterAccess::Cups, QPageSize::A4);
  EXPECT_EQ(found.PrinterNames(), here->PrinterNames());
  EXPECT_EQ(found.PagePaper(), here->PagePaper());
  EXPECT_EQ(&discovery.Wait(), &found);
  EXPECT_EQ(finished, 1);
  EXPECT_FALSE(discovery.IsStuck());
}

// The server this thread chose is the one asked, and one that never answers
// keeps the caller waiting for nothing: the discovery is still under way when
// the constructor returns, and ends without printers.
TEST_F(PrinterDiscoveryTest, ASilentServerHoldsUpNoOneAndLeavesNoPrinters) {
  const testing::SilentPrintServer server;
  ASSERT_TRUE(server.Listening());
  cupsSetServer(server.Address().c_str());
  PrinterDiscovery discovery(QPageSize::A4);
  cupsSetServer(nullptr);
  EXPECT_FALSE(discovery.IsFinished());
  const PrinterSelection& found = discovery.Wait();
  EXPECT_EQ(found.Server().state, PrintServerState::Silent);
  EXPECT_EQ(found.Server().name, QString::fromStdString(server.Address()));
  EXPECT_EQ(found.PrinterCount(), 0);
  EXPECT_EQ(found.PagePaper(), DesignPaper());
}

// A server that answers the probe and then keeps each of Qt's questions
// waiting: each answer comes after `kDelay`, well within the probe's limit,
// but the answers discovery needs together take longer than `kLimit`. The
// server goes first at the end, so that the thread given up is woken while
// its owner still waits for it to end: it must write nothing of the owner's.
class PrinterDiscoveryLimitTest : public PrinterDiscoveryTest {
 protected:
  static constexpr std::chrono::milliseconds kDelay{500};
  static constexpr std::chrono::milliseconds kLimit{1200};

  void SetUp() override {
    QString queue;
    KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
    ASSERT_TRUE(server_.Listening());
    cupsSetServer(server_.Address().c_str());
    clock_.start();
    discovery_.emplace(QPageSize::A4, PrinterAccess::Cups, kLimit);
    cupsSetServer(nullptr);
  }

  // Given up with the probe answered: no printers, the server named as silent.
  void ExpectGivenUp(const PrinterSelection& found) const {
    EXPECT_GE(server_.DelayedAnswers(), 1) << "the probe had no answer";
    EXPECT_EQ(found.Server().state, PrintServerState::Silent);
    EXPECT_EQ(found.Server().name, QString::fromStdString(server_.Address()));
    EXPECT_EQ(found.PrinterCount(), 0);
    EXPECT_EQ(found.PagePaper(), DesignPaper());
    // Generous: a discovery without a limit would also end, only later.
    EXPECT_LT(clock_.elapsed(), 10000);
  }

  QElapsedTimer clock_;
  std::optional<PrinterDiscovery> discovery_;
  testing::SlowPrintServer server_{kDelay};
};

TEST_F(PrinterDiscoveryLimitTest, FinishedComesAtTheLimitWithoutPrinters) {
  int finished = 0;
  QObject::connect(&*discovery_, &PrinterDiscovery::finished, [&] { ++finished; });
  AwaitFinished(*discovery_);
  ASSERT_TRUE(discovery_->IsFinished());
  ExpectGivenUp(*discovery_->Selection());
  EXPECT_EQ(&discovery_->Wait(), discovery_->Selection());
  EXPECT_EQ(finished, 1);
}

TEST_F(PrinterDiscoveryLimitTest, WaitEndsAtTheLimitWithoutPrinters) {
  ExpectGivenUp(discovery_->Wait());
}

// A server that hangs as the default printer's driver is fetched holds the
// thread in Qt's call for good: given up at the limit, and known to be stuck
// until the server goes.
TEST_F(PrinterDiscoveryTest, AThreadHeldByItsServerIsKnownToBeStuck) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  std::optional<PrinterDiscovery> discovery;
  std::optional<testing::SlowPrintServer> server;
  server.emplace(std::chrono::milliseconds(0), testing::SlowPrintServer::Hold::PrinterRequests);
  cupsSetServer(server->Address().c_str());
  discovery.emplace(QPageSize::A4, PrinterAccess::Cups, std::chrono::milliseconds(1200));
  cupsSetServer(nullptr);
  EXPECT_EQ(discovery->Wait().PrinterCount(), 0);
  EXPECT_GE(server->HeldRequests(), 1);
  EXPECT_TRUE(discovery->IsStuck());
  server.reset();
  for (int i = 0; i < 100 && discovery->IsStuck(); ++i) QThread::msleep(100);
  EXPECT_FALSE(discovery->IsStuck()) << "the thread is free once the server has gone";
}

}  // namespace
}  // namespace kazenori
