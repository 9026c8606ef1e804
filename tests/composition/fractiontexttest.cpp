// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "composition/fractiontext.h"

namespace kazenori {
namespace {

std::string T(std::int64_t value, int places) {
  return FractionText(Fixed::Scaled(value, places));
}

TEST(FractionText, FixedPointWritesTheShortestDecimal) {
  EXPECT_EQ(T(25, 1), "2.5");
  EXPECT_EQ(T(3, 0), "3");
  EXPECT_EQ(T(5, 2), "0.05");
  EXPECT_EQ(T(408, 4), "0.0408");
  EXPECT_EQ(T(125, 1), "12.5");
  EXPECT_EQ(T(30, 1), "3");
  EXPECT_EQ(T(120, 2), "1.2");
  EXPECT_EQ(T(0, 2), "0");
  EXPECT_EQ(T(-5, 1), "-0.5");
  EXPECT_EQ(T(-105, 2), "-1.05");
  EXPECT_EQ(T(1000000, 0), "1000000");
}

TEST(FractionText, FixedPointArithmeticIsExact) {
  const Fixed a = Fixed::Scaled(5, 2), b = Fixed::Scaled(4, 2);
  EXPECT_EQ(FractionText(a * b), "0.002");
  EXPECT_EQ(FractionText(Fixed::Scaled(9, 2) * Fixed::Scaled(9, 2)), "0.0081");
  EXPECT_EQ(FractionText(Fixed::Scaled(3, 0) + Fixed::Scaled(5, 1)), "3.5");
  EXPECT_EQ(FractionText(Fixed::Scaled(1, 0) - Fixed::Scaled(9, 1)), "0.1");
  EXPECT_EQ(FractionText(Fixed::Scaled(1, 0) - Fixed::Scaled(15, 1)), "-0.5");
  EXPECT_EQ((Fixed::Scaled(7, 1) * Fixed::Scaled(3, 0)).Count(), 21000);
  // Below a ten-thousandth the product rounds, halves away from zero.
  EXPECT_EQ((Fixed::FromCount(1) * Fixed::Scaled(5, 1)).Count(), 1);
  EXPECT_EQ((Fixed::FromCount(-1) * Fixed::Scaled(5, 1)).Count(), -1);
  EXPECT_EQ((Fixed::FromCount(1) * Fixed::Scaled(4, 1)).Count(), 0);
}

TEST(FractionText, FixedPointKeepsFifteenDigitsAndSaturates) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  EXPECT_EQ(FractionText(Fixed::FromCount(kMax)), "922337203685478");
  EXPECT_EQ(FractionText(Fixed::FromCount(kMin)), "-922337203685478");
  // Rounding up carries into a new digit.
  EXPECT_EQ(FractionText(Fixed::FromCount(999999999999999950)), "100000000000000");
  EXPECT_EQ(FractionText(Fixed::FromCount(123456789012345678)), "12345678901234.6");
  EXPECT_EQ(Fixed::FromCount(kMax / 2) + Fixed::FromCount(kMax), Fixed::FromCount(kMax));
  EXPECT_EQ(Fixed::FromCount(kMin) - Fixed::FromCount(1), Fixed::FromCount(kMin));
  EXPECT_EQ((Fixed::Scaled(2147483647, 0) * Fixed::Scaled(2147483647, 0)).Count(), kMax);
}

TEST(FractionText, FloatingQuotientsRoundToFifteenDigitsWithoutExponent) {
  EXPECT_EQ(FractionText(3.0L * 0.1L), "0.3");
  EXPECT_EQ(FractionText(72.0L / 9 * 0.01L), "0.08");
  EXPECT_EQ(FractionText(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(FractionText(2.0L / 3), "0.666666666666667");
  EXPECT_EQ(FractionText(20.0L / 3), "6.66666666666667");
  EXPECT_EQ(FractionText(0.00002L), "0.00002");
  EXPECT_EQ(FractionText(1e20L), "100000000000000000000");
  EXPECT_EQ(FractionText(123456789012345678.0L), "123456789012346000");
  EXPECT_EQ(FractionText(0.0L), "0");
  EXPECT_EQ(FractionText(-0.0L), "0");
  EXPECT_EQ(FractionText(-2.5L), "-2.5");
  EXPECT_EQ(FractionText(23.0L * 0.1L), "2.3");
  EXPECT_EQ(FractionText(std::numeric_limits<long double>::quiet_NaN()), "");
  EXPECT_EQ(FractionText(std::numeric_limits<long double>::infinity()), "");
}

TEST(FractionText, CutsTakeWhatIsThere) {
  EXPECT_EQ(FirstN("0.05", 3), "0.0");
  EXPECT_EQ(FirstN("2", 3), "2");
  EXPECT_EQ(FirstN("", 3), "");
  EXPECT_EQ(ZeroDigitCut("2", 3, 1, 3), "2");
  EXPECT_EQ(ZeroDigitCut("1.05", 3, 1, 3), "1");
  EXPECT_EQ(ZeroDigitCut("2.15", 3, 1, 3), "2.1");
  EXPECT_EQ(ZeroDigitCut("0.002", 6, 5, 6), "0.002");
  EXPECT_EQ(ZeroDigitCut("0.0025", 6, 5, 6), "0.0025");
  EXPECT_EQ(ZeroDigitCut("12.05", 4, 3, 4), "12.");
  EXPECT_EQ(ZeroDigitCut("", 4, 3, 4), "");
  EXPECT_EQ(PointCut("16.1"), "16.1");
  EXPECT_EQ(PointCut("1.05"), "1");
  EXPECT_EQ(PointCut("12"), "12");
  EXPECT_EQ(PointCut("0"), "");
  EXPECT_EQ(PointCut("3."), "3.");
  EXPECT_EQ(PointCut(""), "");
}

}  // namespace
}  // namespace kazenori
