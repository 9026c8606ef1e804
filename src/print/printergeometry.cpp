// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printergeometry.h"

#include "pages/paper.h"
#include "print/printerselection.h"

namespace kazenori {

PageGeometry GeometryFromMetrics(const PrinterMetrics& m, const PageGeometry& fallback) {
  if (m.logPixelsX <= 0 || m.logPixelsY <= 0) return fallback;
  PageGeometry g;
  g.left = TenthsMmFromDots(m.offsetX, m.logPixelsX);
  g.top = TenthsMmFromDots(m.offsetY, m.logPixelsY);
  g.width = TenthsMmFromDots(m.horzRes, m.logPixelsX);
  g.height = TenthsMmFromDots(m.vertRes, m.logPixelsY);
  return g;
}

PrinterMetrics ReadPrinterMetrics(const PrinterSelection& printer) {
  const PrinterCapabilities caps = printer.Capabilities();
  PrinterMetrics m;
  m.logPixelsX = caps.horizontalResolution;
  m.logPixelsY = caps.verticalResolution;
  m.horzRes = caps.printableWidth;
  m.vertRes = caps.printableHeight;
  m.offsetY = caps.printableTop;
  m.offsetX = caps.printableLeft;
  return m;
}

PageGeometry PrinterPageGeometry(const PrinterSelection& printer, PrinterMetrics* metrics) {
  const PrinterMetrics m = ReadPrinterMetrics(printer);
  if (metrics != nullptr) *metrics = m;
  return GeometryFromMetrics(m, DesignPaperGeometry());
}

}  // namespace kazenori
