// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/worksheetjson.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "composition/utf8.h"

namespace kazenori {

namespace {

const char* AlignName(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      break;
    case TextAlign::LeftMid:
      return "leftmid";
    case TextAlign::Center:
      return "center";
    case TextAlign::Right:
      return "right";
  }
  return "left";
}

std::string ColourName(Rgb colour) {
  std::array<char, 8> name{};
  std::snprintf(name.data(), name.size(), "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return name.data();
}

std::string Array(const std::vector<std::string>& elements) {
  std::string out = "[";
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (i > 0) out += ',';
    out += elements[i];
  }
  return out + ']';
}

std::string Problem(const ComposedSheet& sheet, int i) {
  const ProblemRecord& r = sheet.problems.At(i);
  const auto at = static_cast<std::size_t>(i - 1);
  return JsonObject()
      .Int("index", i)
      .Int("pattern", sheet.patterns[at])
      .Int("op", static_cast<int>(r.op))
      .Int("termMode", static_cast<int>(r.termMode))
      .Int("form", r.form)
      .Int("valA", r.valA)
      .Int("valB", r.valB)
      .Int("valC", r.valC)
      .Int("valD", r.valD)
      .Text("strA", r.strA)
      .Text("strB", r.strB)
      .Text("strC", r.strC)
      .Text("strD", r.strD)
      .Text("strE", r.strE)
      .Text("strAnswer", r.strAnswer)
      .Text("strRemainder", r.strRemainder)
      .Text("question", sheet.questions[at])
      .Write();
}

std::string Item(const TextItem& item) {
  return JsonObject()
      .Text("op", AlignName(item.align))
      .Int("x", item.x)
      .Int("y", item.y)
      .Int("height", item.height)
      .Bool("bold", item.bold)
      .Text("color", ColourName(item.colour))
      .Text("text", item.text)
      .Write();
}

std::string Rule(const RuleItem& rule) {
  return JsonObject()
      .Int("x1", rule.from.x)
      .Int("y1", rule.from.y)
      .Int("x2", rule.to.x)
      .Int("y2", rule.to.y)
      .Int("width", rule.width)
      .Write();
}

std::string Numbers(const std::vector<int>& numbers) {
  std::vector<std::string> elements;
  elements.reserve(numbers.size());
  for (const int n : numbers) elements.push_back(std::to_string(n));
  return Array(elements);
}

// The operation as a problem's "op"; the answers row by row, top to bottom.
std::string Grid(const GridProblem& grid) {
  std::vector<std::string> answers;
  for (int r = 0; r < grid.Size(); ++r) {
    std::vector<int> row;
    row.reserve(grid.columns.size());
    for (int c = 0; c < grid.Size(); ++c) row.push_back(grid.Answer(r, c));
    answers.push_back(Numbers(row));
  }
  return JsonObject()
      .Int("op", static_cast<int>(grid.op))
      .Raw("rows", Numbers(grid.rows))
      .Raw("columns", Numbers(grid.columns))
      .Raw("answers", Array(answers))
      .Write();
}

std::string Sheet(const ComposedSheet& sheet, const Worksheet& worksheet) {
  const bool grid = sheet.grid.op != Operation::None;
  std::vector<std::string> problems;
  // A colour-word sheet keeps its problem table empty, and a grid sheet has none.
  if (sheet.pageCount == 2 && !grid) {
    for (int i = 1; i <= sheet.problemCount; ++i) problems.push_back(Problem(sheet, i));
  }
  std::vector<std::string> pages;
  for (int p = sheet.firstPage; p < sheet.firstPage + sheet.pageCount; ++p) {
    const WorksheetPage& page = worksheet.pages.at(static_cast<std::size_t>(p - 1));
    std::vector<std::string> items;
    for (const TextItem& item : page.items) items.push_back(Item(item));
    JsonObject json;
    json.Raw("items", Array(items));
    // Only pages that have rules carry the key: the others' bytes stay as they were.
    if (!page.rules.empty()) {
      std::vector<std::string> rules;
      for (const RuleItem& rule : page.rules) rules.push_back(Rule(rule));
      json.Raw("rules", Array(rules));
    }
    pages.push_back(json.Write());
  }
  JsonObject json;
  json.Int("printNumber", sheet.printNumber)
      .Raw("problems", Array(problems))
      .Raw("pages", Array(pages));
  if (grid) json.Raw("grid", Grid(sheet.grid));
  if (!sheet.code.empty()) json.Text("code", sheet.code);
  // Only what differs from the original sheet, so that its JSON stays as it was.
  if (sheet.pageCount == 2 && sheet.problemCount != kProblemCount) {
    json.Int("problemCount", sheet.problemCount);
  }
  if (sheet.redAnswers) json.Bool("redAnswers", true);
  if (sheet.score) json.Bool("score", true);
  return json.Write();
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::u32string escaped;
  escaped.push_back(U'"');
  for (const char32_t c : CodePoints(utf8)) {
    switch (c) {
      case U'"':
        escaped += U"\\\"";
        break;
      case U'\\':
        escaped += U"\\\\";
        break;
      case U'\b':
        escaped += U"\\b";
        break;
      case U'\f':
        escaped += U"\\f";
        break;
      case U'\n':
        escaped += U"\\n";
        break;
      case U'\r':
        escaped += U"\\r";
        break;
      case U'\t':
        escaped += U"\\t";
        break;
      default:
        if (c < 0x20) {
          escaped += U"\\u00";
          escaped.push_back(static_cast<char32_t>(kHex[c >> 4]));
          escaped.push_back(static_cast<char32_t>(kHex[c & 0xf]));
        } else {
          escaped.push_back(c);
        }
    }
  }
  escaped.push_back(U'"');
  return Utf8(escaped);
}

JsonObject& JsonObject::Raw(const std::string& key, std::string json) {
  const auto at =
      std::lower_bound(members_.begin(), members_.end(), key,
                       [](const auto& member, const std::string& k) { return member.first < k; });
  members_.insert(at, {key, std::move(json)});
  return *this;
}

JsonObject& JsonObject::Int(const std::string& key, long long value) {
  return Raw(key, std::to_string(value));
}

JsonObject& JsonObject::Bool(const std::string& key, bool value) {
  return Raw(key, value ? "true" : "false");
}

JsonObject& JsonObject::Text(const std::string& key, const std::string& utf8) {
  return Raw(key, JsonString(utf8));
}

std::string JsonObject::Write() const {
  std::string out = "{";
  for (const auto& [key, value] : members_) {
    if (out.size() > 1) out += ',';
    out += JsonString(key) + ':' + value;
  }
  return out + '}';
}

std::string WorksheetJsonWriter::Head(const PageGeometry& g) {
  first_ = true;
  JsonObject geometry;
  geometry.Int("left", g.left).Int("top", g.top).Int("width", g.width).Int("height", g.height);
  // Only a sheet scaled onto another paper names it: A4's JSON stays as it was.
  if (g.paper != PaperSize::A4) geometry.Text("paper", PaperName(g.paper));
  // The layout's version: a reader checks it before anything else, and it
  // grows only when a change would mislead a reader of the older layout.
  return "{\"format\":1,\"geometry\":" + geometry.Write() + ",\n\"sheets\":[";
}

std::string WorksheetJsonWriter::Sheets(const Worksheet& worksheet) {
  std::string out;
  for (const ComposedSheet& sheet : worksheet.sheets) {
    out += first_ ? "\n" : ",\n";
    first_ = false;
    out += Sheet(sheet, worksheet);
  }
  return out;
}

std::string WorksheetJsonWriter::Tail() {
  return "]}\n";
}

std::string WorksheetJson(const Worksheet& worksheet) {
  WorksheetJsonWriter writer;
  return writer.Head(worksheet.geometry) + writer.Sheets(worksheet) + writer.Tail();
}

}  // namespace kazenori
