#pragma once

// Reads the text of a recorded page the way a reader of the sheet sees it:
// each run with its place on the page in 0.1 mm.

#include <QColor>
#include <QFontMetricsF>
#include <QRectF>
#include <QString>

#include <vector>

#include "preview/PageRecording.h"

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
    t.ink = item.transform.mapRect(fm.tightBoundingRect(item.text).translated(item.origin));
    t.advance =
        item.transform.mapRect(QRectF(item.origin, QSizeF(fm.horizontalAdvance(item.text), 1)))
            .width();
    t.pixelSize = item.font.pixelSize();
    t.bold = item.font.bold();
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

}  // namespace kazenori::testing
