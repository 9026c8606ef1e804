// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include "composition/printnumber.h"
#include "composition/worksheet.h"

namespace kazenori {

class TCustomplPrev;

// Puts composed worksheets into the preview document, whose windows, printing
// and PDF then show them, and lets every printed page advance the print number.
class WorksheetPreview : public QObject {
  Q_OBJECT

 public:
  explicit WorksheetPreview(TCustomplPrev& document, QObject* parent = nullptr);

  // The worksheet's pages become the document (BeginDoc … EndDoc), and the
  // print number awaits their printing.
  void Record(const Worksheet& worksheet);
  // One streamed sheet as the next document: its pages replace the last ones.
  void RecordNext(const Worksheet& worksheet);

  PrintNumberCycle& PrintNumber() { return printNumber_; }
  const PrintNumberCycle& PrintNumber() const { return printNumber_; }

 signals:
  void printNumberChanged(const QString& text);

 private:
  void RecordPages(const Worksheet& worksheet);

  TCustomplPrev& document_;
  PrintNumberCycle printNumber_;
};

}  // namespace kazenori
