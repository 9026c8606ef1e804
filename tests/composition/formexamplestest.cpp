// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Worked examples of the display forms, with every draw scripted.

#include <gtest/gtest.h>

#include <string>

#include "composition/displayforms.h"
#include "formrecords.h"
#include "support/scriptedrandom.h"

namespace kazenori {
namespace {

using testing::ScriptedRandom;
using testing::SpecialRecord;

struct Composed {
  std::string line;
  ProblemRecord rec;
};

// Composes with the given draws and checks that exactly those were made.
Composed Compose(ProblemRecord rec, int hide, int blank, ScriptedRandom rnd = {}) {
  std::string line = ComposeSpecialQuestion(rec, {hide != 0, blank != 0}, rnd);
  EXPECT_TRUE(rnd.Exhausted()) << rnd.Remaining() << " scripted draws were not made";
  return {line, rec};
}

TEST(FormBrackets, Form8SecondWritingThroughAllLayers) {
  const ProblemRecord r = SpecialRecord(8, Operation::Mul, 3, 4, 5);
  auto plain = Compose(r, 0, 0, ScriptedRandom().Expect(2, 1));
  EXPECT_EQ(plain.line, "5×(3＋4)＝");
  EXPECT_EQ(plain.rec.strE, "5×(3＋4)＝");
  EXPECT_EQ(plain.rec.strAnswer, "35");

  EXPECT_EQ(Compose(r, 1, 0, ScriptedRandom().Expect(2, 1)).line, "5□(3□4)＝35");
  // Choice 1 names strB wherever the writing puts it; "4" has one position.
  auto blanked = Compose(r, 1, 1, ScriptedRandom().Expect(2, 1).Expect(4, 1).Expect(1, 0));
  EXPECT_EQ(blanked.line, "5×(3＋□)＝35");
  EXPECT_EQ(blanked.rec.strE, "5×(3＋4)＝");

  EXPECT_EQ(Compose(r, 0, 0, ScriptedRandom().Expect(2, 0)).line, "(3＋4)×5＝");
  EXPECT_EQ(Compose(r, 0, 1, ScriptedRandom().Expect(2, 0).Expect(4, 3).Expect(2, 0)).line,
            "(3＋4)×5＝□5");
}

TEST(FormBrackets, Forms1And2And6ComposeTheSameTexts) {
  for (int writing = 0; writing < 2; ++writing) {
    for (int choice = 0; choice < 4; ++choice) {
      std::string first;
      for (const int form : {1, 2, 6}) {
        auto c = Compose(SpecialRecord(form, Operation::Add, 140, 90, 70), 1, 1,
                         ScriptedRandom()
                             .Expect(2, writing)
                             .Expect(4, choice)
                             .Expect(choice == 3 ? 3 : (choice == 0 ? 3 : 2), 1));
        EXPECT_EQ(c.rec.strAnswer, "160");
        if (first.empty()) first = c.line + "|" + c.rec.strE;
        EXPECT_EQ(c.line + "|" + c.rec.strE, first) << "form " << form;
      }
    }
  }
  EXPECT_EQ(
      Compose(SpecialRecord(6, Operation::Add, 140, 90, 70), 1, 0, ScriptedRandom().Expect(2, 0))
          .line,
      "140□(90□70)＝160");
  EXPECT_EQ(
      Compose(SpecialRecord(2, Operation::Add, 140, 90, 70), 1, 0, ScriptedRandom().Expect(2, 1))
          .line,
      "(90□70)□140＝160");
}

TEST(FormBrackets, OneWritingFormsDrawNoWriting) {
  EXPECT_EQ(Compose(SpecialRecord(3, Operation::Sub, 60, 30, 10), 0, 0).line, "60－(30＋10)＝");
  EXPECT_EQ(Compose(SpecialRecord(7, Operation::Sub, 700, 340, 250), 1, 0).line,
            "700□(340□250)＝610");
  EXPECT_EQ(Compose(SpecialRecord(13, Operation::Div, 90, 40, 5), 1, 0).line, "(90□40)□5＝10");
  EXPECT_EQ(Compose(SpecialRecord(17, Operation::Div, 75, 10, 15), 0, 0).rec.strAnswer, "3");
  EXPECT_EQ(Compose(SpecialRecord(10, Operation::Div, 50, 24, 8), 0, 0).rec.strE, "50－24÷8＝");
  EXPECT_EQ(Compose(SpecialRecord(10, Operation::Div, 50, 24, 8), 0, 0).rec.strAnswer, "47");
}

TEST(FormBlanks, FourTermFormsBlankTheFourthValueAndTheAnswerLast) {
  const ProblemRecord r = SpecialRecord(11, Operation::Mul, 2, 3, 4, 6);
  EXPECT_EQ(Compose(r, 0, 1, ScriptedRandom().Expect(5, 3).Expect(1, 0)).line, "2×3＋4×□＝30");
  EXPECT_EQ(Compose(r, 0, 1, ScriptedRandom().Expect(5, 4).Expect(2, 1)).line, "2×3＋4×6＝3□");
  // Form 18: the blank choice names the field, not the place in the writing.
  const ProblemRecord q = SpecialRecord(18, Operation::Div, 42, 7, 3, 8);
  auto c = Compose(q, 1, 1, ScriptedRandom().Expect(2, 1).Expect(5, 0).Expect(2, 1));
  EXPECT_EQ(c.line, "3×8＋4□÷7＝30");
  EXPECT_EQ(c.rec.strE, "3×8＋42÷7＝");
  EXPECT_EQ(Compose(q, 1, 0, ScriptedRandom().Expect(2, 1)).line, "3□8□42□7＝30");
}

TEST(FormBlanks, OneCharacterAnswerIsNeverBlanked) {
  // 9 − 2 × 4 = 1: the answer blank is refused, no position is drawn.
  const ProblemRecord r = SpecialRecord(5, Operation::Mul, 9, 2, 4);
  EXPECT_EQ(Compose(r, 1, 1, ScriptedRandom().Expect(4, 3)).line, "9□2□4＝1");
  EXPECT_EQ(Compose(r, 0, 1, ScriptedRandom().Expect(4, 3)).line, "9－2×4＝");
  EXPECT_EQ(Compose(r, 0, 1, ScriptedRandom().Expect(4, 0).Expect(1, 0)).line, "□－2×4＝1");

  const ProblemRecord f43 = SpecialRecord(43, Operation::Mul, 16, 1, 9);
  EXPECT_EQ(Compose(f43, 0, 1, ScriptedRandom().Expect(4, 3)).line, "16－1×9＝");
  EXPECT_EQ(Compose(f43, 1, 1, ScriptedRandom().Expect(4, 3)).line, "16□1□9＝7");
  EXPECT_EQ(Compose(f43, 1, 1, ScriptedRandom().Expect(4, 0).Expect(2, 1)).line, "1□－1×9＝7");
  // A two-digit answer is blanked in its own place.
  EXPECT_EQ(Compose(SpecialRecord(43, Operation::Mul, 100, 9, 9), 0, 1,
                    ScriptedRandom().Expect(4, 3).Expect(2, 0))
                .line,
            "100－9×9＝□9");
}

TEST(FormBlanks, BlankedEquationShowsTheRealOperators) {
  const ProblemRecord r = SpecialRecord(45, Operation::Mul, 23, 4, 13, 4);
  auto c = Compose(r, 1, 1, ScriptedRandom().Expect(5, 2).Expect(2, 1));
  EXPECT_EQ(c.line, "23×4－1□×4＝40");
  EXPECT_EQ(Compose(r, 1, 0).line, "23□4□13□4＝40");
  EXPECT_EQ(Compose(SpecialRecord(27, Operation::Mul, 12, 3, 8, 3), 0, 1,
                    ScriptedRandom().Expect(5, 4).Expect(2, 0))
                .line,
            "12×3＋8×3＝□0");
  EXPECT_EQ(Compose(SpecialRecord(46, Operation::Add, 8, 7, 9), 1, 0).line, "8□7□9＝6");
  EXPECT_EQ(Compose(SpecialRecord(47, Operation::Sub, 5, 3, 9), 0, 0).rec.strAnswer, "11");
  EXPECT_EQ(Compose(SpecialRecord(44, Operation::Mul, 100, 42, 6), 1, 1,
                    ScriptedRandom().Expect(4, 1).Expect(2, 0))
                .line,
            "100－□2÷6＝93");
}

TEST(FormNumberTheory, ListsIgnoreBothLayers) {
  auto f20 = Compose(SpecialRecord(20, Operation::Mul, 4, 6), 1, 1);
  EXPECT_EQ(f20.line, "4,6の公倍数(3つ)");
  EXPECT_EQ(f20.rec.strE, f20.line);
  EXPECT_EQ(f20.rec.strAnswer, "答え 12,24,36");
  EXPECT_EQ(Compose(SpecialRecord(23, Operation::Div, 8, 12), 1, 1).rec.strAnswer, "答え 1,2,4");
  EXPECT_EQ(Compose(SpecialRecord(23, Operation::Div, 36, 48), 0, 0).rec.strAnswer,
            "答え 1,2,3,4,6,12");
  EXPECT_EQ(Compose(SpecialRecord(21, Operation::Mul, 6, 8), 0, 0).rec.strAnswer, "答え 24");
  auto f22 = Compose(SpecialRecord(22, Operation::Mul, 4, 6, 10), 0, 0);
  EXPECT_EQ(f22.line, "4,6,10の最小公倍数");
  EXPECT_EQ(f22.rec.strAnswer, "答え 60");
  EXPECT_EQ(Compose(SpecialRecord(24, Operation::Div, 12, 18), 0, 0).rec.strAnswer, "答え 6");
  auto f25 = Compose(SpecialRecord(25, Operation::Div, 12, 18, 30), 0, 0);
  EXPECT_EQ(f25.line, "12,18,30の最大公約数");
  EXPECT_EQ(f25.rec.strAnswer, "答え 6");
  // A gcd that is not positive lists nothing; lcm of zeros divides nothing.
  EXPECT_EQ(Compose(SpecialRecord(23, Operation::Div, 0, 0), 0, 0).rec.strAnswer, "答え ");
  EXPECT_EQ(Compose(SpecialRecord(21, Operation::Mul, 0, 0), 0, 0).rec.strAnswer, "答え 0");

  auto f52 = Compose(SpecialRecord(52, Operation::Div, 12, 0), 1, 1);
  EXPECT_EQ(f52.line, "12の約数");
  EXPECT_EQ(f52.rec.strAnswer, "答え 1,2,3,4,6,12");
  EXPECT_EQ(Compose(SpecialRecord(52, Operation::Div, 1, 0), 0, 0).rec.strAnswer, "答え 1");
  EXPECT_EQ(Compose(SpecialRecord(52, Operation::Div, 7, 0), 0, 0).rec.strAnswer, "答え 1,7");
  EXPECT_EQ(Compose(SpecialRecord(52, Operation::Div, 0, 0), 0, 0).rec.strAnswer, "答え ");
  EXPECT_EQ(Compose(SpecialRecord(52, Operation::Div, 100, 0), 0, 0).rec.strAnswer,
            "答え 1,2,4,5,10,20,25,50,100");
  auto f51 = Compose(SpecialRecord(51, Operation::Mul, 3, 0), 1, 1);
  EXPECT_EQ(f51.line, "3の倍数(4つ)");
  EXPECT_EQ(f51.rec.strE, "3の倍数(4つ)");
  EXPECT_EQ(f51.rec.strAnswer, "答え 3,6,9,12");
}

TEST(FormNumberTheory, RatioLeavesOneTermOpenAndNoQuestionCopy) {
  const ProblemRecord r = SpecialRecord(26, Operation::Mul, 2, 3, 4, 6);
  auto w1 = Compose(r, 1, 1, ScriptedRandom().Expect(2, 1));
  EXPECT_EQ(w1.line, "2:3＝(    ):6");
  EXPECT_EQ(w1.rec.strAnswer, "2:3＝(4):6");
  EXPECT_EQ(w1.rec.strE, "");
  auto w0 = Compose(r, 0, 0, ScriptedRandom().Expect(2, 0));
  EXPECT_EQ(w0.line, "2:3＝4:(    )");
  EXPECT_EQ(w0.rec.strAnswer, "2:3＝4:(6)");
}

TEST(FormDecimals, SumsAndProducts) {
  auto f28 = Compose(SpecialRecord(28, Operation::Add, 3, 5), 1, 1);
  EXPECT_EQ(f28.line, "3□0.5＝3.5");
  EXPECT_EQ(f28.rec.strE, "3＋0.5＝");
  EXPECT_EQ(f28.rec.strAnswer, "3.5");
  EXPECT_EQ(Compose(SpecialRecord(29, Operation::Sub, 1, 9), 0, 0).rec.strAnswer, "0.1");
  EXPECT_EQ(Compose(SpecialRecord(29, Operation::Sub, 3, 5), 0, 0).rec.strE, "3－0.5＝");

  auto f30 = Compose(SpecialRecord(30, Operation::Mul, 4, 5), 0, 0, ScriptedRandom().Expect(2, 0));
  EXPECT_EQ(f30.line, "4×0.5＝");
  EXPECT_EQ(f30.rec.strAnswer, "2");
  auto f30b = Compose(SpecialRecord(30, Operation::Mul, 7, 3), 1, 1, ScriptedRandom().Expect(2, 1));
  EXPECT_EQ(f30b.line, "0.7□3＝2.1");
  EXPECT_EQ(f30b.rec.strE, "0.7×3＝");

  EXPECT_EQ(Compose(SpecialRecord(31, Operation::Mul, 1, 5), 0, 0).rec.strAnswer, "0.05");
  EXPECT_EQ(Compose(SpecialRecord(34, Operation::Mul, 5, 4), 0, 0).rec.strE, "0.5×4＝");
  EXPECT_EQ(Compose(SpecialRecord(35, Operation::Mul, 9, 9), 0, 0).rec.strAnswer, "8.1");

  auto f36 = Compose(SpecialRecord(36, Operation::Mul, 5, 4), 0, 0);
  EXPECT_EQ(f36.line, "0.05×0.04＝");
  EXPECT_EQ(f36.rec.strAnswer, "0.002");
  auto f37 = Compose(SpecialRecord(37, Operation::Mul, 3, 5), 0, 0, ScriptedRandom().Expect(2, 0));
  EXPECT_EQ(f37.line, "0.3×0.05＝");
  EXPECT_EQ(f37.rec.strAnswer, "0.015");
  EXPECT_EQ(
      Compose(SpecialRecord(37, Operation::Mul, 3, 5), 0, 0, ScriptedRandom().Expect(2, 1)).line,
      "0.03×0.5＝");
}

TEST(FormDecimals, Quotients) {
  auto f38 = Compose(SpecialRecord(38, Operation::Div, 6, 2), 0, 0);
  EXPECT_EQ(f38.line, "6÷0.2＝");
  EXPECT_EQ(f38.rec.strAnswer, "30");
  EXPECT_EQ(Compose(SpecialRecord(39, Operation::Div, 6, 2), 1, 0).line, "6□0.02＝300");
  EXPECT_EQ(Compose(SpecialRecord(40, Operation::Div, 72, 8), 1, 0).line, "7.2□0.8＝9");
  EXPECT_EQ(Compose(SpecialRecord(41, Operation::Div, 40, 5), 1, 0).line, "0.4□0.05＝8");
  EXPECT_EQ(Compose(SpecialRecord(32, Operation::Div, 12, 3), 1, 0).line, "1.2□3＝0.4");
  EXPECT_EQ(Compose(SpecialRecord(32, Operation::Div, 10, 5), 1, 0).line, "1□5＝0.2");
  EXPECT_EQ(Compose(SpecialRecord(33, Operation::Div, 12, 3), 1, 0).line, "0.12□3＝0.04");
  EXPECT_EQ(
      Compose(SpecialRecord(42, Operation::Div, 12, 3), 1, 0, ScriptedRandom().Expect(2, 0)).line,
      "1.2□0.03＝40");
  EXPECT_EQ(
      Compose(SpecialRecord(42, Operation::Div, 12, 3), 1, 0, ScriptedRandom().Expect(2, 1)).line,
      "0.12□0.3＝0.4");

  auto f48 = Compose(SpecialRecord(48, Operation::Div, 161, 7), 0, 1);
  EXPECT_EQ(f48.line, "16.1÷7＝");
  EXPECT_EQ(f48.rec.strAnswer, "2.3");
  EXPECT_EQ(Compose(SpecialRecord(49, Operation::Div, 138, 23), 1, 0).line, "13.8□23＝0.6");
  auto f50 = Compose(SpecialRecord(50, Operation::Div, 105, 15), 1, 0);
  EXPECT_EQ(f50.line, "1.05□15＝0.07");
  EXPECT_EQ(f50.rec.strE, "1.05÷15＝");
  EXPECT_EQ(f50.rec.strAnswer, "0.07");
}

TEST(FormDecimals, ZeroDivisorWritesNoAnswerInsteadOfDividing) {
  for (const int form : {10, 13, 16, 17, 18, 19, 32, 33, 38, 39, 40, 41, 44, 48, 49, 50}) {
    auto c = Compose(SpecialRecord(form, Operation::Div, 12, 0, 0, 0), 0, 0,
                     form == 18 ? ScriptedRandom().Expect(2, 0) : ScriptedRandom());
    EXPECT_EQ(c.rec.strAnswer, "") << "form " << form;
  }
  // Nothing to blank in an answer that could not be computed.
  EXPECT_EQ(
      Compose(SpecialRecord(10, Operation::Div, 12, 4, 0), 0, 1, ScriptedRandom().Expect(4, 3))
          .line,
      "12－4÷0＝");
}

TEST(FormDispatch, FormsWithoutACompositionShowTheFirstValue) {
  for (const int form : {0, 9, 53, -1}) {
    ProblemRecord r = SpecialRecord(form, Operation::Mul, 12, 3, 4, 5);
    const ProblemRecord before = r;
    EXPECT_EQ(Compose(r, 1, 1).line, "12");
    ScriptedRandom none;
    ComposeSpecialQuestion(r, {true, true}, none);
    EXPECT_EQ(r.strE, before.strE);
    EXPECT_EQ(r.strAnswer, before.strAnswer);
  }
  ProblemRecord two = SpecialRecord(5, Operation::Mul, 9, 2, 4);
  two.termMode = TermMode::TwoTerms;
  EXPECT_EQ(Compose(two, 1, 1).line, "9");
  EXPECT_TRUE(HasAnswerValueLine(20) && HasAnswerValueLine(25) && HasAnswerValueLine(51) &&
              HasAnswerValueLine(52));
  EXPECT_FALSE(HasAnswerValueLine(19) || HasAnswerValueLine(26) || HasAnswerValueLine(50));
}

}  // namespace
}  // namespace kazenori
