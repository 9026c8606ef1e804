// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/ComponentText.h"

namespace kazenori {

QString QuoteText(const QString& s) {
  QString q = s;
  q.replace(QLatin1Char('\''), QLatin1String("''"));
  return QLatin1Char('\'') + q + QLatin1Char('\'');
}

ItemReader::ItemReader(const QString& text) : text_(text) {}

void ItemReader::SkipSpace() {
  while (pos_ < text_.size() && text_[pos_].isSpace()) ++pos_;
}

bool ItemReader::OpenList() {
  SkipSpace();
  if (pos_ < text_.size() && text_[pos_] == QLatin1Char('(')) {
    ++pos_;
    return true;
  }
  return false;
}

bool ItemReader::ReadString(QString* out) {
  SkipSpace();
  if (pos_ >= text_.size() || text_[pos_] != QLatin1Char('\'')) return false;
  QString s;
  qsizetype i = pos_ + 1;
  while (i < text_.size()) {
    if (text_[i] == QLatin1Char('\'')) {
      if (i + 1 < text_.size() && text_[i + 1] == QLatin1Char('\'')) {
        s += QLatin1Char('\'');
        i += 2;
        continue;
      }
      pos_ = i + 1;
      *out = s;
      return true;
    }
    s += text_[i++];
  }
  return false;  // unterminated
}

bool ItemReader::ReadInt(int* out) {
  SkipSpace();
  qsizetype end = pos_;
  if (end < text_.size() && (text_[end] == QLatin1Char('-') || text_[end] == QLatin1Char('+'))) {
    ++end;
  }
  while (end < text_.size() && text_[end].isDigit() && text_[end].unicode() < 128) ++end;
  bool ok = false;
  const int v = QStringView(text_).mid(pos_, end - pos_).toInt(&ok);
  if (!ok) return false;
  pos_ = end;
  *out = v;
  return true;
}

QString ComponentText::Value(const QString& property) const {
  for (const auto& p : properties) {
    if (p.first == property) return p.second;
  }
  return QString();
}

bool ParseComponentText(const QString& text, ComponentText* out) {
  const QStringList lines = text.split(QLatin1Char('\n'));
  if (lines.isEmpty()) return false;
  const QString head = lines.front().trimmed();
  if (!head.startsWith(QLatin1String("object "))) return false;
  const QString decl = head.mid(7);
  const qsizetype colon = decl.indexOf(QLatin1Char(':'));
  out->name = (colon < 0 ? decl : decl.left(colon)).trimmed();
  out->className = colon < 0 ? QString() : decl.mid(colon + 1).trimmed();
  out->properties.clear();
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line == QLatin1String("end")) break;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0) continue;
    out->properties.emplace_back(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
  }
  return true;
}

QString FormatComponentText(const ComponentText& c) {
  QString s = QStringLiteral("object %1: %2\n").arg(c.name, c.className);
  for (const auto& p : c.properties) s += QStringLiteral("  %1 = %2\n").arg(p.first, p.second);
  s += QLatin1String("end\n");
  return s;
}

}  // namespace kazenori
