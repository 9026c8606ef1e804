// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace kazenori {

// What the main window keeps from one run to the next: the ticks in tick
// order, the option groups' items, the instruction line, 枚数, the print
// number, the 百ます計算 choice, the sheet menu's problem count, red answers and score
// box, and the paper. A default value is the window's first-start state.
struct RememberedState {
  std::vector<int> patterns;
  int zero = 0;
  int hide = 0;
  int blank = 0;
  QString instruction;  // empty: the groups' own line
  int sheets = 1;
  QString printNumber = QStringLiteral("1");
  int grid = 0;  // 百ます計算: なし, たし算, ひき算, かけ算
  int gridSize = 10;
  int problems = 50;  // 20, 30 or 50
  bool redAnswers = false;
  bool score = false;
  int paper = 0;  // 用紙: A4, B5, B4

  bool operator==(const RememberedState& o) const {
    return patterns == o.patterns && zero == o.zero && hide == o.hide && blank == o.blank &&
           instruction == o.instruction && sheets == o.sheets && printNumber == o.printNumber &&
           grid == o.grid && gridSize == o.gridSize && problems == o.problems &&
           redAnswers == o.redAnswers && score == o.score && paper == o.paper;
  }
};

// The file the state is kept in, in the user's configuration folder.
QString DefaultSettingsFile();

// The state kept in `file`, or why it was not read: nothing at all for a file
// that does not exist; a note for one that is damaged or written by a newer
// version, which is then left alone.
struct LoadedState {
  std::optional<RememberedState> state;
  QString note;
};
LoadedState LoadState(const QString& file);

// Writes the state at once, so that a crash loses nothing.
void SaveState(const QString& file, const RememberedState& state);

// Named sets (「3年1組 朝学習」), kept in the same file: their names in order,
// one set (nothing for an unknown name or a damaged set), a set saved under a
// name (replacing one of that name), a set removed.
QStringList SetNames(const QString& file);
std::optional<RememberedState> LoadSet(const QString& file, const QString& name);
void SaveSet(const QString& file, const QString& name, const RememberedState& state);
void RemoveSet(const QString& file, const QString& name);

// A sheet or class set the window made (printed or saved at least in part),
// kept so that it can be made again from a list without typing its code.
struct RecentSheets {
  QDateTime made;
  int first = 0;  // the print numbers of its first and last sheet
  int last = 0;
  std::vector<int> patterns;
  QString instruction;  // the line its codes were made with
  QStringList codes;    // one a sheet, in order

  bool operator==(const RecentSheets& o) const {
    return made == o.made && first == o.first && last == o.last && patterns == o.patterns &&
           instruction == o.instruction && codes == o.codes;
  }
};

// How many recent ones are kept: enough for a few weeks of daily sheets.
inline constexpr int kRecentLimit = 20;

// The recent sheets kept in `file`, newest first; an entry that cannot be
// read is left out.
std::vector<RecentSheets> LoadRecent(const QString& file);
// Puts `sheets` first, in place of an entry of the same codes (the same
// sheets made again), dropping the oldest beyond kRecentLimit.
void AddRecent(const QString& file, const RecentSheets& sheets);

}  // namespace kazenori
