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

using Rec = const ProblemRecord&;
using Wide = std::int64_t;

// Forms 27 and 45 to 47 write the operands of their operator-hidden text from
// the values; 43 and 44 from the texts.
const OperatorForm kOperatorForms[] = {
    {27,
     {"A*B+C*D", nullptr},
     5,
     true,
     [](Rec r) -> Answer { return Wide{r.valA} * r.valB + Wide{r.valC} * r.valD; }},
    {43,
     {"A-B*C", nullptr},
     4,
     false,
     [](Rec r) -> Answer { return Wide{r.valA} - Wide{r.valB} * r.valC; }},
    {44,
     {"A-B/C", nullptr},
     4,
     false,
     [](Rec r) -> Answer {
       const Answer q = Div(r.valB, r.valC);
       if (!q) return q;
       return Wide{r.valA} - *q;
     }},
    {45,
     {"A*B-C*D", nullptr},
     5,
     true,
     [](Rec r) -> Answer { return Wide{r.valA} * r.valB - Wide{r.valC} * r.valD; }},
    {46,
     {"A+B-C", nullptr},
     4,
     true,
     [](Rec r) -> Answer { return Wide{r.valA} + r.valB - r.valC; }},
    {47,
     {"A-B+C", nullptr},
     4,
     true,
     [](Rec r) -> Answer { return Wide{r.valA} - r.valB + r.valC; }},
};

// valX / 10^places as a fixed-point operand.
Fixed Scaled(std::int32_t v, int places) {
  return Fixed::Scaled(v, places);
}
std::string Fraction(Fixed x) {
  return FractionText(x);
}
std::string FractionFirst3(Fixed x) {
  return FirstN(FractionText(x), 3);
}
std::string FractionFirst4(Fixed x) {
  return FirstN(FractionText(x), 4);
}

// valA ÷ valB × scale in extended floating point, written by Fraction; "" for a
// divisor of 0.
std::string FloatQuotient(Rec r, long double scale) {
  if (r.valB == 0) return {};
  return FractionText(static_cast<long double>(r.valA) / r.valB * scale);
}

// The integer quotient q = valA div valB, times a factor; "" for a divisor of 0.
std::string Quotient(Rec r, Wide factor) {
  const Answer q = Div(r.valA, r.valB);
  return q ? Decimal(*q * factor) : std::string();
}

// The integer quotient times 0.1 or 0.01 in floating point, written whole.
std::string ScaledQuotient(Rec r, long double scale) {
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
  Pieces (*pieces)(Rec r, int writing);
};

Pieces Form30(Rec r, int w) {
  const Fixed a = w == 0 ? Scaled(r.valA, 0) : Scaled(r.valA, 1);
  const Fixed b = w == 0 ? Scaled(r.valB, 1) : Scaled(r.valB, 0);
  const std::string answer = ZeroDigitCut(Fraction(a * b), 3, 1, 3);
  if (w == 0) return {Decimal(r.valA), FractionFirst3(b), answer};
  return {FractionFirst3(a), Decimal(r.valB), answer};
}

Pieces Form37(Rec r, int w) {
  const Fixed a = Scaled(r.valA, w == 0 ? 1 : 2);
  const Fixed b = Scaled(r.valB, w == 0 ? 2 : 1);
  const std::string answer = ZeroDigitCut(Fraction(a * b), 5, 4, 5);
  if (w == 0) return {FractionFirst3(a), FractionFirst4(b), answer};
  return {FractionFirst4(a), FractionFirst3(b), answer};
}

Pieces Form42(Rec r, int w) {
  if (w == 0)
    return {FractionFirst3(Scaled(r.valA, 1)), FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 10)};
  return {FractionFirst4(Scaled(r.valA, 2)), FractionFirst3(Scaled(r.valB, 1)),
          FirstN(FloatQuotient(r, 0.1L), 3)};
}

