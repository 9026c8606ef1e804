// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
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
  for (const SheetOptions& options : {worksheet, colours}) {
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

}  // namespace
}  // namespace kazenori
