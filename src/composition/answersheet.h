// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"
#include "generation/problemrecord.h"

namespace kazenori {

// The ink of answers on an answer page that shows them in red, and of its
// 「解答」 mark: a red that stays clear on a copier.
inline constexpr Rgb kAnswerRed{204, 0, 0};

// An answer line in its two parts: what the question page showed (black) and
// the answer written after it (red where answers stand out). Either may be
// empty; a problem with an answer value line keeps its answer there.
struct AnswerParts {
  std::string question;
  std::string answer;
};
AnswerParts SplitAnswerLine(const ProblemRecord& rec);

// The answer line of a problem, rebuilt from its record (never from the
// question line, so hidden operators and blanks do not carry over).
std::string AnswerLine(const ProblemRecord& rec);

// How far a text reaches in the sheet font, whose every character is a cell
// as wide as it is high, or half that for ASCII and half-width kana.
int CellWidth(const std::string& text, int height);

// One problem's line on either page, its top-left corner at `at`, at the
// layout's height (the small one for the forms that have an answer value
// line); the height is 60 afterwards.
void WriteProblemLine(PageWriter& page, const Point& at, int form, const std::string& line,
                      const ProblemLayout& layout);

// The answer lines on the answer page, after its header, each at its
// problem's place; the forms with an answer value line (20 to 25, 51, 52) at
// the small height with the answer below it. `red` writes every answer in
// kAnswerRed, the question before it black.
void WriteAnswerLines(PageWriter& page, const ProblemTable& table, const ProblemLayout& layout,
                      bool red);

// The 「解答」 mark in the header of an answer page.
void WriteAnswerMark(PageWriter& page, const PageGeometry& g);

}  // namespace kazenori
