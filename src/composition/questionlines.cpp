// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/questionlines.h"

#include <array>
#include <cstdint>

#include "composition/displayforms.h"
#include "composition/questiontext.h"

namespace kazenori {

bool DecideLayer(LayerSetting setting, Random& rnd) {
  switch (setting) {
    case LayerSetting::Random:
      return rnd.Rnd(2) == 1;
    case LayerSetting::All:
      return true;
    case LayerSetting::None:
      break;
  }
  return 0;
}

bool HasRemainder(const ProblemRecord& rec) {
  if (rec.op != Operation::Div || rec.valB == 0) return false;
  // In 64 bits, so that INT32_MIN % -1 is no overflow.
  return static_cast<std::int64_t>(rec.valA) % rec.valB != 0;
}

namespace {

bool ValidOp(Operation op) {
  return op >= Operation::Add && op <= Operation::Div;
}

// Marks `items[choice]` unless it is the answer (the last item) and one
// character long; returns whether it did.
template <std::size_t N>
bool BlankItem(std::array<std::string, N>& items, int choice, Random& rnd) {
  const auto c = static_cast<std::size_t>(choice);
  if (c >= N) return false;
  if (c == N - 1 && items[c].size() == 1) return false;
  items[c] = BlankMark(items[c], rnd);
  return true;
}

}  // namespace

std::string TwoTermQuestion(const ProblemRecord& rec, forms::Layers layers, Random& rnd) {
  if (!ValidOp(rec.op)) return rec.strA;
  const std::string sign = OperatorSign(rec.op);
  const bool remainder = HasRemainder(rec);
  const std::string tail = remainder ? std::string(kEllipsis) + rec.strRemainder : std::string();

  std::string line = remainder ? rec.strA + sign + rec.strB + kEquals + kTwoSpaces + kEllipsis
                               : rec.strA + sign + rec.strB + kEquals;
  if (layers.hide) line = rec.strA + kBox + rec.strB + kEquals + rec.strAnswer + tail;
  if (layers.blank) {
    std::array<std::string, 3> items{rec.strA, rec.strB, rec.strAnswer};
    if (BlankItem(items, rnd.Rnd(3), rnd)) {
      line = items[0] + sign + items[1] + kEquals + items[2] + tail;
    }
  }
  return line;
}

std::string ThreeTermQuestion(const ProblemRecord& rec, forms::Layers layers, Random& rnd) {
  if (!ValidOp(rec.op)) return rec.strA;
  const std::string sign = OperatorSign(rec.op);
  std::string line = rec.strA + sign + rec.strB + sign + rec.strC + kEquals;
  if (layers.hide) line = rec.strA + kBox + rec.strB + kBox + rec.strC + kEquals + rec.strAnswer;
  if (layers.blank) {
    std::array<std::string, 4> items{rec.strA, rec.strB, rec.strC, rec.strAnswer};
    if (BlankItem(items, rnd.Rnd(4), rnd)) {
      line = items[0] + sign + items[1] + sign + items[2] + kEquals + items[3];
    }
  }
  return line;
}

std::string QuestionLine(ProblemRecord& rec, forms::Layers layers, Random& rnd) {
  switch (rec.termMode) {
    case TermMode::TwoTerms:
      return TwoTermQuestion(rec, layers, rnd);
    case TermMode::ThreeTerms:
      return ThreeTermQuestion(rec, layers, rnd);
    case TermMode::Special:
      return ComposeSpecialQuestion(rec, layers, rnd);
    default:
      return rec.strA;
  }
}

}  // namespace kazenori
