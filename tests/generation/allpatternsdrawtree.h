// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs a generator along every possible sequence of draws, so that tests can
// see the whole set of problems a pattern can pose instead of a sample.

#include <array>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "generation/draw.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori::testing {

// Thrown out of a generator when a run would draw more than the budget.
struct DrawBudgetExceeded {};

// A Random that answers each run with the next sequence of draws in
// lexicographic order: replays the current prefix, answers 0 beyond it, and
// afterwards advances the last draw that still has a larger value.
class DrawTree final : public kazenori::Random {
 public:
  explicit DrawTree(int budget) : budget_(budget) {}

  int Rnd(int n) override {
    if (pos_ < path_.size()) return path_[pos_++].second;
    if (static_cast<int>(path_.size()) >= budget_) throw DrawBudgetExceeded{};
    path_.emplace_back(n, 0);
    ++pos_;
    return 0;
  }

  // Moves to the next sequence; false when every sequence has been run.
  bool Advance() {
    pos_ = 0;
    while (!path_.empty()) {
      auto& [n, value] = path_.back();
      if (value + 1 < n) {
        ++value;
        return true;
      }
      path_.pop_back();
    }
    return false;
  }

 private:
  int budget_;
  std::vector<std::pair<int, int>> path_;  // (range asked for, value answered)
  std::size_t pos_ = 0;
};

struct WalkResult {
  long runs = 0;          // sequences that ran to the end within the budget
  long pruned = 0;        // sequences cut off by the budget
  bool exhausted = true;  // false when the run limit stopped the walk early
};

// Calls visit(draw, state) for every sequence of at most `budget` draws that
// finishes the generator, stopping after `runLimit` sequences.
template <typename Visit>
WalkResult WalkDraws(GeneratorFn generate, int zeroAllowed, int budget, long runLimit,
                     Visit&& visit) {
  DrawTree tree(budget);
  WalkResult result;
  do {
    if (result.runs + result.pruned >= runLimit) {
      result.exhausted = false;
      break;
    }
    GenerationState state;
    state.zero = zeroAllowed ? ZeroSetting::Allowed : ZeroSetting::Refused;
    Draw draw{tree, state};
    try {
      generate(draw);
    } catch (const DrawBudgetExceeded&) {
      ++result.pruned;
      continue;
    }
    ++result.runs;
    visit(static_cast<const Draw&>(draw), static_cast<const GenerationState&>(state));
  } while (tree.Advance());
  return result;
}

// What the driver compares to decide that a problem repeats an earlier one of
// the same pattern: valA and valB, then valC for three-term and special
// problems, and valD only for the forms that keep it apart.
using RepeatKey = std::array<std::int64_t, 4>;

inline RepeatKey RepeatKeyOf(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t d,
                             Operation op, TermMode termMode, int form) {
  constexpr std::int64_t kUnused = std::numeric_limits<std::int64_t>::min();
  if (termMode == TermMode::TwoTerms) return {a, b, kUnused, kUnused};
  const bool withD = (op == Operation::Mul && (form == 9 || form == 11 || form == 12)) ||
                     (op == Operation::Div && form == 18);
  return {a, b, c, withD ? d : kUnused};
}

inline RepeatKey RepeatKeyOf(const Draw& d, const GenerationState& s) {
  return RepeatKeyOf(d.valA, d.valB, d.valC, d.valD, d.op, s.termMode, s.specialForm);
}

inline RepeatKey RepeatKeyOf(const ProblemRecord& r) {
  return RepeatKeyOf(r.valA, r.valB, r.valC, r.valD, r.op, r.termMode, r.form);
}

}  // namespace kazenori::testing
