// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The display forms: how each is written, then the catalogue, one row a form.

#include "composition/formcatalogue.h"

#include <array>
#include <cstdint>

#include "composition/fractiontext.h"
#include "composition/questiontext.h"
#include "generation/numbertheory.h"

namespace kazenori {

namespace {

using forms::Answer;
using forms::Decimal;
using forms::Div;
using forms::Layers;
using forms::OperatorForm;
using Rec = const ProblemRecord&;
using Wide = std::int64_t;  // values widened before any arithmetic

// --- forms written with integer operators ----------------------------------
// Several forms differ only in how their numbers are drawn and share a
// writing. The "ByValue" writings write the operands of their operator-hidden
// text from the values rather than the texts.

Answer APlusBMinusC(Rec r) {
  return Wide{r.valA} + r.valB - r.valC;
}
Answer AMinusBTimesC(Rec r) {
  return Wide{r.valA} - Wide{r.valB} * r.valC;
}
Answer AMinusBDivC(Rec r) {
  const Answer q = Div(r.valB, r.valC);
  if (!q) return q;
  return Wide{r.valA} - *q;
}
Answer ABPlusCD(Rec r) {
  return Wide{r.valA} * r.valB + Wide{r.valC} * r.valD;
}
Answer ABMinusCD(Rec r) {
  return Wide{r.valA} * r.valB - Wide{r.valC} * r.valD;
}

constexpr OperatorForm kAddDifference{{"A+(B-C)", "(B-C)+A"}, 4, false, APlusBMinusC};
constexpr OperatorForm kSubSum{{"A-(B+C)", nullptr}, 4, false, [](Rec r) -> Answer {
                                 return Wide{r.valA} - (Wide{r.valB} + r.valC);
                               }};
constexpr OperatorForm kSubProduct{{"A-B*C", nullptr}, 4, false, AMinusBTimesC};
constexpr OperatorForm kSubDifference{{"A-(B-C)", nullptr}, 4, false, [](Rec r) -> Answer {
                                        return Wide{r.valA} - (Wide{r.valB} - r.valC);
                                      }};
constexpr OperatorForm kSumTimes{{"(A+B)*C", "C*(A+B)"}, 4, false, [](Rec r) -> Answer {
                                   return (Wide{r.valA} + r.valB) * r.valC;
                                 }};
constexpr OperatorForm kSubQuotient{{"A-B/C", nullptr}, 4, false, AMinusBDivC};
constexpr OperatorForm kAddProducts{{"A*B+C*D", nullptr}, 5, false, ABPlusCD};
constexpr OperatorForm kSubProducts{{"A*B-C*D", nullptr}, 5, false, ABMinusCD};
constexpr OperatorForm kDifferenceDivided{{"(A-B)/C", nullptr}, 4, false, [](Rec r) -> Answer {
                                            return Div(Wide{r.valA} - r.valB, r.valC);
                                          }};
constexpr OperatorForm kTimesSum{{"A*(B+C)", "(B+C)*A"}, 4, false, [](Rec r) -> Answer {
                                   return (Wide{r.valB} + r.valC) * r.valA;
                                 }};
constexpr OperatorForm kAddProduct{
    {"A+B*C", "B*C+A"}, 4, false, [](Rec r) -> Answer { return Wide{r.valB} * r.valC + r.valA; }};
constexpr OperatorForm kDivideSum{{"A/(B+C)", nullptr}, 4, false, [](Rec r) -> Answer {
                                    return Div(r.valA, Wide{r.valB} + r.valC);
                                  }};
constexpr OperatorForm kQuotientAddProduct{{"A/B+C*D", "C*D+A/B"}, 5, false, [](Rec r) -> Answer {
                                             const Answer q = Div(r.valA, r.valB);
                                             if (!q) return q;
                                             return *q + Wide{r.valC} * r.valD;
                                           }};
constexpr OperatorForm kAddProductsByValue{{"A*B+C*D", nullptr}, 5, true, ABPlusCD};
constexpr OperatorForm kSubProductsByValue{{"A*B-C*D", nullptr}, 5, true, ABMinusCD};
constexpr OperatorForm kAddSubByValue{
    {"A+B-C", nullptr}, 4, true, [](Rec r) -> Answer { return Wide{r.valA} + r.valB - r.valC; }};
constexpr OperatorForm kSubAddByValue{
    {"A-B+C", nullptr}, 4, true, [](Rec r) -> Answer { return Wide{r.valA} - r.valB + r.valC; }};

template <const OperatorForm& F>
std::string Operators(ProblemRecord& rec, Layers layers, Random& rnd) {
  return forms::ComposeOperatorForm(F, rec, layers, rnd);
}

// --- decimal forms: one operator between two operands ----------------------

// valX / 10^places as a fixed-point operand.
Fixed Scaled(std::int32_t v, int places) {
  return Fixed::Scaled(v, places);
}
std::string FractionFirst3(Fixed x) {
  return FirstN(FractionText(x), 3);
}
std::string FractionFirst4(Fixed x) {
  return FirstN(FractionText(x), 4);
}

// valA ÷ valB × scale in extended floating point, written by FractionText; ""
// for a divisor of 0.
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
  int writings;      // 2 for the forms that draw their writing
  const char* sign;  // the one operator between the two operands
  Pieces (*pieces)(Rec r, int writing);
};

// Decimal forms obey the hide setting only.
template <const DecimalForm& F>
std::string Decimals(ProblemRecord& rec, Layers layers, Random& rnd) {
  const int writing = F.writings == 2 ? rnd.Rnd(2) : 0;
  Pieces p = F.pieces(rec, writing);
  rec.strAnswer = std::move(p.answer);
  rec.strE = p.left + F.sign + p.right + kEquals;
  if (layers.hide) return p.left + kBox + p.right + kEquals + rec.strAnswer;
  return rec.strE;
}

Pieces TenthsEitherFactor(Rec r, int w) {
  const Fixed a = w == 0 ? Scaled(r.valA, 0) : Scaled(r.valA, 1);
  const Fixed b = w == 0 ? Scaled(r.valB, 1) : Scaled(r.valB, 0);
  const std::string answer = ZeroDigitCut(FractionText(a * b), 3, 1, 3);
  if (w == 0) return {Decimal(r.valA), FractionFirst3(b), answer};
  return {FractionFirst3(a), Decimal(r.valB), answer};
}

Pieces TenthsHundredthsProduct(Rec r, int w) {
  const Fixed a = Scaled(r.valA, w == 0 ? 1 : 2);
  const Fixed b = Scaled(r.valB, w == 0 ? 2 : 1);
  const std::string answer = ZeroDigitCut(FractionText(a * b), 5, 4, 5);
  if (w == 0) return {FractionFirst3(a), FractionFirst4(b), answer};
  return {FractionFirst4(a), FractionFirst3(b), answer};
}

Pieces TenthsHundredthsQuotient(Rec r, int w) {
  if (w == 0)
    return {FractionFirst3(Scaled(r.valA, 1)), FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 10)};
  return {FractionFirst4(Scaled(r.valA, 2)), FractionFirst3(Scaled(r.valB, 1)),
          FirstN(FloatQuotient(r, 0.1L), 3)};
}

