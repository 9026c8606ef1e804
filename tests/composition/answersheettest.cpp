// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "composition/answersheet.h"
#include "generation/ProblemRecord.h"

namespace kazenori {
namespace {

ProblemRecord Rec(int termMode, int op, int a, int b, const std::string& answer) {
  ProblemRecord r;
  r.termMode = termMode;
  r.op = op;
  r.valA = a;
  r.valB = b;
  r.strA = std::to_string(a);
  r.strB = std::to_string(b);
  r.strAnswer = answer;
  return r;
}

TEST(AnswerSheet, TwoAndThreeTermLinesUseTheRealOperators) {
  ProblemRecord d = Rec(kTwoTerms, kOpDiv, 17, 5, "3");
  d.strRemainder = "2";
  EXPECT_EQ(AnswerLine(d), "17÷5＝3 … 2");
  EXPECT_EQ(AnswerLine(Rec(kTwoTerms, kOpDiv, 15, 5, "3")), "15÷5＝3");
  EXPECT_EQ(AnswerLine(Rec(kTwoTerms, kOpMul, 6, 7, "42")), "6×7＝42");
  EXPECT_EQ(AnswerLine(Rec(kTwoTerms, 7, 6, 7, "42")), "6");
  ProblemRecord t = Rec(kThreeTerms, kOpSub, 9, 3, "4");
  t.strC = "2";
  EXPECT_EQ(AnswerLine(t), "9－3－2＝4");
  t.op = kOpDiv;
  EXPECT_EQ(AnswerLine(t), "9÷3÷2＝4") << "no remainder for three terms";
}

TEST(AnswerSheet, SpecialLinesByForm) {
  ProblemRecord s = Rec(kSpecial, kOpMul, 12, 0, "答え 1,2,3,4,6,12");
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
  s.termMode = 4;
  EXPECT_EQ(AnswerLine(s), "12");
}

}  // namespace
}  // namespace kazenori
