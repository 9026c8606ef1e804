// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "generation/draw.h"

namespace kazenori {

constexpr int kPatternCount = 150;

// One pattern: its number, its caption (UTF-8, exactly as shown next to the
// pattern's box) and its generator.
struct PatternInfo {
  int number;
  const char* caption;
  GeneratorFn generate;
};

// Patterns 1..150 in order.
const std::array<PatternInfo, kPatternCount>& PatternCatalogue();

// Pattern 1..150; throws std::out_of_range for any other number.
const PatternInfo& Pattern(int number);

}  // namespace kazenori
