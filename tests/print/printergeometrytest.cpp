// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page geometry read through the printer settings of a real CUPS queue.
#include <gtest/gtest.h>

#include "composition/pagegeometry.h"
#include "print/printergeometry.h"
#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

TEST(GeometryPrinter, PrinterPageGeometryAgreesWithTheDocumentsPrintableArea) {
  testing::TestApp();
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PrinterSelection printer;
  printer.SelectPrinter(queue);
  ASSERT_EQ(printer.PrinterName(), queue);
  ASSERT_TRUE(printer.SetPageSize(QPageSize::A4));
  const Paper paper = printer.PagePaper();

  PrinterMetrics metrics;
  const PageGeometry g = PrinterPageGeometry(printer, &metrics);
  EXPECT_FALSE(g.fromDesignPaper);
  EXPECT_GT(metrics.logPixelsX, 0);
  // The document's paper converts the same capabilities: sizes truncated
  // alike, the offsets rounded up where the geometry truncates.
  EXPECT_EQ(g.width, paper.PrintableWidth());
  EXPECT_EQ(g.height, paper.PrintableHeight());
  EXPECT_LE(paper.printableLeft - g.left, 1);
  EXPECT_GE(paper.printableLeft - g.left, 0);
  EXPECT_LE(paper.printableTop - g.top, 1);
  EXPECT_GE(paper.printableTop - g.top, 0);
  EXPECT_GT(g.width, 1800);  // an A4 sheet less its margins
  EXPECT_LE(g.left + g.width, 2100);
  EXPECT_LE(g.top + g.height, 2970);
}

TEST(GeometryPrinter, MetricsConvertPerAxisAndTruncate) {
  PrinterMetrics m;
  m.logPixelsX = 600;
  m.logPixelsY = 300;
  m.offsetX = 100;   // 42.33 -> 42
  m.offsetY = 50;    // 42.33 -> 42
  m.horzRes = 4760;  // 2015.07 -> 2015
  m.vertRes = 3408;  // 2885.4 -> 2885
  const PageGeometry g = GeometryFromMetrics(m, DesignPaperGeometry());
  EXPECT_EQ(g, (PageGeometry{42, 42, 2015, 2885, false}));
  EXPECT_FALSE(g.fromDesignPaper);
}

TEST(GeometryPrinter, WithoutAPrinterTheDesignPaperStandsIn) {
  const PrinterMetrics none;  // every capability reads 0
  const PageGeometry g = GeometryFromMetrics(none, DesignPaperGeometry());
  EXPECT_TRUE(g.fromDesignPaper);
  EXPECT_EQ(g.left, 35);
  EXPECT_EQ(g.top, 31);
  EXPECT_EQ(g.width, 2032);
  EXPECT_EQ(g.height, 2890);
  PrinterMetrics halfKnown;
  halfKnown.logPixelsX = 600;
  halfKnown.horzRes = 4800;
  EXPECT_TRUE(GeometryFromMetrics(halfKnown, DesignPaperGeometry()).fromDesignPaper);
}

}  // namespace
}  // namespace kazenori
