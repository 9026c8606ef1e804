// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/fonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

#include <fontconfig/fontconfig.h>

#include "composition/worksheet.h"

namespace kazenori {

namespace {

// Whether a font of this family is installed, under whichever of its names.
// Qt's own lists name a family in the user's language ("IPAゴシック" under a
// Japanese locale) and would report the font missing to every Japanese user;
// fontconfig matches any of a font's family names.
bool FamilyInstalled(const QString& family) {
  const QByteArray name = family.toUtf8();
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
  const bool found = fonts != nullptr && fonts->nfont > 0;
  if (fonts != nullptr) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

}  // namespace

bool RegisterFontSubstitutions() {
  struct Substitution {
    const char* name;
    const char* substitute;
  };
  static const Substitution kSubstitutions[] = {
      {kSheetFontFamily, "IPAGothic"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"},
  };
  bool all = true;
  for (const auto& s : kSubstitutions) {
    const QString name = QString::fromUtf8(s.name);
    const QString substitute = QString::fromLatin1(s.substitute);
    QFont::removeSubstitutions(name);
    // The windows name their font by what stands for it (see WindowFont): a
    // machine that has the font itself keeps it.
    if (FamilyInstalled(name)) continue;
    QFont::insertSubstitution(name, substitute);
    if (!FamilyInstalled(substitute)) {
      all = false;
      // In the user's language where the program's catalogue is installed.
      const QString text = QCoreApplication::translate(
          "kazenori",
          "kazenori: the font \"%1\" (used for \"%2\") is not installed; "
          "Japanese text will be drawn in a fallback font. "
          "Install the Debian package fonts-ipafont-gothic.\n");
      std::fputs(qUtf8Printable(text.arg(substitute, name)), stderr);
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
