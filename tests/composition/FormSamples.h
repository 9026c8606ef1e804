#pragma once

// Records drawn inside the documented ranges of the special patterns, for the
// property tests of forms whose generator is not at hand. They follow the
// ranges and conditions of each pattern, not its exact sequence of draws.

#include <array>
#include <cstdint>
#include <numeric>

#include "generation/Random.h"

namespace kazenori::testing {

using Values = std::array<std::int32_t, 4>;

inline Values SampleValues(int form, Random& rnd) {
  auto digit = [&] { return rnd.Rnd(9) + 1; };
  auto lcm = [](int a, int b) { return a / std::gcd(a, b) * b; };
  switch (form) {
    case 1:
    case 2: {
      const int a = form == 1 ? (rnd.Rnd(9) + 1) * 10 : (rnd.Rnd(9) + 11) * 10;
      const int k = rnd.Rnd(8) + 2;
      return {a, 10 * k, (rnd.Rnd(k - 1) + 1) * 10, 0};
    }
    case 3: {
      const int k = rnd.Rnd(8) + 2, m = rnd.Rnd(k - 2) + 2, n = rnd.Rnd(m - 1) + 1;
      return {10 * k, 10 * n, 10 * (m - n), 0};
    }
    case 4: {
      const int a = (rnd.Rnd(90) + 10) * 10, m = digit(), n = rnd.Rnd(m - 1) + 1;
      return {a, 10 * n, 10 * (m - n), 0};
    }
    case 5: {
      const int m = digit();
      int p = 0;
      do p = rnd.Rnd(90) + 10;
      while (m * p > 100);
      return {100, p, m, 0};
    }
    case 6:
      for (;;) {
        const int a = (rnd.Rnd(89) + 11) * 10, p = rnd.Rnd(90) + 10, q = digit();
        if (a + 10 * q < 1000) return {a, 10 * p, 10 * (p - q), 0};
      }
    case 7: {
      const int a = digit() * 100, p = rnd.Rnd(90) + 10, q = digit();
      return {a, 10 * p, 10 * (p - q), 0};
    }
    case 8: {
      const int t = digit(), a = rnd.Rnd(10 * t - 1) + 1;
      return {a, 10 * t - a, digit(), 0};
    }
    case 10:
    case 44: {
      const int a = digit(), c = digit(), b = digit() * c;
      return {form == 10 ? 10 * a : 100, b, c, 0};
    }
    case 11:
      return {digit(), digit(), digit(), digit()};
    case 12:
      for (;;) {
        const Values v{digit(), digit(), digit(), digit()};
        if (v[0] * v[1] >= v[2] * v[3]) return v;
      }
    case 13: {
      const int x = rnd.Rnd(8) + 2, y = rnd.Rnd(x - 1) + 1;
      static constexpr int kDivisors[] = {2, 5, 10};
      return {10 * x, 10 * y, kDivisors[rnd.Rnd(3)], 0};
    }
    case 14: {
      const int a = rnd.Rnd(90) + 10, t = digit(), b = rnd.Rnd(10 * t - 1) + 1;
      return {a, b, 10 * t - b, 0};
    }
    case 15: {
      const int a = rnd.Rnd(90) + 10;
      int x = 0, y = 0;
      do {
        x = rnd.Rnd(8) + 2;
        y = rnd.Rnd(44) + 2;
      } while (x * y % 10 != 0 || y % 10 == 0);
      return rnd.Rnd(2) == 0 ? Values{a, x, y, 0} : Values{a, y, x, 0};
    }
    case 16:
      return {digit() * 100, digit() * 10, rnd.Rnd(2) == 0 ? 2 : 5, 0};
    case 17: {
      const int a = digit(), b = rnd.Rnd(24) + 1;
      return {25 * a, b, 25 - b, 0};
    }
    case 18: {
      const int b = digit();
      int a = 0;
      do a = rnd.Rnd(99) + 1;
      while (a % b != 0);
      return {a, b, digit(), digit()};
    }
    case 19: {
      const int s = rnd.Rnd(33) + 1, t = rnd.Rnd(s - 1) + 1;
      return {3 * s, 3 * t, 3, 0};
    }
    case 20:
    case 21: {
      const int span = form == 20 ? 20 : 23, limit = form == 20 ? 100 : 150;
      const int a = rnd.Rnd(span) + 2;
      int b = 0;
      do b = rnd.Rnd(span) + 2;
      while (b == a || lcm(a, b) >= limit);
      return {a, b, 0, 0};
    }
    case 22: {
      const int a = rnd.Rnd(23) + 2;
      int b = 0, c = 0;
      do {
        b = rnd.Rnd(23) + 2;
        c = rnd.Rnd(23) + 2;
      } while (a == b || b == c || a == c || lcm(lcm(a, b), c) >= 150);
      return {a, b, c, 0};
    }
    case 23:
    case 24:
    case 25:
    case 26: {
      const int g = form == 26 ? rnd.Rnd(13) + 2 : rnd.Rnd(15) + 2;
      const int a = g * (rnd.Rnd(8) + 2);
      int b = 0, c = 0;
      do {
        b = g * (rnd.Rnd(8) + 2);
        c = form == 25 ? g * (rnd.Rnd(8) + 2) : 0;
      } while (b == a || (form == 25 && (c == a || c == b)));
      if (form != 26) return {a, b, c, 0};
      if (rnd.Rnd(2) == 0) {
        const int k = rnd.Rnd(4) + 2;
        return {a, b, k * a, k * b};
      }
      const int d = std::gcd(a, b);
      return {a, b, a / d, b / d};
    }
    case 27:
      for (;;) {
        const int s = (rnd.Rnd(10) + 1) * 10, a = rnd.Rnd(s - 1) + 1;
        if (a == s - a) continue;
        const int b = digit();
        return {a, b, s - a, b};
      }
    case 28:
    case 29:
    case 30:
    case 31:
    case 34:
    case 35:
    case 36:
    case 37:
      return {digit(), digit(), 0, 0};
    case 32:
    case 33:
    case 38:
    case 39:
    case 40:
    case 41:
    case 42: {
      const int b = digit();
      return {digit() * b, b, 0, 0};
    }
    case 43:
      return {100, digit(), digit(), 0};
    case 45: {
      const int a = rnd.Rnd(89) + 11, d = rnd.Rnd(10) + 1, b = digit();
      return {a, b, a - d, b};
    }
    case 46: {
      const int a = digit(), b = digit();
      int c = 0;
      do c = digit();
      while (a + b - c <= 0);
      return {a, b, c, 0};
    }
    case 47: {
      const int a = digit(), b = rnd.Rnd(a - 1) + 1;
      return {a, b, digit(), 0};
    }
    case 48: {
      const int b = digit();
      int x = 0;
      do x = rnd.Rnd(89) + 11;
      while (x % 10 == 0);
      return {x * b, b, 0, 0};
    }
    case 49:
    case 50: {
      int b = 0;
      do b = rnd.Rnd(89) + 11;
      while (b % 10 == 0);
      return {digit() * b, b, 0, 0};
    }
    case 51:
      return {rnd.Rnd(59) + 2, 0, 0, 0};
    case 52:
      return {rnd.Rnd(99) + 2, 0, 0, 0};
    default:
      return {0, 0, 0, 0};
  }
}

}  // namespace kazenori::testing
