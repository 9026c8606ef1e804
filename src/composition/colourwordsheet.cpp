// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/colourwordsheet.h"

#include "composition/pageheader.h"

namespace kazenori {

const std::array<ColourEntry, kColourCount>& ColourTable() {
  static constexpr std::array<ColourEntry, kColourCount> kTable{{
      {"あお", Rgb{0, 0, 255}},
      {"あか", Rgb{255, 0, 0}},
      {"きいろ", Rgb{255, 255, 0}},
      {"みどり", Rgb{0, 128, 0}},
      {"くろ", kBlack},
  }};
  return kTable;
}

ColourWordLayout LayoutFor(const ColourWordSettings& settings) {
  if (settings.colourCount < 2 || settings.colourCount > kColourCount) return {};
  switch (settings.wordsPerBlock) {
    case 20:
      return {80, 4, 3};
    case 30:
      return {90, 3, 5};
    case 40:
      return {80, 2, 6};
    default:
      return {};
  }
}

void FillColourWords(ColourWordTable& table, const ColourWordSettings& settings, Random& rnd) {
  const int total = LayoutFor(settings).total;
  const int n = settings.colourCount;
  for (int j = 0; j < total; ++j) {
    ColourWord& entry = table[static_cast<std::size_t>(j)];
    entry.word = ColourTable()[static_cast<std::size_t>(rnd.Rnd(n))].word;
    int ink = rnd.Rnd(n);
    if (j > 0 && n != 2) {
      const int previous = table[static_cast<std::size_t>(j - 1)].ink;
      while (ink == previous) ink = rnd.Rnd(n);
    }
    entry.ink = ink;
  }
}

void WriteColourWords(PageWriter& page, const PageGeometry& g, const ColourWordTable& table,
                      const ColourWordSettings& settings) {
  const ColourWordLayout layout = LayoutFor(settings);
  const int rowPitch = (g.height - 1370) / 20;
  const int columnPitch = (g.width - 1510) / 6;
  const int rows = layout.rowsPerBlock;

  page.SetHeight(40);
  for (int k = 1; k < layout.blocks; ++k) {
    page.Text(TextAlign::LeftMid, g.left + 100, g.top + 300 + 250 * k + k * rows * (rowPitch + 60),
              kDateLine);
  }
  page.SetHeight(60);
  page.SetBold(true);
  const int perBlock = settings.wordsPerBlock;
  for (int j = 0; j < layout.total; ++j) {
    const ColourWord& w = table[static_cast<std::size_t>(j)];
    page.SetColour(ColourTable()[static_cast<std::size_t>(w.ink)].ink);
    const int k = j / perBlock;
    const int m = j - k * perBlock;
    const int p = m % 7;
    const int q = m / 7;
    page.Text(TextAlign::Center, g.left + 150 + p * (columnPitch + 180),
              g.top + 450 + 250 * k + (k * rows + q) * (rowPitch + 60), w.word);
  }
}

}  // namespace kazenori
