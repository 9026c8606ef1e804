// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace kazenori {

// The small text form in which components are stored and snapshotted:
//   object <name>: <class>
//     <Property> = <value>
//   end
// Strings are quoted with ' (doubled inside); lists are items in parentheses.

QString QuoteText(const QString& s);

// Reads a value or a list of values item by item.
class ItemReader {
 public:
  explicit ItemReader(const QString& text);
  bool ReadString(QString* out);
  bool ReadInt(int* out);
  // Skips "(" at the start of a list.
  bool OpenList();

 private:
  void SkipSpace();
  QString text_;
  qsizetype pos_ = 0;
};

struct ComponentText {
  QString name;
  QString className;
  std::vector<std::pair<QString, QString>> properties;  // in stored order
  // The raw value text of a property, or a null string.
  QString Value(const QString& property) const;
};

// False when the text does not start with an "object" line.
bool ParseComponentText(const QString& text, ComponentText* out);
QString FormatComponentText(const ComponentText& c);

}  // namespace kazenori