// The dividend of the hundredths quotient loses its places only in the
// three-character shape "d.0"; a longer text such as 1.05 stays whole.
std::string HundredthsDividend(Rec r) {
  std::string s = FractionText(Scaled(r.valA, 2));
  const std::size_t point = s.find('.');
  if (s.size() == 3 && point != std::string::npos && point + 1 < s.size() && s[point + 1] == '0') {
    return s.substr(0, point);
  }
  return s;
}

namespace decimals {

constexpr DecimalForm kDigitPlusTenths{1, kPlus, [](Rec r, int) -> Pieces {
                                         return {
                                             Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)),
                                             FractionFirst3(Scaled(r.valA, 0) + Scaled(r.valB, 1))};
                                       }};
constexpr DecimalForm kDigitMinusTenths{
    1, kMinus, [](Rec r, int) -> Pieces {
      return {Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)),
              FractionFirst3(Scaled(r.valA, 0) - Scaled(r.valB, 1))};
    }};
constexpr DecimalForm kTenthsEitherFactor{2, kTimes, TenthsEitherFactor};
constexpr DecimalForm kTenthsTimesTenths{
    1, kTimes, [](Rec r, int) -> Pieces {
      const Fixed a = Scaled(r.valA, 1), b = Scaled(r.valB, 1);
      return {FractionFirst3(a), FractionFirst3(b), ZeroDigitCut(FractionText(a * b), 4, 3, 4)};
    }};
