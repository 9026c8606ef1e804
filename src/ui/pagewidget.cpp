// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pagewidget.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace kazenori {

namespace {

// The page keeps this far from the desk's edges when it is laid out, and the
// desk reaches this far past the page.
constexpr int kLayoutMargin = 15;
constexpr int kScrollMargin = 10;
const QColor kShadowColour(0x74, 0x74, 0x74);

int Truncate(double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

// The scrolled surface: paints what its page widget says and hands it the mouse.
class PageWidget::Desk : public QWidget {
 public:
  explicit Desk(PageWidget& owner) : owner_(owner) { setBackgroundRole(QPalette::Button); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    owner_.paintDesk(painter);
  }
  void mousePressEvent(QMouseEvent* event) override { owner_.pressed(event); }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (owner_.dragging_) owner_.dragTo(event->position().toPoint());
  }
  void mouseReleaseEvent(QMouseEvent* event) override { owner_.released(event); }

 private:
  PageWidget& owner_;
};

PageWidget::PageWidget(QWidget* parent) : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  setBackgroundRole(QPalette::Button);
  setWidget(new Desk(*this));
}

void PageWidget::setPage(const PageRecording& page, double aspect) {
  page_ = page;
  aspect_ = aspect;
  widget()->update();
}

QRect PageWidget::frameBounds() const {
  if (!page_) return QRect();
  return QRect(bounds_.x() - 1, bounds_.y() - 1, bounds_.width() + 1, bounds_.height() + 1);
}

QRect PageWidget::shadowBounds() const {
  if (!page_) return QRect();
  return QRect(bounds_.x() + 2, bounds_.y() + 2, bounds_.width() + 2, bounds_.height() + 2);
}

void PageWidget::paintDesk(QPainter& painter) const {
  if (!page_) return;
  painter.fillRect(shadowBounds(), kShadowColour);
  painter.save();
  painter.setClipRect(bounds_);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  page_->PlayInto(painter, bounds_.topLeft(),
                  bounds_.topLeft() + QPointF(bounds_.width(), bounds_.height()));
  painter.restore();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frameBounds().adjusted(0, 0, -1, -1));
}

// The desk reaches past the page by the scroll margin, as far as the page goes.
void PageWidget::placePage(const QRect& bounds) {
  bounds_ = bounds;
  const QSize view = viewport()->size();
  widget()->resize(std::max(view.width(), bounds.right() + 1 + kScrollMargin),
                   std::max(view.height(), bounds.bottom() + 1 + kScrollMargin));
  widget()->update();
}

void PageWidget::showScrollBars(bool show) {
  const Qt::ScrollBarPolicy policy = show ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  setHorizontalScrollBarPolicy(policy);
  setVerticalScrollBarPolicy(policy);
}

