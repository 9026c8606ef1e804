// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "composition/colourwordsheet.h"
#include "composition/pagegeometry.h"
#include "composition/printnumber.h"
#include "composition/sheetoptions.h"
#include "generation/Generator.h"
#include "generation/PatternSelection.h"
#include "generation/ProblemRecord.h"
#include "generation/Random.h"

class QObject;

namespace kazenori {

class Messages;
class TCustomplPrev;

// One sheet of the last composition as it was drawn.
struct ComposedSheet {
  std::int32_t printNumber = 0;               // shown in the headers of its pages
  int firstPage = 1;                          // its first page in the document (1-based)
  int pageCount = 0;                          // 2 for a worksheet, 1 for a colour-word sheet
  ProblemTable problems;                      // after composing (the forms write strAnswer, strE)
  std::array<int, kProblemCount> patterns{};  // pattern each problem came from
  std::array<std::string, kProblemCount> questions;  // question lines as drawn on page 1
};

// The preview command and everything the sheets share, independent of
// widgets: the main window and the command line fill a SheetOptions and call
// it. Owns the problem table, the generator state and the colour-word table
// for the whole run, and the print number cycle.
//
// The constructor installs plPrev1Print as the document's OnPrint handler.
class WorksheetComposer {
 public:
  WorksheetComposer(TCustomplPrev& document, Random& rnd, Messages& messages,
                    PageGeometry geometry = DesignPaperGeometry());
  WorksheetComposer(const WorksheetComposer&) = delete;
  WorksheetComposer& operator=(const WorksheetComposer&) = delete;

  // FormShow computes it once; it is then fixed for the run.
  void SetGeometry(const PageGeometry& geometry) { geometry_ = geometry; }
  const PageGeometry& Geometry() const { return geometry_; }

  // btnPreviewClick: Compose, then Preview on the document. Errors (the print
  // number's ConversionError, a failing generator) propagate to the caller's
  // error handler; the preview window then is not opened.
  void PreviewCommand(const SheetOptions& options);

  // The preview command up to EndDoc, for `sheets` sheets in one document:
  // sheet k (0-based) carries the number N + k, N read from the print-number
  // text. Returns false, with the beep and warning box, when no pattern is
  // ticked and the bonus is off. Throws ConversionError before any document
  // is begun when the text is not a 32-bit integer, std::invalid_argument when
  // the sheet numbers would run past 2147483647 or sheets < 1.
  bool Compose(const SheetOptions& options, int sheets = 1);

  // As Compose, drawing the same sheets from the same draws, but each sheet is
  // a document of its own: `composed` is called after its EndDoc, its pages
  // being pages 1.. of the document, and the next sheet's BeginNextDoc drops them.
  // However many sheets, one is held at a time; Sheets() then holds the last.
  using SheetSink = std::function<void(const ComposedSheet& sheet)>;
  bool ComposeEach(const SheetOptions& options, int sheets, const SheetSink& composed);

  const ProblemTable& Problems() const { return table_; }
  const ColourWordTable& ColourWords() const { return colourWords_; }
  // The sheets of the last successful Compose, in document order.
  const std::vector<ComposedSheet>& Sheets() const { return sheets_; }

  // The print number. After composing it stands at N + sheets − pages, so that
  // printing every page leaves the number of the next sheet (N + 1 for one
  // worksheet after both pages are printed, N after only one).
  PrintNumberCycle& PrintNumber() { return printNumber_; }
  const PrintNumberCycle& PrintNumber() const { return printNumber_; }
  // OnPrint of the document: advances the print number and reports its text.
  void plPrev1Print(QObject* sender, int page);
  std::function<void(const QString& printNumberText)> OnPrintNumberChanged;

  // The instruction text an option group's item writes into edtQuestMes;
  // `unchanged` for an index without a text.
  static QString InstructionText(int item, const QString& unchanged);

  // The refusal of an arithmetic sheet without a ticked pattern.
  static QString EmptySelectionText() {
    return QStringLiteral("少なくとも１つは問題を指定して下さい。");
  }
  // Whether sheets numbered first .. first + sheets - 1 stay in 32 bits.
  static bool SheetNumbersFit(std::int32_t first, int sheets) {
    return static_cast<std::int64_t>(first) + sheets - 1 <=
           std::numeric_limits<std::int32_t>::max();
  }

 private:
  // Random source that notes the pattern draw opening each MakeQData call.
  class PatternTap final : public Random {
   public:
    explicit PatternTap(Random& inner) : inner_(inner) {}
    int Rnd(int n) override;
    void Arm() { armed_ = true; }
    int Taken() const { return taken_; }

   private:
    Random& inner_;
    bool armed_ = false;
    int taken_ = -1;
  };

  bool ComposeSheets(const SheetOptions& options, int sheets, const SheetSink* each);
  void Generate(ComposedSheet& sheet);
  void DrawWorksheet(ComposedSheet& sheet, const SheetOptions& options);
  void DrawColourSheet(const SheetOptions& options, std::int32_t number);

  TCustomplPrev& doc_;
  Random& rnd_;
  Messages& messages_;
  PageGeometry geometry_;
  PatternTap tap_;
  PatternSelection selection_;
  ProblemTable table_;
  ProblemGenerator generator_;
  ColourWordTable colourWords_;
  PrintNumberCycle printNumber_;
  std::vector<ComposedSheet> sheets_;
};

}  // namespace kazenori
