// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kazenori {

// A decimal operand of the decimal forms: a count of ten-thousandths, so that
// sums and products of operands with up to two places are exact. Arithmetic
// saturates at the ends of the 64-bit range instead of overflowing.
class Fixed {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Fixed() = default;
  static constexpr Fixed FromCount(std::int64_t count) { return Fixed(count); }
  // value / 10^places for places 0 to 4 (valA/10 is Scaled(valA, 1)).
  static Fixed Scaled(std::int64_t value, int places);

  constexpr std::int64_t Count() const { return count_; }

  friend Fixed operator+(Fixed a, Fixed b);
  friend Fixed operator-(Fixed a, Fixed b);
  // Rounded to the nearest ten-thousandth, halves away from zero.
  friend Fixed operator*(Fixed a, Fixed b);
  friend constexpr bool operator==(Fixed a, Fixed b) { return a.count_ == b.count_; }

 private:
  constexpr explicit Fixed(std::int64_t count) : count_(count) {}
  std::int64_t count_ = 0;
};

// The fraction text T(x): the shortest decimal writing of x with at most 15
// significant digits, "." as the point whatever the locale, no exponent, no
// trailing zeros and no point for a whole number (2.5, 3, 0.05, 12.5).
std::string FractionText(Fixed x);
// The same for a floating quotient; a value that does not terminate is
// written with 15 significant digits. Not-a-number and infinities give "".
std::string FractionText(long double x);

// The first n characters of s, or all of s when it is shorter.
std::string FirstN(const std::string& s, std::size_t n);

// The first m characters of s when its k-th character (1-based) is "0",
// otherwise (also when s is shorter than k) the first n characters.
std::string ZeroDigitCut(const std::string& s, std::size_t k, std::size_t m, std::size_t n);

// Cuts s before its first "." when the character after the point is "0"
// (a text without a point is cut to nothing when it starts with "0");
// otherwise s whole.
std::string PointCut(const std::string& s);

}  // namespace kazenori
