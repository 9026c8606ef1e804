// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Pieces shared by the display forms; not for use outside them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "composition/displayforms.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori::forms {

inline constexpr const char* kAnswerPrefix = "答え ";

// An integer answer; empty when the form would have to divide by 0, which no
// generator allows, so that the form writes no answer instead of failing.
using Answer = std::optional<std::int64_t>;
using AnswerRule = Answer (*)(const ProblemRecord&);

// A form that writes its terms with integer operators between them. A
// writing is spelt with the letters A to D for strA to strD, the signs
// + - * / and literal brackets; "＝" follows every writing.
struct OperatorForm {
  std::array<const char*, 2> writings;  // the second is nullptr for one writing
  int blankChoices;                     // 4: A, B, C, answer; 5: A, B, C, D, answer
  bool hiddenFromValues;                // hidden text writes Decimal(valX) rather than strX
  AnswerRule answer;
};

// Writing draw, answer, plain question into strE, then the hide and blank
// layers; returns the question line.
std::string ComposeOperatorForm(const OperatorForm& f, ProblemRecord& rec, Layers layers,
                                Random& rnd);

// The decimal text of v.
std::string Decimal(std::int64_t v);
// Truncating integer division; empty for a divisor of 0.
Answer Div(std::int64_t a, std::int64_t b);
// Every divisor of g in ascending order joined by ","; "" when g < 1.
std::string DivisorList(std::int64_t g);

}  // namespace kazenori::forms
