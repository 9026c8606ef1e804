// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TCustomplPrev: printing through the printer layer and writing PDF files.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <ctime>
#include <stdexcept>

#include "preview/Messages.h"
#include "preview/PrinterPlatform.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

namespace {

const char16_t kNoDrawing[] = u"Canvasへの描画コードが見つかりません．　　";
const char16_t kNoDrawingCaption[] = u"印刷プレビュー制御コンポーネント";
const char16_t kNoPrinter[] = u"プリンタがインストールされていないので印刷できません．　　";
const char16_t kServerSilent[] = u"印刷サーバー %1 が応答しないので印刷できません．　　";
const char16_t kNoPrinterCaption[] = u" 印刷";

// Device values of one printer for one sheet, in its device pixels; the paint
// rectangle's corner is the device origin, as QPrinter draws without FullPage.
struct Sheet {
  int pageWidth, pageHeight;
  int printableWidth, printableHeight;
  int offsetX, offsetY;
};

Sheet SheetOf(const QPrinter& printer) {
  const int res = printer.resolution();
  const QPageLayout layout = printer.pageLayout();
  const QRect full = layout.fullRectPixels(res);
  const QRect paint = layout.paintRectPixels(res);
  return {full.width(), full.height(), paint.width(), paint.height(), paint.left(), paint.top()};
}

}  // namespace

QString TCustomplPrev::NoPrinterText() const {
  if (!silentServer_.isEmpty()) return QString::fromUtf16(kServerSilent).arg(silentServer_);
  return QString::fromUtf16(kNoPrinter);
}

PrintRange NormalisedPrintRange(int first, int last, int pageCount) {
  PrintRange r{std::min(first, last), std::max(first, last)};
  if (r.first > pageCount) r.first = pageCount;
  if (r.last > pageCount) r.last = pageCount;
  if (r.first <= 0) r.first = 1;
  if (r.last <= 0) r.last = pageCount;
  return r;
}

bool TCustomplPrev::IsAcrobatPrinter() const {
  return setPrinter_ && setPrinter_->PrinterName().toUpper().contains(QLatin1String("ACROBAT"));
}

QTransform TCustomplPrev::PrinterMapping(const QPrinter& printer) const {
  // The live printer's own values: a print dialog may have chosen another
  // printer since the page metrics were computed.
  const Sheet s = SheetOf(printer);
  const int res = printer.resolution();
  const double paperW = std::max(1, static_cast<int>(s.pageWidth * 254.0 / res));
  const double paperH = std::max(1, static_cast<int>(s.pageHeight * 254.0 / res));
  const double sx = s.pageWidth / paperW;
  const double sy = s.pageHeight / paperH;
  // window origin wo, viewport origin vo: device = (logical - wo) * s + vo
  QPointF wo(-printOffsetX_, -printOffsetY_);
  const QPointF vo(-s.offsetX, -s.offsetY);
  QTransform page;  // how the composed page is stretched into the logical paper
  const QSizeF view(viewWidth_, viewHeight_);
  if (inversePrint_) {
    // The right and bottom margins become the offsets, and the page is drawn
    // into the reversed rectangle: turned by 180 degrees, still shifted right
    // and down as the reader of the turned sheet sees it.
    const int offX = s.pageWidth - (s.offsetX + s.printableWidth);
    const int offY = s.pageHeight - (s.offsetY + s.printableHeight);
    wo = QPointF(printOffsetX_, printOffsetY_);
    const QPointF vi(s.printableWidth + offX - s.pageWidth,
                     s.printableHeight + offY - s.pageHeight);
    page = StretchTransform(view, QPointF(viewWidth_, viewHeight_), QPointF(0, 0));
    return page * QTransform::fromTranslate(-wo.x(), -wo.y()) * QTransform::fromScale(sx, sy) *
           QTransform::fromTranslate(vi.x(), vi.y());
  }
  page = StretchTransform(view, QPointF(0, 0), QPointF(viewWidth_, viewHeight_));
  return page * QTransform::fromTranslate(-wo.x(), -wo.y()) * QTransform::fromScale(sx, sy) *
         QTransform::fromTranslate(vo.x(), vo.y());
}

void TCustomplPrev::Print() {
  // Pending events are processed between pages; a second print started from
  // one of them would interleave its sheets with this job's.
  if (printing_) return;
  if (!windowShown_) PrepareForm();
  if (!recorded_) {
    Messages::Current().Warning(QString::fromUtf16(kNoDrawing),
                                QString::fromUtf16(kNoDrawingCaption));
    return;
  }
  if (noPrinter_) {
    Messages::Current().Information(NoPrinterText(), QString::fromUtf16(kNoPrinterCaption));
    return;
  }
  const PrintRange range = NormalisedPrintRange(rangeFirst_, rangeLast_, pageCount_);
  // The original layer held the Control key down for Acrobat's driver; CUPS has
  // no such driver convention, so nothing is changed for such printers here.

  // Qt hands the document to CUPS without telling whether it was taken: a queue
  // that rejects jobs is found out before any page is drawn (and counted).
  const QString refusal = JobRefusal(setPrinter_->PrinterName());
  if (!refusal.isEmpty()) {
    throw std::runtime_error(QStringLiteral("the printer \"%1\" takes no job: %2")
                                 .arg(setPrinter_->PrinterName(), refusal)
                                 .toStdString());
  }
  QPrinter printer(QPrinter::HighResolution);
  setPrinter_->ConfigurePrinter(printer);
  printer.setDocName(
      !title_.isEmpty() ? title_ : QCoreApplication::applicationName() + QStringLiteral("印刷"));
  PrintPages(printer, range.first, range.last);
}

