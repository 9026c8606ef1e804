// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/worksheetjson.h"

#include <cstdio>
#include <map>
#include <utility>

#include "composition/utf8.h"

namespace kazenori {

namespace {

// An object's members as their written values; a map keeps the keys in the
// sorted order every earlier release wrote them in.
using Members = std::map<std::string, std::string>;

std::string Object(const Members& members) {
  std::string out = "{";
  for (const auto& [key, value] : members) {
    if (out.size() > 1) out += ',';
    out += JsonString(key) + ':' + value;
  }
  return out + '}';
}

std::string Array(const std::vector<std::string>& values) {
  std::string out = "[";
  for (const std::string& v : values) {
    if (out.size() > 1) out += ',';
    out += v;
  }
  return out + ']';
}

std::string Number(long long n) {
  return std::to_string(n);
}

std::string Bool(bool b) {
  return b ? "true" : "false";
}

std::string AlignName(TextAlign align) {
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

std::string ColourName(Rgb c) {
  char name[8];
  std::snprintf(name, sizeof name, "#%02x%02x%02x", c.red, c.green, c.blue);
  return name;
}

std::string Problem(const ComposedSheet& sheet, int i) {
  const ProblemRecord& r = sheet.problems.At(i);
  const auto at = static_cast<std::size_t>(i - 1);
  return Object({{"index", Number(i)},
                 {"pattern", Number(sheet.patterns[at])},
                 {"op", Number(static_cast<int>(r.op))},
                 {"termMode", Number(static_cast<int>(r.termMode))},
                 {"form", Number(r.form)},
                 {"valA", Number(r.valA)},
                 {"valB", Number(r.valB)},
                 {"valC", Number(r.valC)},
                 {"valD", Number(r.valD)},
                 {"strA", JsonString(r.strA)},
                 {"strB", JsonString(r.strB)},
                 {"strC", JsonString(r.strC)},
                 {"strD", JsonString(r.strD)},
                 {"strE", JsonString(r.strE)},
                 {"strAnswer", JsonString(r.strAnswer)},
                 {"strRemainder", JsonString(r.strRemainder)},
                 {"question", JsonString(sheet.questions[at])}});
}

std::string Item(const TextItem& item) {
  return Object({{"op", JsonString(AlignName(item.align))},
                 {"x", Number(item.x)},
                 {"y", Number(item.y)},
                 {"height", Number(item.height)},
                 {"bold", Bool(item.bold)},
                 {"color", JsonString(ColourName(item.colour))},
                 {"text", JsonString(item.text)}});
}

std::string Sheet(const ComposedSheet& sheet, const Worksheet& worksheet) {
  std::vector<std::string> problems;
  // A colour-word sheet keeps its problem table empty.
  if (sheet.pageCount == 2) {
    for (int i = 1; i <= kProblemCount; ++i) problems.push_back(Problem(sheet, i));
  }
  std::vector<std::string> pages;
  for (int p = sheet.firstPage; p < sheet.firstPage + sheet.pageCount; ++p) {
    std::vector<std::string> items;
    for (const TextItem& item : worksheet.pages.at(static_cast<std::size_t>(p - 1)).items) {
      items.push_back(Item(item));
    }
    pages.push_back(Object({{"items", Array(items)}}));
  }
  Members json{{"printNumber", Number(sheet.printNumber)},
               {"problems", Array(problems)},
               {"pages", Array(pages)}};
  if (!sheet.code.empty()) json.emplace("code", JsonString(sheet.code));
  return Object(json);
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::u32string escaped;
  escaped += U'"';
  for (const char32_t c : CodePoints(text)) {
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
          constexpr char32_t kHex[] = U"0123456789abcdef";
          escaped += U"\\u00";
          escaped += kHex[c >> 4];
          escaped += kHex[c & 0xf];
        } else {
          escaped += c;
        }
    }
  }
  escaped += U'"';
  return Utf8(escaped);
}

std::string WorksheetJsonWriter::Head(const PageGeometry& g) {
  first_ = true;
  const std::string geometry = Object({{"left", Number(g.left)},
                                       {"top", Number(g.top)},
                                       {"width", Number(g.width)},
                                       {"height", Number(g.height)}});
  // The layout's version: a reader checks it before anything else, and it
  // grows only when a change would mislead a reader of the older layout.
  return "{\"format\":1,\"geometry\":" + geometry + ",\n\"sheets\":[";
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
