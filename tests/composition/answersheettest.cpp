// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "composition/answersheet.h"
#include "formrecords.h"
#include "generation/problemrecord.h"

namespace kazenori {
namespace {

using testing::SpecialRecord;
using testing::ThreeTerm;
using testing::TwoTerm;

TEST(AnswerSheet, TwoAndThreeTermLinesUseTheRealOperators) {
  EXPECT_EQ(AnswerLine(TwoTerm(Operation::Div, 17, 5, "3", "2")), "17÷5＝3 … 2");
  EXPECT_EQ(AnswerLine(TwoTerm(Operation::Div, 15, 5, "3")), "15÷5＝3");
  EXPECT_EQ(AnswerLine(TwoTerm(Operation::Mul, 6, 7, "42")), "6×7＝42");
  EXPECT_EQ(AnswerLine(TwoTerm(static_cast<Operation>(7), 6, 7, "42")), "6");
  ProblemRecord t = ThreeTerm(Operation::Sub, 9, 3, 2, "4");
  EXPECT_EQ(AnswerLine(t), "9－3－2＝4");
  t.op = Operation::Div;
  EXPECT_EQ(AnswerLine(t), "9÷3÷2＝4") << "no remainder for three terms";
}

TEST(AnswerSheet, SpecialLinesByForm) {
  ProblemRecord s = SpecialRecord(52, Operation::Mul, 12, 0);
  s.strAnswer = "答え 1,2,3,4,6,12";
  s.strE = "12の約数";
  s.form = 52;
  EXPECT_EQ(AnswerLine(s), "12の約数");
  s.form = 26;
  s.strAnswer = "6";
  EXPECT_EQ(AnswerLine(s), "6");
  for (int form : {1, 19, 27, 50}) {
    s.form = form;
    s.strE = "80＋(60－20)＝";
    s.strAnswer = "120";
    EXPECT_EQ(AnswerLine(s), "80＋(60－20)＝120") << form;
  }
  for (int form : {0, 53, 60}) {
    s.form = form;
    EXPECT_EQ(AnswerLine(s), "12") << form;
  }
  s.termMode = static_cast<TermMode>(4);
  EXPECT_EQ(AnswerLine(s), "12");
}

}  // namespace
}  // namespace kazenori
