// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TplSetPrinter against the CUPS test queues (see scripts/cups-test-env.sh).
#include <gtest/gtest.h>

#include <QPrinter>
#include <QPrinterInfo>

#include "PrintTestSupport.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PrinterSettings : public QtTest {};

// 1200 dots per inch; the raw queues' driver has margins of 20 (left), 10
// (right), 42 (top) and 30 (bottom) points on A4 (595 x 842 points).
TEST_F(PrinterSettings, CapabilitiesAreDotsOfTheDriversPageAndPrintableArea) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  p.SetPrinterName(queue);
  ASSERT_TRUE(p.SetPaperSize(9));
  EXPECT_EQ(p.GetPrinterCaps(1), 1200);
  EXPECT_EQ(p.GetPrinterCaps(2), 1200);
  EXPECT_NEAR(p.GetPrinterCaps(3), 595 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(4), 842 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(9), 20 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(7), 42 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(5), (595 - 30) * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(6), (842 - 72) * 1200 / 72, 1);
  // The edges are offset + size, and the right and bottom margins what is left.
  EXPECT_EQ(p.GetPrinterCaps(8), p.GetPrinterCaps(7) + p.GetPrinterCaps(6));
  EXPECT_EQ(p.GetPrinterCaps(10), p.GetPrinterCaps(9) + p.GetPrinterCaps(5));
  EXPECT_NEAR(p.GetPrinterCaps(3) - p.GetPrinterCaps(10), 10 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(4) - p.GetPrinterCaps(8), 30 * 1200 / 72, 1);

  // Landscape turns the page and its margins.
  p.SetOrientation(true);
  EXPECT_TRUE(p.IsLandscape());
  EXPECT_NEAR(p.GetPrinterCaps(3), 842 * 1200 / 72, 1);
  EXPECT_NEAR(p.GetPrinterCaps(4), 595 * 1200 / 72, 1);
  EXPECT_EQ(p.GetPrinterCaps(8), p.GetPrinterCaps(7) + p.GetPrinterCaps(6));
  EXPECT_EQ(p.GetPrinterCaps(10), p.GetPrinterCaps(9) + p.GetPrinterCaps(5));
}

TEST_F(PrinterSettings, NamesMatchByContainmentInEnumerationOrderAndReadBackInOwnCase) {
  QString trays, pdf;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", pdf);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  int changes = 0;
  p.OnPrinterChange = [&](QObject* sender) {
    EXPECT_EQ(sender, &p);
    ++changes;
  };
  p.SetPrinterName(trays.toUpper());
  EXPECT_EQ(p.PrinterName(), trays);
  EXPECT_EQ(changes, 1);
  p.SetPrinterName(trays);
  EXPECT_EQ(changes, 1) << "the same printer again is no change";

  // A name with more text around a printer's name selects that printer.
  p.SetPrinterName(QStringLiteral("\\\\server\\") + trays + QStringLiteral(" on port 631"));
  EXPECT_EQ(p.PrinterName(), trays);

  // Both names occur: the one listed first wins, not the one written first.
  const QStringList order = p.PrinterNames();
  ASSERT_TRUE(order.contains(trays) && order.contains(pdf));
  const QString first = order.indexOf(trays) < order.indexOf(pdf) ? trays : pdf;
  p.SetPrinterName(first == trays ? pdf + QLatin1Char(' ') + trays
                                  : trays + QLatin1Char(' ') + pdf);
  EXPECT_EQ(p.PrinterName(), first);

  // Nothing matches, or an empty name: the default printer.
  const QString fallback = QPrinterInfo::defaultPrinterName();
  p.SetPrinterName(trays);
  p.SetPrinterName(QStringLiteral("no such printer anywhere"));
  EXPECT_EQ(p.PrinterName(), fallback);
  p.SetPrinterName(trays);
  p.SetPrinterName(QString());
  EXPECT_EQ(p.PrinterName(), fallback);
}

