// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/deferredicon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace kazenori {

namespace {

// Hands every request on to the style's icon, made at the first one. The
// requests reach an engine in device pixels where the screen scales, and
// QIcon's own calls take logical ones, hence the scale in the sizes below.
class DeferredIconEngine final : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = AppScale();
    return icon().actualSize(size / scale, mode, state) * scale;
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size / scale, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QString iconName() override { return icon().name(); }
  // Known without asking: every style has a picture for each standard icon.
  bool isNull() override { return made_ && icon_.isNull(); }
  QString key() const override { return QStringLiteral("kazenori-deferred"); }
  QIconEngine* clone() const override {
    auto* copy = new DeferredIconEngine(style_, which_);
    copy->icon_ = icon_;
    copy->made_ = made_;
    return copy;
  }

 private:
  static qreal AppScale() {
    const qreal scale = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    return scale > 1.0 ? scale : 1.0;
  }

  const QIcon& icon() {
    if (!made_) {
      made_ = true;
      // A style replaced since leaves the application's.
      const QStyle* style = style_ ? style_.data() : QApplication::style();
      if (style != nullptr) icon_ = style->standardIcon(which_);
    }
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QIcon icon_;
  bool made_ = false;
};

}  // namespace

QIcon DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which) {
  return QIcon(new DeferredIconEngine(style, which));
}

}  // namespace kazenori
