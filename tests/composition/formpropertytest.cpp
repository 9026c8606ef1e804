// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every special pattern, many seeds, every combination of the two layers: the
// answer page's equation (strE + strAnswer) is evaluated here with exact
// fractions and must hold, use the posed problem's operands and give the posed
// problem's value; the question line must be the plain question, its
// operator-hidden text or a blanked copy of the full equation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "composition/displayforms.h"
#include "formrecords.h"
#include "generation/patterncatalogue.h"
#include "generation/patternselection.h"
#include "generation/problemgenerator.h"

namespace kazenori {
namespace {

// An exact fraction, always reduced, denominator positive.
struct Q {
  std::int64_t n = 0, d = 1;
  Q() = default;
  Q(std::int64_t num, std::int64_t den = 1) : n(num), d(den) {
    if (d < 0) n = -n, d = -d;
    const std::int64_t g = std::gcd(n, d);
    if (g > 1) n /= g, d /= g;
  }
  friend Q operator+(Q a, Q b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
  friend Q operator-(Q a, Q b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
  friend Q operator*(Q a, Q b) { return {a.n * b.n, a.d * b.d}; }
  friend Q operator/(Q a, Q b) { return {a.n * b.d, a.d * b.n}; }
  friend bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }
  friend bool operator<(Q a, Q b) { return a.n * b.d < b.n * a.d; }
};

std::ostream& operator<<(std::ostream& os, Q q) {
  return os << q.n << "/" << q.d;
}

constexpr std::string_view kSigns[] = {"＋", "－", "×", "÷"};

// Reads a decimal such as 16.1 exactly; nothing for anything else.
std::optional<Q> ParseDecimal(std::string_view s) {
  if (s.empty() || s.front() == '.' || s.back() == '.') return std::nullopt;
  std::int64_t n = 0, d = 1;
  bool point = false;
  for (const char c : s) {
    if (c == '.') {
      if (point) return std::nullopt;
      point = true;
    } else if (c >= '0' && c <= '9') {
      n = n * 10 + (c - '0');
      if (point) d *= 10;
    } else {
      return std::nullopt;
    }
  }
  return Q(n, d);
}

// Recursive descent over the sheet's signs, with × and ÷ binding tighter.
class Evaluator {
 public:
  explicit Evaluator(std::string s) : text_(std::move(s)), s_(text_) {}
  std::optional<Q> Whole() {
    auto v = Sum();
    if (!v || pos_ != s_.size()) return std::nullopt;
    return v;
  }
  std::vector<Q> operands;

