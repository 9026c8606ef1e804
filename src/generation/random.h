// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace kazenori {

// The program's one source of random numbers. Every draw of a worksheet goes
// through Rnd, so a test can script the draws in their documented order.
class Random {
 public:
  virtual ~Random() = default;
  // A uniformly distributed integer 0 .. n-1; 0 for n <= 0.
  virtual int Rnd(int n) = 0;
};

// A seed from the clock, different from run to run.
std::uint32_t ClockSeed();

// Mersenne twister with our own unbiased reduction, so that a seed gives the
// same sheets whatever the standard library's distributions do.
class SeededRandom final : public Random {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  // Seeded from the clock, as the program does at start-up.
  static SeededRandom FromClock();

  int Rnd(int n) override;

 private:
  std::mt19937 engine_;
};

}  // namespace kazenori
