// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TCustomplPrev: recording a document and composing its pages.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>

#include <cmath>

#include "preview/PagePainter.h"
#include "preview/TextUtils.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

namespace {

// Font heights are pixel sizes in 0.1 mm; a size given in points is turned into
// one so that replaying on a device of another resolution keeps it.
QFont PageFont(QFont font) {
  if (font.pixelSize() <= 0 && font.pointSizeF() > 0) {
    font.setPixelSize(std::max(1, qRound(font.pointSizeF() * PageRecorder::kDpi / 72.0)));
  }
  return font;
}

// 10.5 points in 0.1 mm (37.04), the canvas's starting font.
constexpr int kDefaultFontHeight = 37;

QFont DefaultPageFont() {
  QFont font(SheetFontFamily());
  font.setPixelSize(kDefaultFontHeight);
  return font;
}

const std::vector<TextOperation> kNoOperations;

}  // namespace

QPainter* TCustomplPrev::Canvas() const {
  if (composing_) return composeCanvas_.get();
  if (canvas_ && canvas_->isActive()) return canvas_.get();
  return nullptr;
}

void TCustomplPrev::BeginDoc() {
  StartDocument(true);
}

void TCustomplPrev::BeginNextDoc() {
  StartDocument(!recorded_);
}

void TCustomplPrev::StartDocument(bool askPrinter) {
  if (qGuiApp) {
    if (cursorSet_) {
      QGuiApplication::changeOverrideCursor(QCursor(cursor_));
    } else {
      QGuiApplication::setOverrideCursor(QCursor(cursor_));
      cursorSet_ = true;
    }
  }
  if (askPrinter) {
    if (!noPrinter_) {
      if (setPrinter_->objectName() == QLatin1String("Default")) {
        setPrinter_->SyncFromPrinter(false);
      } else {
        setPrinter_->ReapplySettings();
      }
      savedSettings_ = setPrinter_->WriteToText();
    }
    ComputePageMetrics();
    btnOptions_.Exclude(TplPrevBtnOption::boPrinterSetBtn);
  }
  if (canvas_ && canvas_->isActive()) canvas_->end();
  pages_.clear();
  textOps_.clear();
  currentOps_.clear();
  recorded_ = true;
  currentPage_ = 1;
  pageCount_ = 1;
  rangeFirst_ = 1;
  StartPageRecording(true);
  SetupPageMapping(false);
}

void TCustomplPrev::StartPageRecording(bool newDocument) {
  if (newDocument) {
    recording_ = PageRecording();
    if (viewWidth_ == 0) viewWidth_ = paperWidth_;
    if (viewHeight_ == 0) viewHeight_ = paperHeight_;
  }
  recording_.Clear();
  recording_.SetSize(QSizeF(viewWidth_, viewHeight_));
  if (!canvas_) canvas_ = std::make_unique<QPainter>();
  canvas_->begin(&recorder_);
  canvas_->setFont(DefaultPageFont());
  QCoreApplication::processEvents();
}

void TCustomplPrev::SetupPageMapping(bool withBackground) {
  QPainter* c = Canvas();
  if (!c) return;
  if (withBackground) DrawPaperBackground();
  if (viewClip_) {
    c->setClipRect(QRect(printableLeft_, printableTop_, printableRight_ - printableLeft_,
                         printableBottom_ - printableTop_),
                   Qt::IntersectClip);
  }
  c->setBrush(Qt::NoBrush);
}

void TCustomplPrev::DrawPaperBackground() {
  QPainter* c = Canvas();
  if (printing_ || outputMode_ || !c) return;
  const int w = viewWidth_;
  const int h = viewHeight_;
  c->fillRect(QRect(0, 0, w, h), paperColor_);
  if (OnNoPrintDraw) OnNoPrintDraw(this, currentPage_);
  if (!noPrinter_) sourceName_ = setPrinter_->GetBinName();
  // A tractor-feed source is drawn as continuous paper with its sprocket holes.
  const QString source = sourceName_.normalized(QString::NormalizationForm_KC);
  if (!source.contains(QStringLiteral("トラクタ"))) return;
  c->save();
  c->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0));
  c->setBrush(QGuiApplication::palette().color(QPalette::Button));
  for (int y = 40;; y += 127) {
    c->drawEllipse(QRect(QPoint(40, y), QPoint(80, y + 40)));
    c->drawEllipse(QRect(QPoint(w - 80, y), QPoint(w - 40, y + 40)));
    if (y >= h) break;
  }
  c->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
  c->drawLine(127, 0, 127, h);
  c->drawLine(w - 127, 0, w - 127, h);
  c->restore();
  c->setBrush(paperColor_);
}

