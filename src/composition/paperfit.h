// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"

namespace kazenori {

// How a sheet laid out on A4 goes onto another paper, as a teacher's
// enlarging (or reducing) copy would take it: every position and size times
// one factor, from the printable area's top-left corner, the printer's
// margins kept. The factor is the smaller of the two printable areas' ratios,
// so that the sheet fills the paper's printable area without leaving it.
// Whole tenths of a millimetre, rounded half away from zero, in integers:
// every front end gets the same numbers.
class PaperFit {
 public:
  // `a4`: the printable area the sheet is laid out on.
  PaperFit(const PageGeometry& a4, PaperSize paper);

  // The printable area on the paper.
  const PageGeometry& Geometry() const { return to_; }
  bool Scales() const { return to_.paper != from_.paper; }

  int Length(int length) const;
  Point Place(Point p) const;
  TextItem Fit(TextItem item) const;
  void Fit(WorksheetPage& page) const;

 private:
  PageGeometry from_;
  PageGeometry to_;
  std::int64_t times_ = 1;
  std::int64_t over_ = 1;
};

}  // namespace kazenori
