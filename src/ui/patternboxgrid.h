// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <array>

#include "generation/PatternCatalogue.h"

namespace kazenori {

// Where pattern box `number` stands inside the group box "暗算パターンの選択":
// its column of boxes (0..5, left to right) and its y in pixels.
struct PatternBoxPlace {
  int number;
  int column;
  int y;
  int xOffset;
};

inline constexpr int kPatternBoxHeight = 17;
inline constexpr int kPatternColumnCount = 6;

// The boxes column by column, top to bottom.
const std::array<PatternBoxPlace, kPatternCount>& PatternBoxPlaces();

// The box's bounds in the group box: from its column's edge to the next
// column (or the box's inner edge for the last column), kPatternBoxHeight high.
QRect PatternBoxBounds(const PatternBoxPlace& place);

}  // namespace kazenori
