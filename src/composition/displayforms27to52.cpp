// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Forms 27 to 52: sums and differences of products, integer mixtures, decimal
// addition, multiplication and division, and the multiples and divisors of
// one number.

#include <cstdint>

#include "composition/displayformscommon.h"
#include "composition/fractiontext.h"
#include "composition/questiontext.h"

namespace kazenori::forms {

namespace {

using R = const ProblemRecord&;
using W = std::int64_t;

// Forms 27 and 45 to 47 write the operands of their operator-hidden text from
// the values; 43 and 44 from the texts.
const OperatorForm kOperatorForms[] = {
    {27,
     {"A*B+C*D", nullptr},
     5,
     true,
     [](R r) -> Answer { return W{r.valA} * r.valB + W{r.valC} * r.valD; }},
    {43,
     {"A-B*C", nullptr},
     4,
     false,
     [](R r) -> Answer { return W{r.valA} - W{r.valB} * r.valC; }},
    {44,
     {"A-B/C", nullptr},
     4,
     false,
     [](R r) -> Answer {
       const Answer q = Div(r.valB, r.valC);
       if (!q) return q;
       return W{r.valA} - *q;
     }},
    {45,
     {"A*B-C*D", nullptr},
     5,
     true,
     [](R r) -> Answer { return W{r.valA} * r.valB - W{r.valC} * r.valD; }},
    {46, {"A+B-C", nullptr}, 4, true, [](R r) -> Answer { return W{r.valA} + r.valB - r.valC; }},
    {47, {"A-B+C", nullptr}, 4, true, [](R r) -> Answer { return W{r.valA} - r.valB + r.valC; }},
};

// valX / 10^places as a fixed-point operand.
Fixed D(std::int32_t v, int places) {
  return Fixed::Scaled(v, places);
}
std::string T(Fixed x) {
  return FractionText(x);
}
std::string T3(Fixed x) {
  return FirstN(FractionText(x), 3);
}
std::string T4(Fixed x) {
  return FirstN(FractionText(x), 4);
}

// valA ÷ valB × scale in extended floating point, written by T; "" for a
// divisor of 0.
std::string FloatQuotient(R r, long double scale) {
  if (r.valB == 0) return {};
  return FractionText(static_cast<long double>(r.valA) / r.valB * scale);
}

// The integer quotient q = valA div valB, times a factor; "" for a divisor of 0.
std::string Quotient(R r, W factor) {
  const Answer q = Div(r.valA, r.valB);
  return q ? I(*q * factor) : std::string();
}

// The integer quotient times 0.1 or 0.01 in floating point, written whole.
std::string ScaledQuotient(R r, long double scale) {
  const Answer q = Div(r.valA, r.valB);
  return q ? FractionText(static_cast<long double>(*q) * scale) : std::string();
}

struct Pieces {
  std::string left, right, answer;
};

struct DecimalForm {
  int form;
  int writings;      // 2 for the forms that draw their writing
  const char* sign;  // the one operator between the two operands
  Pieces (*pieces)(R r, int writing);
};

Pieces Form30(R r, int w) {
  const Fixed a = w == 0 ? D(r.valA, 0) : D(r.valA, 1);
  const Fixed b = w == 0 ? D(r.valB, 1) : D(r.valB, 0);
  const std::string answer = ZeroDigitCut(T(a * b), 3, 1, 3);
  if (w == 0) return {I(r.valA), T3(b), answer};
  return {T3(a), I(r.valB), answer};
}

Pieces Form37(R r, int w) {
  const Fixed a = D(r.valA, w == 0 ? 1 : 2);
  const Fixed b = D(r.valB, w == 0 ? 2 : 1);
  const std::string answer = ZeroDigitCut(T(a * b), 5, 4, 5);
  if (w == 0) return {T3(a), T4(b), answer};
  return {T4(a), T3(b), answer};
}

Pieces Form42(R r, int w) {
  if (w == 0) return {T3(D(r.valA, 1)), T4(D(r.valB, 2)), Quotient(r, 10)};
  return {T4(D(r.valA, 2)), T3(D(r.valB, 1)), FirstN(FloatQuotient(r, 0.1L), 3)};
}

// The dividend of form 50 loses its places only in the three-character shape
// "d.0"; a longer text such as 1.05 stays whole.
std::string Form50Dividend(R r) {
  const std::string s = T(D(r.valA, 2));
  const std::size_t point = s.find('.');
  if (s.size() == 3 && point != std::string::npos && point + 1 < s.size() && s[point + 1] == '0') {
    return s.substr(0, point);
  }
  return s;
}

const DecimalForm kDecimalForms[] = {
    {28, 1, kPlus,
     [](R r, int) -> Pieces {
       return {I(r.valA), T3(D(r.valB, 1)), T3(D(r.valA, 0) + D(r.valB, 1))};
     }},
    {29, 1, kMinus,
     [](R r, int) -> Pieces {
       return {I(r.valA), T3(D(r.valB, 1)), T3(D(r.valA, 0) - D(r.valB, 1))};
     }},
    {30, 2, kTimes, Form30},
    {31, 1, kTimes,
     [](R r, int) -> Pieces {
       const Fixed a = D(r.valA, 1), b = D(r.valB, 1);
       return {T3(a), T3(b), ZeroDigitCut(T(a * b), 4, 3, 4)};
     }},
    {32, 1, kDivide,
     [](R r, int) -> Pieces {
       return {ZeroDigitCut(T(D(r.valA, 1)), 3, 1, 3), I(r.valB),
               FirstN(FloatQuotient(r, 0.1L), 3)};
     }},
    {33, 1, kDivide,
     [](R r, int) -> Pieces {
       return {ZeroDigitCut(T(D(r.valA, 2)), 4, 3, 4), I(r.valB),
               FirstN(FloatQuotient(r, 0.01L), 4)};
     }},
    {34, 1, kTimes,
     [](R r, int) -> Pieces {
       const Fixed a = D(r.valA, 1), b = D(r.valB, 0);
       return {T3(a), I(r.valB), ZeroDigitCut(T(a * b), 3, 1, 3)};
     }},
    {35, 1, kTimes,
     [](R r, int) -> Pieces {
       const Fixed a = D(r.valA, 0), b = D(r.valB, 1);
       return {I(r.valA), T3(b), ZeroDigitCut(T(a * b), 3, 1, 3)};
     }},
    {36, 1, kTimes,
     [](R r, int) -> Pieces {
       const Fixed a = D(r.valA, 2), b = D(r.valB, 2);
       return {T4(a), T4(b), ZeroDigitCut(T(a * b), 6, 5, 6)};
     }},
    {37, 2, kTimes, Form37},
    {38, 1, kDivide,
     [](R r, int) -> Pieces {
       return {I(r.valA), T3(D(r.valB, 1)), Quotient(r, 10)};
     }},
    {39, 1, kDivide,
     [](R r, int) -> Pieces {
       return {I(r.valA), T4(D(r.valB, 2)), Quotient(r, 100)};
     }},
    {40, 1, kDivide,
     [](R r, int) -> Pieces {
       return {ZeroDigitCut(T(D(r.valA, 1)), 3, 1, 3), T3(D(r.valB, 1)), Quotient(r, 1)};
     }},
    {41, 1, kDivide,
     [](R r, int) -> Pieces {
       return {ZeroDigitCut(T(D(r.valA, 2)), 4, 3, 4), T4(D(r.valB, 2)), Quotient(r, 1)};
     }},
    {42, 2, kDivide, Form42},
    {48, 1, kDivide,
     [](R r, int) -> Pieces {
       return {PointCut(T(D(r.valA, 1))), r.strB, ScaledQuotient(r, 0.1L)};
     }},
    {49, 1, kDivide,
     [](R r, int) -> Pieces {
       return {PointCut(T(D(r.valA, 1))), r.strB, ScaledQuotient(r, 0.1L)};
     }},
    {50, 1, kDivide,
     [](R r, int) -> Pieces {
       return {Form50Dividend(r), r.strB, ScaledQuotient(r, 0.01L)};
     }},
};

std::string ComposeDecimalForm(const DecimalForm& f, ProblemRecord& rec, Layers layers,
                               Random& rnd) {
  const int writing = f.writings == 2 ? rnd.Rnd(2) : 0;
  Pieces p = f.pieces(rec, writing);
  rec.strAnswer = std::move(p.answer);
  rec.strE = p.left + f.sign + p.right + kEquals;
  if (layers.hide) return p.left + kBox + p.right + kEquals + rec.strAnswer;
  return rec.strE;
}

// Forms 51 and 52 ignore both layers.
std::string NumberList(ProblemRecord& rec, const char* noun, std::string list) {
  rec.strAnswer = kAnswerPrefix + list;
  rec.strE = I(rec.valA) + noun;
  return rec.strE;
}

}  // namespace

std::optional<std::string> ComposeForms27to52(ProblemRecord& rec, Layers layers, Random& rnd) {
  for (const OperatorForm& f : kOperatorForms) {
    if (f.form == rec.form) return ComposeOperatorForm(f, rec, layers, rnd);
  }
  for (const DecimalForm& f : kDecimalForms) {
    if (f.form == rec.form) return ComposeDecimalForm(f, rec, layers, rnd);
  }
  const W a = rec.valA;
  switch (rec.form) {
    case 51:
      return NumberList(rec, "の倍数(4つ)",
                        I(a) + "," + I(2 * a) + "," + I(3 * a) + "," + I(4 * a));
    case 52:
      return NumberList(rec, "の約数", DivisorList(a));
    default:
      return std::nullopt;
  }
}

}  // namespace kazenori::forms
