// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing the recorded pages to a PDF file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "pages/previewdocument.h"
#include "print/pdfexport.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PdfWriter : public QtTest {
 protected:
  void Record() {
    prev_.BeginDocument();
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(70);
    prev_.Canvas()->setFont(f);
    prev_.Canvas()->fillRect(QRect(200, 200, 300, 100), Qt::black);
    testing::PlaceText(prev_, TextAlign::Left, 200, 500, QStringLiteral("問題No.7"));
    prev_.NewPage();
    testing::PlaceText(prev_, TextAlign::Left, 200, 500, QStringLiteral("こたえ 12"));
    prev_.EndDocument();
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QTemporaryDir dir_;
  PreviewDocument prev_;
};

TEST_F(PdfWriter, PagesGoOutOnA4WithSearchableTextWhereTheyWereDrawn) {
  Paper paper = DesignPaper();
  paper.source = QStringLiteral("トラクタ");  // sprocket holes on the screen only
  prev_.SetPaper(paper);
  Record();
  const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
  QString error;
  ASSERT_TRUE(PdfExport::Write(prev_, path, &error)) << error.toStdString();
  EXPECT_EQ(PdfPageCount(path), 2);
  const QSizeF size = PdfPageSize(path);
  EXPECT_NEAR(size.width(), 595.3, 0.5);
  EXPECT_NEAR(size.height(), 841.9, 0.5);
  EXPECT_TRUE(PdfText(path, 1).contains(QStringLiteral("問題No.7")));
  EXPECT_TRUE(PdfText(path, 2).contains(QStringLiteral("こたえ 12")));
  EXPECT_FALSE(PdfText(path, 1).contains(QStringLiteral("こたえ")));
  const GreyPage g = RenderPage(path, 1);
  const QRect block = g.Ink(QRect(0, 0, g.width, 40));
  EXPECT_NEAR(block.left(), 20, 1);
  EXPECT_NEAR(block.top(), 20, 1);
  EXPECT_NEAR(block.right(), 49, 1);
  EXPECT_NEAR(block.bottom(), 29, 1);
  EXPECT_TRUE(g.Ink(QRect(0, 0, 13, g.height), 250).isEmpty()) << "no sprocket holes";
}

