// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <set>
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

  PrintNumberCycle& PrintNumber() { return printNumber_; }
  const PrintNumberCycle& PrintNumber() const { return printNumber_; }

  // Connected to whatever prints or saves the document's pages.
  void CountPrintedPage(int page);

 signals:
  void printNumberChanged(const QString& text);

 private:
  PreviewDocument& document_;
  PrintNumberCycle printNumber_;
  Numbering numbering_ = Numbering::Advances;
  // A class set's number is its first sheet's, one more for each sheet
  // whose question page (its first) has been printed: printing only the
  // question pages moves it on as printing every page does, printing the
  // answers alone does not, and printing the set twice counts its sheets once.
  std::optional<std::int32_t> firstOfSet_;
  std::vector<int> questionPages_;
  std::set<int> handedOut_;  // the question pages printed
  std::int32_t shown_ = 0;   // what the count last set, to see a teacher's edit
};

}  // namespace kazenori
