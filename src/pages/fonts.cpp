// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "composition/worksheet.h"

namespace kazenori {

bool RegisterFontSubstitutions() {
  struct Substitution {
    const char16_t* name;
    const char* substitute;
  };
  static const Substitution kSubstitutions[] = {
      {kSheetFontFamily, "IPAGothic"},
      {u"ＭＳ Ｐゴシック", "IPAPGothic"},
  };
  const QStringList families = QFontDatabase::families();
  bool all = true;
  for (const auto& s : kSubstitutions) {
    const QString name = QString::fromUtf16(s.name);
    const QString substitute = QString::fromLatin1(s.substitute);
    QFont::removeSubstitutions(name);
    QFont::insertSubstitution(name, substitute);
    if (!families.contains(substitute, Qt::CaseInsensitive)) {
      all = false;
      std::fprintf(stderr,
                   "kazenori: the font \"%s\" (used for \"%s\") is not installed; "
                   "Japanese text will be drawn in a fallback font. "
                   "Install the Debian package fonts-ipafont-gothic.\n",
                   s.substitute, qUtf8Printable(name));
    }
  }
  return all;
}

bool HasOwnBoldFace(const QFont& font) {
  const QFontInfo info(font);
  return QFontDatabase::weight(info.family(), info.styleName()) >= QFont::DemiBold;
}

QPen EmboldeningPen(const QBrush& ink, double width) {
  return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace kazenori
