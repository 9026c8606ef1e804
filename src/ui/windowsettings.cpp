// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowsettings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

#include "generation/patterncatalogue.h"

namespace kazenori {

namespace {

// Raised when the meaning of a key changes; a file of a later format is
// read by no older program.
constexpr int kFormat = 1;

bool ItemIndex(int index, int count) {
  return index >= 0 && index < count;
}

}  // namespace

QString DefaultSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/kazenori/kazenori.ini");
}

namespace {

const QString kSetsGroup = QStringLiteral("sets");

// The state under the current group; nothing when a value is out of range.
std::optional<RememberedState> ReadState(const QSettings& settings) {
  RememberedState s;
  for (const QString& entry : settings.value(QStringLiteral("patterns")).toStringList()) {
    bool ok = false;
    const int n = entry.toInt(&ok);
    if (!ok || n < 1 || n > kPatternCount) return std::nullopt;
    s.patterns.push_back(n);
  }
  s.zero = settings.value(QStringLiteral("zero"), 0).toInt();
  s.hide = settings.value(QStringLiteral("hide"), 0).toInt();
  s.blank = settings.value(QStringLiteral("blank"), 0).toInt();
  s.instruction = settings.value(QStringLiteral("instruction")).toString();
  s.sheets = settings.value(QStringLiteral("sheets"), 1).toInt();
  s.printNumber = settings.value(QStringLiteral("printNumber"), s.printNumber).toString();
  // Files from before the grid sheet hold neither key: no grid, as then.
  s.grid = settings.value(QStringLiteral("grid"), 0).toInt();
  s.gridSize = settings.value(QStringLiteral("gridSize"), 10).toInt();
  // Files of earlier versions have none of these: the original sheet.
  s.problems = settings.value(QStringLiteral("problems"), s.problems).toInt();
  s.redAnswers = settings.value(QStringLiteral("redAnswers"), false).toBool();
  s.score = settings.value(QStringLiteral("score"), false).toBool();
  s.paper = settings.value(QStringLiteral("paper"), 0).toInt();
  if (!ItemIndex(s.paper, 3) || !ItemIndex(s.zero, 2) || !ItemIndex(s.hide, 3) ||
      !ItemIndex(s.blank, 3) || s.sheets < 1 || s.sheets > 99 ||
      (s.problems != 20 && s.problems != 30 && s.problems != 50) || !ItemIndex(s.grid, 4) ||
      (s.gridSize != 5 && s.gridSize != 10)) {
    return std::nullopt;
  }
  return s;
}

void WriteState(QSettings& settings, const RememberedState& state) {
  QStringList patterns;
  for (int n : state.patterns) patterns << QString::number(n);
  settings.setValue(QStringLiteral("patterns"), patterns);
  settings.setValue(QStringLiteral("zero"), state.zero);
  settings.setValue(QStringLiteral("hide"), state.hide);
  settings.setValue(QStringLiteral("blank"), state.blank);
  settings.setValue(QStringLiteral("instruction"), state.instruction);
  settings.setValue(QStringLiteral("sheets"), state.sheets);
  settings.setValue(QStringLiteral("printNumber"), state.printNumber);
  settings.setValue(QStringLiteral("grid"), state.grid);
  settings.setValue(QStringLiteral("gridSize"), state.gridSize);
  settings.setValue(QStringLiteral("problems"), state.problems);
  settings.setValue(QStringLiteral("redAnswers"), state.redAnswers);
  settings.setValue(QStringLiteral("score"), state.score);
  settings.setValue(QStringLiteral("paper"), state.paper);
}

}  // namespace

