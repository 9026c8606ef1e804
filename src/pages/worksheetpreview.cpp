// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/worksheetpreview.h"

#include <algorithm>
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

void WorksheetPreview::Redraw(const Worksheet& worksheet) {
  document_.BeginDocument();
  for (std::size_t p = 0; p < worksheet.pages.size(); ++p) {
    if (p > 0) document_.NewPage();
    QPainter* canvas = document_.Canvas();
    if (canvas == nullptr) throw std::logic_error("the preview document has no canvas");
    PaintPage(*canvas, worksheet.pages[p]);
  }
  document_.EndDocument();
  document_.SetSheetsTitle(SheetsTitle(worksheet));
}

void WorksheetPreview::Record(const Worksheet& worksheet, Numbering numbering) {
  Redraw(worksheet);
  numbering_ = numbering;
  firstOfSet_.reset();
  if (numbering == Numbering::Advances && !worksheet.sheets.empty()) {
    const std::int32_t first = worksheet.sheets.front().printNumber;
    printNumber_.SetForPrinting(first, static_cast<int>(worksheet.sheets.size()),
                                static_cast<int>(worksheet.pages.size()));
    firstOfSet_ = first;
    base_ = static_cast<std::int64_t>(first) + static_cast<std::int64_t>(worksheet.sheets.size()) -
            static_cast<std::int64_t>(worksheet.pages.size());
    questionPages_.clear();
    if (worksheet.sheets.size() > 1) {
      for (const ComposedSheet& sheet : worksheet.sheets) questionPages_.push_back(sheet.firstPage);
    }
    counted_.clear();
    shown_ = printNumber_.Value();
  }
  ++records_;
}

std::int64_t WorksheetPreview::Number() const {
  if (questionPages_.empty()) {
    return std::max<std::int64_t>(*firstOfSet_, base_ + static_cast<std::int64_t>(counted_.size()));
  }
  std::vector<int> handedOut;
  for (const int page : counted_) {
    const bool question =
        std::find(questionPages_.begin(), questionPages_.end(), page) != questionPages_.end();
    if (question && std::find(handedOut.begin(), handedOut.end(), page) == handedOut.end()) {
      handedOut.push_back(page);
    }
  }
  return static_cast<std::int64_t>(*firstOfSet_) + static_cast<std::int64_t>(handedOut.size());
}

bool WorksheetPreview::TakeBack(int pages, const Count& after) {
  if (numbering_ == Numbering::Kept || !firstOfSet_ || !(Counted() == after)) return false;
  counted_.resize(counted_.size() - std::min<std::size_t>(counted_.size(), std::max(pages, 0)));
  printNumber_.Set(Number());
  shown_ = printNumber_.Value();
  emit printNumberChanged(QString::fromStdString(printNumber_.Text()));
  return true;
}

void WorksheetPreview::CountPrintedPage(int page) {
  if (numbering_ == Numbering::Kept) return;
  // A number the teacher typed in meanwhile is advanced as it is.
  if (firstOfSet_ && printNumber_.Value() != shown_) firstOfSet_.reset();
  printNumber_.Advance();
  if (firstOfSet_) {
    counted_.push_back(page);
    printNumber_.Set(Number());
    shown_ = printNumber_.Value();
  }
  emit printNumberChanged(QString::fromStdString(printNumber_.Text()));
}

}  // namespace kazenori
