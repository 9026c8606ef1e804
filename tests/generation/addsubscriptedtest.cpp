// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Addition and subtraction patterns under scripted draws: each test pins the
// order and range of every Rnd call and the record that results.
#include <gtest/gtest.h>

#include "driverscript.h"

namespace kazenori::testing {
namespace {

TEST(AddSubScripted, Pattern7StepsDownFromANineAndKeepsItWithTheZeroSetting) {
  // A first draw of 39 becomes 38 + 1; valB still takes its Rnd(0) draw.
  ProblemRecord r = MakeOne(7, 0, {{90, 29}, {0, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{38, 1, 0, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"38", "1", "", "", "39", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::TwoTerms, 0}));

  r = MakeOne(7, 0, {{90, 12}, {7, 6}});  // 22: ones 0..7 left
  EXPECT_EQ(ValuesOf(r), (Vals{22, 7, 0, 0}));
  EXPECT_EQ(r.strAnswer, "29");

  r = MakeOne(7, 1, {{90, 29}, {1, 0}});  // 39 stays; only 0 fits
  EXPECT_EQ(ValuesOf(r), (Vals{39, 0, 0, 0}));
  EXPECT_EQ(r.strAnswer, "39");

  r = MakeOne(7, 1, {{90, 12}, {8, 7}});
  EXPECT_EQ(ValuesOf(r), (Vals{22, 7, 0, 0}));
}

TEST(AddSubScripted, Pattern9RedrawsValBAboveNinety) {
  ProblemRecord r = MakeOne(9, 0, {{90, 89}, {9, 4}});  // 99 becomes 98 + 1
  EXPECT_EQ(ValuesOf(r), (Vals{98, 1, 0, 0}));
  EXPECT_EQ(r.strAnswer, "99");

  r = MakeOne(9, 0, {{90, 85}, {9, 8}, {4, 3}});  // 95: valB 1..4
  EXPECT_EQ(ValuesOf(r), (Vals{95, 4, 0, 0}));

  r = MakeOne(9, 0, {{90, 80}, {9, 8}});  // 90 is not above 90
  EXPECT_EQ(ValuesOf(r), (Vals{90, 9, 0, 0}));

  r = MakeOne(9, 1, {{90, 89}, {10, 7}, {1, 0}});  // 99 stays, + 0
  EXPECT_EQ(ValuesOf(r), (Vals{99, 0, 0, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"99", "0", "", "", "99", ""}));

  r = MakeOne(9, 1, {{90, 82}, {10, 9}, {8, 7}});  // 92: valB 0..7
  EXPECT_EQ(ValuesOf(r), (Vals{92, 7, 0, 0}));
}

TEST(AddSubScripted, Pattern16ShufflesSwapBySwap) {
  // s 30; x 20 is a whole ten, so 19; y 11; z 5. Slots (19, 11, 5):
  // swap 1<->3 (5, 11, 19), 2<->1 (11, 5, 19), 3<->2 (11, 19, 5).
  ProblemRecord r = MakeOne(16, 0, {{5, 2}, {30, 19}, {69, 4}, {3, 2}, {3, 0}, {3, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{11, 19, 5, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"11", "19", "5", "", "35", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::ThreeTerms, 0}));

  // Swapping a slot with itself each time keeps the order; the zero setting
  // lets z be 0 out of 0..49.
  r = MakeOne(16, 1, {{5, 4}, {50, 6}, {50, 0}, {3, 0}, {3, 1}, {3, 2}});
  EXPECT_EQ(ValuesOf(r), (Vals{7, 43, 0, 0}));
  EXPECT_EQ(r.strC, "0");

  // Swaps 1<->2, 2<->3, 3<->1 of (3, 7, 40): (7, 3, 40), (7, 40, 3), (3, 40, 7).
  r = MakeOne(16, 0, {{5, 0}, {10, 2}, {89, 39}, {3, 1}, {3, 2}, {3, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 40, 7, 0}));
}

TEST(AddSubScripted, Pattern26RedrawsEveryValueUntilBelowAThousand) {
  // 990 + (600 - 590) = 1000 fails; all three are drawn again.
  ProblemRecord r = MakeOne(26, 0, {{89, 88}, {90, 50}, {9, 0}, {89, 0}, {90, 0}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{110, 100, 10, 0}));
  // The driver writes the provisional valA + valB + valC; the form answers.
  EXPECT_EQ(TextsOf(r), (Texts{"110", "100", "10", "", "220", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::Special, 6}));

  r = MakeOne(26, 0, {{89, 87}, {90, 89}, {9, 0}});  // 980 + 10 passes
  EXPECT_EQ(ValuesOf(r), (Vals{980, 990, 980, 0}));
}

TEST(AddSubScripted, Pattern122RedrawsBothValues) {
  ProblemRecord r = MakeOne(122, 0, {{99, 98}, {90, 0}, {99, 0}, {90, 89}});
  EXPECT_EQ(ValuesOf(r), (Vals{100, 99, 0, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"100", "99", "", "", "1", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Sub, TermMode::TwoTerms, 0}));
}

TEST(AddSubScripted, SingleValueLoopsKeepWhatCameBefore) {
  // Pattern 121: valA 10 stays while valB is drawn again.
  ProblemRecord r = MakeOne(121, 0, {{90, 0}, {90, 0}, {90, 80}});
  EXPECT_EQ(ValuesOf(r), (Vals{10, 90, 0, 0}));
  EXPECT_EQ(r.strAnswer, "100");

  // Pattern 86: 1 + 2 - 9 and 1 + 2 - 3 fail; only valC is drawn again.
  r = MakeOne(86, 0, {{9, 0}, {9, 1}, {9, 8}, {9, 2}, {9, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{1, 2, 2, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::Special, 46}));
  EXPECT_EQ(r.strAnswer, "5");
}

TEST(AddSubScripted, EdgeCasesOfTheSmallPatterns) {
  // Pattern 2: 10 - 10 is out without the zero setting.
  ProblemRecord r = MakeOne(2, 0, {{10, 9}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{10, 9, 0, 0}));
  r = MakeOne(2, 0, {{10, 4}, {5, 4}});
  EXPECT_EQ(r.strAnswer, "0");
  r = MakeOne(2, 1, {{10, 4}, {5, 4}});
  EXPECT_EQ(ValuesOf(r), (Vals{5, 4, 0, 0}));

  // Pattern 27 with k = 2: 20 - (10 + 10), m from Rnd(0).
  r = MakeOne(27, 0, {{8, 0}, {0, 0}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{20, 10, 10, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Sub, TermMode::Special, 3}));
  EXPECT_EQ(r.strAnswer, "0");

  // Pattern 28 with m = 1 gives valC 0.
  r = MakeOne(28, 0, {{90, 5}, {9, 0}, {0, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{150, 10, 0, 0}));

  // Pattern 87 with valA 1 gives valB 1.
  r = MakeOne(87, 0, {{9, 0}, {0, 0}, {9, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{1, 1, 4, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Sub, TermMode::Special, 47}));

  // Pattern 8: 40 becomes 41 and valB then carries.
  r = MakeOne(8, 0, {{80, 30}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{41, 9, 0, 0}));

  // Pattern 10: 40 becomes 41 without the zero setting, stays 40 with it.
  r = MakeOne(10, 0, {{90, 30}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{41, 1, 0, 0}));
  r = MakeOne(10, 1, {{90, 30}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{40, 0, 0, 0}));

  // Pattern 11: a ones digit of 9 steps down so that a borrow remains.
  r = MakeOne(11, 0, {{90, 29}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{38, 9, 0, 0}));
}

TEST(AddSubScripted, TwoDigitPatternsDrawTensBeforeOnes) {
  // Pattern 13: 37 + (tens 1..6, ones 0..2).
  ProblemRecord r = MakeOne(13, 0, {{80, 27}, {6, 5}, {3, 2}});
  EXPECT_EQ(ValuesOf(r), (Vals{37, 62, 0, 0}));
  // Pattern 14: 53 - (tens 1..4, ones 0..3).
  r = MakeOne(14, 0, {{80, 33}, {4, 0}, {4, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{53, 13, 0, 0}));
  // Pattern 76: u 4, valA 34, valB tens 1..5, ones 6..9.
  r = MakeOne(76, 0, {{9, 3}, {7, 2}, {5, 4}, {4, 3}});
  EXPECT_EQ(ValuesOf(r), (Vals{34, 59, 0, 0}));
  // Pattern 77: u 8, valA 28, valB tens 1, ones 9.
  r = MakeOne(77, 0, {{9, 8}, {8, 0}, {1, 0}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{28, 19, 0, 0}));
  EXPECT_EQ(r.strAnswer, "9");
  // Pattern 78: 89 + 11 = 100.
  r = MakeOne(78, 0, {{9, 8}, {8, 7}, {1, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{89, 11, 0, 0}));
  EXPECT_EQ(r.strAnswer, "100");
}

TEST(AddSubScripted, BracketPatternsDrawValAFirst) {
  ProblemRecord r = MakeOne(20, 0, {{9, 7}, {8, 4}, {5, 1}});
  EXPECT_EQ(ValuesOf(r), (Vals{80, 60, 20, 0}));
  EXPECT_EQ(TextsOf(r), (Texts{"80", "60", "20", "", "160", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::Special, 1}));

  r = MakeOne(21, 0, {{9, 3}, {8, 7}, {8, 6}});
  EXPECT_EQ(ValuesOf(r), (Vals{140, 90, 70, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::Special, 2}));

  r = MakeOne(29, 0, {{9, 6}, {90, 24}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{700, 340, 250, 0}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Sub, TermMode::Special, 7}));
  EXPECT_EQ(r.strAnswer, "110");  // provisional 700 - 340 - 250
}

TEST(AddSubScripted, DrillsAddOrSubtractTheirNumber) {
  ProblemRecord r = MakeOne(111, 0, {{60, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"0", "1", "", "", "1", ""}));
  r = MakeOne(141, 0, {{60, 59}});
  EXPECT_EQ(ValuesOf(r), (Vals{59, 10, 0, 0}));
  r = MakeOne(120, 0, {{60, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{5, 5, 0, 0}));
  r = MakeOne(146, 0, {{60, 59}});
  EXPECT_EQ(TextsOf(r), (Texts{"69", "10", "", "", "59", ""}));
}

TEST(AddSubScripted, SmallPatternsDrawInTheirOrderUnderEitherZeroSetting) {
  // Pattern 1: 3 + (1..7); with the zero setting 3 + (0..7).
  ProblemRecord r = MakeOne(1, 0, {{10, 3}, {7, 6}});
  EXPECT_EQ(TextsOf(r), (Texts{"3", "7", "", "", "10", ""}));
  r = MakeOne(1, 1, {{10, 3}, {8, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{3, 0, 0, 0}));
  // Patterns 3, 4 and 12: valA first, then valB from 1..9 or 0..9.
  r = MakeOne(3, 0, {{10, 0}, {9, 8}});
  EXPECT_EQ(ValuesOf(r), (Vals{0, 9, 0, 0}));
  r = MakeOne(3, 1, {{10, 9}, {10, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{9, 0, 0, 0}));
  r = MakeOne(4, 0, {{10, 9}, {9, 8}});
  EXPECT_EQ(TextsOf(r), (Texts{"19", "9", "", "", "10", ""}));
  r = MakeOne(4, 1, {{10, 0}, {10, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{10, 0, 0, 0}));
  r = MakeOne(12, 0, {{90, 89}, {9, 0}});
  EXPECT_EQ(ValuesOf(r), (Vals{99, 1, 0, 0}));
  r = MakeOne(12, 1, {{90, 0}, {10, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"10", "0", "", "", "10", ""}));
  // Pattern 5 with the zero setting: three digits from 0..9, in slot order.
  r = MakeOne(5, 1, {{10, 0}, {10, 4}, {10, 9}});
  EXPECT_EQ(TextsOf(r), (Texts{"0", "4", "9", "", "13", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Add, TermMode::ThreeTerms, 0}));
  // Pattern 6: valB and valC come first, valA is built on them.
  r = MakeOne(6, 0, {{9, 2}, {9, 4}, {9, 1}});
  EXPECT_EQ(TextsOf(r), (Texts{"10", "3", "5", "", "2", ""}));
  EXPECT_EQ(CodesOf(r), (Codes{Operation::Sub, TermMode::ThreeTerms, 0}));
  r = MakeOne(6, 1, {{10, 0}, {10, 9}, {10, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"9", "0", "9", "", "0", ""}));
  // Pattern 79: 100 minus 10..99.
  r = MakeOne(79, 0, {{90, 0}});
  EXPECT_EQ(TextsOf(r), (Texts{"100", "10", "", "", "90", ""}));
}

}  // namespace
}  // namespace kazenori::testing
