// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace kazenori {

constexpr int kPatternCount = 150;

enum class Kind { kTwoTerms, kThreeTerms, kSpecial };

// Which file of generators draws a pattern's numbers.
enum class Family { kAddSub, kMulDiv, kNumber };

struct PatternInfo {
  int number;
  const char* caption;  // UTF-8, exactly as shown next to the pattern's box
  int op;               // OpCode the generator gives its problems
  Kind kind;
  int form;  // display form of a special pattern, else 0
  Family family;
};

const std::array<PatternInfo, kPatternCount>& PatternCatalogue();

// The term count mode a pattern's problems are written in.
constexpr int TermModeOf(Kind kind) {
  switch (kind) {
    case Kind::kTwoTerms:
      return 0;
    case Kind::kThreeTerms:
      return 1;
    case Kind::kSpecial:
      return 2;
  }
  return -1;
}

// Pattern 1..150; throws std::out_of_range for any other number.
const PatternInfo& Pattern(int number);

}  // namespace kazenori
