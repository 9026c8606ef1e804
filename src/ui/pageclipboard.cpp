// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pageclipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "pages/pagerecording.h"

namespace kazenori {

namespace {
constexpr int kClipboardDpi = 150;
}

QByteArray PagePdf(const PageRecording& page) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    // One device dot per page unit (0.1 mm).
    writer.setResolution(PageRecorder::kDpi);
    const QSizeF size = page.Size();
    writer.setPageSize(QPageSize(QSizeF(size.width() / 10.0, size.height() / 10.0),
                                 QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    page.Play(painter, QTransform());
    painter.end();
  }
  return bytes;
}

QImage PageImage(const PageRecording& page, int dotsPerInch) {
  const double scale = dotsPerInch / static_cast<double>(PageRecorder::kDpi);
  const QSize size(static_cast<int>(page.Size().width() * scale),
                   static_cast<int>(page.Size().height() * scale));
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(dotsPerInch / 0.0254));
  image.setDotsPerMeterY(static_cast<int>(dotsPerInch / 0.0254));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  page.Play(painter, QTransform::fromScale(scale, scale));
  painter.end();
  return image;
}

void CopyPageToClipboard(const PageRecording& page) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("application/pdf"), PagePdf(page));
  data->setImageData(PageImage(page, kClipboardDpi));
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setMimeData(data);
}

void CopyImageToClipboard(const QImage& image) {
  if (image.isNull()) return;
  QGuiApplication::clipboard()->setImage(image);
}

}  // namespace kazenori