void TCustomplPrev::StorePage() {
  const size_t index = static_cast<size_t>(currentPage_ - 1);
  if (pages_.size() <= index) {
    pages_.resize(index + 1);
    textOps_.resize(index + 1);
  }
  pages_[index] = std::move(recording_);
  textOps_[index] = std::move(currentOps_);
  recording_ = PageRecording(QSizeF(viewWidth_, viewHeight_));
  currentOps_.clear();
}

void TCustomplPrev::NewPage() {
  if (!canvas_ || !canvas_->isActive()) return;
  const QFont font = canvas_->font();
  const QPen pen = canvas_->pen();
  const QBrush brush = canvas_->brush();
  const Qt::BGMode bgMode = canvas_->backgroundMode();
  const QPainter::CompositionMode mode = canvas_->compositionMode();
  canvas_->end();
  StorePage();
  ++currentPage_;
  StartPageRecording(false);
  canvas_->setFont(font);
  canvas_->setPen(pen);
  canvas_->setBrush(brush);
  canvas_->setBackgroundMode(bgMode);
  canvas_->setCompositionMode(mode);
  SetupPageMapping(false);
}

void TCustomplPrev::EndDoc() {
  if (!canvas_ || !canvas_->isActive()) return;
  canvas_->end();
  StorePage();
  pageCount_ = currentPage_;
  rangeLast_ = pageCount_;
  currentPage_ = 1;
  if (cursorSet_ && qGuiApp) {
    QGuiApplication::restoreOverrideCursor();
    cursorSet_ = false;
  }
}

const std::vector<TextOperation>& TCustomplPrev::TextOperations(int page) const {
  if (page < 1 || static_cast<size_t>(page) > textOps_.size()) return kNoOperations;
  return textOps_[static_cast<size_t>(page - 1)];
}

const PageRecording* TCustomplPrev::Page(int page) const {
  if (page < 1 || static_cast<size_t>(page) > pages_.size()) return nullptr;
  return &pages_[static_cast<size_t>(page - 1)];
}

void TCustomplPrev::TextOutLeft(int x, int y, const QString& text) {
  TextOut(TextOperation::Kind::Left, x, y, text);
}
void TCustomplPrev::TextOutLeftMid(int x, int y, const QString& text) {
  TextOut(TextOperation::Kind::LeftMid, x, y, text);
}
void TCustomplPrev::TextOutCenter(int x, int y, const QString& text) {
  TextOut(TextOperation::Kind::Center, x, y, text);
}
void TCustomplPrev::TextOutRight(int x, int y, const QString& text) {
  TextOut(TextOperation::Kind::Right, x, y, text);
}

void TCustomplPrev::TextOut(TextOperation::Kind kind, int x, int y, const QString& text) {
  QPainter* c = Canvas();
  if (!c) return;
  c->setBrush(Qt::NoBrush);
  const QFont font = PageFont(c->font());
  if (font != c->font()) c->setFont(font);
  if (c == canvas_.get()) {
    TextOperation op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.fontHeight = font.pixelSize();
    op.bold = font.bold();
    op.italic = font.italic();
    op.underline = font.underline();
    op.colour = c->pen().color();
    op.family = font.family();
    op.text = text;
    currentOps_.push_back(std::move(op));
  }
  if (text.isEmpty()) return;
  // TextOperation::Kind lists the alignments in the order of TextAlign.
  c->drawText(TextItemOrigin(static_cast<TextAlign>(kind), x, y, text, font, c->device()), text);
}

const PageRecording* TCustomplPrev::GetPageImage(int page) {
  if (!recorded_ || pages_.empty()) return nullptr;
  if (page <= 0) page = 1;
  if (page > pageCount_) page = pageCount_;
  if (page > static_cast<int>(pages_.size())) page = static_cast<int>(pages_.size());
  // Closing the window forgets the view size; a page shown again takes the paper's.
  if (viewWidth_ == 0) viewWidth_ = paperWidth_;
  if (viewHeight_ == 0) viewHeight_ = paperHeight_;
  composed_ = PageRecording(QSizeF(viewWidth_, viewHeight_));
  if (!composeCanvas_) composeCanvas_ = std::make_unique<QPainter>();
  composeCanvas_->begin(&composeRecorder_);
  composeCanvas_->setFont(DefaultPageFont());
  composing_ = true;
  struct Close {
    TCustomplPrev* self;
    ~Close() {
      self->composeCanvas_->end();
      self->composing_ = false;
    }
  } close{this};
  SetupPageMapping(!printing_);
  const PageRecording& stored = pages_[static_cast<size_t>(page - 1)];
  QPainterPath clip;
  if (viewClip_) {
    clip.addRect(QRectF(printableLeft_, printableTop_, printableRight_ - printableLeft_,
                        printableBottom_ - printableTop_));
  }
  composed_.Append(stored,
                   StretchTransform(stored.Size(), QPointF(0, 0), QPointF(viewWidth_, viewHeight_)),
                   clip);
  if (OnBeforeView) OnBeforeView(this, page);
  return &composed_;
}

}  // namespace kazenori