void TCustomplPrev::PrintPages(QPrinter& printer, int first, int last) {
  // CUPS stamps the job in whole seconds of its own clock.
  const qint64 sentAt = static_cast<qint64>(std::time(nullptr));
  QPainter painter;
  if (!painter.begin(&printer)) {
    throw std::runtime_error("the print job for printer \"" + printer.printerName().toStdString() +
                             "\" could not be started");
  }
  // The component counts as printing, under its cursor, until the pages'
  // events have been raised: a print started from one of them is ignored.
  printing_ = true;
  const bool ownCursor = qGuiApp != nullptr;
  if (ownCursor) QGuiApplication::setOverrideCursor(QCursor(cursor_));
  struct Release {
    bool& printing;
    bool cursor;
    ~Release() {
      printing = false;
      if (cursor) QGuiApplication::restoreOverrideCursor();
    }
  } release{printing_, ownCursor};
  auto endJob = [&] {
    painter.resetTransform();
    painter.end();
    QCoreApplication::processEvents();
  };
  try {
    for (int i = first; i <= last; ++i) {
      const QTransform mapping = PrinterMapping(printer);
      const PageRecording* composed = GetPageImage(i);
      if (composed) composed->Play(painter, mapping);
      QCoreApplication::processEvents();
      if (i < last && !printer.newPage()) {
        throw std::runtime_error("the printer refused a new sheet after page " + std::to_string(i));
      }
    }
  } catch (...) {
    endJob();
    throw;
  }
  endJob();
  // Drawing the pages proves nothing: Qt hands the document to CUPS when the
  // painter ends and never says what became of it. Only a job CUPS kept counts
  // its pages as printed, each raising OnPrint in order as the loop used to.
  if (printer.outputFormat() == QPrinter::NativeFormat && printer.outputFileName().isEmpty()) {
    const QString failure = JobFailure(printer.printerName(), printer.docName(), sentAt);
    if (!failure.isEmpty()) {
      throw std::runtime_error(QStringLiteral("the printer \"%1\" did not print the job: %2")
                                   .arg(printer.printerName(), failure)
                                   .toStdString());
    }
  }
  for (int i = first; i <= last; ++i) {
    if (OnPrint) OnPrint(this, i);
  }
}

bool TCustomplPrev::WritePdf(const QString& path, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  if (!WritePdf(file, error)) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool TCustomplPrev::WritePdf(QIODevice& file, QString* error) {
  if (!recorded_ || pages_.empty()) {
    if (error) *error = QStringLiteral("there is no document to write");
    return false;
  }
  PdfOutput output(file);
  return output.Append(*this, error) && output.Close(error);
}

TCustomplPrev::PdfOutput::PdfOutput(QIODevice& device) : device_(device) {}

TCustomplPrev::PdfOutput::~PdfOutput() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool TCustomplPrev::PdfOutput::Append(TCustomplPrev& document, QString* error) {
  auto fail = [this, error](const QString& why) {
    if (painter_ && painter_->isActive()) painter_->end();
    if (error) *error = why;
    return false;
  };
  if (!document.recorded_ || document.pages_.empty()) {
    return fail(QStringLiteral("there is no document to write"));
  }
  if (!writer_) {
    const QSizeF paperMm(document.paperWidth_ / 10.0, document.paperHeight_ / 10.0);
    QPageSize pageSize(paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    writer_ = std::make_unique<QPdfWriter>(&device_);
    writer_->setResolution(1200);
    writer_->setTitle(document.title_);
    writer_->setCreator(QStringLiteral("Kazenori"));
    writer_->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer_.get())) return fail(QStringLiteral("cannot start the PDF writer"));
    const QRect full = writer_->pageLayout().fullRectPixels(writer_->resolution());
    mapping_ = QTransform::fromScale(full.width() / double(document.paperWidth_),
                                     full.height() / double(document.paperHeight_));
  }
  if (!painter_->isActive()) return fail(QStringLiteral("the PDF writer has stopped"));
  document.outputMode_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{document.outputMode_};
  for (int i = 1; i <= document.pageCount_; ++i) {
    if (written_ > 0 && !writer_->newPage()) {
      return fail(QStringLiteral("the PDF writer refused page %1").arg(written_ + 1));
    }
    if (const PageRecording* page = document.GetPageImage(i)) {
      page->Play(*painter_, StretchTransform(page->Size(), QPointF(0, 0),
                                             QPointF(document.paperWidth_, document.paperHeight_)) *
                                mapping_);
    }
    ++written_;
  }
  return true;
}

bool TCustomplPrev::PdfOutput::Close(QString* error) {
  if (written_ == 0) {
    if (error) *error = QStringLiteral("there is no document to write");
    return false;
  }
  if (painter_->isActive()) painter_->end();
  painter_.reset();
  writer_.reset();
  return true;
}

}  // namespace kazenori
