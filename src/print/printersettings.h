// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <optional>

#include "pages/paper.h"

namespace kazenori {

// How a job goes to a printer: a value, copied to keep it and assigned to
// restore it.
struct PrinterSettings {
  QString printer;  // the queue's name, empty without printers
  QPageSize pageSize = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QString inputSlot;  // the driver's key for the paper source, empty for its default
  int copies = 1;
  QPrinter::DuplexMode duplex = QPrinter::DuplexNone;

  bool operator==(const PrinterSettings& o) const;
  bool operator!=(const PrinterSettings& o) const { return !(*this == o); }
};

// The printer's paper for a sheet on `paper`: the JIS B sizes, not ISO's.
QPageSize::PageSizeId PageSizeOf(PaperSize paper);
// The other way: the sheet paper a printer's paper is, none for a paper no
// sheet is made on (Letter, A5, ISO B4...).
std::optional<PaperSize> SheetPaperOf(QPageSize::PageSizeId id);

// Sets up `printer` for `settings` (HighResolution is the caller's choice when
// constructing it); its printable area is all the device can print.
void ConfigurePrinter(QPrinter& printer, const PrinterSettings& settings);

// A printer's page in its device dots, as a QPrinter in HighResolution mode
// sees it: the paint rectangle's corner is the device origin. The same page
// as PrinterSheet below, counted in dots; PaperOf gives it in 0.1 mm as the
// pages' Paper, ReadPrinterMetrics as the composition's PageGeometry (how
// the page types relate: composition/pagegeometry.h).
struct PrinterCapabilities {
  int horizontalResolution = 0;
  int verticalResolution = 0;
  int pageWidth = 0;
  int pageHeight = 0;
  int printableWidth = 0;
  int printableHeight = 0;
  int printableLeft = 0;
  int printableTop = 0;

  int PrintableRight() const { return printableLeft + printableWidth; }
  int PrintableBottom() const { return printableTop + printableHeight; }
  bool operator==(const PrinterCapabilities& o) const;
};

// The sheet a printer's pages are drawn on: its paper, with its printable
// area as the margins, at the resolution it is drawn in.
struct PrinterSheet {
  QPageLayout layout;
  int resolution = 0;
};

PrinterSheet SheetOf(const QPrinter& printer);
PrinterCapabilities CapabilitiesOf(const PrinterSheet& sheet);
PrinterCapabilities CapabilitiesOf(const QPrinter& printer);

// The paper in 0.1 mm of a printer with `caps`: offsets rounded up, sizes
// truncated. A printer that reports no resolution leaves `fallback`'s measures.
Paper PaperOf(const PrinterCapabilities& caps, const Paper& fallback);

}  // namespace kazenori
