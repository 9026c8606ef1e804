// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "generation/Random.h"

namespace kazenori {

// What lives as long as the program, beside the problem table.
struct GenerationState {
  int zeroAllowed = 0;  // item index of the zero setting: 1 lets some terms be 0
  int termMode = 0;     // term count mode of the problem being built
  int specialForm = 0;  // form of the latest special problem; never cleared
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
  int op = 0;

  int Rnd(int n) { return rnd.Rnd(n); }
  int flag() const { return state.zeroAllowed; }
  void ThreeTerms() { state.termMode = 1; }
  void Special(int form) {
    state.termMode = 2;
    state.specialForm = form;
  }
};

using GeneratorFn = void (*)(Draw&);

// The generators of each family, by pattern number; nullptr for a number the
// family does not draw.
GeneratorFn AddSubGenerator(int pattern);
GeneratorFn MulDivGenerator(int pattern);
GeneratorFn NumberGenerator(int pattern);

// The generator of pattern 1..150 (dispatching on the catalogue's family);
// nullptr when there is none.
GeneratorFn GeneratorFor(int pattern);

}  // namespace kazenori
