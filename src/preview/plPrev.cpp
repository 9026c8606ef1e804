// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TCustomplPrev: construction, properties, page metrics and the stored paper values.
#include "preview/plPrev.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include <cmath>

#include "preview/ComponentText.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

QString WriteDesignPaperValue(const DesignPaperValue& v) {
  QStringList items = {QuoteText(v.printerName), QuoteText(v.paperName), QuoteText(v.sourceName)};
  for (int n :
       {v.paperWidth, v.paperHeight, v.verticalResolution, v.horizontalResolution, v.landscape,
        v.printableLeft, v.printableRight, v.printableTop, v.printableBottom, v.paperCode}) {
    items << QString::number(n);
  }
  return QLatin1Char('(') + items.join(QLatin1Char(' ')) + QLatin1Char(')');
}

void ReadDesignPaperValue(const QString& text, DesignPaperValue& v) {
  ItemReader r(text);
  if (!r.OpenList()) return;
  for (QString* s : {&v.printerName, &v.paperName, &v.sourceName}) {
    if (!r.ReadString(s)) return;
  }
  for (int* n :
       {&v.paperWidth, &v.paperHeight, &v.verticalResolution, &v.horizontalResolution, &v.landscape,
        &v.printableLeft, &v.printableRight, &v.printableTop, &v.printableBottom, &v.paperCode}) {
    if (!r.ReadInt(n)) return;
  }
}

TCustomplPrev::TCustomplPrev(QObject* owner, const QString& name, PrinterAccess access)
    : QObject(owner) {
  setObjectName(name);
  internal_ = std::make_unique<TplSetPrinter>(nullptr, QStringLiteral("Default"), access);
  setPrinter_ = internal_.get();
  noPrinter_ = internal_->PrinterCount() == 0;
  if (internal_->Server().state == PrintServerState::Silent)
    silentServer_ = internal_->Server().name;
  if (!noPrinter_) internal_->SetPrinterName(QPrinterInfo::defaultPrinterName());

  btnOptions_ = TplPrevBtnOptions::All();
  btnOptions_.Exclude(TplPrevBtnOption::boPrinterSetBtn);
  title_ = QStringLiteral("印刷プレビュー[Tomvik]");
  if (qGuiApp) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      formWidth_ = screen->size().width() * 2 / 3;
      formHeight_ = screen->size().height() * 2 / 3;
    }
    formColor_ = QGuiApplication::palette().color(QPalette::Button);
  }
  ApplyDesignPaper();
}

TCustomplPrev::~TCustomplPrev() {
  if (canvas_ && canvas_->isActive()) canvas_->end();
  if (composeCanvas_ && composeCanvas_->isActive()) composeCanvas_->end();
  if (cursorSet_ && qGuiApp) QGuiApplication::restoreOverrideCursor();
}

void TCustomplPrev::ApplyDesignPaper() {
  paperWidth_ = design_.paperWidth;
  paperHeight_ = design_.paperHeight;
  vres_ = design_.verticalResolution;
  hres_ = design_.horizontalResolution;
  printableLeft_ = design_.printableLeft;
  printableRight_ = design_.printableRight;
  printableTop_ = design_.printableTop;
  printableBottom_ = design_.printableBottom;
  printableWidth_ = printableRight_ - printableLeft_;
  printableHeight_ = printableBottom_ - printableTop_;
  sourceName_ = design_.sourceName;
}

void TCustomplPrev::SetplSetPrinter(TplSetPrinter* settings) {
  if (settings && settings->Server().state == PrintServerState::Silent) {
    silentServer_ = settings->Server().name;
  }
  if (!settings || noPrinter_) settings = internal_.get();
  if (setPrinter_ && setPrinter_ != internal_.get()) {
    disconnect(setPrinter_, &QObject::destroyed, this, nullptr);
  }
  setPrinter_ = settings;
  if (settings != internal_.get()) {
    connect(settings, &QObject::destroyed, this, [this] {
      setPrinter_ = internal_.get();
      savedSettings_.clear();
    });
  }
  viewWidth_ = 0;
  viewHeight_ = 0;
}

