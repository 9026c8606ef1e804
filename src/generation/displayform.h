// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The display forms a special problem (TermMode::Special) is written by, by
// the number the record's `form` and the JSON carry. How each is written, its
// answer line, which settings it obeys and its text height are its row of the
// form catalogue (composition/formcatalogue.cpp); here stand only the names
// the generators ask for and the one fact the generator itself needs.
// The numbers are part of every sheet ever printed: never renumber a form.

#include "generation/problemrecord.h"

namespace kazenori::form {

inline constexpr int kTensPlusDifference = 1;          // 80＋(60－20)
inline constexpr int kHundredsPlusDifference = 2;      // 140＋(90－70)
inline constexpr int kTensMinusSum = 3;                // 60－(30＋10)
inline constexpr int kHundredsMinusSum = 4;            // 160－(80＋10)
inline constexpr int kHundredMinusProduct = 5;         // 100－12×8
inline constexpr int kLargePlusDifference = 6;         // 240＋(150－120)
inline constexpr int kHundredsMinusDifference = 7;     // 700－(340－250)
inline constexpr int kSumTimesDigit = 8;               // (13＋17)×4
inline constexpr int kUnwritten = 9;                   // asked for by no generator, written as strA
inline constexpr int kTensMinusQuotient = 10;          // 60－24÷3
inline constexpr int kProductPlusProduct = 11;         // 3×4＋5×6
inline constexpr int kProductMinusProduct = 12;        // 7×8－3×9
inline constexpr int kTensDifferenceByDivisor = 13;    // (80－20)÷5
inline constexpr int kTimesSum = 14;                   // 12×(13＋17)
inline constexpr int kPlusProduct = 15;                // 42＋4×15
inline constexpr int kHundredsMinusQuotient = 16;      // 700－40÷5
inline constexpr int kQuotientOfSum = 17;              // 75÷(12＋13)
inline constexpr int kQuotientPlusProduct = 18;        // 24÷3＋4×5
inline constexpr int kDifferenceByThree = 19;          // (51－21)÷3
inline constexpr int kCommonMultiples = 20;            // 4,6の公倍数(3つ)
inline constexpr int kLeastCommonMultiple = 21;        // 4,6の最小公倍数
inline constexpr int kLeastCommonMultipleOf3 = 22;     // 4,6,8の最小公倍数
inline constexpr int kCommonDivisors = 23;             // 12,18の公約数
inline constexpr int kGreatestCommonDivisor = 24;      // 12,18の最大公約数
inline constexpr int kGreatestCommonDivisorOf3 = 25;   // 12,18,24の最大公約数
inline constexpr int kRatio = 26;                      // 4:6＝2:(    )
inline constexpr int kProductsOfSameFactor = 27;       // 13×4＋17×4
inline constexpr int kDigitPlusTenths = 28;            // 3＋0.4
inline constexpr int kDigitMinusTenths = 29;           // 4－0.7
inline constexpr int kTenthsEitherFactor = 30;         // 3×0.4 or 0.3×4
inline constexpr int kTenthsTimesTenths = 31;          // 0.3×0.4
inline constexpr int kTenthsByDigit = 32;              // 7.2÷8
inline constexpr int kHundredthsByDigit = 33;          // 0.72÷8
inline constexpr int kTenthsTimesDigit = 34;           // 0.3×4
inline constexpr int kDigitTimesTenths = 35;           // 9×0.9
inline constexpr int kHundredthsTimesHundredths = 36;  // 0.09×0.09
inline constexpr int kTenthsHundredthsProduct = 37;    // 0.3×0.04 or 0.03×0.4
inline constexpr int kWholeByTenths = 38;              // 6÷0.2
inline constexpr int kWholeByHundredths = 39;          // 6÷0.02
inline constexpr int kTenthsByTenths = 40;             // 7.2÷0.8
inline constexpr int kHundredthsByHundredths = 41;     // 0.72÷0.08
inline constexpr int kTenthsHundredthsQuotient = 42;   // 7.2÷0.08 or 0.72÷0.8
inline constexpr int kHundredMinusTableProduct = 43;   // 100－9×9
inline constexpr int kHundredMinusTableQuotient = 44;  // 100－72÷8
inline constexpr int kProductsOfSameFactorApart = 45;  // 23×4－13×4
inline constexpr int kPlusMinus = 46;                  // 5＋7－3
inline constexpr int kMinusPlus = 47;                  // 15－3＋9
inline constexpr int kTenthsQuotientOfDigit = 48;      // 8.4÷7
inline constexpr int kTenthsQuotientOfTwoDigits = 49;  // 8.4÷12
inline constexpr int kHundredthsQuotient = 50;         // 1.08÷12
inline constexpr int kMultiples = 51;                  // 7の倍数(4つ)
inline constexpr int kDivisors = 52;                   // 12の約数

// Whether an attempt of the form is told apart from an earlier record with the
// same first three values by its fourth value: only for these forms, and only
// when the earlier record has the operation their problems have. 27 and 45
// draw a fourth value as well but never counted it; sheets made so far rely
// on exactly this rule.
constexpr bool KeepsFourthValue(int form, Operation earlier) {
  if (earlier == Operation::Mul) {
    return form == kUnwritten || form == kProductPlusProduct || form == kProductMinusProduct;
  }
  return earlier == Operation::Div && form == kQuotientPlusProduct;
}

}  // namespace kazenori::form
