// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "generation/PatternCatalogue.h"
#include "generation/PatternSelection.h"
#include "generation/ProblemRecord.h"

namespace kazenori {
namespace {

using Entries = std::vector<std::string>;

TEST(PatternSelection, KeepsTickOrderAndRemovesTheFirstEqualEntry) {
  PatternSelection s;
  s.QPClick(5, true);
  s.QPClick(3, true);
  s.QPClick(12, true);
  EXPECT_EQ(s.Entries(), (Entries{"5", "3", "12"}));
  s.QPClick(3, false);
  EXPECT_EQ(s.Entries(), (Entries{"5", "12"}));
  s.QPClick(3, true);
  EXPECT_EQ(s.Entries(), (Entries{"5", "12", "3"}));
  s.QPClick(111, true);
  EXPECT_EQ(s.Entry(3), "111");
  s.QPClick(42, false);  // never ticked: nothing changes
  EXPECT_EQ(s.Count(), 4);
  s.Clear();
  EXPECT_TRUE(s.Empty());
}

TEST(PatternCatalogue, HasEveryPatternOnceWithItsKindAndForm) {
  const auto& rows = PatternCatalogue();
  std::set<int> forms;
  int special = 0;
  for (int n = 1; n <= kPatternCount; ++n) {
    const PatternInfo& p = Pattern(n);
    EXPECT_EQ(p.number, n);
    EXPECT_GE(p.op, kOpAdd);
    EXPECT_LE(p.op, kOpDiv);
    EXPECT_NE(std::string(p.caption), "");
    if (p.kind == Kind::kSpecial) {
      ++special;
      EXPECT_TRUE(forms.insert(p.form).second) << "form " << p.form << " used twice";
    } else {
      EXPECT_EQ(p.form, 0) << n;
    }
  }
  EXPECT_EQ(rows.size(), 150u);
  EXPECT_EQ(special, 51);
  EXPECT_EQ(forms.count(9), 0u);
  EXPECT_EQ(*forms.rbegin(), 52);
  EXPECT_STREQ(Pattern(7).caption, "2桁＋1桁(繰上なし)");
  EXPECT_STREQ(Pattern(135).caption, "○の倍数（0を含まない）");
  EXPECT_EQ(Pattern(35).op, kOpMul);
  EXPECT_EQ(Pattern(35).form, 5);
  EXPECT_THROW(Pattern(0), std::out_of_range);
  EXPECT_THROW(Pattern(151), std::out_of_range);
}

}  // namespace
}  // namespace kazenori
