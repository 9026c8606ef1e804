// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/seededcomposition.h"

#include <optional>
#include <utility>

namespace kazenori {
namespace {

// Codes the sheet `index` of the composition and prints the code on its
// pages, placed on A4 (`layout`) and scaled with the sheet.
void Stamp(Worksheet& worksheet, ComposedSheet& sheet, std::uint32_t seed, int index,
           const SheetOptions& options, const PageGeometry& layout) {
  SheetOptions own = options;
  own.printNumber = sheet.printNumber;
  const std::optional<std::string> code = EncodeSheetCode({seed, index, own});
  if (!code) return;
  sheet.code = *code;
  const TextItem item = PaperFit(layout, options.paper).Fit(SheetCodeItem(layout, sheet.code));
  const auto first = static_cast<std::size_t>(sheet.firstPage - 1);
  for (std::size_t p = first; p < first + static_cast<std::size_t>(sheet.pageCount); ++p) {
    worksheet.pages.at(p).items.push_back(item);
  }
}

}  // namespace

std::uint32_t DrawSeed(Random& rnd) {
  const auto high = static_cast<std::uint32_t>(rnd.Rnd(0x10000));
  return (high << 16) | static_cast<std::uint32_t>(rnd.Rnd(0x10000));
}

TextItem SheetCodeItem(const PageGeometry& g, const std::string& code) {
  TextItem item;
  item.align = TextAlign::Right;
  item.x = g.left + g.width - 50;
  // Above the name box, in the strip every page kind leaves empty: the rows
  // below reach the foot of the printable area on some sheets.
  item.y = g.top + 10;
  item.height = 30;
  item.text = "再作成コード " + code;
  return item;
}

Worksheet ComposeSeeded(std::uint32_t seed, const SheetOptions& options, int sheets,
                        const PageGeometry& geometry) {
  SeededRandom rnd(seed);
  Composer composer(rnd, geometry);
  Worksheet worksheet = composer.Compose(options, sheets);
  for (std::size_t k = 0; k < worksheet.sheets.size(); ++k) {
    Stamp(worksheet, worksheet.sheets[k], seed, static_cast<int>(k), options, geometry);
  }
  return worksheet;
}

void ComposeSeededEach(std::uint32_t seed, const SheetOptions& options, int sheets,
                       const PageGeometry& geometry, const Composer::SheetSink& composed) {
  SeededRandom rnd(seed);
  Composer composer(rnd, geometry);
  int index = 0;
  composer.ComposeEach(options, sheets, [&](Worksheet& one) {
    Stamp(one, one.sheets.front(), seed, index++, options, geometry);
    composed(one);
  });
}

// The sheets before it are composed and dropped: their draws lead up to it.
Worksheet Remake(const SheetRecipe& recipe, const PageGeometry& geometry) {
  SheetOptions first = recipe.options;
  first.printNumber = recipe.options.printNumber - recipe.index;
  Worksheet remade;
  int index = 0;
  ComposeSeededEach(recipe.seed, first, recipe.index + 1, geometry, [&](Worksheet& one) {
    if (index++ == recipe.index) remade = std::move(one);
  });
  return remade;
}

Worksheet RemakeUpTo(const SheetRecipe& recipe, const PageGeometry& geometry) {
  SheetOptions first = recipe.options;
  first.printNumber = recipe.options.printNumber - recipe.index;
  return ComposeSeeded(recipe.seed, first, recipe.index + 1, geometry);
}

}  // namespace kazenori
