// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/printnumber.h"

#include <cstdint>
#include <limits>

namespace kazenori {

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(QStringLiteral("'%1' は整数ではありません").arg(text).toStdString()),
      text_(text) {}

std::int32_t StrToInt(const QString& text) {
  const QString t = text.trimmed();
  int i = 0;
  bool negative = false;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
    negative = t[i] == u'-';
    ++i;
  }
  if (i == t.size()) throw ConversionError(text);
  // Accumulate as a negative number so that the most negative value fits.
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < t.size(); ++i) {
    const char16_t c = t[i].unicode();
    if (c < u'0' || c > u'9') throw ConversionError(text);
    value = value * 10 + (c - u'0');
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
