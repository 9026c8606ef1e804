// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/worksheetpreview.h"

#include <stdexcept>

#include "preview/PagePainter.h"
#include "preview/plPrev.h"

namespace kazenori {

WorksheetPreview::WorksheetPreview(TCustomplPrev& document, QObject* parent)
    : QObject(parent), document_(document) {
  document_.OnPrint = [this](QObject*, int) {
    printNumber_.Advance();
    emit printNumberChanged(printNumber_.Text());
  };
}

void WorksheetPreview::Record(const Worksheet& worksheet) {
  document_.BeginDoc();
  RecordPages(worksheet);
  if (!worksheet.sheets.empty()) {
    printNumber_.SetForPrinting(worksheet.sheets.front().printNumber,
                                static_cast<int>(worksheet.sheets.size()),
                                static_cast<int>(worksheet.pages.size()));
  }
}

void WorksheetPreview::RecordNext(const Worksheet& worksheet) {
  document_.BeginNextDoc();
  RecordPages(worksheet);
}

void WorksheetPreview::RecordPages(const Worksheet& worksheet) {
  for (std::size_t p = 0; p < worksheet.pages.size(); ++p) {
    if (p > 0) document_.NewPage();
    QPainter* canvas = document_.Canvas();
    if (canvas == nullptr) throw std::logic_error("the preview document has no canvas");
    PaintPage(*canvas, worksheet.pages[p]);
  }
  document_.EndDoc();
}

}  // namespace kazenori
