// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "composition/answersheet.h"
#include "composition/questionlines.h"
#include "formrecords.h"
#include "generation/problemrecord.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;
using testing::ThreeTerm;
using testing::TwoTerm;

constexpr forms::Layers kPlain{};
constexpr forms::Layers kHide{true, false};
constexpr forms::Layers kBlank{false, true};
constexpr forms::Layers kBoth{true, true};

TEST(ComposerLines, FlagsByItemDrawOnlyForRandom) {
  ScriptedRandom none;
  EXPECT_FALSE(DecideLayer(LayerSetting::None, none));
  EXPECT_TRUE(DecideLayer(LayerSetting::All, none));
  EXPECT_EQ(none.Calls(), 0);
  ScriptedRandom r;
  r.Expect(2, 1).Expect(2, 0);
  EXPECT_TRUE(DecideLayer(LayerSetting::Random, r));
  EXPECT_FALSE(DecideLayer(LayerSetting::Random, r));
  EXPECT_TRUE(r.Exhausted());
}

TEST(ComposerLines, TwoTermLayers) {
  ScriptedRandom none;
  const ProblemRecord add = TwoTerm(Operation::Add, 23, 5, "28");
  EXPECT_EQ(TwoTermQuestion(add, kPlain, none), "23＋5＝");
  EXPECT_EQ(TwoTermQuestion(add, kHide, none), "23□5＝28");
  EXPECT_EQ(TwoTermQuestion(TwoTerm(Operation::Sub, 9, 4, "5"), kPlain, none), "9－4＝");
  EXPECT_EQ(TwoTermQuestion(TwoTerm(Operation::Mul, 6, 7, "42"), kPlain, none), "6×7＝");
  EXPECT_EQ(TwoTermQuestion(TwoTerm(Operation::Div, 15, 5, "3"), kHide, none), "15□5＝3");

  ScriptedRandom r;
  r.Expect(3, 0).Expect(2, 1);  // blank strA, its second digit
  EXPECT_EQ(TwoTermQuestion(add, kBlank, r), "2□＋5＝28");
  r.Expect(3, 2).Expect(2, 0);  // the answer, its first digit; beats the hidden layer
  EXPECT_EQ(TwoTermQuestion(add, kBoth, r), "23＋5＝□8");
  r.Expect(3, 1).Expect(1, 0);
  EXPECT_EQ(TwoTermQuestion(add, kBoth, r), "23＋□＝28");
  EXPECT_TRUE(r.Exhausted());
  EXPECT_EQ(TwoTermQuestion(TwoTerm(Operation::None, 1, 2, "3"), kBoth, none), "1") << "unknown op";
  EXPECT_EQ(none.Calls(), 0);
}

TEST(ComposerLines, DivisionWithRemainder) {
  ScriptedRandom none;
  const ProblemRecord d = TwoTerm(Operation::Div, 17, 5, "3", "2");
  EXPECT_EQ(TwoTermQuestion(d, kPlain, none), "17÷5＝   … ");
  EXPECT_EQ(TwoTermQuestion(d, kHide, none), "17□5＝3 … 2");
  ScriptedRandom r;
  r.Expect(3, 0).Expect(2, 0);
  EXPECT_EQ(TwoTermQuestion(d, kBlank, r), "□7÷5＝3 … 2") << "the remainder is never blanked";
  EXPECT_TRUE(HasRemainder(d));
  EXPECT_FALSE(HasRemainder(TwoTerm(Operation::Div, 15, 5, "3")));
  EXPECT_FALSE(HasRemainder(TwoTerm(Operation::Div, 15, 0, "")));
  EXPECT_FALSE(HasRemainder(TwoTerm(Operation::Div, INT32_MIN, -1, "")));
  EXPECT_FALSE(HasRemainder(TwoTerm(Operation::Add, 17, 5, "22")));
}

