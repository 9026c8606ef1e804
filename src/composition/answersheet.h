// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"
#include "generation/problemrecord.h"

namespace kazenori {

// The answer line of a problem, rebuilt from its record (never from the
// question line, so hidden operators and blanks do not carry over).
std::string AnswerLine(const ProblemRecord& rec);

// One problem's line on either page, its top-left corner at `at`, at its
// form's text height (see the form catalogue); the height is 60 afterwards.
void WriteProblemLine(PageWriter& page, const Point& at, int form, const std::string& line);

// The 50 answer lines on the answer page, after its header, each at its
// problem's place; a form whose answer has a line of its own gets it 70 lower.
void WriteAnswerLines(PageWriter& page, const ProblemTable& table, const PageGeometry& g,
                      int rowPitch, int columnPitch);

}  // namespace kazenori
