// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/answersheet.h"

#include "composition/formcatalogue.h"
#include "composition/pageheader.h"
#include "composition/questionlines.h"
#include "composition/questiontext.h"
#include "composition/utf8.h"

namespace kazenori {

AnswerParts SplitAnswerLine(const ProblemRecord& rec) {
  const bool validOp = rec.op >= Operation::Add && rec.op <= Operation::Div;
  switch (rec.termMode) {
    case TermMode::TwoTerms: {
      if (!validOp) return {rec.strA, {}};
      AnswerParts parts{rec.strA + OperatorSign(rec.op) + rec.strB + kEquals, rec.strAnswer};
      if (HasRemainder(rec)) parts.answer += std::string(kEllipsis) + rec.strRemainder;
      return parts;
    }
    case TermMode::ThreeTerms: {
      if (!validOp) return {rec.strA, {}};
      const std::string sign = OperatorSign(rec.op);
      return {rec.strA + sign + rec.strB + sign + rec.strC + kEquals, rec.strAnswer};
    }
    case TermMode::Special: {
      const FormInfo* form = FindForm(rec.form);
      if (form == nullptr) return {rec.strA, {}};
      switch (form->answer) {
        case AnswerShape::QuestionAndAnswer:
          return {rec.strE, rec.strAnswer};
        case AnswerShape::AnswerOnly: {
          // The ratio written out, its filled-in term after the equals sign.
          const std::size_t equals = rec.strAnswer.find(kEquals);
          if (equals == std::string::npos) return {{}, rec.strAnswer};
          const std::size_t split = equals + std::string(kEquals).size();
          return {rec.strAnswer.substr(0, split), rec.strAnswer.substr(split)};
        }
        case AnswerShape::AnswerBelow:
          return {rec.strE, {}};
      }
      return {rec.strA, {}};
    }
    default:
      return {rec.strA, {}};
  }
}

std::string AnswerLine(const ProblemRecord& rec) {
  AnswerParts parts = SplitAnswerLine(rec);
  return parts.question + parts.answer;
}

int CellWidth(const std::string& text, int height) {
  int halves = 0;
  for (const char32_t c : CodePoints(text)) {
    const bool narrow = c < 0x100 || (c >= 0xFF61 && c <= 0xFF9F);
    halves += narrow ? 1 : 2;
  }
  return halves * height / 2;
}

void WriteProblemLine(PageWriter& page, const Point& at, int form, const std::string& line,
                      const ProblemLayout& layout) {
  page.SetHeight(HasAnswerValueLine(form) ? layout.smallHeight : layout.height);
  page.Text(TextAlign::Left, at.x, at.y, line);
  page.SetHeight(kLineHeight);
}

void WriteAnswerLines(PageWriter& page, const ProblemTable& table, const ProblemLayout& layout,
                      bool red) {
  for (int i = 1; i <= layout.problems; ++i) {
    const ProblemRecord& rec = table.At(i);
    const Point at = ProblemPlace(i, layout);
    if (red) {
      const AnswerParts parts = SplitAnswerLine(rec);
      if (!parts.question.empty()) WriteProblemLine(page, at, rec.form, parts.question, layout);
      if (!parts.answer.empty()) {
        page.SetColour(kAnswerRed);
        const int height = HasAnswerValueLine(rec.form) ? layout.smallHeight : layout.height;
        WriteProblemLine(page, {at.x + CellWidth(parts.question, height), at.y}, rec.form,
                         parts.answer, layout);
        page.SetColour(kBlack);
      }
    } else {
      WriteProblemLine(page, at, rec.form, AnswerLine(rec), layout);
    }
    if (HasAnswerValueLine(rec.form)) {
      page.SetHeight(rec.form == form::kDivisors ? layout.listHeight : layout.valueHeight);
      if (red) page.SetColour(kAnswerRed);
      page.Text(TextAlign::Left, at.x, at.y + layout.valueDrop, rec.strAnswer);
      page.SetColour(kBlack);
      page.SetHeight(kLineHeight);
    }
  }
}

void WriteAnswerMark(PageWriter& page, const PageGeometry& g) {
  page.SetHeight(40);
  page.SetBold(true);
  page.SetColour(kAnswerRed);
  page.Text(TextAlign::Left, g.left + 400, g.top + 45, "「解答」");
  page.SetBold(false);
  page.SetColour(kBlack);
  page.SetHeight(kLineHeight);
}

}  // namespace kazenori
