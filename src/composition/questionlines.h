// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/displayforms.h"
#include "composition/sheetoptions.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// The hide-operator or blank flag of one problem from its setting:
// Whether a problem gets the layer: "なし" never, "ﾗﾝﾀﾞﾑ" when Rnd(2) draws 1,
// "全て" always.
bool DecideLayer(LayerSetting setting, Random& rnd);

// Whether a two-term division leaves a remainder (a divisor of 0, which no
// generator produces, counts as none rather than failing).
bool HasRemainder(const ProblemRecord& rec);

// The question lines of two- and three-term problems with their layers:
// plain, operator-hidden with layers.hide, blanked with layers.blank
// (Rnd(3) or Rnd(4) for the item, then the blank-marking position). A blank
// of a one-character answer is refused and keeps the earlier layer. An op
// outside 1..4 leaves strA and draws nothing.
std::string TwoTermQuestion(const ProblemRecord& rec, forms::Layers layers, Random& rnd);
std::string ThreeTermQuestion(const ProblemRecord& rec, forms::Layers layers, Random& rnd);

// The question line of any problem by its term count mode; special problems
// go to their display form (which writes strAnswer and strE).
std::string QuestionLine(ProblemRecord& rec, forms::Layers layers, Random& rnd);

}  // namespace kazenori
