// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace kazenori::testing {

ScriptedRandom& ScriptedRandom::Expect(int n, int value) {
  queue_.emplace_back(n, value);
  return *this;
}

int ScriptedRandom::Rnd(int n) {
  ++calls_;
  if (queue_.empty()) {
    // Throwing ends any generator loop that would otherwise spin forever.
    ADD_FAILURE() << "unexpected draw #" << calls_ << ": Rnd(" << n << ")";
    throw std::runtime_error("ScriptedRandom exhausted");
  }
  const auto [expected, value] = queue_.front();
  queue_.pop_front();
  EXPECT_EQ(n, expected) << "draw #" << calls_ << " asked for the wrong range";
  return value;
}

}  // namespace kazenori::testing
