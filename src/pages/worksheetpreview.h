// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

#include "composition/printnumber.h"
#include "composition/worksheet.h"

namespace kazenori {

class PreviewDocument;

// The sheets' print numbers as a document's title: 「プリントNo.7」, or
// 「プリントNo.7–9」 for a run of them.
QString SheetsTitle(std::int32_t first, std::int32_t last);
QString SheetsTitle(const Worksheet& worksheet);

// Puts composed worksheets into the preview document, whose window, printing
// and PDF then show them, and keeps the print number that every printed page
// advances.
class WorksheetPreview : public QObject {
  Q_OBJECT
 public:
  explicit WorksheetPreview(PreviewDocument& document, QObject* parent = nullptr);

  // Whether printing the pages moves the print number on: a sheet made again
  // from its code keeps the number the teacher has reached.
  enum class Numbering { Advances, Kept };

  // The worksheet's pages become the document, and the print number awaits
  // their printing.
  void Record(const Worksheet& worksheet, Numbering numbering = Numbering::Advances);
  // The same sheets made again on another paper: their pages replace the
  // document's, and the print number goes on from what was printed before.
  void Redraw(const Worksheet& worksheet);

  PrintNumberCycle& PrintNumber() { return printNumber_; }
  const PrintNumberCycle& PrintNumber() const { return printNumber_; }

  // Connected to whatever prints or saves the document's pages.
  void CountPrintedPage(int page);

  // The count as printing left it, to tell later whether anything moved it.
  struct Count {
    std::int64_t records = 0;  // worksheets recorded so far
    std::int64_t printed = 0;
    std::int32_t shown = 0;
    bool operator==(const Count& o) const {
      return records == o.records && printed == o.printed && shown == o.shown;
    }
  };
  Count Counted() const {
    return {records_, static_cast<std::int64_t>(counted_.size()), printNumber_.Value()};
  }
  // Takes back `pages` pages counted for a job that then failed, where the
  // count is still `after` (no later print, nor another worksheet, has moved
  // it since); false where it leaves the count as it is.
  bool TakeBack(int pages, const Count& after);

 signals:
  void printNumberChanged(const QString& text);

 private:
  PreviewDocument& document_;
  PrintNumberCycle printNumber_;
  Numbering numbering_ = Numbering::Advances;
  // Every printed page counts, from first + sheets - pages, but the number
  // never falls below the first sheet's: the whole set printed once leaves
  // first + sheets (a single sheet's two pages, first + 1). In a class set
  // only the question pages (each sheet's first) count, each once: printing
  // only them moves the number on as printing every page does, the answers
  // alone do not, and printing the set twice counts its sheets once.
  std::int64_t Number() const;
  std::optional<std::int32_t> firstOfSet_;
  std::int64_t base_ = 0;           // first + sheets - pages
  std::vector<int> questionPages_;  // of a class set; empty for one sheet
  std::vector<int> counted_;        // the pages printed, in order
  std::int64_t records_ = 0;
  std::int32_t shown_ = 0;  // what the count last set, to see a teacher's edit
};

}  // namespace kazenori
