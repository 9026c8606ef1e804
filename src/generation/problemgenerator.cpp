// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/problemgenerator.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "generation/displayform.h"

namespace kazenori {

namespace {

std::string Text(std::int64_t v) {
  return std::to_string(v);
}

// The answer of a problem that is not waiting for its display form, and the
// remainder of a two-term division.
void WriteAnswer(ProblemRecord& rec) {
  const std::int64_t a = rec.valA, b = rec.valB, c = rec.valC;
  const bool twoTerms = rec.termMode == TermMode::TwoTerms;
  switch (rec.op) {
    case Operation::Add:
      rec.strAnswer = Text(twoTerms ? a + b : a + b + c);
      break;
    case Operation::Sub:
      rec.strAnswer = Text(twoTerms ? a - b : a - b - c);
      break;
    case Operation::Mul:
      rec.strAnswer = Text(twoTerms ? a * b : a * b * c);
      break;
    case Operation::Div:
      if (twoTerms) {
        rec.strAnswer = Text(a / b);
        rec.strRemainder = a % b != 0 ? Text(a % b) : std::string();
      } else {
        rec.strAnswer = Text(a / b / c);
      }
      break;
    default:
      break;
  }
}

// The number texts; special products and quotients get their fourth value
// instead of an answer, which their display form works out.
void WriteTexts(ProblemRecord& rec) {
  rec.strA = Text(rec.valA);
  rec.strB = Text(rec.valB);
  if (rec.termMode != TermMode::TwoTerms) rec.strC = Text(rec.valC);
  const bool mulDiv = rec.op == Operation::Mul || rec.op == Operation::Div;
  if (rec.termMode == TermMode::Special && mulDiv) {
    rec.strD = Text(rec.valD);
  } else {
    WriteAnswer(rec);
  }
}

}  // namespace

bool ProblemGenerator::IsRepeat(const Draw& a, int index) const {
  for (int i = 1; i < index; ++i) {
    const ProblemRecord& r = table_.At(i);
    if (a.valA != r.valA || a.valB != r.valB) continue;
    if (state_.termMode == TermMode::TwoTerms) return true;
    if (a.valC != r.valC) continue;
    // The form asked about is the current one, not the earlier record's.
    if (!form::KeepsFourthValue(state_.specialForm, r.op) || a.valD == r.valD) return true;
  }
  return false;
}

// The one draw that picks the pattern, among the ticked ones.
const PatternInfo& ProblemGenerator::DrawPattern() {
  const int number = selection_.At(rnd_.Rnd(selection_.Count()));
  if (number < 1 || number > kPatternCount) {
    throw std::logic_error("MakeProblem: selection entry " + std::to_string(number) +
                           " is not a pattern number");
  }
  return Pattern(number);
}

// Attempts of the pattern until one differs from the sheet's earlier problems.
Draw ProblemGenerator::DrawNewProblem(const PatternInfo& pattern, int index) {
  state_.termMode = TermMode::TwoTerms;
  Draw attempt{rnd_, state_};
  do {
    pattern.generate(attempt);
  } while (IsRepeat(attempt, index));
  const bool divides = attempt.op == Operation::Div && state_.termMode != TermMode::Special;
  const bool byZero =
      attempt.valB == 0 || (state_.termMode == TermMode::ThreeTerms && attempt.valC == 0);
  if (divides && byZero) {
    // Checked before anything is written, so a faulty generator leaves the
    // record as it was.
    throw std::logic_error("MakeProblem: pattern " + std::to_string(pattern.number) +
                           " drew a division by 0");
  }
  return attempt;
}

// Values a problem's mode does not use keep what the record held.
void ProblemGenerator::WriteRecord(const Draw& attempt, int index) {
  ProblemRecord& rec = table_.At(index);
  rec.op = attempt.op;
  rec.valA = attempt.valA;
  rec.valB = attempt.valB;
  rec.termMode = state_.termMode;
  if (rec.termMode != TermMode::TwoTerms) rec.valC = attempt.valC;
  if (rec.termMode == TermMode::Special) {
    rec.form = state_.specialForm;
    rec.valD = attempt.valD;
  }
  WriteTexts(rec);
}

int ProblemGenerator::MakeProblem(int index) {
  if (index < 1 || index > kProblemCount) {
    throw std::logic_error("MakeProblem: record index " + std::to_string(index) +
                           " is outside 1..50");
  }
  if (selection_.Empty()) throw std::logic_error("MakeProblem: the pattern selection is empty");
  const PatternInfo& pattern = DrawPattern();
  WriteRecord(DrawNewProblem(pattern, index), index);
  return pattern.number;
}

}  // namespace kazenori
