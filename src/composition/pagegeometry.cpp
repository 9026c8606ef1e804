// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pagegeometry.h"

#include <stdexcept>
#include <string>

#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

PageGeometry DesignPaperGeometry(int printableLeft, int printableTop, int printableRight,
                                 int printableBottom) {
  PageGeometry g;
  g.left = printableLeft;
  g.top = printableTop;
  g.width = printableRight - printableLeft;
  g.height = printableBottom - printableTop;
  g.fromDesignPaper = true;
  return g;
}

namespace {

int ToTenthsMm(int measure, int dpi) {
  return static_cast<int>(static_cast<double>(measure) * 254.0 / static_cast<double>(dpi));
}

}  // namespace

PageGeometry GeometryFromMetrics(const PrinterMetrics& m, const PageGeometry& fallback) {
  if (m.logPixelsX <= 0 || m.logPixelsY <= 0) return fallback;
  PageGeometry g;
  g.left = ToTenthsMm(m.offsetX, m.logPixelsX);
  g.top = ToTenthsMm(m.offsetY, m.logPixelsY);
  g.width = ToTenthsMm(m.horzRes, m.logPixelsX);
  g.height = ToTenthsMm(m.vertRes, m.logPixelsY);
  return g;
}

PrinterMetrics ReadPrinterMetrics(const TplSetPrinter& printer) {
  // Capability indexes of the printer settings: 1/2 resolutions, 5/6 printable
  // size, 7 top offset, 9 left offset.
  PrinterMetrics m;
  m.logPixelsX = printer.GetPrinterCaps(1);
  m.logPixelsY = printer.GetPrinterCaps(2);
  m.horzRes = printer.GetPrinterCaps(5);
  m.vertRes = printer.GetPrinterCaps(6);
  m.offsetY = printer.GetPrinterCaps(7);
  m.offsetX = printer.GetPrinterCaps(9);
  return m;
}

PageGeometry FormShowGeometry(const TplSetPrinter& printer, const TCustomplPrev& document,
                              PrinterMetrics* metrics) {
  const PrinterMetrics m = ReadPrinterMetrics(printer);
  if (metrics != nullptr) *metrics = m;
  const DesignPaperValue& d = document.DesignPaper();
  return GeometryFromMetrics(
      m, DesignPaperGeometry(d.printableLeft, d.printableTop, d.printableRight, d.printableBottom));
}

int RowPitch(const PageGeometry& g) {
  return (g.height - 1370) / 17;
}

int ColumnPitch(const PageGeometry& g) {
  return (g.width - 1740) / 2;
}

QPoint ProblemPlace(int i, const PageGeometry& g, int rowPitch, int columnPitch) {
  const int row = rowPitch + 60;
  if (i >= 1 && i <= 16) return {g.left + 150, g.top + 350 + i * row};
  if (i >= 17 && i <= 33) return {g.left + columnPitch + 630, g.top + 350 + (i - 17) * row};
  if (i >= 34 && i <= 50) return {g.left + 2 * columnPitch + 1110, g.top + 350 + (i - 34) * row};
  throw std::out_of_range("problem " + std::to_string(i) + " is outside 1..50");
}

}  // namespace kazenori
