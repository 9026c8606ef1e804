// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pageheader.h"

namespace kazenori {

void WritePageHeader(PageWriter& page, const PageGeometry& g, std::int32_t printNumber,
                     const QString& instruction) {
  page.SetBold(false);
  page.SetColour(qRgb(0, 0, 0));
  page.SetHeight(30);
  page.Text(TextAlign::Left, g.left + 50, g.top + 50,
            QStringLiteral("問題No.") + QString::number(printNumber));
  page.SetHeight(80);
  page.Text(TextAlign::Right, g.left + g.width - 50, g.top + 70, QString::fromUtf8(kNameBox));
  page.SetHeight(60);
  page.Text(TextAlign::Left, g.left + 50, g.top + 170, instruction);
  page.SetHeight(40);
  page.Text(TextAlign::LeftMid, g.left + 100, g.top + 300, QString::fromUtf8(kDateLine));
  page.SetHeight(60);
}

}  // namespace kazenori
