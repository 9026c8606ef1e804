// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The printer selection against the CUPS test queues (see scripts/cups-test-env.sh).
#include <gtest/gtest.h>

#include <QPrinter>
#include <QPrinterInfo>

#include "print/printerselection.h"
#include "print/printtestsupport.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrinterSelectionTest : public QtTest {};

// 1200 dots per inch; the raw queues' driver has margins of 20 (left), 10
// (right), 42 (top) and 30 (bottom) points on A4 (595 x 842 points).
TEST_F(PrinterSelectionTest, CapabilitiesAreDotsOfTheDriversPageAndPrintableArea) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PrinterSelection p;
  p.SelectPrinter(queue);
  ASSERT_TRUE(p.SetPageSize(QPageSize::A4));
  EXPECT_EQ(p.Capabilities().horizontalResolution, 1200);
  EXPECT_EQ(p.Capabilities().verticalResolution, 1200);
  EXPECT_NEAR(p.Capabilities().pageWidth, 595 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().pageHeight, 842 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().printableLeft, 20 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().printableTop, 42 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().printableWidth, (595 - 30) * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().printableHeight, (842 - 72) * 1200 / 72.0, 1);
  // The edges are offset + size, and the right and bottom margins what is left.
  EXPECT_EQ(p.Capabilities().PrintableBottom(),
            p.Capabilities().printableTop + p.Capabilities().printableHeight);
  EXPECT_EQ(p.Capabilities().PrintableRight(),
            p.Capabilities().printableLeft + p.Capabilities().printableWidth);
  EXPECT_NEAR(p.Capabilities().pageWidth - p.Capabilities().PrintableRight(), 10 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().pageHeight - p.Capabilities().PrintableBottom(), 30 * 1200 / 72.0,
              1);

  // Landscape turns the page and its margins.
  p.SetLandscape(true);
  EXPECT_TRUE(p.IsLandscape());
  EXPECT_NEAR(p.Capabilities().pageWidth, 842 * 1200 / 72.0, 1);
  EXPECT_NEAR(p.Capabilities().pageHeight, 595 * 1200 / 72.0, 1);
  EXPECT_EQ(p.Capabilities().PrintableBottom(),
            p.Capabilities().printableTop + p.Capabilities().printableHeight);
  EXPECT_EQ(p.Capabilities().PrintableRight(),
            p.Capabilities().printableLeft + p.Capabilities().printableWidth);
}

TEST_F(PrinterSelectionTest, NamesMatchByContainmentInEnumerationOrderAndReadBackInOwnCase) {
  QString trays, pdf;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", pdf);
  PrinterSelection p;
  p.SelectPrinter(trays.toUpper());
  EXPECT_EQ(p.PrinterName(), trays);

  // A name with more text around a printer's name selects that printer.
  p.SelectPrinter(QStringLiteral("\\\\server\\") + trays + QStringLiteral(" on port 631"));
  EXPECT_EQ(p.PrinterName(), trays);

  // Both names occur: the one listed first wins, not the one written first.
  const QStringList order = p.PrinterNames();
  ASSERT_TRUE(order.contains(trays) && order.contains(pdf));
  const QString first = order.indexOf(trays) < order.indexOf(pdf) ? trays : pdf;
  p.SelectPrinter(first == trays ? pdf + QLatin1Char(' ') + trays : trays + QLatin1Char(' ') + pdf);
  EXPECT_EQ(p.PrinterName(), first);

  // Nothing matches, or an empty name: the default printer.
  const QString fallback = QPrinterInfo::defaultPrinterName();
  p.SelectPrinter(trays);
  p.SelectPrinter(QStringLiteral("no such printer anywhere"));
  EXPECT_EQ(p.PrinterName(), fallback);
  p.SelectPrinter(trays);
  p.SelectPrinter(QString());
  EXPECT_EQ(p.PrinterName(), fallback);
}

