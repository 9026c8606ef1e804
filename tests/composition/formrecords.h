// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "generation/problemrecord.h"

namespace kazenori::testing {

// The test records of the composition: plain two- and three-term records with
// their value texts, and special ones as the driver leaves them.
inline ProblemRecord TwoTerm(Operation op, int a, int b, const std::string& answer,
                             const std::string& remainder = {}) {
  ProblemRecord r;
  r.op = op;
  r.valA = a;
  r.valB = b;
  r.strA = std::to_string(a);
  r.strB = std::to_string(b);
  r.strAnswer = answer;
  r.strRemainder = remainder;
  return r;
}

inline ProblemRecord ThreeTerm(Operation op, int a, int b, int c, const std::string& answer) {
  ProblemRecord r = TwoTerm(op, a, b, answer);
  r.termMode = TermMode::ThreeTerms;
  r.valC = c;
  r.strC = std::to_string(c);
  return r;
}

// A special record as the generation driver leaves it: the value texts, strD
// only for multiplication and division, and the provisional answer of an
// addition or subtraction.
inline ProblemRecord SpecialRecord(int form, Operation op, std::int32_t a, std::int32_t b,
                                   std::int32_t c = 0, std::int32_t d = 0) {
  ProblemRecord r;
  r.termMode = TermMode::Special;
  r.form = form;
  r.op = op;
  r.valA = a;
  r.valB = b;
  r.valC = c;
  r.valD = d;
  r.strA = std::to_string(a);
  r.strB = std::to_string(b);
  r.strC = std::to_string(c);
  if (op == Operation::Mul || op == Operation::Div) r.strD = std::to_string(d);
  if (op == Operation::Add) r.strAnswer = std::to_string(std::int64_t{a} + b + c);
  if (op == Operation::Sub) r.strAnswer = std::to_string(std::int64_t{a} - b - c);
  return r;
}

}  // namespace kazenori::testing
