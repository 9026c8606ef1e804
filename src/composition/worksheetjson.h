// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"

namespace kazenori {

// What was composed, for tools, tests and the browser page: the geometry, and
// per sheet its print number, its 50 problems with the question line of page
// 1, and the text items of its pages. One sheet a line, keys in sorted order,
// no blanks; the same worksheet gives the same bytes on every front end.
std::string WorksheetJson(const Worksheet& worksheet);

// The same bytes in pieces, for sheets written as they are composed: Head,
// then Sheets for each streamed worksheet in order, then Tail.
class WorksheetJsonWriter {
 public:
  std::string Head(const PageGeometry& geometry);
  std::string Sheets(const Worksheet& worksheet);
  std::string Tail();

 private:
  bool first_ = true;
};

// `text` (UTF-8) as a JSON string with its quotes: only the quote, the
// backslash and the controls escaped, a byte that starts no valid sequence
// written as U+FFFD.
std::string JsonString(const std::string& text);

}  // namespace kazenori