TEST_F(PrinterSelectionTest, PageSizesSelectTheDriversEntriesAndUnsupportedOnesChangeNothing) {
  QString queue, letterOnly;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LETTER_QUEUE", letterOnly);
  PrinterSelection p;
  p.SelectPrinter(queue);
  struct Case {
    QPageSize::PageSizeId id;
    double widthMm, heightMm;
  };
  for (const Case& c : {Case{QPageSize::A4, 210, 297}, Case{QPageSize::Letter, 215.9, 279.4},
                        Case{QPageSize::Legal, 215.9, 355.6}, Case{QPageSize::A3, 297, 420},
                        Case{QPageSize::A5, 148, 210}, Case{QPageSize::JisB5, 182, 257}}) {
    SCOPED_TRACE(QPageSize::key(c.id).toStdString());
    ASSERT_TRUE(p.SetPageSize(c.id));
    EXPECT_EQ(p.PageSizeId(), c.id);
    EXPECT_NEAR(p.Capabilities().pageWidth * 25.4 / 1200, c.widthMm, 0.6);
    EXPECT_NEAR(p.Capabilities().pageHeight * 25.4 / 1200, c.heightMm, 0.6);
    EXPECT_FALSE(p.PaperName().isEmpty());
  }
  ASSERT_TRUE(p.SetPageSize(QPageSize::Letter));
  EXPECT_EQ(p.PaperName(), QStringLiteral("US Letter")) << "the driver's own name for it";
  EXPECT_FALSE(p.SetPageSize(QPageSize::Custom));
  EXPECT_EQ(p.PageSizeId(), QPageSize::Letter);

  PrinterSelection letter;
  letter.SelectPrinter(letterOnly);
  ASSERT_EQ(letter.PageSizeId(), QPageSize::Letter);
  const int width = letter.Capabilities().pageWidth;
  EXPECT_FALSE(letter.SetPageSize(QPageSize::A4));
  EXPECT_EQ(letter.PageSizeId(), QPageSize::Letter);
  EXPECT_EQ(letter.Capabilities().pageWidth, width);
}

TEST_F(PrinterSelectionTest, PaperAndSourceNamesMatchExactly) {
  QString trays, plain;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", plain);
  PrinterSelection p;
  p.SelectPrinter(trays);
  p.SetPaperName(QStringLiteral("A5"));
  EXPECT_EQ(p.PageSizeId(), QPageSize::A5);
  p.SetPaperName(QStringLiteral("a4"));  // letter case counts
  EXPECT_EQ(p.PageSizeId(), QPageSize::A5);

  EXPECT_EQ(p.InputSlotNames(),
            (QStringList{QStringLiteral("Upper Tray"), QStringLiteral("Tractor Feed")}));
  EXPECT_EQ(p.InputSlotName(), QStringLiteral("Upper Tray"));
  p.SetInputSlotName(QStringLiteral("Tractor Feed"));
  EXPECT_EQ(p.InputSlotName(), QStringLiteral("Tractor Feed"));
  p.SetInputSlotName(QStringLiteral("upper tray"));
  EXPECT_EQ(p.InputSlotName(), QStringLiteral("Tractor Feed"));

  PrinterSelection q;
  q.SelectPrinter(plain);
  EXPECT_TRUE(q.InputSlotNames().isEmpty());
  EXPECT_EQ(q.InputSlotName(), QString());
}

// A copy of the settings is all it takes to come back to them.
TEST_F(PrinterSelectionTest, SettingsCopiedBeforeAreRestoredByAssigningThem) {
  QString trays, plain;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", plain);
  PrinterSelection p;
  p.SelectPrinter(trays);
  ASSERT_TRUE(p.SetPageSize(QPageSize::A5));
  p.SetLandscape(true);
  p.SetInputSlotName(QStringLiteral("Tractor Feed"));
  const PrinterSettings kept = p.Settings();
  const PrinterCapabilities caps = p.Capabilities();
  p.SelectPrinter(plain);
  ASSERT_EQ(p.PrinterName(), plain);
  p.SetSettings(kept);
  EXPECT_EQ(p.PrinterName(), trays);
  EXPECT_EQ(p.PageSizeId(), QPageSize::A5);
  EXPECT_TRUE(p.IsLandscape());
  EXPECT_EQ(p.InputSlotName(), QStringLiteral("Tractor Feed"));
  EXPECT_EQ(p.Settings(), kept);
  EXPECT_EQ(p.Capabilities(), caps);

  // A source the printer does not have is dropped for its default.
  PrinterSettings foreign = kept;
  foreign.printer = plain;
  p.SetSettings(foreign);
  EXPECT_EQ(p.PrinterName(), plain);
  EXPECT_EQ(p.Settings().inputSlot, QString());
  EXPECT_EQ(p.PageSizeId(), QPageSize::A5);
}

TEST_F(PrinterSelectionTest, SelectingAPrinterStartsFromItsDefaults) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PrinterSelection p;
  p.SelectPrinter(queue);
  ASSERT_TRUE(p.SetPageSize(QPageSize::A3));
  p.SetLandscape(true);
  p.SelectPrinter(queue);
  EXPECT_EQ(p.PageSizeId(), QPageSize::A4) << "the driver's default paper";
  EXPECT_FALSE(p.IsLandscape());

  // ConfigurePrinter hands the settings to a QPrinter.
  ASSERT_TRUE(p.SetPageSize(QPageSize::A5));
  QPrinter printer(QPrinter::HighResolution);
  p.ConfigurePrinter(printer);
  EXPECT_EQ(printer.printerName(), queue);
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
}

}  // namespace
}  // namespace kazenori
