// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pages/paper.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QSizeF>
#include <QTransform>

#include <memory>
#include <vector>

class QPainter;

namespace kazenori {

// One drawing step of a recorded page. Geometry is in the logical units of
// `transform`, which maps them onto the page (0.1 mm from its top-left corner).
struct PageItem {
  enum class Kind { Text, Path, Image };
  Kind kind = Kind::Path;
  QTransform transform;
  int clip = -1;  // index into PageRecording::Clips(), -1 for none
  QPen pen;       // text colour for Text
  QBrush brush;
  double opacity = 1.0;
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
  // Path (and the outlines of an emboldened text run)
  QPainterPath path;
  // Text: baseline origin, the run and its font (pixel size in logical units).
  // A bold run of a face without bold of its own is kept in the regular face,
  // its glyph outlines in `path`, stroked with a pen of `emboldening` width in
  // the run's colour: the same ink on every device, the text still text.
  QPointF origin;
  QString text;
  QFont font;
  double emboldening = 0;
  // Image
  QImage image;
  QRectF target;
  QRectF source;
};

// A page kept as a display list of our own: text runs with font, colour and
// position, paths (fills, lines, ellipses), images and clips. It is used instead
// of QPicture, which reports the screen's resolution and scales its replay by
// the target's resolution over the screen's, and whose automatic bounding box
// leaves text out. Here everything is in page units (0.1 mm), a replay is one
// transform onto any device, and tests read a page's items directly.
class PageRecording {
 public:
  PageRecording() = default;
  explicit PageRecording(QSizeF size) : size_(size) {}

  // Page size in 0.1 mm.
  QSizeF Size() const { return size_; }
  const std::vector<PageItem>& Items() const { return items_; }
  // Clip paths in page coordinates.
  const std::vector<QPainterPath>& Clips() const { return clips_; }
  bool IsEmpty() const { return items_.empty(); }
  void Clear();
  // A copy to be played on another thread while this one is played here: its
  // paths are copied through, since a path computes its bounds lazily into
  // the data its copies share, and a texture is kept as an image.
  PageRecording Unshared() const;

  // Draws the page with `pageToDevice` after the painter's own transform. The
  // painter's clip, if any, still applies.
  void Play(QPainter& painter, const QTransform& pageToDevice) const;
  // Draws the page stretched into target (corners may be given reversed, which
  // turns the page by 180 degrees).
  void PlayInto(QPainter& painter, const QPointF& topLeft, const QPointF& bottomRight) const;
  // Appends another page's items mapped by `transform`, each clipped also to `outerClip`
  // (page coordinates of this recording; an empty path means none).
  void Append(const PageRecording& other, const QTransform& transform,
              const QPainterPath& outerClip);

  // Recording interface of the paint engine.
  void Add(PageItem item) { items_.push_back(std::move(item)); }
  int AddClip(const QPainterPath& clip);

 private:
  static void ApplyClip(QPainter& painter, const QPainterPath& path, const QTransform& base);
  static void PlayItem(QPainter& painter, const PageItem& item, const PageItem* last,
                       const QTransform& base);

  QSizeF size_;
  std::vector<PageItem> items_;
  std::vector<QPainterPath> clips_;
};

// The maps from a page of `size` into the rectangle spanned by two corners.
QTransform StretchTransform(QSizeF size, const QPointF& topLeft, const QPointF& bottomRight);

class RecordingEngine;

// A paint device that records into a PageRecording. One unit is 0.1 mm: the
// device reports 254 dots per inch, so point sizes and pixel sizes agree with
// the page units.
class PageRecorder final : public QPaintDevice {
 public:
  static constexpr int kDpi = kPageUnitsPerInch;
  explicit PageRecorder(PageRecording* target);
  ~PageRecorder() override;
  PageRecorder(const PageRecorder&) = delete;
  PageRecorder& operator=(const PageRecorder&) = delete;

  PageRecording* Target() const { return target_; }
  QPaintEngine* paintEngine() const override;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  PageRecording* target_;
  std::unique_ptr<RecordingEngine> engine_;
};

}  // namespace kazenori