TEST(ComposerLines, BlankingAOneCharacterAnswerIsRefused) {
  const ProblemRecord small = TwoTerm(Operation::Add, 3, 4, "7");
  ScriptedRandom r;
  r.Expect(3, 2);  // the answer: refused, no position is drawn
  EXPECT_EQ(TwoTermQuestion(small, kBlank, r), "3＋4＝");
  r.Expect(3, 2);
  EXPECT_EQ(TwoTermQuestion(small, kBoth, r), "3□4＝7") << "keeps the hidden layer";
  r.Expect(3, 1).Expect(1, 0);  // a one-digit term is blanked all the same
  EXPECT_EQ(TwoTermQuestion(small, kBlank, r), "3＋□＝7");
  EXPECT_TRUE(r.Exhausted());
  const ProblemRecord three = ThreeTerm(Operation::Add, 1, 2, 3, "6");
  r.Expect(4, 3);
  EXPECT_EQ(ThreeTermQuestion(three, kBlank, r), "1＋2＋3＝");
}

TEST(ComposerLines, ThreeTermLayers) {
  const ProblemRecord t = ThreeTerm(Operation::Add, 12, 5, 3, "20");
  ScriptedRandom none;
  EXPECT_EQ(ThreeTermQuestion(t, kPlain, none), "12＋5＋3＝");
  EXPECT_EQ(ThreeTermQuestion(t, kHide, none), "12□5□3＝20");
  ScriptedRandom r;
  r.Expect(4, 1).Expect(1, 0);
  EXPECT_EQ(ThreeTermQuestion(t, kBoth, r), "12＋□＋3＝20");
  r.Expect(4, 2).Expect(1, 0);
  EXPECT_EQ(ThreeTermQuestion(t, kBlank, r), "12＋5＋□＝20");
  r.Expect(4, 3).Expect(2, 1);
  EXPECT_EQ(ThreeTermQuestion(t, kBlank, r), "12＋5＋3＝2□");
  EXPECT_EQ(ThreeTermQuestion(ThreeTerm(Operation::Div, 40, 2, 5, "4"), kPlain, none), "40÷2÷5＝");
  EXPECT_TRUE(r.Exhausted());
}

TEST(ComposerLines, DispatchByTermMode) {
  ScriptedRandom none;
  ProblemRecord two = TwoTerm(Operation::Sub, 9, 3, "6");
  EXPECT_EQ(QuestionLine(two, kPlain, none), "9－3＝");
  ProblemRecord three = ThreeTerm(Operation::Sub, 9, 3, 2, "4");
  EXPECT_EQ(QuestionLine(three, kPlain, none), "9－3－2＝");
  ProblemRecord odd = TwoTerm(Operation::Add, 9, 3, "12");
  odd.termMode = static_cast<TermMode>(5);
  EXPECT_EQ(QuestionLine(odd, kHide, none), "9");
  ProblemRecord special = TwoTerm(Operation::Add, 9, 3, "12");
  special.termMode = TermMode::Special;
  special.form = 9;  // no composition: strA
  EXPECT_EQ(QuestionLine(special, kHide, none), "9");
}

TEST(ComposerLines, PlainProblemsIgnoreTheirFormField) {
  ScriptedRandom none;
  for (int form : {1, 9, 20, 26, 27, 52}) {
    ProblemRecord two = TwoTerm(Operation::Sub, 9, 3, "6");
    ProblemRecord three = ThreeTerm(Operation::Sub, 9, 3, 2, "4");
    two.form = three.form = form;
    EXPECT_EQ(QuestionLine(two, kPlain, none), "9－3＝") << form;
    EXPECT_EQ(QuestionLine(three, kPlain, none), "9－3－2＝") << form;
    EXPECT_EQ(AnswerLine(two), "9－3＝6") << form;
    EXPECT_EQ(AnswerLine(three), "9－3－2＝4") << form;
    EXPECT_TRUE(two.strE.empty() && three.strE.empty()) << form;
  }
  EXPECT_EQ(none.Calls(), 0);
}

}  // namespace
}  // namespace kazenori
