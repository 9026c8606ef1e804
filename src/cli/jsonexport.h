// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"

namespace kazenori {

// What was composed, for tools and tests: the geometry, and per sheet its
// print number, its 50 problems with the question line of page 1, and the
// text items of its pages. One sheet a line; the same worksheet gives the
// same bytes.
QByteArray WorksheetJson(const Worksheet& worksheet);

// The same bytes in pieces, for sheets written as they are composed: Head,
// then Sheets for each streamed worksheet in order, then Tail.
class WorksheetJsonWriter {
 public:
  QByteArray Head(const PageGeometry& geometry);
  QByteArray Sheets(const Worksheet& worksheet);
  QByteArray Tail();

 private:
  bool first_ = true;
};

}  // namespace kazenori
