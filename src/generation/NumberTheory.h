#pragma once

#include <cstdint>

namespace kazenori {

// Euclid's remainder rule; gcd(a, 0) is a.
constexpr std::int64_t gcd(std::int64_t a, std::int64_t b) {
  while (b != 0) {
    const std::int64_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

constexpr std::int64_t lcm(std::int64_t a, std::int64_t b) { return a * b / gcd(a, b); }

}  // namespace kazenori
