// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>

#include "composition/colourwordsheet.h"
#include "composition/pagegeometry.h"
#include "composition/paperfit.h"
#include "composition/sheetoptions.h"
#include "composition/worksheet.h"
#include "generation/patternselection.h"
#include "generation/problemgenerator.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// The refusal of an arithmetic sheet without a ticked pattern.
inline std::string EmptySelectionText() {
  return "少なくとも１つは問題を指定して下さい。";
}

// Thrown before anything is drawn when an arithmetic sheet is asked for
// without a pattern; what() is EmptySelectionText().
class EmptySelectionError : public std::runtime_error {
 public:
  EmptySelectionError() : std::runtime_error(EmptySelectionText()) {}
};

// Whether sheets numbered first .. first + sheets - 1 stay in 32 bits.
inline bool SheetNumbersFit(std::int32_t first, int sheets) {
  return static_cast<std::int64_t>(first) + sheets - 1 <= std::numeric_limits<std::int32_t>::max();
}

// Composes worksheets and colour-word sheets as values, without any paint
// device. Owns the problem table, the generator state and the colour-word
// table for the whole run; every draw comes from the one random source.
// Sheets are laid out on `geometry`, the printable area on A4, and then
// scaled onto options.paper (see PaperFit): the worksheet's geometry is the
// printable area on that paper.
class Composer {
 public:
  explicit Composer(Random& rnd, PageGeometry geometry = DesignPaperGeometry());
  Composer(const Composer&) = delete;
  Composer& operator=(const Composer&) = delete;

  const PageGeometry& Geometry() const { return geometry_; }

  // `sheets` sheets in print order, sheet k (0-based) numbered
  // options.printNumber + k: worksheets, or grid sheets (options.grid, which
  // read no patterns), or colour-word sheets (options.bonus). Throws
  // EmptySelectionError, or std::invalid_argument when sheets < 1, the
  // numbers would run past 2147483647, or a grid is asked for with the
  // colour-word sheet or in another size than 5 or 10, before any draw.
  Worksheet Compose(const SheetOptions& options, int sheets = 1);

  // As Compose, from the same draws, but each sheet is handed to `composed`
  // as a worksheet of its own (its pages numbered from 1) and then dropped:
  // however many sheets, one is held at a time.
  using SheetSink = std::function<void(Worksheet& sheet)>;
  void ComposeEach(const SheetOptions& options, int sheets, const SheetSink& composed);

  const ProblemTable& Problems() const { return table_; }
  const ColourWordTable& ColourWords() const { return colourWords_; }

 private:
  void Start(const SheetOptions& options, int sheets);
  void ComposeSheet(const SheetOptions& options, int k, Worksheet& into);
  void Generate(const SheetOptions& options, ComposedSheet& sheet);
  void WriteWorksheet(const SheetOptions& options, ComposedSheet& sheet, Worksheet& into);
  void WriteColourSheet(const SheetOptions& options, std::int32_t number, Worksheet& into);
  void WriteGridSheet(const SheetOptions& options, ComposedSheet& sheet, Worksheet& into);

  Random& rnd_;
  PageGeometry geometry_;
  PaperFit fit_{geometry_, PaperSize::A4};  // onto the paper of the sheets under way
  PatternSelection selection_;
  ProblemTable table_;
  ProblemGenerator generator_;
  ColourWordTable colourWords_;
};

}  // namespace kazenori
