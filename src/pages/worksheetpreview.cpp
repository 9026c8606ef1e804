// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/worksheetpreview.h"

#include <stdexcept>

#include "pages/pagepainter.h"
#include "pages/previewdocument.h"

namespace kazenori {

WorksheetPreview::WorksheetPreview(PreviewDocument& document, QObject* parent)
    : QObject(parent), document_(document) {}

void WorksheetPreview::Record(const Worksheet& worksheet, Numbering numbering) {
  document_.BeginDocument();
  for (std::size_t p = 0; p < worksheet.pages.size(); ++p) {
    if (p > 0) document_.NewPage();
    QPainter* canvas = document_.Canvas();
    if (canvas == nullptr) throw std::logic_error("the preview document has no canvas");
    PaintPage(*canvas, worksheet.pages[p]);
  }
  document_.EndDocument();
  numbering_ = numbering;
  if (numbering == Numbering::Advances && !worksheet.sheets.empty()) {
    printNumber_.SetForPrinting(worksheet.sheets.front().printNumber,
                                static_cast<int>(worksheet.sheets.size()),
                                static_cast<int>(worksheet.pages.size()));
  }
}

void WorksheetPreview::CountPrintedPage(int /*page*/) {
  if (numbering_ == Numbering::Kept) return;
  printNumber_.Advance();
  emit printNumberChanged(QString::fromStdString(printNumber_.Text()));
}

}  // namespace kazenori