constexpr DecimalForm kTenthsByDigit{1, kDivide, [](Rec r, int) -> Pieces {
                                       return {
                                           ZeroDigitCut(FractionText(Scaled(r.valA, 1)), 3, 1, 3),
                                           Decimal(r.valB), FirstN(FloatQuotient(r, 0.1L), 3)};
                                     }};
constexpr DecimalForm kHundredthsByDigit{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {ZeroDigitCut(FractionText(Scaled(r.valA, 2)), 4, 3, 4), Decimal(r.valB),
              FirstN(FloatQuotient(r, 0.01L), 4)};
    }};
constexpr DecimalForm kTenthsTimesDigit{
    1, kTimes, [](Rec r, int) -> Pieces {
      const Fixed a = Scaled(r.valA, 1), b = Scaled(r.valB, 0);
      return {FractionFirst3(a), Decimal(r.valB), ZeroDigitCut(FractionText(a * b), 3, 1, 3)};
    }};
constexpr DecimalForm kDigitTimesTenths{
    1, kTimes, [](Rec r, int) -> Pieces {
      const Fixed a = Scaled(r.valA, 0), b = Scaled(r.valB, 1);
      return {Decimal(r.valA), FractionFirst3(b), ZeroDigitCut(FractionText(a * b), 3, 1, 3)};
    }};
constexpr DecimalForm kHundredthsTimesHundredths{
    1, kTimes, [](Rec r, int) -> Pieces {
      const Fixed a = Scaled(r.valA, 2), b = Scaled(r.valB, 2);
      return {FractionFirst4(a), FractionFirst4(b), ZeroDigitCut(FractionText(a * b), 6, 5, 6)};
    }};
constexpr DecimalForm kTenthsHundredthsProduct{2, kTimes, TenthsHundredthsProduct};
constexpr DecimalForm kWholeByTenths{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {Decimal(r.valA), FractionFirst3(Scaled(r.valB, 1)), Quotient(r, 10)};
    }};
constexpr DecimalForm kWholeByHundredths{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {Decimal(r.valA), FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 100)};
    }};
constexpr DecimalForm kTenthsByTenths{1, kDivide, [](Rec r, int) -> Pieces {
                                        return {
                                            ZeroDigitCut(FractionText(Scaled(r.valA, 1)), 3, 1, 3),
                                            FractionFirst3(Scaled(r.valB, 1)), Quotient(r, 1)};
                                      }};
constexpr DecimalForm kHundredthsByHundredths{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {ZeroDigitCut(FractionText(Scaled(r.valA, 2)), 4, 3, 4),
              FractionFirst4(Scaled(r.valB, 2)), Quotient(r, 1)};
    }};
constexpr DecimalForm kTenthsHundredthsQuotient{2, kDivide, TenthsHundredthsQuotient};
constexpr DecimalForm kTenthsQuotient{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {PointCut(FractionText(Scaled(r.valA, 1))), r.strB, ScaledQuotient(r, 0.1L)};
    }};
constexpr DecimalForm kHundredthsQuotient{
    1, kDivide, [](Rec r, int) -> Pieces {
      return {HundredthsDividend(r), r.strB, ScaledQuotient(r, 0.01L)};
    }};

}  // namespace decimals

// --- forms of numbers: multiples, divisors, ratios -------------------------
// They obey neither setting; the question goes into strE as well.

std::string Pair(Rec r) {
  return Decimal(r.valA) + "," + Decimal(r.valB);
}
std::string Triple(Rec r) {
  return Pair(r) + "," + Decimal(r.valC);
}

std::string Numbers(ProblemRecord& rec, std::string question, const std::string& answer) {
  rec.strAnswer = forms::kAnswerPrefix + answer;
  rec.strE = question;
  return question;
}

