// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/sheetoptions.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// The hide-operator or blank flag of one problem from its setting:
// "なし" 0, "ﾗﾝﾀﾞﾑ" Rnd(2), "全て" 1.
int DecideFlag(LayerSetting setting, Random& rnd);

// Whether a two-term division leaves a remainder (a divisor of 0, which no
// generator produces, counts as none rather than failing).
bool HasRemainder(const ProblemRecord& rec);

// The question lines of two- and three-term problems with their layers:
// plain, operator-hidden when hideFlag is 1, blanked when blankFlag is 1
// (Rnd(3) or Rnd(4) for the item, then the blank-marking position). A blank
// of a one-character answer is refused and keeps the earlier layer. An op
// outside 1..4 leaves strA and draws nothing.
std::string TwoTermQuestion(const ProblemRecord& rec, int hideFlag, int blankFlag, Random& rnd);
std::string ThreeTermQuestion(const ProblemRecord& rec, int hideFlag, int blankFlag, Random& rnd);

// The question line of any problem by its term count mode; special problems
// go to their display form (which writes strAnswer and strE).
std::string QuestionLine(ProblemRecord& rec, int hideFlag, int blankFlag, Random& rnd);

}  // namespace kazenori
