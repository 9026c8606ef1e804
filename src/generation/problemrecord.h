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
// digits only, so counting bytes counts characters there. The field names are
// the keys of the problem in the JSON output (composition/worksheetjson.cpp): renaming
// one changes that format. A field a problem does not use keeps what the
// record held, which is its default on a fresh sheet.
struct ProblemRecord {
  // The terms as drawn. Two terms: A op B. Three terms: A op B op C. Special:
  // whatever its display form reads, e.g. A+(B-C), A*B+C*D, the ratio
  // A:B = C:D, the decimal operands A and B before their points are placed,
  // A alone for the multiples and divisors of one number.
  std::int32_t valA = 0;
  std::int32_t valB = 0;
  std::int32_t valC = 0;  // three-term and special problems only
  std::int32_t valD = 0;  // special problems only; 0 where the form draws none
  TermMode termMode = TermMode::TwoTerms;
  // The display form of a special problem (generation/displayform.h); left
  // alone (0) for the others.
  int form = 0;
  std::string strA;  // valA in decimal
  std::string strB;  // valB in decimal
  std::string strC;  // valC in decimal for three-term and special problems, else empty
  // valD in decimal for special multiplications and divisions, else empty.
  std::string strD;
  // Special problems: the plain question as their form writes it (no hidden
  // operators, no blank), which the answer line is made from; else empty.
  std::string strE;
  // The answer as the answer page shows it. Two and three terms: the result
  // (the quotient of a division). Special: written by the form when the
  // question line is composed (an addition or subtraction holds A+B+C or
  // A-B-C until then); the forms of multiples and divisors start it with
  // "答え ", a ratio holds the whole completed ratio.
  std::string strAnswer;
  // The remainder of a two-term division, empty when it divides exactly;
  // empty for every other problem.
  std::string strRemainder;
  // The operation: the sign of two- and three-term problems; for a special
  // problem the kind of its pattern, which decides strD and the repeat test
  // (the form writes its own signs).
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
