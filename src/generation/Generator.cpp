// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generation/Generator.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "generation/PatternCatalogue.h"

namespace kazenori {

GeneratorFn GeneratorFor(int pattern) {
  if (pattern < 1 || pattern > kPatternCount) return nullptr;
  switch (Pattern(pattern).family) {
    case Family::kAddSub:
      return AddSubGenerator(pattern);
    case Family::kMulDiv:
      return MulDivGenerator(pattern);
    case Family::kNumber:
      return NumberGenerator(pattern);
  }
  return nullptr;
}

namespace {

int PatternNumberOf(const std::string& entry) {
  std::size_t used = 0;
  int number = 0;
  try {
    number = std::stoi(entry, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != entry.size() || number < 1 || number > kPatternCount) {
    throw std::logic_error("MakeQData: selection entry '" + entry + "' is not a pattern number");
  }
  return number;
}

std::string Text(std::int64_t v) {
  return std::to_string(v);
}

}  // namespace

bool ProblemGenerator::IsRepeat(const Draw& a, int index) const {
  for (int i = 1; i < index; ++i) {
    const ProblemRecord& r = table_.At(i);
    if (a.valA != r.valA || a.valB != r.valB) continue;
    if (state_.termMode == kTwoTerms) return true;
    if (a.valC != r.valC) continue;
    // Only these forms keep their fourth value apart; note that the form
    // compared is the current one, not the earlier record's.
    const int form = state_.specialForm;
    const bool withD = (r.op == kOpMul && (form == 9 || form == 11 || form == 12)) ||
                       (r.op == kOpDiv && form == 18);
    if (!withD || a.valD == r.valD) return true;
  }
  return false;
}

void ProblemGenerator::MakeQData(int index) {
  if (index < 1 || index > kProblemCount) {
    throw std::logic_error("MakeQData: record index " + std::to_string(index) +
                           " is outside 1..50");
  }
  if (selection_.Empty()) throw std::logic_error("MakeQData: the pattern selection is empty");

  const int k = rnd_.Rnd(selection_.Count());
  const int pattern = PatternNumberOf(selection_.Entry(k));
  const GeneratorFn generate = GeneratorFor(pattern);
  if (generate == nullptr) {
    throw std::logic_error("MakeQData: pattern " + std::to_string(pattern) + " has no generator");
  }

  state_.termMode = kTwoTerms;
  Draw attempt{rnd_, state_};
  do {
    generate(attempt);
  } while (IsRepeat(attempt, index));

  const bool divides = attempt.op == kOpDiv && state_.termMode != kSpecial;
  if (divides && (attempt.valB == 0 || (state_.termMode == kThreeTerms && attempt.valC == 0))) {
    // Checked before anything is written, so a faulty generator leaves the
    // record as it was.
    throw std::logic_error("MakeQData: pattern " + std::to_string(pattern) +
                           " drew a division by 0");
  }

  ProblemRecord& rec = table_.At(index);
  rec.op = attempt.op;
  rec.valA = attempt.valA;
  rec.valB = attempt.valB;
  rec.termMode = state_.termMode;
  if (rec.termMode >= kThreeTerms) rec.valC = attempt.valC;
  if (rec.termMode == kSpecial) {
    rec.form = state_.specialForm;
    rec.valD = attempt.valD;
  }
  rec.strA = Text(rec.valA);
  rec.strB = Text(rec.valB);

  const std::int64_t a = rec.valA, b = rec.valB, c = rec.valC;
  const bool twoTerms = rec.termMode == kTwoTerms;
  if (!twoTerms) rec.strC = Text(c);
  switch (rec.op) {
    case kOpAdd:
      rec.strAnswer = Text(twoTerms ? a + b : a + b + c);
      break;
    case kOpSub:
      rec.strAnswer = Text(twoTerms ? a - b : a - b - c);
      break;
    case kOpMul:
      if (rec.termMode == kSpecial) {
        rec.strD = Text(rec.valD);
      } else {
        rec.strAnswer = Text(twoTerms ? a * b : a * b * c);
      }
      break;
    case kOpDiv:
      if (rec.termMode == kSpecial) {
        rec.strD = Text(rec.valD);
      } else if (twoTerms) {
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

}  // namespace kazenori
