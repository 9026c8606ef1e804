// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The generation driver: misuse, the repeat test and the texts it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "addsubmuldivcheck.h"
#include "driverscript.h"
#include "generation/patterncatalogue.h"
#include "generation/problemgenerator.h"
#include "generation/random.h"

namespace kazenori::testing {
namespace {

std::string LogicErrorOf(ScriptedDriver& driver, int index) {
  try {
    driver.generator.MakeProblem(index);
  } catch (const std::logic_error& e) {
    return e.what();
  }
  return "(no std::logic_error)";
}

TEST(Driver, MisuseThrowsLogicErrorsNamingTheFault) {
  ScriptedDriver none({});
  EXPECT_NE(LogicErrorOf(none, 1).find("empty"), std::string::npos);

  // Bad indexes are refused before anything is drawn (the script is empty).
  ScriptedDriver fine({2});
  EXPECT_NE(LogicErrorOf(fine, 0).find('0'), std::string::npos);
  EXPECT_NE(LogicErrorOf(fine, 51).find("51"), std::string::npos);
  EXPECT_EQ(fine.rnd.Calls(), 0);

  for (int entry : {0, 151, -3}) {
    ScriptedDriver bad({entry});
    bad.Then({{1, 0}});
    EXPECT_NE(LogicErrorOf(bad, 1).find(std::to_string(entry)), std::string::npos) << entry;
  }
}

TEST(Driver, TheNarrowestPatternsOfferJustEnoughProblems) {
  // 1..9 minus at most itself and 10 minus 1..9; 0..9 plus up to 10 in all.
  EXPECT_EQ(DistinctProblems(2, 0, 20000, 3), 54u);
  EXPECT_EQ(DistinctProblems(1, 0, 20000, 3), 55u);
  // The zero setting: 1..10 minus 0..itself - 1; sums up to 10 with 0.
  EXPECT_EQ(DistinctProblems(2, 1, 20000, 3), 55u);
  EXPECT_EQ(DistinctProblems(1, 1, 20000, 3), 65u);
}

TEST(Driver, PatternTwoAloneFillsFiftyDistinctProblems) {
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SeededRandom rnd(seed);
    ProblemTable table;
    PatternSelection selection;
    selection.SetTicked(2, true);
    ProblemGenerator generator(rnd, table, selection);
    std::set<std::pair<int, int>> seen;
    for (int i = 1; i <= kProblemCount; ++i) {
      generator.MakeProblem(i);
      EXPECT_TRUE(seen.emplace(table.At(i).valA, table.At(i).valB).second) << seed << ":" << i;
    }
  }
}

TEST(Driver, AnAdditionRepeatsASubtractionOfTheSameNumbers) {
  ScriptedDriver d({1, 2});
  d.Then({{2, 0}, {10, 7}, {3, 1}});  // pattern 1: 7 + 2
  EXPECT_EQ(d.Make(1).strAnswer, "9");
  // Pattern 2 draws 7 - 2, a repeat; it draws again without a new pick.
  d.Then({{2, 1}, {10, 6}, {7, 1}, {10, 6}, {7, 2}});
  const ProblemRecord& r = d.Make(2);
  EXPECT_EQ(TextsOf(r), (Texts{"7", "3", "", "", "4", ""}));
  EXPECT_EQ(r.op, Operation::Sub);

  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SeededRandom rnd(seed);
    ProblemTable table;
    PatternSelection selection;
    selection.SetTicked(1, true);
    selection.SetTicked(2, true);
    ProblemGenerator generator(rnd, table, selection);
    std::set<std::pair<int, int>> seen;
    for (int i = 1; i <= kProblemCount; ++i) {
      generator.MakeProblem(i);
      EXPECT_TRUE(seen.emplace(table.At(i).valA, table.At(i).valB).second) << seed << ":" << i;
    }
  }
}

class RepeatTest : public ::testing::Test {
 protected:
  ScriptedRandom rnd_;
  ProblemTable table_;
  PatternSelection selection_;
  ProblemGenerator generator_{rnd_, table_, selection_};

  void Put(int index, Operation op, TermMode mode, int form, Vals v) {
    ProblemRecord& r = table_.At(index);
    r.op = op, r.termMode = mode, r.form = form;
    r.valA = v[0], r.valB = v[1], r.valC = v[2], r.valD = v[3];
  }
  // Whether an attempt with these values, mode and current form repeats
  // one of records 1..index-1.
  bool Repeats(int index, TermMode mode, int form, Vals v) {
    generator_.State().termMode = mode;
    generator_.State().specialForm = form;
    Draw d{rnd_, generator_.State()};
    d.valA = v[0], d.valB = v[1], d.valC = v[2], d.valD = v[3];
    return generator_.IsRepeat(d, index);
  }
};

