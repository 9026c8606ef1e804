// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pageheader.h"

namespace kazenori {

void WritePageHeader(PageWriter& page, const PageGeometry& g, std::int32_t printNumber,
                     const std::string& instruction) {
  page.SetBold(false);
  page.SetColour(kBlack);
  page.SetHeight(30);
  page.Text(TextAlign::Left, g.left + 50, g.top + 50, "問題No." + std::to_string(printNumber));
  page.SetHeight(80);
  page.Text(TextAlign::Right, g.left + g.width - 50, g.top + 70, kNameBox);
  page.SetHeight(60);
  page.Text(TextAlign::Left, g.left + 50, g.top + 170, instruction);
  page.SetHeight(40);
  page.Text(TextAlign::LeftMid, g.left + 100, g.top + 300, kDateLine);
  page.SetHeight(60);
}

void WriteScoreBox(PageWriter& page, const PageGeometry& g, int problems) {
  page.SetHeight(60);
  page.Text(TextAlign::LeftMid, g.left + 760, g.top + 300,
            "　　／" + std::to_string(problems) + "点");
}

}  // namespace kazenori