void TCustomplPrev::SetPageCount(int count) {
  if (!recorded_ && count > 0) pageCount_ = count;
}

void TCustomplPrev::SetViewPageSize(int width, int height) {
  viewWidth_ = width;
  viewHeight_ = height;
}

QString TCustomplPrev::PaperName() const {
  if (noPrinter_ || !setPrinter_) return design_.paperName;
  return setPrinter_->GetPaperName();
}

void TCustomplPrev::SetDesignPaperValue(const QString& text) {
  ReadDesignPaperValue(text, design_);
  // The stored values stand until the next page metrics replace them with the printer's.
  ApplyDesignPaper();
}

QString TCustomplPrev::DesignPaperValueText() {
  if (!noPrinter_ && setPrinter_) {
    design_.printerName = setPrinter_->PrinterName();
    design_.paperName = setPrinter_->GetPaperName();
    design_.sourceName = setPrinter_->GetBinName();
    design_.landscape = setPrinter_->IsLandscape() ? 1 : 0;
    design_.paperCode = setPrinter_->GetPaperSize();
    ComputePageMetrics();
    design_.paperWidth = paperWidth_;
    design_.paperHeight = paperHeight_;
    design_.verticalResolution = vres_;
    design_.horizontalResolution = hres_;
    design_.printableLeft = printableLeft_;
    design_.printableRight = printableRight_;
    design_.printableTop = printableTop_;
    design_.printableBottom = printableBottom_;
  }
  return WriteDesignPaperValue(design_);
}

void TCustomplPrev::SaveCurrentPrinterSettings() {
  savedSettings_ = setPrinter_ ? setPrinter_->WriteToText() : QString();
}

void TCustomplPrev::RestorePrinterSettings() {
  if (setPrinter_ && !savedSettings_.isEmpty()) setPrinter_->ReadFromText(savedSettings_);
}

void TCustomplPrev::ComputePageMetrics() {
  if (!setPrinter_) {
    setPrinter_ = internal_.get();
  } else if (!savedSettings_.isEmpty()) {
    setPrinter_->ReadFromText(savedSettings_);
  }
  if (noPrinter_) return;  // the design paper values stand
  const TplSetPrinter& p = *setPrinter_;
  devPageWidth_ = p.GetPrinterCaps(3);
  devPageHeight_ = p.GetPrinterCaps(4);
  if (inversePrint_) {
    devOffsetX_ = devPageWidth_ - p.GetPrinterCaps(10);
    devOffsetY_ = devPageHeight_ - p.GetPrinterCaps(8);
  } else {
    devOffsetX_ = p.GetPrinterCaps(9);
    devOffsetY_ = p.GetPrinterCaps(7);
  }
  vres_ = p.GetPrinterCaps(2);
  hres_ = p.GetPrinterCaps(1);
  devPrintableWidth_ = p.GetPrinterCaps(5);
  devPrintableHeight_ = p.GetPrinterCaps(6);
  if (hres_ <= 0 || vres_ <= 0) return;  // a printer that reports no resolution
  printableLeft_ = static_cast<int>(std::ceil(devOffsetX_ * 254.0 / hres_));
  printableTop_ = static_cast<int>(std::ceil(devOffsetY_ * 254.0 / vres_));
  paperWidth_ = static_cast<int>(devPageWidth_ * 254.0 / hres_);
  paperHeight_ = static_cast<int>(devPageHeight_ * 254.0 / vres_);
  printableWidth_ = static_cast<int>(devPrintableWidth_ * 254.0 / hres_);
  printableHeight_ = static_cast<int>(devPrintableHeight_ * 254.0 / vres_);
  printableRight_ = printableLeft_ + printableWidth_;
  printableBottom_ = printableTop_ + printableHeight_;
}

}  // namespace kazenori
