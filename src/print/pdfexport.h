// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

class QIODevice;
class QPainter;
class QPdfWriter;

namespace kazenori {

class PreviewDocument;
struct Paper;
struct Worksheet;

// A PDF kept open on a device while documents are recorded one after another:
// each Append paints the pages of the document as it now stands after the
// pages already written, so that a long run holds one document at a time. The
// paper and title are the first appended document's. The pages are written at
// full resolution on the document's paper, text searchable.
class PdfExport {
 public:
  explicit PdfExport(QIODevice& device);
  ~PdfExport();
  PdfExport(const PdfExport&) = delete;
  PdfExport& operator=(const PdfExport&) = delete;

  // `pages` (1-based, in the order given) of the document; empty: all.
  bool Append(const PreviewDocument& document, QString* error = nullptr,
              const std::vector<int>& pages = {});
  // The worksheet's pages painted straight from their text items on `paper`,
  // as they would look recorded into a document on that paper.
  bool Append(const Worksheet& worksheet, const Paper& paper, const QString& title,
              QString* error = nullptr);
  // Ends the file; false, with `error` set, when nothing was appended.
  bool Close(QString* error = nullptr);

  // One document into an open device; the caller owns replacing any file.
  static bool Write(const PreviewDocument& document, QIODevice& device, QString* error = nullptr,
                    const std::vector<int>& pages = {});
  // One document into a file, replaced atomically: on failure the old file
  // stays and `error` says why.
  static bool Write(const PreviewDocument& document, const QString& path, QString* error = nullptr,
                    const std::vector<int>& pages = {});

 private:
  bool Start(const Paper& paper, const QString& title, QString* error);
  bool NextPage(QString* error);
  bool Stop(QString* error, const QString& why);

  QIODevice& device_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
  QTransform mapping_;
  int written_ = 0;
};

}  // namespace kazenori
