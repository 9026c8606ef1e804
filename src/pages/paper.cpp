// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/paper.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace kazenori {

int TenthsMmFromDots(int dots, int dotsPerInch) {
  return static_cast<int>(static_cast<double>(dots) * kPageUnitsPerInch /
                          static_cast<double>(dotsPerInch));
}

int TenthsMmFromDotsUp(int dots, int dotsPerInch) {
  return static_cast<int>(std::ceil(dots * static_cast<double>(kPageUnitsPerInch) / dotsPerInch));
}

QFont WithPageUnitSize(QFont font) {
  if (font.pixelSize() <= 0 && font.pointSizeF() > 0) {
    font.setPixelSize(std::max(1, qRound(font.pointSizeF() * kPageUnitsPerInch / 72.0)));
  }
  return font;
}

Paper DesignPaper(PaperSize size) {
  Paper paper;
  const PageGeometry g = DesignPaperGeometry(size);
  const PaperDimensions d = DimensionsOf(size);
  paper.name = QString::fromLatin1(PaperName(size));
  paper.width = d.width;
  paper.height = d.height;
  paper.printableRight = g.left + g.width;
  paper.printableBottom = g.top + g.height;
  return paper;
}

bool Paper::operator==(const Paper& o) const {
  return name == o.name && source == o.source && width == o.width && height == o.height &&
         printableLeft == o.printableLeft && printableTop == o.printableTop &&
         printableRight == o.printableRight && printableBottom == o.printableBottom &&
         horizontalResolution == o.horizontalResolution &&
         verticalResolution == o.verticalResolution;
}

}  // namespace kazenori
