// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "generation/problemrecord.h"
#include "generation/random.h"
#include "generation/zerosetting.h"

namespace kazenori {

// What lives as long as the program, beside the problem table.
struct GenerationState {
  ZeroSetting zero = ZeroSetting::Refused;
  TermMode termMode = TermMode::TwoTerms;  // term count mode of the problem being built
  int specialForm = 0;                     // form of the latest special problem; never cleared
};

// One attempt of a pattern's generator: the values it draws and the codes it
// sets. Values it does not name stay 0.
struct Draw {
  Random& rnd;
  GenerationState& state;
  std::int32_t valA = 0;
  std::int32_t valB = 0;
  std::int32_t valC = 0;
  std::int32_t valD = 0;
  Operation op = Operation::None;

  int Rnd(int n) { return rnd.Rnd(n); }
  bool ZeroAllowed() const { return state.zero == ZeroSetting::Allowed; }
  void ThreeTerms() { state.termMode = TermMode::ThreeTerms; }
  void Special(int form) {
    state.termMode = TermMode::Special;
    state.specialForm = form;
  }
};

// A pattern's generator: draws one attempt's values in the pattern's own order.
using GeneratorFn = void (*)(Draw&);

}  // namespace kazenori
