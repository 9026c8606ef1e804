// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <vector>

#include "generation/patterncatalogue.h"

namespace kazenori {

constexpr int kFirstGrade = 1;
constexpr int kLastGrade = 6;

// The school year (学年, 1..6) in which the course of study of 2017 teaches a
// pattern's calculation, the unit (単元) it belongs to, and whether the
// pattern goes beyond what that year teaches (発展: a mental-arithmetic trick
// or a case the content lists leave out).
struct PatternGrade {
  int number;
  int grade;
  const char* unit;  // UTF-8
  bool enrichment;
};

// Patterns 1..150 in order.
const std::array<PatternGrade, kPatternCount>& PatternGrades();

// Pattern 1..150; throws std::out_of_range for any other number.
const PatternGrade& GradeOf(int number);

// The patterns of school year `grade`, by number; none for a year outside 1..6.
std::vector<int> PatternsOfGrade(int grade);

}  // namespace kazenori
