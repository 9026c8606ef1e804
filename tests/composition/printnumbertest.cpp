// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "composition/printnumber.h"

namespace kazenori {
namespace {

TEST(PrintNumber, ConvertsIntegersOfTheEdit) {
  EXPECT_EQ(StrToInt("7"), 7);
  EXPECT_EQ(StrToInt(" 12 "), 12);
  EXPECT_EQ(StrToInt("\u3000"
                     "12\t"),
            12)
      << "any blank, the ideographic space too";
  EXPECT_EQ(StrToInt("+3"), 3);
  EXPECT_EQ(StrToInt("-15"), -15);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt("2147483647"), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(PrintNumber, RejectsWhatIsNoInt32WithTheConversionMessage) {
  for (const char* bad : {"", " ", "abc", "1.5", "12a", "1 2", "+", "-", "2147483648",
                          "-2147483649", "99999999999999999999", "７", "0x10"}) {
    const std::string text = bad;
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const ConversionError& e) {
      EXPECT_EQ(e.what(), "'" + text + "' は整数ではありません");
      EXPECT_EQ(e.Text(), text);
    }
  }
}

TEST(PrintNumber, CycleStopsAtTheEndsOfTheRange) {
  PrintNumberCycle n;
  EXPECT_EQ(n.Value(), 1);
  n.ReadFrom("7");
  n.Lower();
  n.Advance();
  n.Advance();
  EXPECT_EQ(n.Text(), "8");
  EXPECT_THROW(n.ReadFrom("x"), ConversionError);
  EXPECT_EQ(n.Value(), 8) << "a failed conversion keeps the number";

  // A step past an end shows the end, and the step back is not lost.
  n.ReadFrom("2147483647");
  n.Advance();
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::max());
  n.Lower();
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::max());
  n.Lower();
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::max() - 1);
  n.ReadFrom("-2147483648");
  n.Lower();
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::min());
  n.Advance();
  n.Advance();
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::min() + 1);
  n.Set(std::int64_t{1} << 40);
  EXPECT_EQ(n.Value(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace kazenori
