// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers of the printing tests: the CUPS test queues, their output files and
// the poppler tools that read them.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QThread>

#include <memory>
#include <optional>
#include <vector>

#include "pages/previewdocument.h"
#include "print/pageprinter.h"
#include "print/printerselection.h"
#include "support/qtapp.h"

#include <cups/cups.h>

namespace kazenori::testing {

// The queue named by `variable` (see scripts/cups-test-env.sh), or nullopt when
// the test runs outside the test environment.
inline std::optional<QString> CupsQueue(const char* variable) {
  const QByteArray v = qgetenv(variable);
  if (v.isEmpty()) return std::nullopt;
  return QString::fromUtf8(v);
}

#define KZ_REQUIRE_CUPS(variable, out)                                                            \
  do {                                                                                            \
    if (!qEnvironmentVariableIsEmpty("KAZENORI_CUPS_SETUP_FAILED"))                               \
      FAIL() << "the CUPS test environment could not be set up";                                  \
    auto kz_q = ::kazenori::testing::CupsQueue((variable));                                       \
    if (!kz_q) GTEST_SKIP() << (variable) << " is not set: run through scripts/with-test-env.sh"; \
    (out) = *kz_q;                                                                                \
  } while (0)

// A document printed on a CUPS queue by a page printer, without any window:
// the fixture of every printing test.
class PrintToQueue : public QtTest {
 protected:
  void Use(const QString& queue) {
    printers_ = std::make_unique<PrinterSelection>();
    printers_->SelectPrinter(queue);
    ASSERT_EQ(printers_->PrinterName(), queue);
    prev_.SetPaper(printers_->PagePaper());
    // Once, however many queues a test uses.
    QObject::disconnect(&printer_, &PagePrinter::pagePrinted, nullptr, nullptr);
    QObject::connect(&printer_, &PagePrinter::pagePrinted, [this](int page) {
      EXPECT_TRUE(printer_.IsPrinting());
      printed_.push_back(page);
    });
  }
  // Prints first..last under `title`; printed_ holds the pages announced.
  PrintOutcome Print(const QString& title, int first = 0, int last = 0) {
    printed_.clear();
    prev_.SetTitle(title);
    return printer_.Print(prev_, printers_->Settings(), printers_->Sheet(), first, last);
  }

