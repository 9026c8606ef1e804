// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/fractiontext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace kazenori {

namespace {

constexpr int kSignificant = 15;
constexpr int kCountPlaces = 4;  // Fixed::kScale is 10^4

// Wide enough for the product of two counts.
__extension__ using Int128 = __int128;

constexpr std::int64_t Pow10(int n) {
  std::int64_t p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

std::int64_t Saturate(Int128 v) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  if (v > kMax) return kMax;
  if (v < kMin) return kMin;
  return static_cast<std::int64_t>(v);
}

std::string ToDecimal(std::uint64_t v) {
  std::array<char, 24> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), v);
  return std::string(buf.data(), res.ptr);
}

// Lays out the value digits[0].digits[1..] x 10^exponent positionally:
// no exponent, no trailing zeros, no point for a whole number.
std::string Positional(bool negative, std::string digits, int exponent) {
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) return "0";
  std::string out = negative ? "-" : "";
  const int n = static_cast<int>(digits.size());
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
  } else if (exponent + 1 >= n) {
    out += digits;
    out.append(static_cast<std::size_t>(exponent + 1 - n), '0');
  } else {
    out.append(digits, 0, static_cast<std::size_t>(exponent) + 1);
    out += '.';
    out.append(digits, static_cast<std::size_t>(exponent) + 1, std::string::npos);
  }
  return out;
}

}  // namespace

Fixed Fixed::Scaled(std::int64_t value, int places) {
  if (places < 0) places = 0;
  if (places > kCountPlaces) places = kCountPlaces;
  return Fixed(Saturate(static_cast<Int128>(value) * Pow10(kCountPlaces - places)));
}

Fixed operator+(Fixed a, Fixed b) {
  return Fixed(Saturate(static_cast<Int128>(a.count_) + b.count_));
}

Fixed operator-(Fixed a, Fixed b) {
  return Fixed(Saturate(static_cast<Int128>(a.count_) - b.count_));
}

Fixed operator*(Fixed a, Fixed b) {
  const Int128 product = static_cast<Int128>(a.count_) * b.count_;
  Int128 q = product / Fixed::kScale;
  const Int128 r = product % Fixed::kScale;
  if (2 * (r < 0 ? -r : r) >= Fixed::kScale) q += product < 0 ? -1 : 1;
  return Fixed(Saturate(q));
}

std::string FractionText(Fixed x) {
  const std::int64_t count = x.Count();
  const bool negative = count < 0;
  // Magnitude taken in unsigned so that the lowest count has one too.
  std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(count)
                                     : static_cast<std::uint64_t>(count);
  std::string digits = ToDecimal(magnitude);
  int exponent = static_cast<int>(digits.size()) - 1 - kCountPlaces;
  const int excess = static_cast<int>(digits.size()) - kSignificant;
  if (excess > 0) {
    const auto unit = static_cast<std::uint64_t>(Pow10(excess));
    std::uint64_t kept = magnitude / unit;
    if (magnitude % unit >= (unit + 1) / 2) ++kept;  // halves away from zero
    digits = ToDecimal(kept);
    exponent = static_cast<int>(digits.size()) - 1 + excess - kCountPlaces;
  }
  return Positional(negative, digits, exponent);
}

std::string FractionText(long double x) {
  if (!std::isfinite(x)) return {};
  std::array<char, 64> buf{};
  // One digit before the point and 14 after: 15 significant digits,
  // correctly rounded; the exponent tells where the point goes. printf rather
  // than std::to_chars, which the WebAssembly engine's library lacks for
  // floating point; both C libraries round exactly.
  const int written = std::snprintf(buf.data(), buf.size(), "%.*Le", kSignificant - 1, x);
  if (written <= 0 || static_cast<std::size_t>(written) >= buf.size()) return {};
  const std::string_view text(buf.data(), static_cast<std::size_t>(written));
  const std::size_t e = text.find('e');
  std::string_view mantissa = text.substr(0, e);
  const bool negative = !mantissa.empty() && mantissa.front() == '-';
  if (negative) mantissa.remove_prefix(1);
  std::string digits;
  for (const char c : mantissa) {
    if (c != '.') digits += c;
  }
  int exponent = 0;
  std::string_view exp = text.substr(e + 1);
  if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
  std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
  return Positional(negative, digits, exponent);
}

std::string FirstN(const std::string& s, std::size_t n) {
  return s.substr(0, n);
}

std::string ZeroDigitCut(const std::string& s, std::size_t k, std::size_t m, std::size_t n) {
  const bool zeroAtK = k >= 1 && s.size() >= k && s[k - 1] == '0';
  return FirstN(s, zeroAtK ? m : n);
}

std::string PointCut(const std::string& s) {
  const std::size_t point = s.find('.');
  const std::size_t p = point == std::string::npos ? 0 : point + 1;  // 1-based, 0 for none
  // Character at 1-based position p + 1 is s[p].
  if (p < s.size() && s[p] == '0') return p == 0 ? std::string() : s.substr(0, p - 1);
  return s;
}

}  // namespace kazenori
