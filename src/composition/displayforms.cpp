// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/displayforms.h"

#include <algorithm>
#include <vector>

#include "composition/displayformscommon.h"
#include "composition/formcatalogue.h"
#include "composition/questiontext.h"

namespace kazenori {

namespace forms {

std::string Decimal(std::int64_t v) {
  return std::to_string(v);
}

Answer Div(std::int64_t a, std::int64_t b) {
  if (b == 0) return std::nullopt;
  return a / b;
}

std::string DivisorList(std::int64_t g) {
  if (g < 1) return {};
  // Pairs d, g / d up to the square root, so that a large g stays quick.
  std::vector<std::int64_t> low, high;
  for (std::int64_t d = 1; d <= g / d; ++d) {
    if (g % d != 0) continue;
    low.push_back(d);
    if (d != g / d) high.push_back(g / d);
  }
  std::reverse(high.begin(), high.end());
  low.insert(low.end(), high.begin(), high.end());
  std::string out;
  for (const std::int64_t d : low) {
    if (!out.empty()) out += ',';
    out += Decimal(d);
  }
  return out;
}

namespace {

enum class Item { A, B, C, D, Answer, None };

Item BlankItem(int choice, int choices) {
  if (choice == choices - 1) return Item::Answer;
  switch (choice) {
    case 0:
      return Item::A;
    case 1:
      return Item::B;
    case 2:
      return Item::C;
    case 3:
      return Item::D;
    default:
      return Item::None;
  }
}

enum class Style { Plain, Hidden, Blanked };

struct Rendering {
  Style style = Style::Plain;
  Item blanked = Item::None;
  std::string mark;  // the blank-marked copy of the blanked item
};

std::string Term(const OperatorForm& f, const ProblemRecord& rec, char letter,
                 const Rendering& how) {
  static constexpr Item kItems[] = {Item::A, Item::B, Item::C, Item::D};
  const std::string* texts[] = {&rec.strA, &rec.strB, &rec.strC, &rec.strD};
  const std::int32_t values[] = {rec.valA, rec.valB, rec.valC, rec.valD};
  const auto i = static_cast<std::size_t>(letter - 'A');
  if (how.style == Style::Blanked && how.blanked == kItems[i]) return how.mark;
  if (how.style == Style::Hidden && f.hiddenFromValues) return Decimal(values[i]);
  return *texts[i];
}

std::string Render(const OperatorForm& f, const ProblemRecord& rec, const char* writing,
                   const Rendering& how) {
  std::string out;
  for (const char* p = writing; *p != '\0'; ++p) {
    switch (*p) {
      case 'A':
      case 'B':
      case 'C':
      case 'D':
        out += Term(f, rec, *p, how);
        break;
      case '+':
        out += how.style == Style::Hidden ? kBox : kPlus;
        break;
      case '-':
        out += how.style == Style::Hidden ? kBox : kMinus;
        break;
      case '*':
        out += how.style == Style::Hidden ? kBox : kTimes;
        break;
      case '/':
        out += how.style == Style::Hidden ? kBox : kDivide;
        break;
      default:  // brackets
        out += *p;
        break;
    }
  }
  out += kEquals;
  if (how.style == Style::Hidden) out += rec.strAnswer;
  if (how.style == Style::Blanked) {
    out += how.blanked == Item::Answer ? how.mark : rec.strAnswer;
  }
  return out;
}

const std::string& ItemText(const ProblemRecord& rec, Item item) {
  switch (item) {
    case Item::A:
      return rec.strA;
    case Item::B:
      return rec.strB;
    case Item::C:
      return rec.strC;
    case Item::D:
      return rec.strD;
    default:
      return rec.strAnswer;
  }
}

}  // namespace

std::string ComposeOperatorForm(const OperatorForm& f, ProblemRecord& rec, Layers layers,
                                Random& rnd) {
  const char* writing = f.writings[0];
  if (f.writings[1] != nullptr && rnd.Rnd(2) == 1) writing = f.writings[1];

  const Answer answer = f.answer(rec);
  rec.strAnswer = answer ? Decimal(*answer) : std::string();

  std::string line = Render(f, rec, writing, Rendering{});
  rec.strE = line;
  if (layers.hide) line = Render(f, rec, writing, Rendering{Style::Hidden, Item::None, {}});
  if (layers.blank) {
    const Item item = BlankItem(rnd.Rnd(f.blankChoices), f.blankChoices);
    // A one-character answer is never blanked: its "□" would leave nothing
    // to work out (an answer that could not be computed is not blanked either).
    const bool refused = item == Item::None || (item == Item::Answer && rec.strAnswer.size() <= 1);
    if (!refused) {
      std::string mark = BlankMark(ItemText(rec, item), rnd);
      line = Render(f, rec, writing, Rendering{Style::Blanked, item, std::move(mark)});
    }
  }
  return line;
}

}  // namespace forms

std::string ComposeSpecialQuestion(ProblemRecord& rec, forms::Layers layers, Random& rnd) {
  if (rec.termMode != TermMode::Special) return rec.strA;
  const FormInfo* form = FindForm(rec.form);
  if (form == nullptr || form->write == nullptr) return rec.strA;
  return form->write(rec, {layers.hide && form->hides, layers.blank && form->blanks}, rnd);
}

bool HasAnswerValueLine(int form) {
  const FormInfo* f = FindForm(form);
  return f != nullptr && f->answer == AnswerShape::AnswerBelow;
}

}  // namespace kazenori
