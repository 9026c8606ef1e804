// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QScrollArea>
#include <optional>

#include "pages/pagerecording.h"

namespace kazenori {

// One recorded page on the grey desk of a scroll area, stretched to the
// current zoom, with a black frame and a shadow. The left button drags the
// page about, the right one asks for the page's context menu, the wheel
// scrolls. Sizes are screen pixels.
class PageWidget : public QScrollArea {
  Q_OBJECT

 public:
  enum class Zoom { WholePage, PageWidth, Free };

  explicit PageWidget(QWidget* parent = nullptr);

  // The page shown, and its height over its width (the paper's).
  void setPage(const PageRecording& page, double aspect);
  bool hasPage() const { return page_.has_value(); }
  Zoom zoom() const { return zoom_; }

  // The whole page centred in the view; the page across the view's width.
  void showWholePage();
  void showPageWidth();
  // A tenth smaller (false once the page is 100 pixels wide or narrower), a
  // ninth larger (false once it is twice the screen's width or three times
  // its height). The steps compound on the size the last zoom set; zooming
  // out returns to the place it set, zooming in starts where the page is.
  bool zoomOut();
  bool zoomIn();

  // Where the page, its frame and its shadow stand on the desk.
  QRect pageBounds() const { return page_ ? bounds_ : QRect(); }
  QRect frameBounds() const;
  QRect shadowBounds() const;
  QWidget* desk() const { return widget(); }
  bool isDragging() const { return dragging_; }

 signals:
  // The right button was pressed on the page at `globalPos`, or the menu
  // key (or Shift+F10) with the page in focus.
  void contextMenuRequested(const QPoint& globalPos);
  // Ctrl and the wheel: a notch away from the user zooms in (+1), towards
  // the user out (-1).
  void zoomRequested(int direction);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Desk;

  void paintDesk(QPainter& painter) const;
  void placePage(const QRect& bounds);
  void showScrollBars(bool show);
  void scrollHome();
  int heightFor(int width) const;
  void pressed(QMouseEvent* event);
  void dragTo(const QPoint& deskPos);
  void released(QMouseEvent* event);

  std::optional<PageRecording> page_;
  double aspect_ = 297.0 / 210.0;
  Zoom zoom_ = Zoom::WholePage;
  QRect bounds_;  // where the page stands now
  QRect zoomed_;  // where the last zoom put it
  bool dragging_ = false;
  QPoint grip_;       // the point of the page the mouse holds while dragging
  QSize laidOutFor_;  // the widget's size when the whole page or page width was laid out
};

}  // namespace kazenori