std::string CommonMultiples(ProblemRecord& rec, Layers, Random&) {
  const Wide l = lcm(Wide{rec.valA}, Wide{rec.valB});
  return Numbers(rec, Pair(rec) + "の公倍数(3つ)",
                 Decimal(l) + "," + Decimal(2 * l) + "," + Decimal(3 * l));
}
std::string LeastCommonMultiple(ProblemRecord& rec, Layers, Random&) {
  return Numbers(rec, Pair(rec) + "の最小公倍数", Decimal(lcm(Wide{rec.valA}, Wide{rec.valB})));
}
std::string LeastCommonMultipleOf3(ProblemRecord& rec, Layers, Random&) {
  const Wide l = lcm(lcm(Wide{rec.valA}, Wide{rec.valB}), Wide{rec.valC});
  return Numbers(rec, Triple(rec) + "の最小公倍数", Decimal(l));
}
std::string CommonDivisors(ProblemRecord& rec, Layers, Random&) {
  return Numbers(rec, Pair(rec) + "の公約数",
                 forms::DivisorList(gcd(Wide{rec.valA}, Wide{rec.valB})));
}
std::string GreatestCommonDivisor(ProblemRecord& rec, Layers, Random&) {
  return Numbers(rec, Pair(rec) + "の最大公約数", Decimal(gcd(Wide{rec.valA}, Wide{rec.valB})));
}
std::string GreatestCommonDivisorOf3(ProblemRecord& rec, Layers, Random&) {
  const Wide g = gcd(gcd(Wide{rec.valA}, Wide{rec.valB}), Wide{rec.valC});
  return Numbers(rec, Triple(rec) + "の最大公約数", Decimal(g));
}

std::string Ratio(ProblemRecord& rec, Layers, Random& rnd) {
  const std::string left = Decimal(rec.valA) + ":" + Decimal(rec.valB) + kEquals;
  if (rnd.Rnd(2) == 0) {
    rec.strAnswer = left + Decimal(rec.valC) + ":(" + Decimal(rec.valD) + ")";
    return left + Decimal(rec.valC) + ":(    )";
  }
  rec.strAnswer = left + "(" + Decimal(rec.valC) + "):" + Decimal(rec.valD);
  return left + "(    ):" + Decimal(rec.valD);
}

std::string Multiples(ProblemRecord& rec, Layers, Random&) {
  const Wide a = rec.valA;
  rec.strAnswer = forms::kAnswerPrefix + Decimal(a) + "," + Decimal(2 * a) + "," + Decimal(3 * a) +
                  "," + Decimal(4 * a);
  rec.strE = Decimal(a) + "の倍数(4つ)";
  return rec.strE;
}
std::string Divisors(ProblemRecord& rec, Layers, Random&) {
  rec.strAnswer = forms::kAnswerPrefix + forms::DivisorList(rec.valA);
  rec.strE = Decimal(rec.valA) + "の約数";
  return rec.strE;
}

// --- the catalogue ----------------------------------------------------------

using Shape = AnswerShape;
constexpr Shape kWithAnswer = Shape::QuestionAndAnswer;
constexpr Shape kBelow = Shape::AnswerBelow;

// Smaller lines for the forms whose answer has a line of its own, smaller
// still for a list of divisors, which can be long.
constexpr int kSmall = 55;
constexpr int kAnswerValue = 50;
constexpr int kDivisorList = 36;

