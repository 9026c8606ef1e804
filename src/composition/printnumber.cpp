// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/printnumber.h"

#include <cstdint>
#include <limits>

#include "composition/utf8.h"

namespace kazenori {

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + text + "' は整数ではありません"), text_(text) {}

std::int32_t StrToInt(const std::string& text) {
  const std::string t = Trimmed(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    negative = t[i] == '-';
    ++i;
  }
  if (i == t.size()) throw ConversionError(text);
  // Accumulate as a negative number so that the most negative value fits.
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c < '0' || c > '9') throw ConversionError(text);
    value = value * 10 + (c - '0');
    if (value > kMax + 1) throw ConversionError(text);
  }
  if (negative) value = -value;
  if (value < kMin || value > kMax) throw ConversionError(text);
  return static_cast<std::int32_t>(value);
}

std::int32_t PrintNumberCycle::Value() const {
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(value_ < kMin ? kMin : value_ > kMax ? kMax : value_);
}

void PrintNumberCycle::Lower() {
  --value_;
}

void PrintNumberCycle::Advance() {
  ++value_;
}

}  // namespace kazenori