TEST_F(RepeatTest, ThreeTermProblemsCompareThreeValuesTwoTermProblemsTwo) {
  Put(1, Operation::Add, TermMode::ThreeTerms, 0, {5, 3, 4, 0});
  EXPECT_TRUE(Repeats(2, TermMode::ThreeTerms, 0, {5, 3, 4, 0}));
  EXPECT_FALSE(Repeats(2, TermMode::ThreeTerms, 0, {5, 3, 6, 0}));
  EXPECT_FALSE(Repeats(2, TermMode::ThreeTerms, 0, {5, 2, 4, 0}));
  // A later two-term problem repeats an earlier three-term one ...
  EXPECT_TRUE(Repeats(2, TermMode::TwoTerms, 0, {5, 3, 0, 0}));
  // ... but a later three-term problem does not repeat a two-term one.
  Put(1, Operation::Add, TermMode::TwoTerms, 0, {5, 3, 0, 0});
  EXPECT_FALSE(Repeats(2, TermMode::ThreeTerms, 0, {5, 3, 4, 0}));
  // Only records before the index count.
  EXPECT_FALSE(Repeats(1, TermMode::TwoTerms, 0, {5, 3, 0, 0}));
  Put(2, Operation::Sub, TermMode::TwoTerms, 0, {8, 1, 0, 0});
  EXPECT_TRUE(Repeats(3, TermMode::TwoTerms, 0, {8, 1, 0, 0}));
  EXPECT_FALSE(Repeats(2, TermMode::TwoTerms, 0, {8, 1, 0, 0}));
}

TEST_F(RepeatTest, FourthValueCountsOnlyForItsFormsAndOperations) {
  Put(1, Operation::Mul, TermMode::Special, 11, {2, 3, 4, 5});
  EXPECT_FALSE(Repeats(2, TermMode::Special, 11, {2, 3, 4, 6}));
  EXPECT_TRUE(Repeats(2, TermMode::Special, 11, {2, 3, 4, 5}));
  EXPECT_FALSE(Repeats(2, TermMode::Special, 12, {2, 3, 4, 6}));
  EXPECT_FALSE(Repeats(2, TermMode::Special, 9, {2, 3, 4, 6}));
  // Other forms ignore valD, and so does a division for the product forms.
  EXPECT_TRUE(Repeats(2, TermMode::Special, 27, {2, 3, 4, 6}));
  Put(1, Operation::Div, TermMode::Special, 18, {56, 7, 3, 4});
  EXPECT_FALSE(Repeats(2, TermMode::Special, 18, {56, 7, 3, 5}));
  EXPECT_TRUE(Repeats(2, TermMode::Special, 11, {56, 7, 3, 5}));
  EXPECT_TRUE(Repeats(2, TermMode::Special, 10, {56, 7, 3, 5}));
  // The form asked about is the current one, not the earlier record's.
  Put(1, Operation::Mul, TermMode::Special, 5, {2, 3, 4, 5});
  EXPECT_FALSE(Repeats(2, TermMode::Special, 11, {2, 3, 4, 6}));
  // The current form outlives its problem: a three-term product after a
  // form-11 problem still tells records apart by valD.
  Put(1, Operation::Mul, TermMode::ThreeTerms, 0, {2, 3, 4, 0});
  EXPECT_FALSE(Repeats(2, TermMode::ThreeTerms, 11, {2, 3, 4, 7}));
  EXPECT_TRUE(Repeats(2, TermMode::ThreeTerms, 8, {2, 3, 4, 7}));
}

TEST(Driver, Pattern37AllowsProblemsDifferingInValDOnly) {
  ScriptedDriver d({37});
  d.Then({{1, 0}, {9, 1}, {9, 2}, {9, 3}, {9, 4}});
  EXPECT_EQ(ValuesOf(d.Make(1)), (Vals{2, 3, 4, 5}));
  d.Then({{1, 0}, {9, 1}, {9, 2}, {9, 3}, {9, 5}});
  EXPECT_EQ(ValuesOf(d.Make(2)), (Vals{2, 3, 4, 6}));
  // The same four again are drawn afresh.
  d.Then({{1, 0}, {9, 1}, {9, 2}, {9, 3}, {9, 4}, {9, 1}, {9, 2}, {9, 3}, {9, 6}});
  EXPECT_EQ(ValuesOf(d.Make(3)), (Vals{2, 3, 4, 7}));
}

