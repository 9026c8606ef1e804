// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/composer.h"

#include <utility>

#include "composition/answersheet.h"
#include "composition/displayforms.h"
#include "composition/gridsheet.h"
#include "composition/pageheader.h"
#include "composition/questionlines.h"

namespace kazenori {

Composer::Composer(Random& rnd, PageGeometry geometry)
    : rnd_(rnd), geometry_(geometry), generator_(rnd, table_, selection_) {}

std::string InstructionText(LayerSetting setting) {
  switch (setting) {
    case LayerSetting::None:
      break;
    case LayerSetting::Random:
      return "次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。";
    case LayerSetting::All:
      return "記号か数字を□の上か中に書いて正しい式にしましょう。";
  }
  return "次の計算をしましょう。";
}

void Composer::Generate(const SheetOptions& options, ComposedSheet& sheet) {
  for (int i = 1; i <= options.problems; ++i) {
    sheet.patterns[static_cast<std::size_t>(i - 1)] = generator_.MakeProblem(i);
  }
}

void Composer::WriteWorksheet(const SheetOptions& options, ComposedSheet& sheet, Worksheet& into) {
  const ProblemLayout layout = LayoutFor(options.problems, geometry_);
  WorksheetPage& questions = into.pages.emplace_back();
  PageWriter page(questions);
  WritePageHeader(page, geometry_, sheet.printNumber, options.instruction);
  if (options.score) WriteScoreBox(page, geometry_, options.problems);
  for (int i = 1; i <= options.problems; ++i) {
    ProblemRecord& rec = table_.At(i);
    forms::Layers layers;
    layers.hide = DecideLayer(options.hide, rnd_);  // drawn before the blank layer
    layers.blank = DecideLayer(options.blank, rnd_);
    std::string line = QuestionLine(rec, layers, rnd_);
    WriteProblemLine(page, ProblemPlace(i, layout), rec.form, line, layout);
    sheet.questions[static_cast<std::size_t>(i - 1)] = std::move(line);
  }
  PageWriter answers(into.pages.emplace_back());
  WritePageHeader(answers, geometry_, sheet.printNumber, options.instruction);
  if (options.redAnswers) WriteAnswerMark(answers, geometry_);
  WriteAnswerLines(answers, table_, layout, options.redAnswers);
  sheet.problems = table_;
}

void Composer::WriteColourSheet(const SheetOptions& options, std::int32_t number, Worksheet& into) {
  PageWriter page(into.pages.emplace_back());
  WritePageHeader(page, geometry_, number, options.instruction);
  WriteColourWords(page, geometry_, colourWords_, options.colourWords);
}

// A grid sheet's two pages share the header; only the question page holds
// the record table, which is for the pupil's times.
void Composer::WriteGridSheet(const SheetOptions& options, ComposedSheet& sheet, Worksheet& into) {
  sheet.grid = DrawGrid(GridOperation(options.grid), options.gridSize, rnd_);
  PageWriter questions(into.pages.emplace_back());
  WritePageHeader(questions, geometry_, sheet.printNumber, options.instruction);
  WriteGridQuestions(questions, geometry_, sheet.grid);
  PageWriter answers(into.pages.emplace_back());
  WritePageHeader(answers, geometry_, sheet.printNumber, options.instruction);
  WriteGridAnswers(answers, geometry_, sheet.grid);
}

void Composer::Start(const SheetOptions& options, int sheets) {
  if (sheets < 1) throw std::invalid_argument("at least one sheet is composed");
  if (options.grid != GridOp::None) {
    if (options.bonus) throw std::invalid_argument("a sheet is a grid or a colour-word sheet");
    if (options.gridSize != 5 && options.gridSize != 10) {
      throw std::invalid_argument("a grid is 5 × 5 or 10 × 10");
    }
  } else if (options.patterns.empty() && !options.bonus) {
    throw EmptySelectionError();
  }
  if (options.problems != 20 && options.problems != 30 && options.problems != kProblemCount) {
    throw std::invalid_argument("a sheet has 20, 30 or 50 problems");
  }
  if (!SheetNumbersFit(options.printNumber, sheets)) {
    throw std::invalid_argument("the sheet numbers would run past 2147483647");
  }
  fit_ = PaperFit(geometry_, options.paper);
  selection_.Clear();
  for (const int pattern : options.patterns) selection_.SetTicked(pattern, true);
  generator_.State().zero = options.zero;
}

// Sheet k of a run, appended to `into` with its pages.
void Composer::ComposeSheet(const SheetOptions& options, int k, Worksheet& into) {
  ComposedSheet& sheet = into.sheets.emplace_back();
  sheet.printNumber = options.printNumber + k;
  sheet.firstPage = static_cast<int>(into.pages.size()) + 1;
  sheet.pageCount = options.bonus ? 1 : 2;
  table_.Reset();
  if (options.bonus) {
    FillColourWords(colourWords_, options.colourWords, rnd_);
    WriteColourSheet(options, sheet.printNumber, into);
  } else if (options.grid != GridOp::None) {
    WriteGridSheet(options, sheet, into);
  } else {
    sheet.problemCount = options.problems;
    sheet.redAnswers = options.redAnswers;
    sheet.score = options.score;
    Generate(options, sheet);
    WriteWorksheet(options, sheet, into);
  }
  for (auto p = static_cast<std::size_t>(sheet.firstPage - 1); p < into.pages.size(); ++p) {
    fit_.Fit(into.pages[p]);
  }
}

Worksheet Composer::Compose(const SheetOptions& options, int sheets) {
  Start(options, sheets);
  Worksheet worksheet{fit_.Geometry(), {}, {}};
  worksheet.sheets.reserve(static_cast<std::size_t>(sheets));
  for (int k = 0; k < sheets; ++k) ComposeSheet(options, k, worksheet);
  return worksheet;
}

void Composer::ComposeEach(const SheetOptions& options, int sheets, const SheetSink& composed) {
  Start(options, sheets);
  Worksheet one{fit_.Geometry(), {}, {}};
  for (int k = 0; k < sheets; ++k) {
    one.sheets.clear();
    one.pages.clear();
    ComposeSheet(options, k, one);
    composed(one);
  }
}

}  // namespace kazenori
