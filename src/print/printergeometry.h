// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "composition/pagegeometry.h"

namespace kazenori {

class PrinterSelection;

// The printer's device values the geometry is derived from (device dots and
// dots per inch); kept beside the geometry, read by nothing else. They are
// PrinterCapabilities' printable area and resolution under the names the
// layout was first measured with; the geometry truncates the offsets where
// the pages' Paper rounds them up (see composition/pagegeometry.h for how the
// page types relate).
struct PrinterMetrics {
  int offsetX = 0;     // PHYSICALOFFSETX
  int offsetY = 0;     // PHYSICALOFFSETY
  int horzRes = 0;     // HORZRES
  int vertRes = 0;     // VERTRES
  int logPixelsX = 0;  // LOGPIXELSX
  int logPixelsY = 0;  // LOGPIXELSY
};

// measure × 254 ÷ dpi of its own axis, in floating point, truncated. A zero
// resolution (every capability reads 0 without a printer) would divide by
// zero; then `fallback` is returned instead.
PageGeometry GeometryFromMetrics(const PrinterMetrics& m, const PageGeometry& fallback);

// The printer's metrics and the page geometry derived from them, the design
// paper's when the printer gives no resolution (no printer installed).
PrinterMetrics ReadPrinterMetrics(const PrinterSelection& printer);
PageGeometry PrinterPageGeometry(const PrinterSelection& printer,
                                 PrinterMetrics* metrics = nullptr);

}  // namespace kazenori