// A long run holds one document at a time: each appended after the last.
TEST_F(PdfWriter, DocumentsAppendedOneByOneFollowEachOtherInOneFile) {
  QFile file(dir_.filePath(QStringLiteral("run.pdf")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  PdfExport pdf(file);
  QString error;
  EXPECT_FALSE(pdf.Append(prev_, &error)) << "nothing recorded yet";
  for (int sheet = 1; sheet <= 2; ++sheet) {
    prev_.BeginDocument();
    testing::PlaceText(prev_, TextAlign::Left, 200, 500, QStringLiteral("SHEET-%1").arg(sheet));
    prev_.NewPage();
    testing::PlaceText(prev_, TextAlign::Left, 200, 500, QStringLiteral("ANSWER-%1").arg(sheet));
    prev_.EndDocument();
    ASSERT_TRUE(pdf.Append(prev_, &error)) << error.toStdString();
  }
  ASSERT_TRUE(pdf.Close(&error)) << error.toStdString();
  file.close();
  ASSERT_EQ(PdfPageCount(file.fileName()), 4);
  const QStringList want{"SHEET-1", "ANSWER-1", "SHEET-2", "ANSWER-2"};
  for (int page = 1; page <= 4; ++page) {
    EXPECT_TRUE(PdfText(file.fileName(), page).contains(want[page - 1])) << page;
  }
}

TEST_F(PdfWriter, AFailedWriteLeavesTheOldFileAndNoTemporaryFiles) {
  const QString path = dir_.filePath(QStringLiteral("sheet.pdf"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old contents");
  }
  QString error;
  EXPECT_FALSE(PdfExport::Write(prev_, path, &error)) << "nothing recorded yet";
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Read(path), QByteArray("old contents"));

  Record();
  error.clear();
  EXPECT_FALSE(
      PdfExport::Write(prev_, dir_.filePath(QStringLiteral("missing/dir/sheet.pdf")), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(PdfExport::Write(prev_, dir_.path(), &error)) << "a directory is no file";
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("sheet.pdf")});
  EXPECT_EQ(Read(path), QByteArray("old contents"));

  ASSERT_TRUE(PdfExport::Write(prev_, path, &error)) << error.toStdString();
  EXPECT_TRUE(Read(path).startsWith("%PDF"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("sheet.pdf")});
}

// The advance measured while recording is the advance in the PDF: text laid out
// again at the PDF's resolution ends where it ended on the page.
TEST_F(PdfWriter, RightAlignedTextEndsAtXInThePdf) {
  prev_.BeginDocument();
  for (int height : {37, 45, 60}) {
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(height);
    prev_.Canvas()->setFont(f);
    testing::PlaceText(prev_, TextAlign::Right, 1500, height * 20,
                       QStringLiteral("W%1＝123").arg(height));
  }
  prev_.EndDocument();
  const QString path = dir_.filePath(QStringLiteral("right.pdf"));
  ASSERT_TRUE(PdfExport::Write(prev_, path));
  const QString box = QString::fromUtf8(
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")}));
  for (int height : {37, 45, 60}) {
    const qsizetype at = box.indexOf(QStringLiteral(">W%1").arg(height));
    ASSERT_GE(at, 0) << box.toStdString();
    const qsizetype tag = box.lastIndexOf(QStringLiteral("<word"), at);
    const QString word = box.mid(tag, at - tag);
    const qsizetype s = word.indexOf(QStringLiteral("xMax=\"")) + 6;
    const double xMax = word.mid(s, word.indexOf(QLatin1Char('"'), s) - s).toDouble();
    EXPECT_NEAR(xMax, 1500 / 254.0 * 72, 0.3) << "height " << height;  // 0.1 mm
  }
}

// Bold is drawn into the page once, so the PDF (and the paper, which gets the
// same drawing) carries the ink the screen shows, clearly more than regular.
TEST_F(PdfWriter, BoldWordsCarryTheSameInkInThePdfAsOnScreen) {
  prev_.BeginDocument();
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(60);
  for (bool bold : {false, true}) {
    f.setBold(bold);
    prev_.Canvas()->setFont(f);
    testing::PlaceText(prev_, TextAlign::Center, 1050, bold ? 800 : 400, QStringLiteral("みどり"));
  }
  prev_.EndDocument();
  const QString path = dir_.filePath(QStringLiteral("bold.pdf"));
  ASSERT_TRUE(PdfExport::Write(prev_, path));
  // Pixels per 0.1 mm: 254 dpi, towards a printer's resolution (poppler
  // thickens ink of less than a pixel or two, which a screen does not).
  constexpr double kScale = 1;
  const QImage paper = RenderPdfImage(path, 1, 254 * kScale, true);
  ASSERT_FALSE(paper.isNull());
  QImage screen(paper.size(), QImage::Format_RGB32);
  screen.fill(Qt::white);
  {
    QPainter p(&screen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    prev_.ComposedPage(1, PageUse::Screen).Play(p, QTransform::fromScale(kScale, kScale));
  }
  // The ink of the band of 10 mm from `top` (0.1 mm), in fully black pixels.
  auto ink = [&](const QImage& image, int top) {
    double sum = 0;
    for (int y = qRound(top * kScale); y < qRound((top + 100) * kScale); ++y) {
      for (int x = 0; x < image.width(); ++x) sum += 255 - qGray(image.pixel(x, y));
    }
    return sum / 255;
  };
  const double regular = ink(paper, 350);
  const double bold = ink(paper, 750);
  EXPECT_NEAR(bold / ink(screen, 750), 1, 0.05);
  EXPECT_NEAR(regular / ink(screen, 350), 1, 0.05);
  EXPECT_GT(bold, 1.5 * regular);
  EXPECT_EQ(PdfText(path, 1).count(QStringLiteral("みどり")), 2) << "bold stays searchable text";
}

}  // namespace
}  // namespace kazenori
