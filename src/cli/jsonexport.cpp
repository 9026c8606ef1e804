// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/jsonexport.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <string>

namespace kazenori {

namespace {

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

QString AlignName(TextAlign align) {
  switch (align) {
    case TextAlign::Left:
      break;
    case TextAlign::LeftMid:
      return QStringLiteral("leftmid");
    case TextAlign::Center:
      return QStringLiteral("center");
    case TextAlign::Right:
      return QStringLiteral("right");
  }
  return QStringLiteral("left");
}

QJsonObject Problem(const ComposedSheet& sheet, int i) {
  const ProblemRecord& r = sheet.problems.At(i);
  const auto at = static_cast<std::size_t>(i - 1);
  return {{"index", i},
          {"pattern", sheet.patterns[at]},
          {"op", static_cast<int>(r.op)},
          {"termMode", static_cast<int>(r.termMode)},
          {"form", r.form},
          {"valA", r.valA},
          {"valB", r.valB},
          {"valC", r.valC},
          {"valD", r.valD},
          {"strA", Text(r.strA)},
          {"strB", Text(r.strB)},
          {"strC", Text(r.strC)},
          {"strD", Text(r.strD)},
          {"strE", Text(r.strE)},
          {"strAnswer", Text(r.strAnswer)},
          {"strRemainder", Text(r.strRemainder)},
          {"question", Text(sheet.questions[at])}};
}

QJsonObject Item(const TextItem& item) {
  return {{"op", AlignName(item.align)},
          {"x", item.x},
          {"y", item.y},
          {"height", item.height},
          {"bold", item.bold},
          {"color", QColor(item.colour.red, item.colour.green, item.colour.blue).name()},
          {"text", Text(item.text)}};
}

QJsonObject Sheet(const ComposedSheet& sheet, const Worksheet& worksheet) {
  QJsonArray problems;
  // A colour-word sheet keeps its problem table empty.
  if (sheet.pageCount == 2) {
    for (int i = 1; i <= sheet.problemCount; ++i) problems.append(Problem(sheet, i));
  }
  QJsonArray pages;
  for (int p = sheet.firstPage; p < sheet.firstPage + sheet.pageCount; ++p) {
    QJsonArray items;
    for (const TextItem& item : worksheet.pages.at(static_cast<std::size_t>(p - 1)).items) {
      items.append(Item(item));
    }
    pages.append(QJsonObject{{"items", items}});
  }
  QJsonObject json{{"printNumber", sheet.printNumber}, {"problems", problems}, {"pages", pages}};
  if (!sheet.code.empty()) json.insert(QStringLiteral("code"), Text(sheet.code));
  // Only what differs from the original sheet, so that its JSON stays as it was.
  if (sheet.pageCount == 2 && sheet.problemCount != kProblemCount) {
    json.insert(QStringLiteral("problemCount"), sheet.problemCount);
  }
  if (sheet.redAnswers) json.insert(QStringLiteral("redAnswers"), true);
  if (sheet.score) json.insert(QStringLiteral("score"), true);
  return json;
}

}  // namespace

QByteArray WorksheetJsonWriter::Head(const PageGeometry& g) {
  first_ = true;
  const QJsonObject geometry{
      {"left", g.left}, {"top", g.top}, {"width", g.width}, {"height", g.height}};
  // The layout's version: a reader checks it before anything else, and it
  // grows only when a change would mislead a reader of the older layout.
  return "{\"format\":1,\"geometry\":" + QJsonDocument(geometry).toJson(QJsonDocument::Compact) +
         ",\n\"sheets\":[";
}

QByteArray WorksheetJsonWriter::Sheets(const Worksheet& worksheet) {
  QByteArray out;
  for (const ComposedSheet& sheet : worksheet.sheets) {
    out += first_ ? "\n" : ",\n";
    first_ = false;
    out += QJsonDocument(Sheet(sheet, worksheet)).toJson(QJsonDocument::Compact);
  }
  return out;
}

QByteArray WorksheetJsonWriter::Tail() {
  return "]}\n";
}

QByteArray WorksheetJson(const Worksheet& worksheet) {
  WorksheetJsonWriter writer;
  return writer.Head(worksheet.geometry) + writer.Sheets(worksheet) + writer.Tail();
}

}  // namespace kazenori
