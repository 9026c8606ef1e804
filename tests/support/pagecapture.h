// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reads the text of a recorded page the way a reader of the sheet sees it:
// each run with its place on the page in 0.1 mm.

#include <QColor>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

#include "pages/pagepainter.h"
#include "pages/pagerecording.h"
#include "pages/paper.h"
#include "pages/previewdocument.h"

namespace kazenori::testing {

struct CapturedText {
  QString text;
  QPointF origin;      // baseline start on the page, 0.1 mm
  QRectF ink;          // bounding box of the ink on the page, 0.1 mm
  double advance = 0;  // advance width on the page, 0.1 mm
  int pixelSize = 0;
  bool bold = false;
  QColor colour;
};

inline std::vector<CapturedText> CaptureText(const PageRecording& page) {
  std::vector<CapturedText> out;
  for (const PageItem& item : page.Items()) {
    if (item.kind != PageItem::Kind::Text) continue;
    const QFontMetricsF fm(item.font);
    CapturedText t;
    t.text = item.text;
    t.origin = item.transform.map(item.origin);
    const double e = item.emboldening / 2;
    t.ink = item.transform.mapRect(
        fm.tightBoundingRect(item.text).translated(item.origin).adjusted(-e, -e, e, e));
    t.advance =
        item.transform.mapRect(QRectF(item.origin, QSizeF(fm.horizontalAdvance(item.text), 1)))
            .width();
    t.pixelSize = item.font.pixelSize();
    t.bold = item.font.bold() || item.emboldening > 0;
    t.colour = item.pen.color();
    out.push_back(t);
  }
  return out;
}

// The first run whose text contains `needle`, or nullptr.
inline const CapturedText* FindText(const std::vector<CapturedText>& texts, const QString& needle) {
  for (const CapturedText& t : texts) {
    if (t.text.contains(needle)) return &t;
  }
  return nullptr;
}

// Draws `region` of the page (0.1 mm) into a white image, `scale` pixels per 0.1 mm.
inline QImage RenderRegion(const PageRecording& page, const QRectF& region, double scale) {
  QImage image(qCeil(region.width() * scale), qCeil(region.height() * scale), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  page.Play(painter, QTransform::fromTranslate(-region.left(), -region.top()) *
                         QTransform::fromScale(scale, scale));
  return image;
}

// Where the ink of `region` is, on the page in 0.1 mm (pixels darker than mid grey).
inline QRectF InkOnPage(const PageRecording& page, const QRectF& region, double scale = 4) {
  const QImage image = RenderRegion(page, region, scale);
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(line[x]) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  if (box.isEmpty()) return QRectF();
  return QRectF(region.left() + box.left() / scale, region.top() + box.top() / scale,
                box.width() / scale, box.height() / scale);
}

// Text on the page being recorded, placed by its ink as a worksheet's text
// items are, in the canvas's font (a point size taken as on paper) and pen.
inline void PlaceText(PreviewDocument& doc, TextAlign align, int x, int y, const QString& text) {
  QPainter* canvas = doc.Canvas();
  if (canvas == nullptr) return;
  canvas->setFont(WithPageUnitSize(canvas->font()));
  if (text.isEmpty()) return;
  canvas->drawText(TextItemOrigin(align, x, y, text, canvas->font(), canvas->device()), text);
}

}  // namespace kazenori::testing
