// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "generation/draw.h"
#include "generation/patterncatalogue.h"
#include "generation/patternselection.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// Fills the problem table one record at a time from the ticked patterns,
// never repeating a problem already on the sheet.
class ProblemGenerator {
 public:
  ProblemGenerator(Random& rnd, ProblemTable& table, const PatternSelection& selection)
      : rnd_(rnd), table_(table), selection_(selection) {}

  GenerationState& State() { return state_; }
  const GenerationState& State() const { return state_; }

  // Fills record `index` (1..50) from a pattern drawn among the ticked ones
  // and returns that pattern's number. Records 1..index-1 must hold this
  // sheet's earlier problems. Throws std::logic_error on misuse: an empty
  // selection, an index outside 1..50 or an entry that is no pattern number.
  int MakeProblem(int index);

  // Whether an attempt repeats one of records 1..index-1, under the current
  // term count mode and special form.
  bool IsRepeat(const Draw& attempt, int index) const;

 private:
  const PatternInfo& DrawPattern();
  Draw DrawNewProblem(const PatternInfo& pattern, int index);
  void WriteRecord(const Draw& attempt, int index);

  Random& rnd_;
  ProblemTable& table_;
  const PatternSelection& selection_;
  GenerationState state_;
};

}  // namespace kazenori
