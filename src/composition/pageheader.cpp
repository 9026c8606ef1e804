// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/pageheader.h"

#include <QFont>
#include <QPainter>

#include <stdexcept>

#include "preview/plPrev.h"

namespace kazenori {

void SetFontHeight(QPainter& canvas, int height) {
  QFont font = canvas.font();
  font.setPixelSize(height);
  canvas.setFont(font);
}

void SetFontBold(QPainter& canvas, bool bold) {
  QFont font = canvas.font();
  font.setBold(bold);
  canvas.setFont(font);
}

void DrawPageHeader(TCustomplPrev& doc, const PageGeometry& g, std::int32_t printNumber,
                    const QString& instruction, bool setUpCanvas) {
  QPainter* canvas = doc.Canvas();
  if (canvas == nullptr) throw std::logic_error("page header drawn outside a document");
  if (setUpCanvas) {
    QFont font(QString::fromUtf8(kSheetFont));
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    canvas->setFont(font);
    canvas->setPen(QColor(Qt::black));
    canvas->setBrush(Qt::NoBrush);
    canvas->setBackgroundMode(Qt::TransparentMode);
  }
  SetFontHeight(*canvas, 30);
  doc.TextOutLeft(g.left + 50, g.top + 50,
                  QStringLiteral("問題No.") + QString::number(printNumber));
  SetFontHeight(*canvas, 80);
  doc.TextOutRight(g.left + g.width - 50, g.top + 70, QString::fromUtf8(kNameBox));
  SetFontHeight(*canvas, 60);
  doc.TextOutLeft(g.left + 50, g.top + 170, instruction);
  SetFontHeight(*canvas, 40);
  doc.TextOutLeftMid(g.left + 100, g.top + 300, QString::fromUtf8(kDateLine));
  SetFontHeight(*canvas, 60);
}

}  // namespace kazenori
