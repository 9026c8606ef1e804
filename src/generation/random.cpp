// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/random.h"

#include <chrono>

namespace kazenori {

std::uint32_t ClockSeed() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

SeededRandom SeededRandom::FromClock() {
  return SeededRandom(ClockSeed());
}

int SeededRandom::Rnd(int n) {
  if (n <= 0) return 0;
  const auto range = static_cast<std::uint32_t>(n);
  // Reject the top sliver of the 32-bit range that would favour small values.
  const std::uint32_t limit = UINT32_MAX - (UINT32_MAX % range + 1) % range;
  std::uint32_t x;
  do {
    x = static_cast<std::uint32_t>(engine_());
  } while (x > limit);
  return static_cast<int>(x % range);
}

}  // namespace kazenori
