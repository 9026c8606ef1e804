// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/answersheet.h"

#include "composition/formcatalogue.h"
#include "composition/pageheader.h"
#include "composition/questionlines.h"
#include "composition/questiontext.h"

namespace kazenori {

std::string AnswerLine(const ProblemRecord& rec) {
  const bool validOp = rec.op >= Operation::Add && rec.op <= Operation::Div;
  switch (rec.termMode) {
    case TermMode::TwoTerms: {
      if (!validOp) return rec.strA;
      std::string line = rec.strA + OperatorSign(rec.op) + rec.strB + kEquals + rec.strAnswer;
      if (HasRemainder(rec)) line += std::string(kEllipsis) + rec.strRemainder;
      return line;
    }
    case TermMode::ThreeTerms: {
      if (!validOp) return rec.strA;
      const std::string sign = OperatorSign(rec.op);
      return rec.strA + sign + rec.strB + sign + rec.strC + kEquals + rec.strAnswer;
    }
    case TermMode::Special: {
      const FormInfo* form = FindForm(rec.form);
      if (form == nullptr) return rec.strA;
      switch (form->answer) {
        case AnswerShape::QuestionAndAnswer:
          return rec.strE + rec.strAnswer;
        case AnswerShape::AnswerOnly:
          return rec.strAnswer;
        case AnswerShape::AnswerBelow:
          return rec.strE;
      }
      return rec.strA;
    }
    default:
      return rec.strA;
  }
}

void WriteProblemLine(PageWriter& page, const Point& at, int form, const std::string& line) {
  const int height = LineHeight(form);
  if (height != kLineHeight) page.SetHeight(height);
  page.Text(TextAlign::Left, at.x, at.y, line);
  if (height != kLineHeight) page.SetHeight(kLineHeight);
}

void WriteAnswerLines(PageWriter& page, const ProblemTable& table, const PageGeometry& g,
                      int rowPitch, int columnPitch) {
  for (int i = 1; i <= kProblemCount; ++i) {
    const ProblemRecord& rec = table.At(i);
    const Point at = ProblemPlace(i, g, rowPitch, columnPitch);
    WriteProblemLine(page, at, rec.form, AnswerLine(rec));
    const FormInfo* form = FindForm(rec.form);
    if (form != nullptr && form->answerHeight > 0) {
      page.SetHeight(form->answerHeight);
      page.Text(TextAlign::Left, at.x, at.y + 70, rec.strAnswer);
      page.SetHeight(kLineHeight);
    }
  }
}

}  // namespace kazenori
