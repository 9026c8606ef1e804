// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <utility>
#include <vector>

#include "composition/pagegeometry.h"
#include "composition/worksheet.h"

namespace kazenori {

// What was composed, for tools, tests and the browser page: the geometry (its
// "paper" named when it is not A4), and
// per sheet its print number, its problems with the question line of page 1
// (a grid sheet: its "grid", the headings and every answer), and the text
// items of its pages (and the rules of those that have any). One sheet a line, keys in sorted
// order; the same worksheet gives the same bytes on every front end.
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

// A JSON object under construction: members are kept in key order, so that
// a reader may diff two outputs line by line. Values are already written JSON.
class JsonObject {
 public:
  JsonObject& Raw(const std::string& key, std::string json);
  JsonObject& Int(const std::string& key, long long value);
  JsonObject& Bool(const std::string& key, bool value);
  JsonObject& Text(const std::string& key, const std::string& utf8);
  std::string Write() const;

 private:
  std::vector<std::pair<std::string, std::string>> members_;
};

// `utf8` as a JSON string, quotes included; a byte that starts no valid
// sequence is written as U+FFFD.
std::string JsonString(const std::string& utf8);

}  // namespace kazenori
