// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "composition/composer.h"
#include "composition/pagegeometry.h"
#include "composition/sheetcode.h"
#include "composition/sheetoptions.h"
#include "composition/worksheet.h"
#include "generation/random.h"

namespace kazenori {

// A seed for the next composition, from two draws of the program's source.
std::uint32_t DrawSeed(Random& rnd);

// Compositions that can be made again. Each starts from its seed with a
// composer of its own, so that sheet k depends on nothing but the seed, k and
// the options, and every sheet carries the code that names them
// (ComposedSheet::code), printed small at the foot of its pages. The draws
// are those of a composer given SeededRandom(seed): the seeds of the command
// line give the sheets they always gave. `geometry` is the printable area on
// A4, as for the composer, which scales the sheets onto options.paper.
Worksheet ComposeSeeded(std::uint32_t seed, const SheetOptions& options, int sheets,
                        const PageGeometry& geometry);
void ComposeSeededEach(std::uint32_t seed, const SheetOptions& options, int sheets,
                       const PageGeometry& geometry, const Composer::SheetSink& composed);

// The one sheet a recipe names, made again on `geometry`: the same problems,
// the same pages, the same code. Throws as Compose does.
Worksheet Remake(const SheetRecipe& recipe, const PageGeometry& geometry);
// The whole composition up to the sheet a recipe names, as it was first
// composed: a class set made again from its last sheet's code.
Worksheet RemakeUpTo(const SheetRecipe& recipe, const PageGeometry& geometry);

// The item that prints a sheet's code in the top right-hand corner of the
// printable area `geometry` (on A4), above the header, where no page kind has
// anything.
TextItem SheetCodeItem(const PageGeometry& geometry, const std::string& code);

}  // namespace kazenori
