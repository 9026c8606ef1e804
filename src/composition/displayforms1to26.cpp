// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Forms 1 to 26: mixed expressions with brackets or two operations, common
// multiples and divisors, and ratios.

#include <cstdint>

#include "composition/displayformscommon.h"
#include "composition/questiontext.h"
#include "generation/numbertheory.h"

namespace kazenori::forms {

namespace {

using Rec = const ProblemRecord&;
using Wide = std::int64_t;  // values widened before any arithmetic

Answer APlusBMinusC(Rec r) {
  return Wide{r.valA} + r.valB - r.valC;
}
Answer AMinusBPlusC(Rec r) {
  return Wide{r.valA} - (Wide{r.valB} + r.valC);
}
Answer AMinusBTimesC(Rec r) {
  return Wide{r.valA} - Wide{r.valB} * r.valC;
}
Answer AMinusBDivC(Rec r) {
  const Answer q = Div(r.valB, r.valC);
  if (!q) return q;
  return Wide{r.valA} - *q;
}
Answer ABMinusDivC(Rec r) {
  return Div(Wide{r.valA} - r.valB, r.valC);
}

// Forms 1, 2 and 6 (and 3 and 4, 10 and 16, 13 and 19) differ only in how
// their numbers are drawn, so they share their rows' shapes.
constexpr const char* kBracketSum[] = {"A+(B-C)", "(B-C)+A"};

const OperatorForm kOperatorForms[] = {
    {1, {kBracketSum[0], kBracketSum[1]}, 4, false, APlusBMinusC},
    {2, {kBracketSum[0], kBracketSum[1]}, 4, false, APlusBMinusC},
    {3, {"A-(B+C)", nullptr}, 4, false, AMinusBPlusC},
    {4, {"A-(B+C)", nullptr}, 4, false, AMinusBPlusC},
    {5, {"A-B*C", nullptr}, 4, false, AMinusBTimesC},
    {6, {kBracketSum[0], kBracketSum[1]}, 4, false, APlusBMinusC},
    {7,
     {"A-(B-C)", nullptr},
     4,
     false,
     [](Rec r) -> Answer { return Wide{r.valA} - (Wide{r.valB} - r.valC); }},
    {8,
     {"(A+B)*C", "C*(A+B)"},
     4,
     false,
     [](Rec r) -> Answer { return (Wide{r.valA} + r.valB) * r.valC; }},
    {10, {"A-B/C", nullptr}, 4, false, AMinusBDivC},
    {11,
     {"A*B+C*D", nullptr},
     5,
     false,
     [](Rec r) -> Answer { return Wide{r.valA} * r.valB + Wide{r.valC} * r.valD; }},
    {12,
     {"A*B-C*D", nullptr},
     5,
     false,
     [](Rec r) -> Answer { return Wide{r.valA} * r.valB - Wide{r.valC} * r.valD; }},
    {13, {"(A-B)/C", nullptr}, 4, false, ABMinusDivC},
    {14,
     {"A*(B+C)", "(B+C)*A"},
     4,
     false,
     [](Rec r) -> Answer { return (Wide{r.valB} + r.valC) * r.valA; }},
    {15,
     {"A+B*C", "B*C+A"},
     4,
     false,
     [](Rec r) -> Answer { return Wide{r.valB} * r.valC + r.valA; }},
    {16, {"A-B/C", nullptr}, 4, false, AMinusBDivC},
    {17,
     {"A/(B+C)", nullptr},
     4,
     false,
     [](Rec r) -> Answer { return Div(r.valA, Wide{r.valB} + r.valC); }},
    {18,
     {"A/B+C*D", "C*D+A/B"},
     5,
     false,
     [](Rec r) -> Answer {
       const Answer q = Div(r.valA, r.valB);
       if (!q) return q;
       return *q + Wide{r.valC} * r.valD;
     }},
    {19, {"(A-B)/C", nullptr}, 4, false, ABMinusDivC},
};

std::string Pair(Rec r) {
  return Decimal(r.valA) + "," + Decimal(r.valB);
}
std::string Triple(Rec r) {
  return Pair(r) + "," + Decimal(r.valC);
}

// Forms 20 to 25 ignore both layers; the question goes into strE as well.
std::string NumberTheory(ProblemRecord& rec, std::string question, const std::string& answer) {
  rec.strAnswer = kAnswerPrefix + answer;
  rec.strE = question;
  return question;
}

std::string Ratio(ProblemRecord& rec, Random& rnd) {
  const std::string left = Decimal(rec.valA) + ":" + Decimal(rec.valB) + kEquals;
  if (rnd.Rnd(2) == 0) {
    rec.strAnswer = left + Decimal(rec.valC) + ":(" + Decimal(rec.valD) + ")";
    return left + Decimal(rec.valC) + ":(    )";
  }
  rec.strAnswer = left + "(" + Decimal(rec.valC) + "):" + Decimal(rec.valD);
  return left + "(    ):" + Decimal(rec.valD);
}

}  // namespace

std::optional<std::string> ComposeForms1to26(ProblemRecord& rec, Layers layers, Random& rnd) {
  for (const OperatorForm& f : kOperatorForms) {
    if (f.form == rec.form) return ComposeOperatorForm(f, rec, layers, rnd);
  }
  const Wide a = rec.valA, b = rec.valB, c = rec.valC;
  switch (rec.form) {
    case 20: {
      const Wide l = lcm(a, b);
      return NumberTheory(rec, Pair(rec) + "の公倍数(3つ)",
                          Decimal(l) + "," + Decimal(2 * l) + "," + Decimal(3 * l));
    }
    case 21:
      return NumberTheory(rec, Pair(rec) + "の最小公倍数", Decimal(lcm(a, b)));
    case 22:
      return NumberTheory(rec, Triple(rec) + "の最小公倍数", Decimal(lcm(lcm(a, b), c)));
    case 23:
      return NumberTheory(rec, Pair(rec) + "の公約数", DivisorList(gcd(a, b)));
    case 24:
      return NumberTheory(rec, Pair(rec) + "の最大公約数", Decimal(gcd(a, b)));
    case 25:
      return NumberTheory(rec, Triple(rec) + "の最大公約数", Decimal(gcd(gcd(a, b), c)));
    case 26:
      return Ratio(rec, rnd);
    default:
      return std::nullopt;
  }
}

}  // namespace kazenori::forms