  std::unique_ptr<PrinterSelection> printers_;
  PreviewDocument prev_;
  PagePrinter printer_;
  std::vector<int> printed_;
};

// Title of a print job unique to this test run.
inline QString JobTitle(const char* what) {
  return QStringLiteral("kz-%1-%2")
      .arg(QLatin1String(what))
      .arg(QCoreApplication::applicationPid());
}

// The test queues are shared by tests running side by side, so a test counts
// and cancels only the jobs it sent itself, told apart by their title.
inline std::vector<int> ActiveJobs(const QString& queue, const QString& title) {
  cups_job_t* jobs = nullptr;
  const int n = cupsGetJobs(&jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
  std::vector<int> ids;
  for (int i = 0; i < n; ++i) {
    if (QString::fromUtf8(jobs[i].title) == title) ids.push_back(jobs[i].id);
  }
  cupsFreeJobs(n, jobs);
  return ids;
}
inline void CancelJobs(const QString& queue, const QString& title) {
  for (const int id : ActiveJobs(queue, title)) cupsCancelJob(queue.toUtf8().constData(), id);
}

// Waits for a job's output file whose name starts with `stem` and returns its
// path (empty when it does not come). The CUPS queues finish jobs in the
// background, so the test waits for them instead of racing them.
inline QString WaitForOutput(const QString& dir, const QString& stem, int seconds = 90) {
  for (int i = 0; i < seconds * 10; ++i) {
    const QStringList found =
        QDir(dir).entryList({stem + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    if (!found.isEmpty()) {
      QString path = QDir(dir).filePath(found.front());
      // cups-pdf writes in place; a file still growing is not done yet.
      const qint64 size = QFileInfo(path).size();
      QThread::msleep(200);
      if (size > 0 && QFileInfo(path).size() == size) return path;
    }
    QThread::msleep(100);
  }
  return QString();
}

inline void RemoveOutputs(const QString& dir, const QString& stem) {
  for (const QString& f : QDir(dir).entryList({stem + QStringLiteral("*")}, QDir::Files)) {
    QFile::remove(QDir(dir).filePath(f));
  }
}

inline QByteArray RunTool(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) return QByteArray();
  return p.readAllStandardOutput();
}

inline int PdfPageCount(const QString& pdf) {
  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QByteArray& line : info.split('\n')) {
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

// A field of the document's information ("Title", "Creator"), or with
// "Metadata" its XMP metadata.
inline QString PdfInfo(const QString& pdf, const QString& field) {
  if (field == QLatin1String("Metadata"))
    return QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf}));
  const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
  for (const QString& line : info.split(u'\n')) {
    if (line.startsWith(field + u':')) return line.mid(field.size() + 1).trimmed();
  }
  return {};
}

// "Page size: 595.276 x 841.89 pts (A4)" → the size in points.
inline QSizeF PdfPageSize(const QString& pdf) {
  const QByteArray info = RunTool(QStringLiteral("pdfinfo"), {pdf});
  for (const QByteArray& line : info.split('\n')) {
    if (!line.startsWith("Page size:")) continue;
    const QList<QByteArray> parts = line.mid(10).trimmed().split(' ');
    if (parts.size() >= 3) return QSizeF(parts[0].toDouble(), parts[2].toDouble());
  }
  return QSizeF();
}

inline QString PdfText(const QString& pdf, int page) {
  return QString::fromUtf8(
      RunTool(QStringLiteral("pdftotext"),
              {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
               QString::number(page), QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

// One page rendered in grey at 1 pixel per millimetre.
struct GreyPage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> pixels;
  // Bounding box of the pixels darker than `threshold` inside `area`, in mm.
  QRect Ink(const QRect& area, int threshold = 128) const {
    QRect box;
    for (int y = std::max(0, area.top()); y <= std::min(height - 1, area.bottom()); ++y) {
      for (int x = std::max(0, area.left()); x <= std::min(width - 1, area.right()); ++x) {
        if (pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] <
            threshold)
          box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  }
};

// One page rendered by poppler at `dpi`, in colour or in grey.
inline QImage RenderPdfImage(const QString& pdf, int page, double dpi, bool grey = false) {
  QStringList args{QStringLiteral("-r"),
                   QString::number(dpi),
                   QStringLiteral("-f"),
                   QString::number(page),
                   QStringLiteral("-l"),
                   QString::number(page),
                   pdf};
  if (grey) args.prepend(QStringLiteral("-gray"));
  return QImage::fromData(RunTool(QStringLiteral("pdftoppm"), args));
}

inline GreyPage RenderPage(const QString& pdf, int page) {
  GreyPage g;
  const QByteArray pgm = RunTool(
      QStringLiteral("pdftoppm"),
      {QStringLiteral("-gray"), QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-f"),
       QString::number(page), QStringLiteral("-l"), QString::number(page), pdf});
  // P5\n<w> <h>\n255\n<bytes>
  QList<QByteArray> head;
  int pos = 0;
  while (head.size() < 4 && pos < pgm.size()) {
    while (pos < pgm.size() && QChar::isSpace(static_cast<uchar>(pgm[pos]))) ++pos;
    int start = pos;
    while (pos < pgm.size() && !QChar::isSpace(static_cast<uchar>(pgm[pos]))) ++pos;
    head << pgm.mid(start, pos - start);
  }
  if (head.size() < 4 || head[0] != "P5") return g;
  ++pos;
  g.width = head[1].toInt();
  g.height = head[2].toInt();
  if (pgm.size() - pos < qsizetype{g.width} * g.height) return GreyPage();
  g.pixels.assign(pgm.begin() + pos, pgm.begin() + pos + qsizetype{g.width} * g.height);
  return g;
}

}  // namespace kazenori::testing
