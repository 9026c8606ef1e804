// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

namespace forms {

// The two layers a question line may get, decided for each problem before it
// is written: its operators hidden ("演算子のみを隠す"), one of its items
// blanked ("虫食い").
struct Layers {
  bool hide = false;
  bool blank = false;
};

}  // namespace forms

// Composes the question line of a special problem (termMode 2) by its display
// form (its row of the form catalogue, composition/formcatalogue.cpp): writes
// the real answer into rec.strAnswer and the plain question into rec.strE,
// then applies the layers the form obeys, drawing the form's own choices, the blanked item and the
// blank position in that order. A one-character answer is never blanked. A form without a writing,
// or a record that is not special, returns rec.strA and changes nothing. A zero divisor, which no
// generator gives, leaves strAnswer empty rather than dividing by it.
std::string ComposeSpecialQuestion(ProblemRecord& rec, forms::Layers layers, Random& rnd);

// Whether the form's question and answer lines are written smaller and its
// answer has a line of its own under the answer line.
bool HasAnswerValueLine(int form);

}  // namespace kazenori
