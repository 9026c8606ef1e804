// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/pagerecording.h"

#include <QPaintEngine>
#include <QPainter>

#include "pages/fonts.h"
#include "pages/paper.h"

namespace kazenori {

void PageRecording::Clear() {
  items_.clear();
  clips_.clear();
}

namespace {

QPainterPath UnsharedPath(const QPainterPath& path) {
  QPainterPath copy;
  copy.setFillRule(path.fillRule());
  copy.addPath(path);
  return copy;
}

}  // namespace

PageRecording PageRecording::Unshared() const {
  PageRecording copy = *this;
  for (PageItem& item : copy.items_) {
    if (!item.path.isEmpty()) item.path = UnsharedPath(item.path);
    // A pixmap belongs to the GUI thread; an image may go anywhere.
    if (item.brush.style() == Qt::TexturePattern) {
      item.brush.setTextureImage(item.brush.textureImage());
    }
  }
  for (QPainterPath& clip : copy.clips_) clip = UnsharedPath(clip);
  return copy;
}

int PageRecording::AddClip(const QPainterPath& clip) {
  if (!clips_.empty() && clips_.back() == clip) return static_cast<int>(clips_.size()) - 1;
  clips_.push_back(clip);
  return static_cast<int>(clips_.size()) - 1;
}

namespace {

bool IsRectangle(const QPainterPath& path, QRectF* rect) {
  const QPolygonF polygon = path.toFillPolygon();
  const QRectF box = polygon.boundingRect();
  if (polygon.size() < 4 || polygon.size() > 5) return false;
  for (const QPointF& p : polygon) {
    const bool onX = qFuzzyCompare(p.x(), box.left()) || qFuzzyCompare(p.x(), box.right());
    const bool onY = qFuzzyCompare(p.y(), box.top()) || qFuzzyCompare(p.y(), box.bottom());
    if (!onX || !onY) return false;
  }
  *rect = box;
  return true;
}

}  // namespace

QTransform StretchTransform(QSizeF size, const QPointF& topLeft, const QPointF& bottomRight) {
  if (size.width() <= 0 || size.height() <= 0) return QTransform();
  const double sx = (bottomRight.x() - topLeft.x()) / size.width();
  const double sy = (bottomRight.y() - topLeft.y()) / size.height();
  return QTransform(sx, 0, 0, sy, topLeft.x(), topLeft.y());
}

void PageRecording::PlayInto(QPainter& painter, const QPointF& topLeft,
                             const QPointF& bottomRight) const {
  Play(painter, StretchTransform(size_, topLeft, bottomRight));
}

void PageRecording::Play(QPainter& painter, const QTransform& pageToDevice) const {
  painter.save();
  const QTransform base = pageToDevice * painter.worldTransform();
  painter.save();  // the state without any of our clips, restored at each clip change
  int clip = -1;
  // Painter state is set only where it changes from one item to the next.
  const PageItem* last = nullptr;
  for (const PageItem& item : items_) {
    if (item.clip != clip) {
      painter.restore();
      painter.save();
      clip = item.clip;
      last = nullptr;
      if (clip >= 0) ApplyClip(painter, clips_[static_cast<size_t>(clip)], base);
    }
    PlayItem(painter, item, last, base);
    last = &item;
  }
  painter.restore();
  painter.restore();
}

void PageRecording::ApplyClip(QPainter& painter, const QPainterPath& path, const QTransform& base) {
  painter.setWorldTransform(base);
  QRectF rect;
  // Rectangles clip much faster than general paths.
  if (IsRectangle(path, &rect)) {
    painter.setClipRect(rect, Qt::IntersectClip);
  } else {
    painter.setClipPath(path, Qt::IntersectClip);
  }
}

void PageRecording::PlayItem(QPainter& painter, const PageItem& item, const PageItem* last,
                             const QTransform& base) {
  if (!last || last->transform != item.transform) painter.setWorldTransform(item.transform * base);
  if (!last || last->opacity != item.opacity) painter.setOpacity(item.opacity);
  if (!last || last->composition != item.composition) painter.setCompositionMode(item.composition);
  if (!last || last->pen != item.pen) painter.setPen(item.pen);
  switch (item.kind) {
    case PageItem::Kind::Text:
      if (!last || last->kind != PageItem::Kind::Text || last->font != item.font) {
        painter.setFont(item.font);
      }
      painter.drawText(item.origin, item.text);
      if (item.emboldening > 0 && item.pen.style() != Qt::NoPen) {
        painter.strokePath(item.path, EmboldeningPen(item.pen.brush(), item.emboldening));
      }
      break;
    case PageItem::Kind::Path:
      painter.setBrush(item.brush);
      painter.drawPath(item.path);
      break;
    case PageItem::Kind::Image:
      painter.drawImage(item.target, item.image, item.source);
      break;
  }
}

void PageRecording::Append(const PageRecording& other, const QTransform& transform,
                           const QPainterPath& outerClip) {
  std::vector<int> clipMap(other.clips_.size(), -2);
  const int outer = outerClip.isEmpty() ? -1 : AddClip(outerClip);
  items_.reserve(items_.size() + other.items_.size());
  for (const PageItem& source : other.items_) {
    PageItem item = source;
    item.transform = source.transform * transform;
    if (source.clip < 0) {
      item.clip = outer;
    } else {
      int& mapped = clipMap[static_cast<size_t>(source.clip)];
      if (mapped == -2) {
        QPainterPath c = transform.map(other.clips_[static_cast<size_t>(source.clip)]);
        if (!outerClip.isEmpty()) c = c.intersected(outerClip);
        clips_.push_back(c);
        mapped = static_cast<int>(clips_.size()) - 1;
      }
      item.clip = mapped;
    }
    items_.push_back(std::move(item));
  }
}

// Records what a QPainter draws. It claims every feature so that QPainter hands
// over text, transforms and clips as they are instead of emulating them.
class RecordingEngine final : public QPaintEngine {
 public:
  explicit RecordingEngine(PageRecorder* device) : QPaintEngine(AllFeatures), device_(device) {}

