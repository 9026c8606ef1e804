// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/pagepainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <optional>

#include "pages/fonts.h"
#include "pages/pagerecording.h"
#include "pages/textmetrics.h"

namespace kazenori {

QString SheetFontFamily() {
  return QString::fromUtf8(kSheetFontFamily);
}

QFont TextItemFont(const TextItem& item) {
  QFont font(SheetFontFamily());
  font.setBold(item.bold);
  font.setItalic(false);
  font.setUnderline(false);
  font.setPixelSize(item.height);
  return font;
}

namespace {

// What every item in one font shares, measured once for a run of them: a
// grid sheet centres a hundred items in one font.
struct FontPlacing {
  explicit FontPlacing(const TextMetrics& m) : ascent(m.Ascent()), halfHeight(m.HalfHeight()) {}
  double ascent;
  int halfHeight;
};

QPointF Origin(TextAlign align, int x, int y, const QString& text, const TextMetrics& m,
               const FontPlacing& shared) {
  double left = x;
  double top = y;
  switch (align) {
    case TextAlign::Left:
      left = x + m.LeftOverhang(text);
      break;
    case TextAlign::LeftMid:
      left = x + m.LeftOverhang(text);
      top = y - shared.halfHeight;
      break;
    case TextAlign::Center:
      left = x - std::ceil(m.Width(text) / 2);
      top = y - shared.halfHeight;
      break;
    case TextAlign::Right:
      left = x - m.RightOverhang(text) - m.Width(text);
      break;
  }
  // Items place the top of the text cell; QPainter draws at the baseline.
  return {left, top + shared.ascent};
}

}  // namespace

QPointF TextItemOrigin(TextAlign align, int x, int y, const QString& text, const QFont& font,
                       QPaintDevice* device) {
  const TextMetrics m(font, device);
  return Origin(align, x, y, text, m, FontPlacing(m));
}

namespace {

// A bold run of a face without a bold one, as the recording replays it: the
// regular glyphs, their outlines stroked in the same ink.
void DrawEmboldened(QPainter& painter, const QPointF& origin, const QString& text) {
  QFont regular = painter.font();
  regular.setWeight(QFont::Normal);
  QPainterPath outline;
  outline.addText(origin, regular, text);
  painter.save();
  painter.setFont(regular);
  painter.drawText(origin, text);
  painter.strokePath(outline,
                     EmboldeningPen(painter.pen().brush(), EmboldeningWidth(regular.pixelSize())));
  painter.restore();
}

// Rules go down first: a cell's text stands on its lines, never under them.
void PaintRules(QPainter& painter, const std::vector<RuleItem>& rules) {
  for (const RuleItem& rule : rules) {
    painter.setPen(QPen(Qt::black, rule.width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawLine(QPointF(rule.from.x, rule.from.y), QPointF(rule.to.x, rule.to.y));
  }
}

}  // namespace

void PaintPage(QPainter& painter, const WorksheetPage& page) {
  // A recording emboldens such runs itself, so that every replay does alike.
  const bool recording = dynamic_cast<PageRecorder*>(painter.device()) != nullptr;
  painter.setBrush(Qt::NoBrush);
  if (!page.rules.empty()) PaintRules(painter, page.rules);
  const TextItem* last = nullptr;
  std::optional<TextMetrics> metrics;
  std::optional<FontPlacing> placing;
  for (const TextItem& item : page.items) {
    if (!last || item.height != last->height || item.bold != last->bold) {
      painter.setFont(TextItemFont(item));
      metrics.emplace(painter.font(), painter.device());
      placing.emplace(*metrics);
    }
    if (!last || item.colour != last->colour) painter.setPen(ToQColor(item.colour));
    last = &item;
    if (item.text.empty()) continue;
    const QString text = QString::fromStdString(item.text);
    const QPointF origin = Origin(item.align, item.x, item.y, text, *metrics, *placing);
    if (item.bold && !recording && !HasOwnBoldFace(painter.font())) {
      DrawEmboldened(painter, origin, text);
    } else {
      painter.drawText(origin, text);
    }
  }
}

}  // namespace kazenori
