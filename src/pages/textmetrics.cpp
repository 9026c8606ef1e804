// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/textmetrics.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cfenv>
#include <cmath>

namespace kazenori {

namespace {

// The glyph whose bearing counts: a lone surrogate half has no glyph of its own.
bool BearingChar(const QString& s, bool last, QChar* c) {
  if (s.isEmpty()) return false;
  const QChar ch = last ? s.back() : s.front();
  if (ch.isSurrogate()) return false;
  *c = ch;
  return true;
}

// How far the ink of c reaches right of its advance, on the device. An upright
// glyph's reported bearing is its ink. A face without an italic is slanted by the
// font engine, whose bearings then belong to the slanted cell and claim an
// overhang the slanted outline does not have, so for italics the outline decides.
double RightInkBeyondAdvance(const QFont& font, QPaintDevice* device, QChar c) {
  const QFontMetricsF fm(font, device);
  if (!font.italic()) return -fm.rightBearing(c);
  QPainterPath outline;
  outline.addText(0, 0, font, QString(c));
  if (outline.isEmpty()) return 0;
  // The outline is laid out without the device: scale it to the device's advance.
  const double advance = QFontMetricsF(font).horizontalAdvance(c);
  const double scale = advance > 0 ? fm.horizontalAdvance(c) / advance : 1;
  return (outline.boundingRect().right() - advance) * scale;
}

}  // namespace

int RoundHalfEven(double v) {
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double r = std::nearbyint(v);
  std::fesetround(saved);
  return static_cast<int>(r);
}

TextMetrics::TextMetrics(const QFont& font, QPaintDevice* device) : font_(font), device_(device) {}

double TextMetrics::Width(const QString& s) const {
  return QFontMetricsF(font_, device_).horizontalAdvance(s);
}

int TextMetrics::HalfHeight() const {
  const QFontMetricsF fm(font_, device_);
  return static_cast<int>(
      std::ceil(fm.size(Qt::TextSingleLine, QStringLiteral("Hg")).height() / 2));
}

double TextMetrics::Ascent() const {
  return QFontMetricsF(font_, device_).ascent();
}

int TextMetrics::LeftOverhang(const QString& s) const {
  QChar c;
  if (!BearingChar(s, false, &c)) return 0;
  const double a = QFontMetricsF(font_, device_).leftBearing(c);
  return a < 0 ? RoundHalfEven(-a) : 0;
}

int TextMetrics::RightOverhang(const QString& s) const {
  QChar c;
  if (!BearingChar(s, true, &c)) return 0;
  const double r = RightInkBeyondAdvance(font_, device_, c);
  return r > 0 ? RoundHalfEven(r) : 0;
}

}  // namespace kazenori
