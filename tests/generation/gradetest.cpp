// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <vector>

#include "generation/patterngrades.h"

namespace kazenori {
namespace {

// Each year's content list names these calculations first.
TEST(PatternGrades, FollowTheYearsThatTeachTheCalculation) {
  const struct {
    int pattern;
    int grade;
  } rows[] = {
      {3, 1},    // sums below 20
      {86, 1},   // three one-digit numbers
      {76, 2},   // two-digit sums with a carry
      {15, 2},   // the multiplication table
      {18, 3},   // division with a remainder
      {58, 3},   // tenths
      {33, 3},   // three digits times one
      {105, 4},  // division by two digits
      {50, 4},   // the distributive law
      {60, 4},   // a decimal times an integer
      {61, 5},   // a decimal times a decimal
      {53, 5},   // least common multiple
      {57, 6},   // ratio
  };
  for (const auto& row : rows) EXPECT_EQ(GradeOf(row.pattern).grade, row.grade) << row.pattern;
}

// A drill series is one calculation with another number: one year for all.
TEST(PatternGrades, ASeriesSharesItsYear) {
  const std::vector<std::vector<int>> series{
      {111, 112, 113, 114, 115, 137, 138, 139, 140, 141},
      {116, 117, 118, 119, 120, 142, 143, 144, 145, 146},
      {123, 124, 125, 126, 147, 148, 149, 150},
      {127, 128, 129, 130, 131, 132, 133, 134},
      {17, 18, 19},
      {51, 52, 53, 54, 135, 136},
  };
  for (const auto& members : series) {
    for (int n : members) EXPECT_EQ(GradeOf(n).grade, GradeOf(members.front()).grade) << n;
  }
}

TEST(PatternGrades, EveryPatternIsInExactlyOneYear) {
  std::multiset<int> seen;
  for (int grade = kFirstGrade; grade <= kLastGrade; ++grade) {
    const std::vector<int> patterns = PatternsOfGrade(grade);
    EXPECT_FALSE(patterns.empty()) << grade;
    seen.insert(patterns.begin(), patterns.end());
  }
  ASSERT_EQ(seen.size(), static_cast<std::size_t>(kPatternCount));
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_EQ(seen.count(n), 1u) << n;
  EXPECT_TRUE(PatternsOfGrade(7).empty());
  EXPECT_THROW(GradeOf(151), std::out_of_range);
}

}  // namespace
}  // namespace kazenori