TEST_F(PrinterSettings, PaperCodesSelectTheDriversSizesAndUnsupportedOnesChangeNothing) {
  QString queue, letterOnly;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_LETTER_QUEUE", letterOnly);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  p.SetPrinterName(queue);
  struct Case {
    int code;
    double widthMm, heightMm;
  };
  for (const Case& c : {Case{9, 210, 297}, Case{1, 215.9, 279.4}, Case{5, 215.9, 355.6},
                        Case{8, 297, 420}, Case{11, 148, 210}, Case{13, 182, 257}}) {
    SCOPED_TRACE(c.code);
    ASSERT_TRUE(p.SetPaperSize(c.code));
    EXPECT_EQ(p.GetPaperSize(), c.code);
    EXPECT_NEAR(p.GetPrinterCaps(3) * 25.4 / 1200, c.widthMm, 0.6);
    EXPECT_NEAR(p.GetPrinterCaps(4) * 25.4 / 1200, c.heightMm, 0.6);
    EXPECT_FALSE(p.GetPaperName().isEmpty());
  }
  ASSERT_TRUE(p.SetPaperSize(1));
  EXPECT_EQ(p.GetPaperName(), QStringLiteral("US Letter")) << "the driver's own name for it";
  EXPECT_FALSE(p.SetPaperSize(4711));
  EXPECT_EQ(p.GetPaperSize(), 1);

  TplSetPrinter letter(nullptr, QStringLiteral("l"));
  letter.SetPrinterName(letterOnly);
  ASSERT_EQ(letter.GetPaperSize(), 1);
  const int width = letter.GetPrinterCaps(3);
  EXPECT_FALSE(letter.SetPaperSize(9));
  EXPECT_EQ(letter.GetPaperSize(), 1);
  EXPECT_EQ(letter.GetPrinterCaps(3), width);
}

TEST_F(PrinterSettings, PaperAndSourceNamesMatchExactly) {
  QString trays, plain;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", plain);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  p.SetPrinterName(trays);
  p.SetPaperName(QStringLiteral("A5"));
  EXPECT_EQ(p.GetPaperSize(), 11);
  p.SetPaperName(QStringLiteral("a4"));  // letter case counts
  EXPECT_EQ(p.GetPaperSize(), 11);

  EXPECT_EQ(p.BinNames(),
            (QStringList{QStringLiteral("Upper Tray"), QStringLiteral("Tractor Feed")}));
  EXPECT_EQ(p.GetBinName(), QStringLiteral("Upper Tray"));
  p.SetBinName(QStringLiteral("Tractor Feed"));
  EXPECT_EQ(p.GetBinName(), QStringLiteral("Tractor Feed"));
  p.SetBinName(QStringLiteral("upper tray"));
  EXPECT_EQ(p.GetBinName(), QStringLiteral("Tractor Feed"));

  TplSetPrinter q(nullptr, QStringLiteral("q"));
  q.SetPrinterName(plain);
  EXPECT_TRUE(q.BinNames().isEmpty());
  EXPECT_EQ(q.GetBinName(), QString());
}

TEST_F(PrinterSettings, StoredTextRestoresPrinterPaperOrientationAndSource) {
  QString trays, plain;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", plain);
  TplSetPrinter p(nullptr, QStringLiteral("plSetPrinter1"));
  p.SetPrinterName(trays);
  ASSERT_TRUE(p.SetPaperSize(11));
  p.SetOrientation(true);
  p.SetBinName(QStringLiteral("Tractor Feed"));
  p.SetDesignValue({QStringLiteral("Design 'P'"), 0, QStringLiteral("A4"), 9, 256, 1537});
  const QString text = p.WriteToText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("object plSetPrinter1: TplSetPrinter\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("PrinterName = '%1'").arg(trays)));
  EXPECT_TRUE(text.contains(QStringLiteral("DevDataSize = %1").arg(p.DevDataSize())));
  EXPECT_TRUE(text.contains(QStringLiteral("ADevData = '%1'").arg(DevDataToHex(p.DevData()))));
  EXPECT_TRUE(text.contains(QStringLiteral("DesignValue = ('Design ''P''' 0 'A4' 9 256 1537)")));

  TplSetPrinter q(nullptr, QStringLiteral("other"));
  q.SetPrinterName(plain);
  ASSERT_TRUE(q.ReadFromText(text));
  EXPECT_EQ(q.PrinterName(), trays);
  EXPECT_EQ(q.GetPaperSize(), 11);
  EXPECT_TRUE(q.IsLandscape());
  EXPECT_EQ(q.GetBinName(), QStringLiteral("Tractor Feed"));
  EXPECT_EQ(q.DevData(), p.DevData());
  EXPECT_EQ(q.DesignValue().printerName, QStringLiteral("Design 'P'"));
  EXPECT_EQ(q.DesignValue().driverVersion, 1537);
  EXPECT_FALSE(q.ReadFromText(QStringLiteral("not a component")));

  // Settings bytes that are cut short or claim more than they hold leave the
  // printer at its defaults instead of reading beyond them.
  const QString broken =
      QStringLiteral(
          "object plSetPrinter1: TplSetPrinter\n  PrinterName = '%1'\n  DevDataSize = 520\n"
          "  ADevData = '%2ZZ00'\nend\n")
          .arg(trays, DevDataToHex(p.DevData()).left(20));
  ASSERT_TRUE(q.ReadFromText(broken));
  EXPECT_EQ(q.PrinterName(), trays);
  EXPECT_EQ(q.GetPaperSize(), 9);
  EXPECT_FALSE(q.IsLandscape());
}

TEST_F(PrinterSettings, ReapplyKeepsStoredSettingsWhileSelectPrinterStartsFromDefaults) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  p.SetPrinterName(queue);
  ASSERT_TRUE(p.SetPaperSize(8));
  p.SetOrientation(true);
  p.ReapplySettings();
  EXPECT_EQ(p.GetPaperSize(), 8);
  EXPECT_TRUE(p.IsLandscape());
  p.SelectPrinter(queue);
  EXPECT_EQ(p.GetPaperSize(), 9) << "the driver's default paper";
  EXPECT_FALSE(p.IsLandscape());

  // ConfigurePrinter hands the settings to a QPrinter.
  ASSERT_TRUE(p.SetPaperSize(11));
  QPrinter printer(QPrinter::HighResolution);
  p.ConfigurePrinter(printer);
  EXPECT_EQ(printer.printerName(), queue);
  EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A5);
}

