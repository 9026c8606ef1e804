// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A driver over a scripted random source, for tests that pin every draw of
// a problem: the first queued draw is the pattern pick.

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>

#include "generation/patternselection.h"
#include "generation/problemgenerator.h"
#include "generation/problemrecord.h"
#include "support/scriptedrandom.h"

namespace kazenori::testing {

struct ScriptedDriver {
  ScriptedRandom rnd;
  ProblemTable table;
  PatternSelection selection;
  ProblemGenerator generator{rnd, table, selection};
  int drawn = 0;  // the pattern the last Make reported

  explicit ScriptedDriver(std::initializer_list<int> patterns, int flag = 0) {
    for (int p : patterns) selection.SetTicked(p, true);
    generator.State().zero = flag ? ZeroSetting::Allowed : ZeroSetting::Refused;
  }

  // Queues (range, value) pairs in the order the draws must come.
  ScriptedDriver& Then(std::initializer_list<std::pair<int, int>> draws) {
    for (const auto& [n, value] : draws) rnd.Expect(n, value);
    return *this;
  }

  // Runs MakeProblem(index) and checks that it used exactly the queued draws.
  const ProblemRecord& Make(int index) {
    drawn = generator.MakeProblem(index);
    EXPECT_TRUE(rnd.Exhausted()) << rnd.Remaining() << " queued draws left unused";
    return table.At(index);
  }
};

// Makes record 1 of a sheet of the one pattern: the pick Rnd(1), then the
// given draws.
inline ProblemRecord MakeOne(int pattern, int flag,
                             std::initializer_list<std::pair<int, int>> draws) {
  ScriptedDriver driver({pattern}, flag);
  driver.Then({{1, 0}}).Then(draws);
  return driver.Make(1);
}

using Vals = std::array<int, 4>;
inline Vals ValuesOf(const ProblemRecord& r) {
  return {r.valA, r.valB, r.valC, r.valD};
}

// op, term count mode and form.
using Codes = std::tuple<Operation, TermMode, int>;
inline Codes CodesOf(const ProblemRecord& r) {
  return {r.op, r.termMode, r.form};
}

// strA, strB, strC, strD, strAnswer, strRemainder (strE is never written here).
using Texts = std::array<std::string, 6>;
inline Texts TextsOf(const ProblemRecord& r) {
  EXPECT_EQ(r.strE, "");
  return {r.strA, r.strB, r.strC, r.strD, r.strAnswer, r.strRemainder};
}

}  // namespace kazenori::testing
