// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>

#include "composition/pagegeometry.h"

class QFont;

namespace kazenori {

// Pages are laid out in 0.1 mm: 254 units to the inch.
constexpr int kPageUnitsPerInch = 254;

// A measure of `dots` at `dotsPerInch` in 0.1 mm, truncated towards zero.
int TenthsMmFromDots(int dots, int dotsPerInch);
// The same, rounded up: a printable area's offset, so that nothing is drawn
// in the dots the printer cannot reach.
int TenthsMmFromDotsUp(int dots, int dotsPerInch);
// A font with a point size gets the pixel size in 0.1 mm it has on paper, so
// that replaying it on a device of another resolution keeps its size.
QFont WithPageUnitSize(QFont font);

// The sheet pages are laid out on, in 0.1 mm from its top-left corner, and the
// resolution of the device it stands for. The defaults are the design paper:
// A4 with the printable area the program uses when there is no printer. Its
// printable rectangle is what the composition calls the PageGeometry on the
// same paper; a printer's comes from PaperOf (print/printersettings.h). How
// the page types relate: composition/pagegeometry.h.
struct Paper {
  QString name = QStringLiteral("A4");
  QString source;  // the paper source's name, where the printer has one
  int width = DimensionsOf(PaperSize::A4).width;
  int height = DimensionsOf(PaperSize::A4).height;
  int printableLeft = kDesignPrintableLeft;
  int printableTop = kDesignPrintableTop;
  int printableRight = kDesignPrintableRight;
  int printableBottom = kDesignPrintableBottom;
  int horizontalResolution = 600;
  int verticalResolution = 600;

  int PrintableWidth() const { return printableRight - printableLeft; }
  int PrintableHeight() const { return printableBottom - printableTop; }
  QRect PrintableArea() const {
    return {printableLeft, printableTop, PrintableWidth(), PrintableHeight()};
  }
  bool operator==(const Paper& o) const;
  bool operator!=(const Paper& o) const { return !(*this == o); }
};

// The design paper, or its margins kept on another paper (as a sheet scaled
// onto that paper has them).
Paper DesignPaper(PaperSize size = PaperSize::A4);

}  // namespace kazenori
