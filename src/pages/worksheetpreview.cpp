// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/worksheetpreview.h"

#include <stdexcept>

#include "pages/pagepainter.h"
#include "pages/previewdocument.h"

namespace kazenori {

WorksheetPreview::WorksheetPreview(PreviewDocument& document, QObject* parent)
    : QObject(parent), document_(document) {}

QString SheetsTitle(std::int32_t first, std::int32_t last) {
  const QString title = QStringLiteral("プリントNo.%1").arg(first);
  return last == first ? title : title + QStringLiteral("–%1").arg(last);
}

QString SheetsTitle(const Worksheet& worksheet) {
  if (worksheet.sheets.empty()) return {};
  return SheetsTitle(worksheet.sheets.front().printNumber, worksheet.sheets.back().printNumber);
}

void WorksheetPreview::Record(const Worksheet& worksheet, Numbering numbering) {
  document_.BeginDocument();
  for (std::size_t p = 0; p < worksheet.pages.size(); ++p) {
    if (p > 0) document_.NewPage();
    QPainter* canvas = document_.Canvas();
    if (canvas == nullptr) throw std::logic_error("the preview document has no canvas");
    PaintPage(*canvas, worksheet.pages[p]);
  }
  document_.EndDocument();
  document_.SetSheetsTitle(SheetsTitle(worksheet));
  numbering_ = numbering;
  if (numbering == Numbering::Advances && !worksheet.sheets.empty()) {
    printNumber_.SetForPrinting(worksheet.sheets.front().printNumber,
                                static_cast<int>(worksheet.sheets.size()),
                                static_cast<int>(worksheet.pages.size()));
  }
}

void WorksheetPreview::onPagePrinted(int /*page*/) {
  if (numbering_ == Numbering::Kept) return;
  printNumber_.Advance();
  emit printNumberChanged(printNumber_.Text());
}

}  // namespace kazenori
