// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printersettings.h"

#include "print/printserver.h"

namespace kazenori {

bool PrinterSettings::operator==(const PrinterSettings& o) const {
  return printer == o.printer && pageSize == o.pageSize && orientation == o.orientation &&
         inputSlot == o.inputSlot && copies == o.copies && duplex == o.duplex;
}

bool PrinterCapabilities::operator==(const PrinterCapabilities& o) const {
  return horizontalResolution == o.horizontalResolution &&
         verticalResolution == o.verticalResolution && pageWidth == o.pageWidth &&
         pageHeight == o.pageHeight && printableWidth == o.printableWidth &&
         printableHeight == o.printableHeight && printableLeft == o.printableLeft &&
         printableTop == o.printableTop;
}

QPageSize::PageSizeId PageSizeOf(PaperSize paper) {
  switch (paper) {
    case PaperSize::A4:
      break;
    case PaperSize::B5:
      return QPageSize::JisB5;
    case PaperSize::B4:
      return QPageSize::JisB4;
  }
  return QPageSize::A4;
}

std::optional<PaperSize> SheetPaperOf(QPageSize::PageSizeId id) {
  for (const PaperSize paper : {PaperSize::A4, PaperSize::B5, PaperSize::B4}) {
    if (PageSizeOf(paper) == id) return paper;
  }
  return std::nullopt;
}

void ConfigurePrinter(QPrinter& printer, const PrinterSettings& settings) {
  if (settings.printer.isEmpty()) return;
  if (printer.printerName() != settings.printer) printer.setPrinterName(settings.printer);
  printer.setFullPage(false);
  printer.setPageSize(settings.pageSize);
  printer.setPageOrientation(settings.orientation);
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
  printer.setCopyCount(settings.copies);
  printer.setDuplex(settings.duplex);
  ApplyBin(printer, settings.inputSlot);
}

PrinterSheet SheetOf(const QPrinter& printer) {
  return {printer.pageLayout(), printer.resolution()};
}

PrinterCapabilities CapabilitiesOf(const QPrinter& printer) {
  return CapabilitiesOf(SheetOf(printer));
}

PrinterCapabilities CapabilitiesOf(const PrinterSheet& sheet) {
  const int res = sheet.resolution;
  const QRect full = sheet.layout.fullRectPixels(res);
  const QRect paint = sheet.layout.paintRectPixels(res);
  return {res,          res,        full.width(), full.height(), paint.width(), paint.height(),
          paint.left(), paint.top()};
}

Paper PaperOf(const PrinterCapabilities& caps, const Paper& fallback) {
  Paper paper = fallback;
  const int hres = caps.horizontalResolution;
  const int vres = caps.verticalResolution;
  if (hres <= 0 || vres <= 0) return paper;
  paper.horizontalResolution = hres;
  paper.verticalResolution = vres;
  paper.printableLeft = TenthsMmFromDotsUp(caps.printableLeft, hres);
  paper.printableTop = TenthsMmFromDotsUp(caps.printableTop, vres);
  paper.width = TenthsMmFromDots(caps.pageWidth, hres);
  paper.height = TenthsMmFromDots(caps.pageHeight, vres);
  paper.printableRight = paper.printableLeft + TenthsMmFromDots(caps.printableWidth, hres);
  paper.printableBottom = paper.printableTop + TenthsMmFromDots(caps.printableHeight, vres);
  return paper;
}

}  // namespace kazenori