// The dividend of form 50 loses its places only in the three-character shape
// "d.0"; a longer text such as 1.05 stays whole.
std::string Form50Dividend(Rec r) {
  std::string s = Fraction(Scaled(r.valA, 2));
  const std::size_t point = s.find('.');
  if (s.size() == 3 && point != std::string::npos && point + 1 < s.size() && s[point + 1] == '0') {
    return s.substr(0, point);
  }
  return s;
}

const DecimalForm kDecimalForms[] = {
    {28, 1, kPlus,
     [](Rec r, int) -> Pieces {
       return {Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)),
               FractionFirst3(Scaled(r.valA, 0) + Scaled(r.valB, 1))};
     }},
    {29, 1, kMinus,
     [](Rec r, int) -> Pieces {
       return {Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)),
               FractionFirst3(Scaled(r.valA, 0) - Scaled(r.valB, 1))};
     }},
    {30, 2, kTimes, Form30},
    {31, 1, kTimes,
     [](Rec r, int) -> Pieces {
       const Fixed a = Scaled(r.valA, 1), b = Scaled(r.valB, 1);
       return {FractionFirst3(a), FractionFirst3(b), ZeroDigitCut(Fraction(a * b), 4, 3, 4)};
     }},
    {32, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {ZeroDigitCut(Fraction(Scaled(r.valA, 1)), 3, 1, 3), Decimal(r.valB),
               FirstN(FloatQuotient(r, 0.1L), 3)};
     }},
    {33, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {ZeroDigitCut(Fraction(Scaled(r.valA, 2)), 4, 3, 4), Decimal(r.valB),
               FirstN(FloatQuotient(r, 0.01L), 4)};
     }},
    {34, 1, kTimes,
     [](Rec r, int) -> Pieces {
       const Fixed a = Scaled(r.valA, 1), b = Scaled(r.valB, 0);
       return {FractionFirst3(a), Decimal(r.valB), ZeroDigitCut(Fraction(a * b), 3, 1, 3)};
     }},
    {35, 1, kTimes,
     [](Rec r, int) -> Pieces {
       const Fixed a = Scaled(r.valA, 0), b = Scaled(r.valB, 1);
       return {Decimal(r.valA), FractionFirst3(b), ZeroDigitCut(Fraction(a * b), 3, 1, 3)};
     }},
    {36, 1, kTimes,
     [](Rec r, int) -> Pieces {
       const Fixed a = Scaled(r.valA, 2), b = Scaled(r.valB, 2);
       return {FractionFirst4(a), FractionFirst4(b), ZeroDigitCut(Fraction(a * b), 6, 5, 6)};
     }},
    {37, 2, kTimes, Form37},
    {38, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)), Quotient(r, 10)};
     }},
    {39, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {Decimal(r.valA), FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 100)};
     }},
    {40, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {ZeroDigitCut(Fraction(Scaled(r.valA, 1)), 3, 1, 3),
               FractionFirst3(Scaled(r.valB, 1)), Quotient(r, 1)};
     }},
    {41, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {ZeroDigitCut(Fraction(Scaled(r.valA, 2)), 4, 3, 4),
               FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 1)};
     }},
    {42, 2, kDivide, Form42},
    {48, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {PointCut(Fraction(Scaled(r.valA, 1))), r.strB, ScaledQuotient(r, 0.1L)};
     }},
    {49, 1, kDivide,
     [](Rec r, int) -> Pieces {
       return {PointCut(Fraction(Scaled(r.valA, 1))), r.strB, ScaledQuotient(r, 0.1L)};
     }},
    {50, 1, kDivide,
     [](Rec r, int) -> Pieces {
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
std::string NumberList(ProblemRecord& rec, const char* noun, const std::string& list) {
  rec.strAnswer = kAnswerPrefix + list;
  rec.strE = Decimal(rec.valA) + noun;
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
  const Wide a = rec.valA;
  switch (rec.form) {
    case 51:
      return NumberList(
          rec, "の倍数(4つ)",
          Decimal(a) + "," + Decimal(2 * a) + "," + Decimal(3 * a) + "," + Decimal(4 * a));
    case 52:
      return NumberList(rec, "の約数", DivisorList(a));
    default:
      return std::nullopt;
  }
}

}  // namespace kazenori::forms
