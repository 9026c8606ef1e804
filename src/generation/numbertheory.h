// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace kazenori {

// The ones digit of a non-negative number, and its count of whole tens.
constexpr int Ones(int x) {
  return x % 10;
}
constexpr int Tens(int x) {
  return x / 10;
}

// Euclid's remainder rule; gcd(a, 0) is a.
constexpr std::int64_t gcd(std::int64_t a, std::int64_t b) {
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// a * b div gcd(a, b). A 0 argument has gcd(0, 0) = 0 to divide by, so it
// gives the only common multiple there is, 0, instead of a division by 0.
// Dividing before multiplying keeps the product inside the range whenever
// the result is.
constexpr std::int64_t lcm(std::int64_t a, std::int64_t b) {
  if (a == 0 || b == 0) return 0;
  return a / gcd(a, b) * b;
}

}  // namespace kazenori
