// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/previewdocument.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

#include "pages/pagepainter.h"

namespace kazenori {

namespace {

// 10.5 points in 0.1 mm (37.04), the canvas's starting font.
constexpr int kDefaultFontHeight = 37;

QFont DefaultPageFont() {
  QFont font(SheetFontFamily());
  font.setPixelSize(kDefaultFontHeight);
  return font;
}

}  // namespace

PageRange NormalisedPageRange(int first, int last, int pageCount) {
  PageRange r{std::min(first, last), std::max(first, last)};
  if (r.first > pageCount) r.first = pageCount;
  if (r.last > pageCount) r.last = pageCount;
  if (r.first <= 0) r.first = 1;
  if (r.last <= 0) r.last = pageCount;
  return r;
}

PreviewDocument::PreviewDocument(QObject* parent) : QObject(parent) {}

PreviewDocument::~PreviewDocument() {
  if (canvas_ && canvas_->isActive()) canvas_->end();
}

QPainter* PreviewDocument::Canvas() const {
  if (canvas_ && canvas_->isActive()) return canvas_.get();
  return nullptr;
}

void PreviewDocument::BeginDocument() {
  if (canvas_ && canvas_->isActive()) canvas_->end();
  pages_.clear();
  recorded_ = true;
  pageCount_ = 1;
  StartPageRecording();
  canvas_->setFont(DefaultPageFont());
}

void PreviewDocument::StartPageRecording() {
  recording_ = PageRecording(QSizeF(paper_.width, paper_.height));
  if (!canvas_) canvas_ = std::make_unique<QPainter>();
  canvas_->begin(&recorder_);
  ClipToPrintableArea(*canvas_);
  canvas_->setBrush(Qt::NoBrush);
}

void PreviewDocument::ClipToPrintableArea(QPainter& painter) const {
  painter.setClipRect(paper_.PrintableArea(), Qt::IntersectClip);
}

void PreviewDocument::StorePage() {
  pages_.push_back(std::move(recording_));
  recording_ = PageRecording();
}

void PreviewDocument::NewPage() {
  if (!Canvas()) return;
  const QFont font = canvas_->font();
  const QPen pen = canvas_->pen();
  const QBrush brush = canvas_->brush();
  const Qt::BGMode bgMode = canvas_->backgroundMode();
  const QPainter::CompositionMode mode = canvas_->compositionMode();
  canvas_->end();
  StorePage();
  StartPageRecording();
  canvas_->setFont(font);
  canvas_->setPen(pen);
  canvas_->setBrush(brush);
  canvas_->setBackgroundMode(bgMode);
  canvas_->setCompositionMode(mode);
  canvas_->setBrush(Qt::NoBrush);
}

void PreviewDocument::EndDocument() {
  if (!Canvas()) return;
  canvas_->end();
  StorePage();
  pageCount_ = static_cast<int>(pages_.size());
}

void PreviewDocument::AddPage(PageRecording page) {
  EndDocument();
  if (!recorded_) pages_.clear();
  recorded_ = true;
  pages_.push_back(std::move(page));
  pageCount_ = static_cast<int>(pages_.size());
}

const PageRecording* PreviewDocument::Page(int page) const {
  if (page < 1 || static_cast<size_t>(page) > pages_.size()) return nullptr;
  return &pages_[static_cast<size_t>(page - 1)];
}

// A tractor-feed source is drawn as continuous paper with its sprocket holes.
void PreviewDocument::DrawTractorFeed(QPainter& c) const {
  const QString source = paper_.source.normalized(QString::NormalizationForm_KC);
  if (!source.contains(QStringLiteral("トラクタ"))) return;
  const int w = paper_.width;
  const int h = paper_.height;
  c.save();
  c.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0));
  c.setBrush(QGuiApplication::palette().color(QPalette::Button));
  for (int y = 40;; y += 127) {
    c.drawEllipse(QRect(QPoint(40, y), QPoint(80, y + 40)));
    c.drawEllipse(QRect(QPoint(w - 80, y), QPoint(w - 40, y + 40)));
    if (y >= h) break;
  }
  c.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
  c.drawLine(127, 0, 127, h);
  c.drawLine(w - 127, 0, w - 127, h);
  c.restore();
}

PageRecording PreviewDocument::ComposedPage(int page, PageUse use) const {
  PageRecording composed(QSizeF(paper_.width, paper_.height));
  if (!recorded_ || pages_.empty()) return composed;
  page = std::clamp(page, 1, std::min(pageCount_, static_cast<int>(pages_.size())));
  if (use == PageUse::Screen) {
    PageRecorder recorder(&composed);
    QPainter c(&recorder);
    c.fillRect(QRect(0, 0, paper_.width, paper_.height), Qt::white);
    DrawTractorFeed(c);
  }
  const PageRecording& stored = pages_[static_cast<size_t>(page - 1)];
  QPainterPath clip;
  clip.addRect(paper_.PrintableArea());
  composed.Append(
      stored, StretchTransform(stored.Size(), QPointF(0, 0), QPointF(paper_.width, paper_.height)),
      clip);
  return composed;
}

}  // namespace kazenori