 private:
  bool Eat(std::string_view tok) {
    if (s_.substr(pos_, tok.size()) != tok) return false;
    pos_ += tok.size();
    return true;
  }
  std::optional<Q> Sum() {
    auto v = Product();
    while (v) {
      if (Eat(kSigns[0])) {
        auto r = Product();
        v = r ? std::optional<Q>(*v + *r) : std::nullopt;
      } else if (Eat(kSigns[1])) {
        auto r = Product();
        v = r ? std::optional<Q>(*v - *r) : std::nullopt;
      } else {
        break;
      }
    }
    return v;
  }
  std::optional<Q> Product() {
    auto v = Factor();
    while (v) {
      if (Eat(kSigns[2])) {
        auto r = Factor();
        v = r ? std::optional<Q>(*v * *r) : std::nullopt;
      } else if (Eat(kSigns[3])) {
        auto r = Factor();
        if (!r || r->n == 0) return std::nullopt;
        v = *v / *r;
      } else {
        break;
      }
    }
    return v;
  }
  std::optional<Q> Factor() {
    if (Eat("(")) {
      auto v = Sum();
      if (!v || !Eat(")")) return std::nullopt;
      return v;
    }
    const std::size_t start = pos_;
    while (pos_ < s_.size() &&
           (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.')) {
      ++pos_;
    }
    auto v = ParseDecimal(s_.substr(start, pos_ - start));
    if (v) operands.push_back(*v);
    return v;
  }
  std::string text_;
  std::string_view s_;
  std::size_t pos_ = 0;
};

std::string HideSigns(std::string s) {
  for (const auto sign : kSigns) {
    for (std::size_t p; (p = s.find(sign)) != std::string::npos;) s.replace(p, sign.size(), "□");
  }
  return s;
}

// line is full with exactly one digit replaced by "□".
bool IsBlankOf(const std::string& line, const std::string& full) {
  const std::size_t p = line.find("□");
  if (p == std::string::npos || line.find("□", p + 1) != std::string::npos) return false;
  if (line.size() != full.size() + 2 || p >= full.size()) return false;
  return std::isdigit(static_cast<unsigned char>(full[p])) && line.compare(0, p, full, 0, p) == 0 &&
         line.compare(p + 3, std::string::npos, full, p + 1, std::string::npos) == 0;
}

bool Has(std::initializer_list<int> forms, int form) {
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

bool HasBlankDraw(int f) {
  return (f >= 1 && f <= 19 && f != 9) || f == 27 || (f >= 43 && f <= 47);
}

// The problem a form poses: its operands (alternatives for the forms with
// two writings, in writing order) and how they combine.
struct Posed {
  std::vector<std::vector<Q>> operands;
  bool ordered = true;
  Q (*combine)(const std::vector<Q>&) = nullptr;
};

Posed PosedProblem(const ProblemRecord& r) {
  const Q a = r.valA, b = r.valB, c = r.valC, d = r.valD;
  const auto tenth = [](Q x) { return x / Q(10); };
  const auto hundredth = [](Q x) { return x / Q(100); };
  using V = std::vector<Q>;
  const int f = r.form;
  if (Has({1, 2, 6}, f))
    return {{{a, b, c}}, false, [](const V& v) { return v[0] + (v[1] - v[2]); }};
  if (Has({3, 4}, f)) return {{{a, b, c}}, false, [](const V& v) { return v[0] - (v[1] + v[2]); }};
  if (Has({5, 43}, f)) return {{{a, b, c}}, false, [](const V& v) { return v[0] - v[1] * v[2]; }};
  if (f == 7) return {{{a, b, c}}, false, [](const V& v) { return v[0] - (v[1] - v[2]); }};
  if (f == 8) return {{{a, b, c}}, false, [](const V& v) { return (v[0] + v[1]) * v[2]; }};
  if (Has({10, 16, 44}, f))
    return {{{a, b, c}}, false, [](const V& v) { return v[0] - v[1] / v[2]; }};
  if (Has({11, 27}, f)) {
    return {{{a, b, c, d}}, false, [](const V& v) { return v[0] * v[1] + v[2] * v[3]; }};
  }
  if (Has({12, 45}, f)) {
    return {{{a, b, c, d}}, false, [](const V& v) { return v[0] * v[1] - v[2] * v[3]; }};
  }
  if (Has({13, 19}, f))
    return {{{a, b, c}}, false, [](const V& v) { return (v[0] - v[1]) / v[2]; }};
  if (f == 14) return {{{a, b, c}}, false, [](const V& v) { return v[0] * (v[1] + v[2]); }};
  if (f == 15) return {{{a, b, c}}, false, [](const V& v) { return v[0] + v[1] * v[2]; }};
  if (f == 17) return {{{a, b, c}}, false, [](const V& v) { return v[0] / (v[1] + v[2]); }};
  if (f == 18) return {{{a, b, c, d}}, false, [](const V& v) { return v[0] / v[1] + v[2] * v[3]; }};
  if (f == 46) return {{{a, b, c}}, false, [](const V& v) { return v[0] + v[1] - v[2]; }};
  if (f == 47) return {{{a, b, c}}, false, [](const V& v) { return v[0] - v[1] + v[2]; }};

  const auto sum = [](const V& v) { return v[0] + v[1]; };
  const auto difference = [](const V& v) { return v[0] - v[1]; };
  const auto product = [](const V& v) { return v[0] * v[1]; };
  const auto quotient = [](const V& v) { return v[0] / v[1]; };
  switch (f) {
    case 28:
      return {{{a, tenth(b)}}, true, sum};
    case 29:
      return {{{a, tenth(b)}}, true, difference};
    case 30:
      return {{{a, tenth(b)}, {tenth(a), b}}, true, product};
    case 31:
      return {{{tenth(a), tenth(b)}}, true, product};
    case 34:
      return {{{tenth(a), b}}, true, product};
    case 35:
      return {{{a, tenth(b)}}, true, product};
    case 36:
      return {{{hundredth(a), hundredth(b)}}, true, product};
    case 37:
      return {{{tenth(a), hundredth(b)}, {hundredth(a), tenth(b)}}, true, product};
    case 32:
    case 48:
    case 49:
      return {{{tenth(a), b}}, true, quotient};
    case 33:
    case 50:
      return {{{hundredth(a), b}}, true, quotient};
    case 38:
      return {{{a, tenth(b)}}, true, quotient};
    case 39:
      return {{{a, hundredth(b)}}, true, quotient};
    case 40:
      return {{{tenth(a), tenth(b)}}, true, quotient};
    case 41:
      return {{{hundredth(a), hundredth(b)}}, true, quotient};
    case 42:
      return {{{tenth(a), hundredth(b)}, {hundredth(a), tenth(b)}}, true, quotient};
    default:
      return {};
  }
}

std::vector<std::int64_t> ParseList(const std::string& answer) {
  const std::string prefix = "答え ";
  EXPECT_EQ(answer.substr(0, prefix.size()), prefix);
  std::vector<std::int64_t> out;
  std::string rest = answer.substr(std::min(prefix.size(), answer.size()));
  std::size_t start = 0;
  while (start <= rest.size() && !rest.empty()) {
    const std::size_t comma = std::min(rest.find(',', start), rest.size());
    auto v = ParseDecimal(rest.substr(start, comma - start));
    EXPECT_TRUE(v && v->d == 1) << "list item in " << answer;
    if (v) out.push_back(v->n);
    start = comma + 1;
  }
  return out;
}

// Checks forms 20 to 26, 51 and 52 by brute force over the numbers named.
void CheckListForm(const ProblemRecord& r, const std::string& line) {
  const int f = r.form;
  std::vector<std::int64_t> named = {r.valA, r.valB};
  if (f == 22 || f == 25) named.push_back(r.valC);
  if (f >= 51) named = {r.valA};
  const auto dividesAll = [&](std::int64_t k) {
    return std::all_of(named.begin(), named.end(), [&](std::int64_t x) { return x % k == 0; });
  };
  const auto multipleOfAll = [&](std::int64_t m) {
    return std::all_of(named.begin(), named.end(), [&](std::int64_t x) { return m % x == 0; });
  };
  std::vector<std::int64_t> divisors;
  for (std::int64_t k = 1; k <= *std::min_element(named.begin(), named.end()); ++k) {
    if (dividesAll(k)) divisors.push_back(k);
  }
  std::int64_t least = 1;
  while (f >= 20 && f <= 22 && !multipleOfAll(least)) ++least;

  if (f == 26) {
    EXPECT_EQ(line.find("□"), std::string::npos);
    const std::string left = std::to_string(r.valA) + ":" + std::to_string(r.valB) + "＝";
    ASSERT_EQ(r.strAnswer.substr(0, left.size()), left);
    EXPECT_EQ(std::int64_t{r.valA} * r.valD, std::int64_t{r.valB} * r.valC) << "not a proportion";
    const std::string c = std::to_string(r.valC), d = std::to_string(r.valD);
    const std::string right = r.strAnswer.substr(left.size());
    EXPECT_TRUE((right == "(" + c + "):" + d && line == left + "(    ):" + d) ||
                (right == c + ":(" + d + ")" && line == left + c + ":(    )"))
        << line << " / " << r.strAnswer;
    return;
  }
  EXPECT_EQ(line, r.strE);
  EXPECT_EQ(line.find("□"), std::string::npos);
  EXPECT_EQ(line.find("答え"), std::string::npos);
  std::string names;
  for (const auto x : named) names += (names.empty() ? "" : ",") + std::to_string(x);
  EXPECT_EQ(line.substr(0, names.size()), names) << "the question names its numbers";
  const std::vector<std::int64_t> list = ParseList(r.strAnswer);
  switch (f) {
    case 20:
      EXPECT_EQ(list, (std::vector<std::int64_t>{least, 2 * least, 3 * least}));
      break;
    case 21:
    case 22:
      EXPECT_EQ(list, std::vector<std::int64_t>{least});
      break;
    case 23:
    case 52:
      EXPECT_EQ(list, divisors);
      break;
    case 24:
    case 25:
      EXPECT_EQ(list, std::vector<std::int64_t>{divisors.back()});
      break;
    case 51:
      EXPECT_EQ(list, (std::vector<std::int64_t>{r.valA, 2L * r.valA, 3L * r.valA, 4L * r.valA}));
      break;
    default:
      ADD_FAILURE() << "no list check for form " << f;
  }
}

void CheckEquationForm(const ProblemRecord& r, const std::string& line, int hide, int blank) {
  ASSERT_FALSE(r.strAnswer.empty()) << "no answer: a division by 0?";
  const std::string eq = "＝";
  ASSERT_GE(r.strE.size(), eq.size());
  ASSERT_EQ(r.strE.substr(r.strE.size() - eq.size()), eq);
  EXPECT_EQ(r.strE.find("□"), std::string::npos);

  Evaluator question(r.strE.substr(0, r.strE.size() - eq.size()));
  const auto value = question.Whole();
  const auto answer = ParseDecimal(r.strAnswer);
  ASSERT_TRUE(value) << "cannot read " << r.strE;
  ASSERT_TRUE(answer) << "cannot read the answer " << r.strAnswer;
  EXPECT_EQ(*value, *answer) << r.strE << r.strAnswer;

  const Posed posed = PosedProblem(r);
  ASSERT_FALSE(posed.operands.empty());
  std::vector<Q> seen = question.operands;
  if (!posed.ordered) std::sort(seen.begin(), seen.end());
  bool matched = false;
  for (const std::vector<Q>& want : posed.operands) {
    std::vector<Q> compared = want;
    if (!posed.ordered) std::sort(compared.begin(), compared.end());
    if (seen != compared) continue;
    matched = true;
    EXPECT_EQ(posed.combine(want), *answer) << "not the posed problem: " << r.strE << r.strAnswer;
  }
  EXPECT_TRUE(matched) << "operands of " << r.strE << " are not the posed ones";

  const std::string plain = r.strE;
  const std::string hidden = HideSigns(r.strE) + r.strAnswer;
  const std::string before = hide ? hidden : plain;
  if (!blank || !HasBlankDraw(r.form)) {
    EXPECT_EQ(line, before);
  } else if (line == before) {
    EXPECT_EQ(r.strAnswer.size(), 1u) << "a blank was drawn but nothing was blanked";
  } else {
    EXPECT_TRUE(IsBlankOf(line, r.strE + r.strAnswer)) << line << " vs " << r.strE << r.strAnswer;
    if (line.find("□") >= r.strE.size()) {
      EXPECT_GT(r.strAnswer.size(), 1u) << "a one-character answer was blanked: " << line;
    }
  }
}

// Composes the record under all four layer combinations.
void CheckRecord(const ProblemRecord& generated, std::uint32_t seed) {
  for (int hide = 0; hide < 2; ++hide) {
    for (int blank = 0; blank < 2; ++blank) {
      ProblemRecord r = generated;
      SeededRandom rnd(seed * 4 + static_cast<std::uint32_t>(hide * 2 + blank));
      const std::string line = ComposeSpecialQuestion(r, {hide != 0, blank != 0}, rnd);
      SCOPED_TRACE("form " + std::to_string(r.form) + " values " + std::to_string(r.valA) + "," +
                   std::to_string(r.valB) + "," + std::to_string(r.valC) + "," +
                   std::to_string(r.valD) + " hide " + std::to_string(hide) + " blank " +
                   std::to_string(blank));
      if (HasAnswerValueLine(r.form) || r.form == 26) {
        CheckListForm(r, line);
      } else {
        CheckEquationForm(r, line, hide, blank);
      }
    }
  }
}

// The patterns whose problems are laid out by a special form.
std::vector<int> SpecialPatterns() {
  std::vector<int> out;
  SeededRandom rnd(1);
  for (const PatternInfo& p : PatternCatalogue()) {
    GenerationState state;
    Draw draw{rnd, state};
    p.generate(draw);
    if (state.termMode == TermMode::Special) out.push_back(p.number);
  }
  return out;
}

TEST(FormProperty, GeneratedSheetsOfEverySpecialPatternAreAnsweredCorrectly) {
  const std::vector<int> patterns = SpecialPatterns();
  ASSERT_EQ(patterns.size(), 51u);
  for (const int pattern : patterns) {
    PatternSelection selection;
    selection.SetTicked(pattern, true);
    // Whole sheets of one pattern, so that the repeat test pushes the
    // generator into its less common values as well.
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
      SeededRandom rnd(seed * 1000 + static_cast<std::uint32_t>(pattern));
      ProblemTable table;
      ProblemGenerator generator(rnd, table, selection);
      for (int i = 1; i <= kProblemCount; ++i) {
        generator.MakeProblem(i);
        ASSERT_EQ(table.At(i).form, table.At(1).form);
        CheckRecord(table.At(i), seed * 100 + static_cast<std::uint32_t>(i));
      }
    }
    if (::testing::Test::HasFailure()) break;
  }
}

TEST(FormProperty, BlankChoicesReachEveryItem) {
  // Over many draws each item of a four-term form is blanked somewhere.
  const ProblemRecord r = testing::SpecialRecord(11, Operation::Mul, 7, 8, 6, 9);
  SeededRandom rnd(11);
  std::set<std::size_t> positions;
  for (int i = 0; i < 400; ++i) {
    ProblemRecord c = r;
    const std::string line = ComposeSpecialQuestion(c, {false, true}, rnd);
    positions.insert(line.find("□"));
  }
  // Seven characters can be blanked: 7, 8, 6, 9 and the three-digit 110.
  EXPECT_EQ(positions.size(), 7u);
  EXPECT_EQ(positions.count(std::string::npos), 0u);
}

}  // namespace
}  // namespace kazenori
