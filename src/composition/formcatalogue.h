// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/displayformscommon.h"
#include "generation/displayform.h"
#include "generation/problemrecord.h"
#include "generation/random.h"

namespace kazenori {

// How a form's answer line is made on the answer page.
enum class AnswerShape {
  QuestionAndAnswer,  // the plain question (strE) followed by the answer
  AnswerOnly,         // the answer alone: it repeats the question, as a ratio does
  AnswerBelow,        // the question alone; the answer has a line of its own under it
};

// Writes a form's question line: the real answer into strAnswer, the plain
// question into strE; the layers are those the form obeys.
using FormWriter = std::string (*)(ProblemRecord& rec, forms::Layers layers, Random& rnd);

// One display form, everything the pages need to know of it. The number and
// the fourth-value rule of the generator live in generation/displayform.h.
struct FormInfo {
  int number;
  FormWriter write;  // nullptr: the question line is strA
  AnswerShape answer;
  bool hides;        // obeys the hide-operator setting
  bool blanks;       // obeys the blank setting
  int textHeight;    // of its question and answer lines
  int answerHeight;  // of the answer's own line under AnswerBelow; 0 for the others
};

// The catalogue row of a form; nullptr for a number that is no form.
const FormInfo* FindForm(int number);

// The height of the problem and answer lines of any record, special or not.
inline constexpr int kLineHeight = 60;
int LineHeight(int form);

}  // namespace kazenori