  bool begin(QPaintDevice*) override {
    clipDirty_ = true;
    clip_ = -1;
    return device_->Target() != nullptr;
  }
  bool end() override { return true; }
  Type type() const override { return static_cast<Type>(QPaintEngine::User + 7); }

  // Pen, brush, opacity and composition are read from the painter at each
  // drawing call, never kept from its change notices: a painter begun again
  // starts from its defaults and announces no change to a pen it believes is
  // already black, so a kept copy would go on drawing in the last document's ink.
  void updateState(const QPaintEngineState& state) override {
    if (state.state() & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled | DirtyTransform)) {
      clipDirty_ = true;
    }
  }

  void drawPath(const QPainterPath& path) override { AddPath(path, painter()->brush()); }

  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
    QPainterPath path;
    if (count <= 0) return;
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i) path.lineTo(points[i]);
    if (mode == PolylineMode) {
      AddPath(path, Qt::NoBrush);
      return;
    }
    path.closeSubpath();
    path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    AddPath(path, painter()->brush());
  }

  void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
    drawImage(r, pm.toImage(), sr, Qt::AutoColor);
  }

  void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                 Qt::ImageConversionFlags) override {
    PageItem item = Begin(PageItem::Kind::Image);
    item.image = image;
    item.target = r;
    item.source = sr;
    device_->Target()->Add(std::move(item));
  }

  void drawTextItem(const QPointF& p, const QTextItem& textItem) override {
    PageItem item = Begin(PageItem::Kind::Text);
    item.origin = p;
    item.text = textItem.text();
    QFont font = textItem.font();
    // A point size would be read again at the replay device's resolution; the
    // page's own units keep the size whatever the device.
    font = WithPageUnitSize(font);
    // QPainter draws underline, overline and strike-out itself as separate
    // fills, which we record; replaying them with the font would draw them twice.
    font.setUnderline(false);
    font.setOverline(false);
    font.setStrikeOut(false);
    if (font.bold() && font.pixelSize() > 0 && !HasOwnBoldFace(font)) {
      font.setWeight(QFont::Normal);
      item.path.addText(p, font, item.text);
      item.emboldening = EmboldeningWidth(font.pixelSize());
    }
    item.font = font;
    device_->Target()->Add(std::move(item));
  }

 private:
  PageItem Begin(PageItem::Kind kind) {
    PageItem item;
    item.kind = kind;
    QPainter* p = painter();
    item.transform = p->combinedTransform();
    if (clipDirty_) {
      clip_ = p->hasClipping() ? device_->Target()->AddClip(item.transform.map(p->clipPath())) : -1;
      clipDirty_ = false;
    }
    item.clip = clip_;
    item.pen = p->pen();
    item.opacity = p->opacity();
    item.composition = p->compositionMode();
    return item;
  }

  void AddPath(const QPainterPath& path, const QBrush& brush) {
    PageItem item = Begin(PageItem::Kind::Path);
    item.path = path;
    item.brush = brush;
    device_->Target()->Add(std::move(item));
  }

  PageRecorder* device_;
  bool clipDirty_ = true;
  int clip_ = -1;
};

PageRecorder::PageRecorder(PageRecording* target)
    : target_(target), engine_(std::make_unique<RecordingEngine>(this)) {}

PageRecorder::~PageRecorder() = default;

QPaintEngine* PageRecorder::paintEngine() const {
  return engine_.get();
}

int PageRecorder::metric(PaintDeviceMetric m) const {
  const QSizeF size = target_ ? target_->Size() : QSizeF();
  switch (m) {
    case PdmWidth:
      return static_cast<int>(size.width());
    case PdmHeight:
      return static_cast<int>(size.height());
    case PdmWidthMM:
      return static_cast<int>(size.width() / 10);
    case PdmHeightMM:
      return static_cast<int>(size.height() / 10);
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDepth:
      return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return kDpi;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
  }
  return 0;
}

}  // namespace kazenori
