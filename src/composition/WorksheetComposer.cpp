// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/WorksheetComposer.h"

#include <stdexcept>
#include <utility>

#include "composition/AnswerSheet.h"
#include "composition/DisplayForms.h"
#include "composition/PageHeader.h"
#include "composition/QuestionLines.h"
#include "pages/previewdocument.h"
#include "ui/messages.h"

namespace kazenori {

WorksheetComposer::WorksheetComposer(PreviewDocument& document, Random& rnd, Messages& messages,
                                     PageGeometry geometry)
    : doc_(document),
      rnd_(rnd),
      messages_(messages),
      geometry_(geometry),
      generator_(rnd, table_, selection_) {}

QString WorksheetComposer::InstructionText(int item, const QString& unchanged) {
  switch (item) {
    case kItemNone:
      return QStringLiteral("次の計算をしましょう。");
    case kItemRandom:
      return QStringLiteral("次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。");
    case kItemAll:
      return QStringLiteral("記号か数字を□の上か中に書いて正しい式にしましょう。");
    default:
      return unchanged;
  }
}

void WorksheetComposer::plPrev1Print(QObject*, int) {
  printNumber_.Advance();
  if (OnPrintNumberChanged) OnPrintNumberChanged(printNumber_.Text());
}

bool WorksheetComposer::PreviewCommand(const SheetOptions& options) {
  return Compose(options);
}

void WorksheetComposer::Generate(ComposedSheet& sheet) {
  for (int i = 1; i <= kProblemCount; ++i) {
    sheet.patterns[static_cast<std::size_t>(i - 1)] = generator_.MakeProblem(i);
  }
}

void WorksheetComposer::DrawWorksheet(ComposedSheet& sheet, const SheetOptions& options) {
  DrawPageHeader(doc_, geometry_, sheet.printNumber, options.instruction, true);
  const int rowPitch = RowPitch(geometry_);
  const int columnPitch = ColumnPitch(geometry_);
  for (int i = 1; i <= kProblemCount; ++i) {
    ProblemRecord& rec = table_.At(i);
    const int hide = DecideFlag(options.hideItem, rnd_);
    const int blank = DecideFlag(options.blankItem, rnd_);
    std::string line = QuestionLine(rec, hide, blank, rnd_);
    DrawProblemLine(doc_, ProblemPlace(i, geometry_, rowPitch, columnPitch), rec.form, line);
    sheet.questions[static_cast<std::size_t>(i - 1)] = std::move(line);
  }
  doc_.NewPage();
  DrawPageHeader(doc_, geometry_, sheet.printNumber, options.instruction, false);
  printNumber_.Lower();
  DrawAnswerLines(doc_, table_, geometry_, rowPitch, columnPitch);
  sheet.problems = table_;
}

bool WorksheetComposer::Compose(const SheetOptions& options, int sheets) {
  return ComposeSheets(options, sheets, nullptr);
}

bool WorksheetComposer::ComposeEach(const SheetOptions& options, int sheets,
                                    const SheetSink& composed) {
  return ComposeSheets(options, sheets, &composed);
}

bool WorksheetComposer::ComposeSheets(const SheetOptions& options, int sheets,
                                      const SheetSink* each) {
  if (sheets < 1) throw std::invalid_argument("at least one sheet is composed");
  if (options.selection.Empty() && !options.bonus) {
    messages_.Warning(EmptySelectionText(), QStringLiteral("警告"), true);
    return false;
  }
  table_.Reset();

  // Streamed, one sheet's record is reused: every field is written anew.
  std::vector<ComposedSheet> composed(static_cast<std::size_t>(each ? 1 : sheets));
  if (options.bonus) {
    FillColourWords(colourWords_, options.colourWords, rnd_);
  } else {
    selection_ = options.selection;
    generator_.State().zeroAllowed = options.zeroAllowed;
    Generate(composed[0]);
  }

  const std::int32_t first = StrToInt(options.printNumberText);
  if (!SheetNumbersFit(first, sheets)) {
    throw std::invalid_argument("the sheet numbers would run past 2147483647");
  }
  const int pagesPerSheet = options.bonus ? 1 : 2;

  doc_.BeginDoc();
  try {
    for (int k = 0; k < sheets; ++k) {
      ComposedSheet& sheet = composed[static_cast<std::size_t>(each ? 0 : k)];
      sheet.printNumber = first + k;
      sheet.firstPage = each ? 1 : 1 + k * pagesPerSheet;
      sheet.pageCount = pagesPerSheet;
      // The number stands at N + k less the pages composed before this sheet,
      // so that printing all of them brings it to this sheet's number.
      printNumber_.Set(static_cast<std::int64_t>(first) + k - k * pagesPerSheet);
      if (k > 0) {
        if (each) {
          doc_.BeginNextDoc();
        } else {
          doc_.NewPage();
        }
        table_.Reset();
        if (options.bonus) {
          FillColourWords(colourWords_, options.colourWords, rnd_);
        } else {
          Generate(sheet);
        }
      }
      if (options.bonus) {
        DrawPageHeader(doc_, geometry_, sheet.printNumber, options.instruction, true);
        DrawColourWords(doc_, geometry_, colourWords_, options.colourWords);
      } else {
        DrawWorksheet(sheet, options);
      }
      if (each) {
        doc_.EndDoc();
        (*each)(sheet);
      }
    }
  } catch (...) {
    doc_.EndDoc();
    throw;
  }
  if (!each) doc_.EndDoc();
  sheets_ = std::move(composed);
  return true;
}

}  // namespace kazenori