LoadedState LoadState(const QString& file) {
  if (!QFileInfo::exists(file)) return {};
  const QString damaged = QStringLiteral("設定ファイルが壊れているため、初期設定で始めます: %1");
  QSettings settings(file, QSettings::IniFormat);
  bool formatRead = false;
  const int format = settings.value(QStringLiteral("format")).toInt(&formatRead);
  if (settings.status() != QSettings::NoError || !formatRead) return {{}, damaged.arg(file)};
  if (format > kFormat) {
    return {{}, QStringLiteral("新しい版の設定ファイルのため、初期設定で始めます: %1").arg(file)};
  }
  std::optional<RememberedState> state = ReadState(settings);
  if (!state) return {{}, damaged.arg(file)};
  return {state, {}};
}

void SaveState(const QString& file, const RememberedState& state) {
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(QStringLiteral("format"), kFormat);
  WriteState(settings, state);
  settings.sync();
}

QStringList SetNames(const QString& file) {
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(kSetsGroup);
  return settings.childGroups();
}

std::optional<RememberedState> LoadSet(const QString& file, const QString& name) {
  if (!SetNames(file).contains(name)) return std::nullopt;
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(kSetsGroup);
  settings.beginGroup(name);
  return ReadState(settings);
}

void SaveSet(const QString& file, const QString& name, const RememberedState& state) {
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(QStringLiteral("format"), kFormat);
  settings.beginGroup(kSetsGroup);
  settings.remove(name);
  settings.beginGroup(name);
  WriteState(settings, state);
  settings.endGroup();
  settings.endGroup();
  settings.sync();
}

void RemoveSet(const QString& file, const QString& name) {
  QSettings settings(file, QSettings::IniFormat);
  settings.beginGroup(kSetsGroup);
  settings.remove(name);
  settings.endGroup();
  settings.sync();
}

namespace {

const QString kRecentArray = QStringLiteral("recent");

}  // namespace

std::vector<RecentSheets> LoadRecent(const QString& file) {
  QSettings settings(file, QSettings::IniFormat);
  std::vector<RecentSheets> recent;
  const int count = settings.beginReadArray(kRecentArray);
  for (int i = 0; i < count; ++i) {
    settings.setArrayIndex(i);
    RecentSheets r;
    r.made = settings.value(QStringLiteral("made")).toDateTime();
    r.first = settings.value(QStringLiteral("first")).toInt();
    r.last = settings.value(QStringLiteral("last")).toInt();
    r.instruction = settings.value(QStringLiteral("instruction")).toString();
    r.codes = settings.value(QStringLiteral("codes")).toStringList();
    bool patternsRead = true;
    for (const QString& entry : settings.value(QStringLiteral("patterns")).toStringList()) {
      const int n = entry.toInt(&patternsRead);
      if (!patternsRead || n < 1 || n > kPatternCount) break;
      r.patterns.push_back(n);
    }
    if (patternsRead && r.made.isValid() && !r.codes.isEmpty()) recent.push_back(std::move(r));
  }
  settings.endArray();
  return recent;
}

void AddRecent(const QString& file, const RecentSheets& sheets) {
  std::vector<RecentSheets> recent = LoadRecent(file);
  recent.erase(std::remove_if(recent.begin(), recent.end(),
                              [&](const RecentSheets& r) { return r.codes == sheets.codes; }),
               recent.end());
  recent.insert(recent.begin(), sheets);
  if (recent.size() > static_cast<std::size_t>(kRecentLimit)) recent.resize(kRecentLimit);
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(QStringLiteral("format"), kFormat);
  settings.remove(kRecentArray);
  settings.beginWriteArray(kRecentArray, static_cast<int>(recent.size()));
  for (std::size_t i = 0; i < recent.size(); ++i) {
    const RecentSheets& r = recent[i];
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue(QStringLiteral("made"), r.made);
    settings.setValue(QStringLiteral("first"), r.first);
    settings.setValue(QStringLiteral("last"), r.last);
    QStringList patterns;
    for (int n : r.patterns) patterns << QString::number(n);
    settings.setValue(QStringLiteral("patterns"), patterns);
    settings.setValue(QStringLiteral("instruction"), r.instruction);
    settings.setValue(QStringLiteral("codes"), r.codes);
  }
  settings.endArray();
  settings.sync();
}

}  // namespace kazenori
