// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/questiontext.h"

namespace kazenori {

std::string OperatorSign(Operation op) {
  switch (op) {
    case Operation::Add:
      return kPlus;
    case Operation::Sub:
      return kMinus;
    case Operation::Mul:
      return kTimes;
    case Operation::Div:
      return kDivide;
    default:
      return {};
  }
}

std::string BlankMark(const std::string& text, Random& rnd) {
  const int n = static_cast<int>(text.size());
  const int p = rnd.Rnd(n);
  if (n <= 1) return kBox;
  return text.substr(0, static_cast<std::size_t>(p)) + kBox +
         text.substr(static_cast<std::size_t>(p) + 1);
}

}  // namespace kazenori
