// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/pdfexport.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "composition/worksheet.h"
#include "pages/pagepainter.h"
#include "pages/paper.h"
#include "pages/previewdocument.h"

namespace kazenori {

namespace {

bool Fail(QString* error, const QString& why) {
  if (error) *error = why;
  return false;
}

QByteArray XmpMetadata(const QString& title) {
  return QStringLiteral(
             "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
             "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
             "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
             "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
             " xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
             "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
             "<dc:language><rdf:Bag><rdf:li>ja</rdf:li></rdf:Bag></dc:language>\n"
             "<xmp:CreatorTool>Kazenori</xmp:CreatorTool>\n"
             "</rdf:Description>\n"
             "</rdf:RDF>\n"
             "</x:xmpmeta>\n"
             "<?xpacket end='w'?>\n")
      .arg(title.toHtmlEscaped())
      .toUtf8();
}

QString NoDocumentText() {
  return QStringLiteral("there is no document to write");
}

}  // namespace

PdfExport::PdfExport(QIODevice& device) : device_(device) {}

PdfExport::~PdfExport() {
  if (painter_ && painter_->isActive()) painter_->end();
}

bool PdfExport::Start(const Paper& paper, const QString& title, QString* error) {
  const QSizeF paperMm(paper.width / 10.0, paper.height / 10.0);
  QPageSize pageSize(paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
  writer_ = std::make_unique<QPdfWriter>(&device_);
  writer_->setResolution(1200);
  writer_->setTitle(title);
  writer_->setCreator(QStringLiteral("Kazenori"));
  // Qt names no language of its own: the sheets' is told in the XMP metadata,
  // which then carries the title and the creator too.
  writer_->setDocumentXmpMetadata(XmpMetadata(title));
  writer_->setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get()))
    return Fail(error, QStringLiteral("cannot start the PDF writer"));
  const QRect full = writer_->pageLayout().fullRectPixels(writer_->resolution());
  mapping_ = QTransform::fromScale(full.width() / double(paper.width),
                                   full.height() / double(paper.height));
  return true;
}

bool PdfExport::Stop(QString* error, const QString& why) {
  if (painter_ && painter_->isActive()) painter_->end();
  return Fail(error, why);
}

bool PdfExport::NextPage(QString* error) {
  if (!painter_->isActive()) return Stop(error, QStringLiteral("the PDF writer has stopped"));
  if (written_ > 0 && !writer_->newPage()) {
    return Stop(error, QStringLiteral("the PDF writer refused page %1").arg(written_ + 1));
  }
  ++written_;
  return true;
}

bool PdfExport::Append(const PreviewDocument& document, QString* error,
                       const std::vector<int>& pages) {
  if (!document.IsRecorded() || !document.Page(1)) return Stop(error, NoDocumentText());
  const QString title = document.OutputTitle();
  if (!writer_ && !Start(document.PagePaper(), title, error)) {
    return Stop(error, error ? *error : QString());
  }
  std::vector<int> all;
  for (int i = 1; pages.empty() && i <= document.PageCount(); ++i) all.push_back(i);
  for (const int i : pages.empty() ? all : pages) {
    if (!NextPage(error)) return false;
    document.ComposedPage(i, PageUse::Output).Play(*painter_, mapping_);
  }
  return true;
}

bool PdfExport::Append(const Worksheet& worksheet, const Paper& paper, const QString& title,
                       QString* error) {
  if (worksheet.pages.empty()) return Stop(error, NoDocumentText());
  if (!writer_ && !Start(paper, title, error)) return Stop(error, error ? *error : QString());
  for (const WorksheetPage& page : worksheet.pages) {
    if (!NextPage(error)) return false;
    painter_->save();
    painter_->setTransform(mapping_);
    // The document's pages are clipped to the printable area the same way.
    painter_->setClipRect(paper.PrintableArea());
    PaintPage(*painter_, page);
    painter_->restore();
  }
  return true;
}

bool PdfExport::Close(QString* error) {
  if (written_ == 0) return Fail(error, NoDocumentText());
  if (painter_->isActive()) painter_->end();
  painter_.reset();
  writer_.reset();
  return true;
}

bool PdfExport::Write(const PreviewDocument& document, QIODevice& device, QString* error,
                      const std::vector<int>& pages) {
  if (!document.IsRecorded() || !document.Page(1)) return Fail(error, NoDocumentText());
  PdfExport output(device);
  return output.Append(document, error, pages) && output.Close(error);
}

bool PdfExport::Write(const PreviewDocument& document, const QString& path, QString* error,
                      const std::vector<int>& pages) {
  QSaveFile file(path);
  auto cannot = [&] {
    return Fail(error, QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
  };
  if (!file.open(QIODevice::WriteOnly)) return cannot();
  if (!Write(document, file, error, pages)) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) return cannot();
  return true;
}

}  // namespace kazenori
