// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview window's layouts, zoom steps, wheel and dragging.
#include "preview/PLPREVFRM.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PreviewWindowClipboard.h"
#include "print/printerselection.h"

namespace kazenori {

namespace {

constexpr int kLayoutMargin = 15;
constexpr int kScrollMargin = 10;

int Truncate(double value) {
  return static_cast<int>(std::trunc(value));
}

}  // namespace

double TplPrevForm::Aspect() const {
  if (!component_) return 297.0 / 210.0;
  const Paper& paper = component_->PagePaper();
  if (paper.width > 0) return static_cast<double>(paper.height) / paper.width;
  return 297.0 / 210.0;
}

void TplPrevForm::SetImageBounds(const QRect& bounds) {
  Image1->setGeometry(bounds);
  // The scrolled area reaches past the page by the scroll margin, as far as
  // the page goes.
  QWidget* canvas = ScrollBox1->widget();
  const QSize view = ScrollBox1->viewport()->size();
  canvas->resize(std::max(view.width(), bounds.right() + 1 + kScrollMargin),
                 std::max(view.height(), bounds.bottom() + 1 + kScrollMargin));
}

void TplPrevForm::PlaceFrameAndShadow() {
  if (Image1->isHidden()) return;
  const QRect image = Image1->geometry();
  Shape2->setGeometry(image.x() + 2, image.y() + 2, image.width() + 2, image.height() + 2);
  Shape1->setGeometry(image.x() - 1, image.y() - 1, image.width() + 1, image.height() + 1);
  Shape2->lower();
  Shape1->raise();
}

void TplPrevForm::ShowScrollBars(bool show) {
  const Qt::ScrollBarPolicy policy = show ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  ScrollBox1->setHorizontalScrollBarPolicy(policy);
  ScrollBox1->setVerticalScrollBarPolicy(policy);
}

void TplPrevForm::PageWholeBtnClick() {
  zoom_ = Zoom::WholePage;
  ShowScrollBars(false);
  ScrollBox1->horizontalScrollBar()->setValue(0);
  ScrollBox1->verticalScrollBar()->setValue(0);
  const double a = Aspect();
  const int boxWidth = ScrollBox1->width();
  const int boxHeight = ScrollBox1->height();
  QRect bounds;
  if (a > static_cast<double>(boxHeight) / std::max(1, boxWidth)) {
    const int height = boxHeight - 2 * kLayoutMargin;
    const int width = Truncate(height / a);
    bounds = QRect(Truncate((boxWidth - width) / 2.0), kLayoutMargin, width, height);
  } else {
    const int width = boxWidth - 2 * kLayoutMargin;
    const int height = Truncate(a * width);
    bounds = QRect(kLayoutMargin, Truncate((boxHeight - height) / 2.0), width, height);
  }
  stored_ = bounds;
  ScrollBox1->widget()->resize(ScrollBox1->size());
  SetImageBounds(bounds);
  PlaceFrameAndShadow();
  if (!ProcessPending()) return;
  ZoomDownBtn->setEnabled(true);
  ZoomUpBtn->setEnabled(true);
}

void TplPrevForm::PageWidthBtnClick() {
  zoom_ = Zoom::PageWidth;
  ShowScrollBars(true);
  ScrollBox1->horizontalScrollBar()->setValue(0);
  ScrollBox1->verticalScrollBar()->setValue(0);
  const double a = Aspect();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox1);
  const bool barShown = ScrollBox1->verticalScrollBar()->isVisible();
  int clientWidth = ScrollBox1->width() - (barShown ? bar : 0);
  int width = clientWidth - 2 * kLayoutMargin;
  int height = Truncate(a * width);
  // A page taller than the box brings the vertical scroll bar, which takes
  // its width from the client area: lay out once more for the narrower area.
  if (!barShown && kLayoutMargin + height + kScrollMargin > ScrollBox1->height()) {
    clientWidth = ScrollBox1->width() - bar;
    width = clientWidth - 2 * kLayoutMargin;
    height = Truncate(a * width);
  }
  stored_ = QRect(kLayoutMargin, kLayoutMargin, width, height);
  SetImageBounds(stored_);
  PlaceFrameAndShadow();
  if (!ProcessPending()) return;
  ZoomDownBtn->setEnabled(true);
  ZoomUpBtn->setEnabled(true);
}

