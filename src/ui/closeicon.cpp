// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/closeicon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace kazenori {

namespace {

class CloseIconEngine final : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    const QPalette palette = QGuiApplication::palette();
    const QColor ink = palette.color(
        mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::ButtonText);
    // The cross fills the middle of the square the icon is given, with a
    // stroke that grows with it, as a glyph of the button's text would.
    const qreal side = qMin(rect.width(), rect.height());
    const qreal arm = side * 0.3;
    const QPointF centre = QRectF(rect).center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ink, qMax<qreal>(1.5, side / 8), Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter->drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    painter->restore();
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  // Requests come in device pixels; the cross is drawn at that resolution.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(), size), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  bool isNull() override { return false; }
  QString key() const override { return QStringLiteral("kazenori-close"); }
  QIconEngine* clone() const override { return new CloseIconEngine; }
};

}  // namespace

QIcon CloseIcon() {
  return QIcon(new CloseIconEngine);
}

}  // namespace kazenori
