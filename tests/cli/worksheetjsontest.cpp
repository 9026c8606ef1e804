// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

#include "composition/seededcomposition.h"
#include "composition/worksheetjson.h"

namespace kazenori {
namespace {

// The JSON the command line writes came from Qt's writer before the core
// wrote it; every line must stay what Qt makes of the same content, for any
// instruction a user can type (every ASCII control, quotes, a stray byte).
TEST(WorksheetJson, EveryLineIsWhatQtWritesOfTheSameContent) {
  std::string typed = "計算\xe2\x80\xa8\xff";
  for (char c = 1; c < 0x7f; ++c) typed.push_back(c);
  SheetOptions worksheet{{1, 56, 29}};
  worksheet.instruction = typed;
  SheetOptions colours;
  colours.bonus = true;
  colours.colourWords = {3, 20};
  SheetOptions grid;
  grid.grid = GridOp::Sub;
  for (const SheetOptions& options : {worksheet, colours, grid}) {
    const QByteArray json = QByteArray::fromStdString(
        WorksheetJson(ComposeSeeded(7, options, 2, DesignPaperGeometry())));
    const QList<QByteArray> lines = json.split('\n');
    ASSERT_EQ(lines.size(), 5);  // head, "sheets":[, two sheets, the empty rest
    for (int i = 2; i <= 3; ++i) {
      QByteArray line = lines[i];
      line.chop(i == 2 ? 1 : 2);  // the comma, or the close of the list and the whole
      QJsonParseError error{};
      const QJsonDocument parsed = QJsonDocument::fromJson(line, &error);
      ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
      EXPECT_EQ(parsed.toJson(QJsonDocument::Compact), line);
    }
  }
}

// A grid sheet carries its headings and every answer besides its pages, whose
// rules draw the cells; it has no problems.
TEST(WorksheetJson, AGridSheetCarriesItsGrid) {
  SheetOptions options;
  options.grid = GridOp::Mul;
  options.gridSize = 5;
  const Worksheet ws = ComposeSeeded(3, options, 1, DesignPaperGeometry());
  const QJsonObject sheet = QJsonDocument::fromJson(QByteArray::fromStdString(WorksheetJson(ws)))
                                .object()["sheets"]
                                .toArray()[0]
                                .toObject();
  const QJsonObject grid = sheet["grid"].toObject();
  EXPECT_EQ(grid["op"].toInt(), 3);
  EXPECT_TRUE(sheet["problems"].toArray().isEmpty());
  ASSERT_EQ(grid["rows"].toArray().size(), 5);
  ASSERT_EQ(grid["columns"].toArray().size(), 5);
  for (int r = 0; r < 5; ++r) {
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(grid["answers"][r][c].toInt(),
                grid["rows"][r].toInt() * grid["columns"][c].toInt());
      EXPECT_EQ(grid["rows"][r].toInt(), ws.sheets[0].grid.rows[static_cast<std::size_t>(r)]);
    }
  }
  for (const QJsonValue page : sheet["pages"].toArray()) {
    EXPECT_FALSE(page["rules"].toArray().isEmpty());
  }
}

// A sheet beyond the original names what differs, the original nothing more.
TEST(WorksheetJson, NamesTheLaterOptionsOnlyWhereChosen) {
  SheetOptions options{{1, 56, 29}};
  for (const bool later : {false, true}) {
    options.problems = later ? 20 : 50;
    options.redAnswers = options.score = later;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(
        WorksheetJson(ComposeSeeded(7, options, 1, DesignPaperGeometry()))));
    const QJsonObject sheet = json["sheets"][0].toObject();
    EXPECT_EQ(sheet["problems"].toArray().size(), options.problems);
    for (const char* key : {"problemCount", "redAnswers", "score"}) {
      EXPECT_EQ(sheet.contains(QLatin1String(key)), later) << key;
    }
    EXPECT_EQ(sheet["problemCount"].toInt(50), options.problems);
  }
}

}  // namespace
}  // namespace kazenori
