// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page geometry read through the printer settings of a real CUPS queue.
#include <gtest/gtest.h>

#include "composition/pagegeometry.h"
#include "preview/PrintTestSupport.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

TEST(GeometryPrinter, FormShowAgreesWithTheDocumentsPrintableArea) {
  testing::EnsureQtApp();
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  TplSetPrinter printer(nullptr, QStringLiteral("plSetPrinter1"));
  printer.SetPrinterName(queue);
  ASSERT_EQ(printer.PrinterName(), queue);
  ASSERT_TRUE(printer.SetPaperSize(9));
  TplPrev doc;
  doc.SetplSetPrinter(&printer);
  doc.BeginDoc();
  doc.EndDoc();

  PrinterMetrics metrics;
  const PageGeometry g = FormShowGeometry(printer, doc, &metrics);
  EXPECT_FALSE(g.fromDesignPaper);
  EXPECT_GT(metrics.logPixelsX, 0);
  // The document converts the same capabilities: sizes truncated alike, the
  // offsets rounded up where the geometry truncates.
  EXPECT_EQ(g.width, doc.PrintableWidth());
  EXPECT_EQ(g.height, doc.PrintableHeight());
  EXPECT_LE(doc.PrintableLeft() - g.left, 1);
  EXPECT_GE(doc.PrintableLeft() - g.left, 0);
  EXPECT_LE(doc.PrintableTop() - g.top, 1);
  EXPECT_GE(doc.PrintableTop() - g.top, 0);
  EXPECT_GT(g.width, 1800);  // an A4 sheet less its margins
  EXPECT_LE(g.left + g.width, 2100);
  EXPECT_LE(g.top + g.height, 2970);
}

}  // namespace
}  // namespace kazenori
