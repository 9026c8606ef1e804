// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

#include "composition/worksheet.h"

class QPainter;
class QPaintDevice;

namespace kazenori {

// The core's plain values as Qt's: the sheet font's family and an item's ink.
QString SheetFontFamily();
inline QColor ToQColor(Rgb ink) {
  return {ink.red, ink.green, ink.blue};
}

// The font of a text item: the sheet font at the item's height (a pixel size
// in the painter's units, 0.1 mm on a page) and weight.
QFont TextItemFont(const TextItem& item);

// The baseline origin of `text` in `font` on `device` for an item placed at
// x, y with `align`: the ink's side bearings decide the left and right edges,
// so a line starts where its first glyph's ink does whatever the font.
QPointF TextItemOrigin(TextAlign align, int x, int y, const QString& text, const QFont& font,
                       QPaintDevice* device);

// Paints a page's items with `painter` in its current transform and clip
// (one unit 0.1 mm); leaves the painter's font and pen at the last item's.
void PaintPage(QPainter& painter, const WorksheetPage& page);

}  // namespace kazenori
