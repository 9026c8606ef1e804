// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kazenori {

// The operation a problem is written with. The values are those the JSON
// output carries.
enum class Operation : int { None = 0, Add = 1, Sub = 2, Mul = 3, Div = 4 };

// How a problem is laid out: two terms, three terms, or by a special display
// form. The values are those the JSON output carries.
enum class TermMode : int { TwoTerms = 0, ThreeTerms = 1, Special = 2 };

// One problem of the worksheet. Texts are UTF-8; the number texts hold ASCII
// digits only, so counting bytes counts characters there.
struct ProblemRecord {
  std::int32_t valA = 0;
  std::int32_t valB = 0;
  std::int32_t valC = 0;
  std::int32_t valD = 0;
  TermMode termMode = TermMode::TwoTerms;
  int form = 0;
  std::string strA;
  std::string strB;
  std::string strC;
  std::string strD;
  std::string strE;
  std::string strAnswer;
  std::string strRemainder;
  Operation op = Operation::None;

  void Reset() { *this = ProblemRecord{}; }
};

constexpr int kProblemCount = 50;

// Records 1 to 50; At(i) takes the 1-based record number.
class ProblemTable {
 public:
  ProblemRecord& At(int index) { return records_.at(static_cast<std::size_t>(index - 1)); }
  const ProblemRecord& At(int index) const {
    return records_.at(static_cast<std::size_t>(index - 1));
  }
  void Reset() {
    for (auto& r : records_) r.Reset();
  }

 private:
  std::array<ProblemRecord, kProblemCount> records_{};
};

}  // namespace kazenori