TEST_F(PrinterSettings, SetupDialogChoicesAreTakenOnlyWhenConfirmed) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  TplSetPrinter p(nullptr, QStringLiteral("p"));
  p.SetPrinterName(queue);
  ASSERT_TRUE(p.SetPaperSize(9));
  int shown = 0, closed = 0;
  p.OnSetupDialogShow = [&](QObject*) { ++shown; };
  p.OnSetupDialogClose = [&](QObject*) { ++closed; };
  bool confirm = false;
  p.SetSetupDialogRunner([&](QPrinter& printer) {
    EXPECT_EQ(printer.printerName(), queue);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4)
        << "starts from the stored settings";
    printer.setPageSize(QPageSize(QPageSize::A3));
    printer.setPageOrientation(QPageLayout::Landscape);
    return confirm;
  });
  EXPECT_FALSE(p.ExecuteSetupDialog());
  EXPECT_EQ(p.GetPaperSize(), 9);
  EXPECT_FALSE(p.IsLandscape());
  confirm = true;
  EXPECT_TRUE(p.ExecuteSetupDialog());
  EXPECT_EQ(p.GetPaperSize(), 8);
  EXPECT_TRUE(p.IsLandscape());
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(closed, 2);
}

TEST_F(PrinterSettings, DeviceDataHexIsUpperCaseAndReadingStopsAtTheFirstBadPair) {
  EXPECT_EQ(DevDataToHex(QByteArray("\x00\xab\x7f\x10", 4)), QStringLiteral("00AB7F10"));
  EXPECT_EQ(DevDataFromHex(QStringLiteral("00ab7F10")), QByteArray("\x00\xab\x7f\x10", 4));
  EXPECT_EQ(DevDataFromHex(QStringLiteral("0A1")), QByteArray("\x0a", 1)) << "odd length";
  EXPECT_EQ(DevDataFromHex(QStringLiteral("0AZZ12")), QByteArray("\x0a", 1));
  EXPECT_EQ(DevDataFromHex(QStringLiteral("0A1G23")), QByteArray("\x0a", 1));
  EXPECT_EQ(DevDataFromHex(QStringLiteral(" 0A")), QByteArray());
  const QByteArray all = [] {
    QByteArray b;
    for (int i = 0; i < 256; ++i) b.append(static_cast<char>(i));
    return b;
  }();
  EXPECT_EQ(DevDataFromHex(DevDataToHex(all)), all);
}

TEST_F(PrinterSettings, PaperCodeTableCoversTheProgramsSizes) {
  EXPECT_EQ(PageSizeForCode(9), QPageSize::A4);
  EXPECT_EQ(PageSizeForCode(1), QPageSize::Letter);
  EXPECT_EQ(PageSizeForCode(5), QPageSize::Legal);
  EXPECT_EQ(PageSizeForCode(8), QPageSize::A3);
  EXPECT_EQ(PageSizeForCode(11), QPageSize::A5);
  EXPECT_EQ(PageSizeForCode(13), QPageSize::JisB5);
  bool known = true;
  PageSizeForCode(2, &known);
  EXPECT_FALSE(known);
  for (const PaperCode& c : PaperCodes()) {
    EXPECT_EQ(CodeForPageSize(QPageSize(c.id)), c.code);
  }
  EXPECT_EQ(CodeForPageSize(QPageSize(QSizeF(100, 100), QPageSize::Millimeter)), 256);
}

}  // namespace
}  // namespace kazenori