TEST(Driver, DivisionTextsCarryTheRemainderOnlyWhenItIsNotZero) {
  ProblemRecord r = MakeOne(32, 0, {{9, 8}, {100, 97}});  // 97 / 9
  EXPECT_EQ(TextsOf(r), (Texts{"97", "9", "", "", "10", "7"}));
  r = MakeOne(32, 0, {{9, 8}, {100, 90}});  // 90 / 9
  EXPECT_EQ(TextsOf(r), (Texts{"90", "9", "", "", "10", ""}));
}

TEST(Driver, SpecialRecordsKeepTheirFormAndOthersHaveFormZero) {
  ScriptedDriver d({37, 15, 5, 27});
  d.Then({{4, 0}, {9, 0}, {9, 1}, {9, 2}, {9, 3}});  // 1 x 2 + 3 x 4
  const ProblemRecord& special = d.Make(1);
  EXPECT_EQ(d.drawn, 37);
  EXPECT_EQ(CodesOf(special), (Codes{Operation::Mul, TermMode::Special, 11}));
  EXPECT_EQ(TextsOf(special), (Texts{"1", "2", "3", "4", "", ""}));

  d.Then({{4, 1}, {90, 22}});  // 3 x 2
  const ProblemRecord& two = d.Make(2);
  EXPECT_EQ(d.drawn, 15);
  EXPECT_EQ(CodesOf(two), (Codes{Operation::Mul, TermMode::TwoTerms, 0}));
  EXPECT_EQ(TextsOf(two), (Texts{"3", "2", "", "", "6", ""}));
  EXPECT_EQ(d.generator.State().specialForm, 11);  // never cleared

  d.Then({{4, 2}, {9, 1}, {9, 2}, {9, 3}});  // 2 + 3 + 4
  const ProblemRecord& three = d.Make(3);
  EXPECT_EQ(CodesOf(three), (Codes{Operation::Add, TermMode::ThreeTerms, 0}));
  EXPECT_EQ(TextsOf(three), (Texts{"2", "3", "4", "", "9", ""}));

  d.Then({{4, 3}, {8, 5}, {5, 2}, {3, 1}});  // 70 - (20 + 20), provisional
  const ProblemRecord& sub = d.Make(4);
  EXPECT_EQ(d.drawn, 27);
  EXPECT_EQ(CodesOf(sub), (Codes{Operation::Sub, TermMode::Special, 3}));
  EXPECT_EQ(TextsOf(sub), (Texts{"70", "20", "20", "", "30", ""}));
}

TEST(Driver, ThreeTermDivisionAnswersTheTwoQuotients) {
  ProblemRecord r = MakeOne(43, 0, {{9, 8}, {9, 6}, {9, 8}});  // 567 / 9 / 7
  EXPECT_EQ(TextsOf(r), (Texts{"567", "9", "7", "", "9", ""}));
}

TEST(Driver, SheetsOfEveryArithmeticPatternTickedStayConsistent) {
  PatternSelection selection;
  const std::vector<int> numberPatterns = NumberRulePatterns();
  for (int p = 1; p <= kPatternCount; ++p) {
    const bool number =
        std::find(numberPatterns.begin(), numberPatterns.end(), p) != numberPatterns.end();
    if (!number) selection.SetTicked(p, true);
  }
  SeededRandom rnd(77);
  ProblemTable table;
  ProblemGenerator generator(rnd, table, selection);
  generator.State().zero = ZeroSetting::Allowed;
  for (int sheet = 0; sheet < 40; ++sheet) {
    table.Reset();
    for (int i = 1; i <= kProblemCount; ++i) {
      generator.MakeProblem(i);
      const ProblemRecord& r = table.At(i);
      EXPECT_EQ(r.form != 0, r.termMode == TermMode::Special) << i;
      // Only special products and quotients wait for their form's answer.
      const bool waits =
          r.termMode == TermMode::Special && (r.op == Operation::Mul || r.op == Operation::Div);
      EXPECT_EQ(r.strAnswer.empty(), waits) << i;
      if (r.op == Operation::Div && r.termMode != TermMode::Special) {
        EXPECT_NE(r.valB, 0);
      }
      EXPECT_EQ(r.strA, std::to_string(r.valA));
      EXPECT_EQ(r.strB, std::to_string(r.valB));
    }
  }
}

}  // namespace
}  // namespace kazenori::testing
