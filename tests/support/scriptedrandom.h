// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <string>
#include <utility>

#include "generation/random.h"

namespace kazenori::testing {

// A Random that returns queued values and checks that each call asks for the
// range the test expected, so a test pins the exact order of draws.
class ScriptedRandom final : public kazenori::Random {
 public:
  // Queue one draw: the call must be Rnd(n) and returns value.
  ScriptedRandom& Expect(int n, int value);
  int Rnd(int n) override;

  bool Exhausted() const { return queue_.empty(); }
  int Remaining() const { return static_cast<int>(queue_.size()); }
  int Calls() const { return calls_; }

 private:
  std::deque<std::pair<int, int>> queue_;
  int calls_ = 0;
};

}  // namespace kazenori::testing