// number, writing, answer line, obeys hide, obeys blank, text height, height
// of the answer's own line.
constexpr FormInfo kForms[] = {
    {form::kTensPlusDifference, Operators<kAddDifference>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kHundredsPlusDifference, Operators<kAddDifference>, kWithAnswer, true, true, kLineHeight,
     0},
    {form::kTensMinusSum, Operators<kSubSum>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kHundredsMinusSum, Operators<kSubSum>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kHundredMinusProduct, Operators<kSubProduct>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kLargePlusDifference, Operators<kAddDifference>, kWithAnswer, true, true, kLineHeight,
     0},
    {form::kHundredsMinusDifference, Operators<kSubDifference>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kSumTimesDigit, Operators<kSumTimes>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kUnwritten, nullptr, kWithAnswer, false, false, kLineHeight, 0},
    {form::kTensMinusQuotient, Operators<kSubQuotient>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kProductPlusProduct, Operators<kAddProducts>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kProductMinusProduct, Operators<kSubProducts>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kTensDifferenceByDivisor, Operators<kDifferenceDivided>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kTimesSum, Operators<kTimesSum>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kPlusProduct, Operators<kAddProduct>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kHundredsMinusQuotient, Operators<kSubQuotient>, kWithAnswer, true, true, kLineHeight,
     0},
    {form::kQuotientOfSum, Operators<kDivideSum>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kQuotientPlusProduct, Operators<kQuotientAddProduct>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kDifferenceByThree, Operators<kDifferenceDivided>, kWithAnswer, true, true, kLineHeight,
     0},
    {form::kCommonMultiples, CommonMultiples, kBelow, false, false, kSmall, kAnswerValue},
    {form::kLeastCommonMultiple, LeastCommonMultiple, kBelow, false, false, kSmall, kAnswerValue},
    {form::kLeastCommonMultipleOf3, LeastCommonMultipleOf3, kBelow, false, false, kSmall,
     kAnswerValue},
    {form::kCommonDivisors, CommonDivisors, kBelow, false, false, kSmall, kAnswerValue},
    {form::kGreatestCommonDivisor, GreatestCommonDivisor, kBelow, false, false, kSmall,
     kAnswerValue},
    {form::kGreatestCommonDivisorOf3, GreatestCommonDivisorOf3, kBelow, false, false, kSmall,
     kAnswerValue},
    {form::kRatio, Ratio, Shape::AnswerOnly, false, false, kLineHeight, 0},
    {form::kProductsOfSameFactor, Operators<kAddProductsByValue>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kDigitPlusTenths, Decimals<decimals::kDigitPlusTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kDigitMinusTenths, Decimals<decimals::kDigitMinusTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsEitherFactor, Decimals<decimals::kTenthsEitherFactor>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsTimesTenths, Decimals<decimals::kTenthsTimesTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsByDigit, Decimals<decimals::kTenthsByDigit>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kHundredthsByDigit, Decimals<decimals::kHundredthsByDigit>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsTimesDigit, Decimals<decimals::kTenthsTimesDigit>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kDigitTimesTenths, Decimals<decimals::kDigitTimesTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kHundredthsTimesHundredths, Decimals<decimals::kHundredthsTimesHundredths>, kWithAnswer,
     true, false, kLineHeight, 0},
    {form::kTenthsHundredthsProduct, Decimals<decimals::kTenthsHundredthsProduct>, kWithAnswer,
     true, false, kLineHeight, 0},
    {form::kWholeByTenths, Decimals<decimals::kWholeByTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kWholeByHundredths, Decimals<decimals::kWholeByHundredths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsByTenths, Decimals<decimals::kTenthsByTenths>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kHundredthsByHundredths, Decimals<decimals::kHundredthsByHundredths>, kWithAnswer, true,
     false, kLineHeight, 0},
    {form::kTenthsHundredthsQuotient, Decimals<decimals::kTenthsHundredthsQuotient>, kWithAnswer,
     true, false, kLineHeight, 0},
    {form::kHundredMinusTableProduct, Operators<kSubProduct>, kWithAnswer, true, true, kLineHeight,
     0},
    {form::kHundredMinusTableQuotient, Operators<kSubQuotient>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kProductsOfSameFactorApart, Operators<kSubProductsByValue>, kWithAnswer, true, true,
     kLineHeight, 0},
    {form::kPlusMinus, Operators<kAddSubByValue>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kMinusPlus, Operators<kSubAddByValue>, kWithAnswer, true, true, kLineHeight, 0},
    {form::kTenthsQuotientOfDigit, Decimals<decimals::kTenthsQuotient>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kTenthsQuotientOfTwoDigits, Decimals<decimals::kTenthsQuotient>, kWithAnswer, true,
     false, kLineHeight, 0},
    {form::kHundredthsQuotient, Decimals<decimals::kHundredthsQuotient>, kWithAnswer, true, false,
     kLineHeight, 0},
    {form::kMultiples, Multiples, kBelow, false, false, kSmall, kAnswerValue},
    {form::kDivisors, Divisors, kBelow, false, false, kSmall, kDivisorList},
};

}  // namespace

const FormInfo* FindForm(int number) {
  for (const FormInfo& f : kForms) {
    if (f.number == number) return &f;
  }
  return nullptr;
}

int LineHeight(int form) {
  const FormInfo* f = FindForm(form);
  return f != nullptr ? f->textHeight : kLineHeight;
}

}  // namespace kazenori
