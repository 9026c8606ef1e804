// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "composition/questiontext.h"
#include "generation/random.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;

TEST(QuestionText, BlankMarkReplacesTheDrawnCharacter) {
  ScriptedRandom one;
  one.Expect(1, 0);
  EXPECT_EQ(BlankMark("7", one), "□");
  for (const auto& [p, expected] : std::map<int, std::string>{{0, "□2"}, {1, "1□"}}) {
    ScriptedRandom r;
    r.Expect(2, p);
    EXPECT_EQ(BlankMark("12", r), expected);
  }
  for (const auto& [p, expected] : std::map<int, std::string>{{0, "□05"}, {1, "1□5"}, {2, "10□"}}) {
    ScriptedRandom r;
    r.Expect(3, p);
    EXPECT_EQ(BlankMark("105", r), expected);
  }
  ScriptedRandom none;
  none.Expect(0, 0);
  EXPECT_EQ(BlankMark("", none), "□");
}

TEST(QuestionText, BlankMarkPositionsAreEquallyLikely) {
  SeededRandom rnd(7);
  std::map<std::string, int> seen;
  for (int i = 0; i < 3000; ++i) ++seen[BlankMark("105", rnd)];
  ASSERT_EQ(seen.size(), 3u);
  for (const auto& [text, count] : seen) {
    EXPECT_GT(count, 850) << text;
    EXPECT_LT(count, 1150) << text;
  }
}

TEST(QuestionText, OperatorSigns) {
  EXPECT_EQ(OperatorSign(Operation::Add), "＋");
  EXPECT_EQ(OperatorSign(Operation::Sub), "－");
  EXPECT_EQ(OperatorSign(Operation::Mul), "×");
  EXPECT_EQ(OperatorSign(Operation::Div), "÷");
  EXPECT_EQ(OperatorSign(Operation::None), "");
  EXPECT_EQ(OperatorSign(static_cast<Operation>(5)), "");
}

}  // namespace
}  // namespace kazenori