void PageWidget::scrollHome() {
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

int PageWidget::heightFor(int width) const {
  return Truncate(aspect_ * width);
}

void PageWidget::showWholePage() {
  zoom_ = Zoom::WholePage;
  laidOutFor_ = size();
  showScrollBars(false);
  scrollHome();
  const int boxWidth = width();
  const int boxHeight = height();
  QRect bounds;
  if (aspect_ > static_cast<double>(boxHeight) / std::max(1, boxWidth)) {
    const int pageHeight = boxHeight - 2 * kLayoutMargin;
    const int pageWidth = Truncate(pageHeight / aspect_);
    bounds = QRect(Truncate((boxWidth - pageWidth) / 2.0), kLayoutMargin, pageWidth, pageHeight);
  } else {
    const int pageWidth = boxWidth - 2 * kLayoutMargin;
    const int pageHeight = heightFor(pageWidth);
    bounds = QRect(kLayoutMargin, Truncate((boxHeight - pageHeight) / 2.0), pageWidth, pageHeight);
  }
  zoomed_ = bounds;
  widget()->resize(size());
  placePage(bounds);
}

void PageWidget::showPageWidth() {
  zoom_ = Zoom::PageWidth;
  laidOutFor_ = size();
  showScrollBars(true);
  scrollHome();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const bool barShown = verticalScrollBar()->isVisible();
  int pageWidth = width() - (barShown ? bar : 0) - 2 * kLayoutMargin;
  // A page taller than the view brings the vertical scroll bar, which takes
  // its width from the view: lay out once more for the narrower view.
  if (!barShown && kLayoutMargin + heightFor(pageWidth) + kScrollMargin > height()) {
    pageWidth = width() - bar - 2 * kLayoutMargin;
  }
  zoomed_ = QRect(kLayoutMargin, kLayoutMargin, pageWidth, heightFor(pageWidth));
  placePage(zoomed_);
}

bool PageWidget::zoomOut() {
  zoom_ = Zoom::Free;
  showScrollBars(true);
  if (zoomed_.width() <= 100) return false;
  const int pageWidth = Truncate(zoomed_.width() * 90.0 / 100.0);
  zoomed_ = QRect(zoomed_.topLeft(), QSize(pageWidth, heightFor(pageWidth)));
  placePage(zoomed_);
  return true;
}

bool PageWidget::zoomIn() {
  zoom_ = Zoom::Free;
  showScrollBars(true);
  const QSize screenSize = screen()->size();
  if (bounds_.width() >= 2 * screenSize.width() || bounds_.height() >= 3 * screenSize.height()) {
    return false;
  }
  const int pageWidth = Truncate(zoomed_.width() * 100.0 / 90.0);
  zoomed_ = QRect(bounds_.topLeft(), QSize(pageWidth, heightFor(pageWidth)));
  placePage(zoomed_);
  return true;
}

// A resize of the view alone (scroll bars coming or going, as when a drag
// shows them) arrives here too; only the window's own resize lays out again.
void PageWidget::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  if (!page_ || size() == laidOutFor_) return;
  if (zoom_ == Zoom::WholePage) showWholePage();
  if (zoom_ == Zoom::PageWidth) showPageWidth();
}

// A notch of the wheel (120) scrolls 24 pixels; a fraction of a fifth nothing.
void PageWidget::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    if (const int y = event->angleDelta().y(); y != 0) emit zoomRequested(y > 0 ? 1 : -1);
    event->accept();
    return;
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->value() - event->angleDelta().y() / 5);
  event->accept();
}

// The menu opens over the middle of the page that shows.
void PageWidget::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey || !page_) {
    QScrollArea::keyPressEvent(event);
    return;
  }
  const QRect shown = bounds_.intersected(QRect(-widget()->pos(), viewport()->size()));
  emit contextMenuRequested(
      widget()->mapToGlobal(shown.isEmpty() ? bounds_.center() : shown.center()));
  event->accept();
}

void PageWidget::pressed(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!page_ || !bounds_.contains(at)) return;
  grip_ = at - bounds_.topLeft();
  if (event->button() == Qt::RightButton) {
    emit contextMenuRequested(widget()->mapToGlobal(at));
  } else if (event->button() == Qt::LeftButton) {
    showScrollBars(true);
    dragging_ = true;
  }
}

// The page follows the mouse, the point it was gripped at staying under it;
// the desk grows to hold it, never shrinks.
void PageWidget::dragTo(const QPoint& deskPos) {
  const QPoint delta = deskPos - bounds_.topLeft() - grip_;
  if (delta.isNull()) return;
  bounds_.translate(delta);
  QWidget* desk = widget();
  desk->resize(std::max(desk->width(), bounds_.right() + 1 + kScrollMargin),
               std::max(desk->height(), bounds_.bottom() + 1 + kScrollMargin));
  desk->update();
}

void PageWidget::released(QMouseEvent* event) {
  if (!dragging_) return;
  dragTo(event->position().toPoint());
  dragging_ = false;
}

}  // namespace kazenori
