// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "generation/patterncatalogue.h"
#include "generation/patternselection.h"

namespace kazenori {
namespace {

using Patterns = std::vector<int>;

TEST(PatternSelection, KeepsTickOrderAndRemovesTheFirstEqualEntry) {
  PatternSelection s;
  s.SetTicked(5, true);
  s.SetTicked(3, true);
  s.SetTicked(12, true);
  EXPECT_EQ(s.Patterns(), (Patterns{5, 3, 12}));
  s.SetTicked(3, false);
  EXPECT_EQ(s.Patterns(), (Patterns{5, 12}));
  s.SetTicked(3, true);
  EXPECT_EQ(s.Patterns(), (Patterns{5, 12, 3}));
  s.SetTicked(111, true);
  EXPECT_EQ(s.At(3), 111);
  s.SetTicked(42, false);  // never ticked: nothing changes
  EXPECT_EQ(s.Count(), 4);
  s.Clear();
  EXPECT_TRUE(s.Empty());
}

TEST(PatternCatalogue, FindsEachPatternByItsNumber) {
  EXPECT_EQ(PatternCatalogue().size(), 150u);
  EXPECT_STREQ(Pattern(7).caption, "2桁＋1桁(繰上なし)");
  EXPECT_STREQ(Pattern(135).caption, "○の倍数（0を含まない）");
  EXPECT_STREQ(Pattern(150).caption, "×9の特訓");
  EXPECT_THROW(Pattern(0), std::out_of_range);
  EXPECT_THROW(Pattern(151), std::out_of_range);
}

}  // namespace
}  // namespace kazenori