void TplPrevForm::ZoomDownBtnClick() {
  zoom_ = Zoom::Free;
  ShowScrollBars(true);
  if (stored_.width() > 100) {
    const int width = Truncate(stored_.width() * 90.0 / 100.0);
    stored_ = QRect(stored_.left(), stored_.top(), width, Truncate(Aspect() * width));
    SetImageBounds(stored_);
    PlaceFrameAndShadow();
    if (!ProcessPending()) return;
  } else {
    ZoomDownBtn->setEnabled(false);
  }
  ZoomUpBtn->setEnabled(true);
}

void TplPrevForm::ZoomUpBtnClick() {
  zoom_ = Zoom::Free;
  ShowScrollBars(true);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QSize screenSize = screen ? screen->size() : QSize(800, 600);
  if (Image1->width() < 2 * screenSize.width() && Image1->height() < 3 * screenSize.height()) {
    const int width = Truncate(stored_.width() * 100.0 / 90.0);
    stored_ = QRect(Image1->x(), Image1->y(), width, Truncate(Aspect() * width));
    SetImageBounds(stored_);
    PlaceFrameAndShadow();
    if (!ProcessPending()) return;
  } else {
    ZoomUpBtn->setEnabled(false);
  }
  ZoomDownBtn->setEnabled(true);
}

bool TplPrevForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
    return WheelScroll(static_cast<QWheelEvent*>(event));
  }
  if (watched == ScrollBox1 && event->type() == QEvent::Resize && shown_ && component_ &&
      !Image1->isHidden()) {
    if (zoom_ == Zoom::WholePage) PageWholeBtnClick();
    if (zoom_ == Zoom::PageWidth) PageWidthBtnClick();
  }
  return QDialog::eventFilter(watched, event);
}

bool TplPrevForm::WheelScroll(QWheelEvent* event) {
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  bar->setValue(bar->value() - event->angleDelta().y() / 5);
  event->accept();
  return true;
}

void TplPrevForm::ImageMouseDown(QMouseEvent* event) {
  pressPos_ = event->position().toPoint();
  if (event->button() == Qt::RightButton) {
    const bool noPrinter = NoPrinter();
    N2->setEnabled(!noPrinter);
    N3->setEnabled(!noPrinter);
    PopupMenu1->popup(Image1->mapToGlobal(pressPos_));
    return;
  }
  if (event->button() == Qt::LeftButton && component_) {
    ShowScrollBars(true);
    dragging_ = true;
  }
}

void TplPrevForm::MoveImageBy(const QPoint& delta) {
  if (delta.isNull()) return;
  for (QWidget* widget : {static_cast<QWidget*>(Image1), Shape1, Shape2})
    widget->move(widget->pos() + delta);
  const QRect image = Image1->geometry();
  QWidget* canvas = ScrollBox1->widget();
  canvas->resize(std::max(canvas->width(), image.right() + 1 + kScrollMargin),
                 std::max(canvas->height(), image.bottom() + 1 + kScrollMargin));
  ScrollBox1->viewport()->update();
}

void TplPrevForm::ImageMouseMove(QMouseEvent* event) {
  if (!dragging_) return;
  MoveImageBy(event->position().toPoint() - pressPos_);
}

void TplPrevForm::ImageMouseUp(QMouseEvent* event) {
  if (!dragging_) return;
  MoveImageBy(event->position().toPoint() - pressPos_);
  dragging_ = false;
}

}  // namespace kazenori
