// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <vector>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "print/pdfexport.h"
#include "print/printtestsupport.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

SheetOptions Arithmetic() {
  SheetOptions o;
  o.patterns = {7, 136};
  o.printNumber = 3;
  return o;
}

SheetOptions Bonus() {
  SheetOptions o;
  o.bonus = true;
  o.colourWords = {4, 20};  // four colours: the last word is never black itself
  o.printNumber = 9;
  o.instruction = kColourInstruction;
  return o;
}

// Pixels of `image` above row `bottom` that are neither black, grey nor white.
int ColouredPixels(const QImage& image, int bottom) {
  int n = 0;
  for (int y = 0; y < std::min(bottom, image.height()); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      n += std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 24;
    }
  }
  return n;
}

class WorksheetPreviewTest : public testing::QtTest {
 protected:
  PreviewDocument doc_;
  WorksheetPreview preview_{doc_};
  SeededRandom rnd_{4242};
  Composer composer_{rnd_};
};

// A single sheet's printed pages advance the number from where the worksheet
// left it; a class set's counts each sheet whose question page was printed,
// once, from its first sheet's number.
TEST_F(WorksheetPreviewTest, PrintedPagesAdvanceThePrintNumber) {
  QStringList shown;
  QObject::connect(&preview_, &WorksheetPreview::printNumberChanged,
                   [&shown](const QString& text) { shown << text; });
  preview_.Record(composer_.Compose(Arithmetic(), 2));  // numbered 3, 4
  ASSERT_EQ(doc_.PageCount(), 4);
  for (int page = 1; page <= 4; ++page) preview_.CountPrintedPage(page);
  EXPECT_EQ(shown, (QStringList{"4", "4", "5", "5"}));
  const struct {
    std::vector<int> pages;  // printed one after the other, of sheets numbered 3, 4, 5
    int number;
  } rows[] = {{{1}, 4},
              {{2, 4, 6}, 3},
              {{1, 3, 5}, 6},
              {{1, 3, 5, 2, 4, 6}, 6},
              {{1, 2, 3, 4, 5, 6, 1, 2}, 6}};
  for (const auto& row : rows) {
    preview_.Record(composer_.Compose(Arithmetic(), 3));
    for (const int page : row.pages) preview_.CountPrintedPage(page);
    EXPECT_EQ(preview_.PrintNumber().Value(), row.number) << ::testing::PrintToString(row.pages);
  }
}

// Each document starts from black whatever the one before drew last: the runs
// that ask for black are black as recorded, as replayed and in the PDF.
TEST_F(WorksheetPreviewTest, NoInkCarriesIntoTheNextDocument) {
  const struct {
    bool firstBonus;
    bool bonus;
  } orders[] = {{true, false}, {false, true}, {true, true}};
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("second.pdf"));
  constexpr double kScale = 0.25;  // pixels per 0.1 mm
  for (const auto& o : orders) {
    SCOPED_TRACE(std::string(o.firstBonus ? "bonus" : "worksheet") + " then " +
                 (o.bonus ? "bonus" : "worksheet"));
    preview_.Record(composer_.Compose(o.firstBonus ? Bonus() : Arithmetic()));
    preview_.Record(composer_.Compose(o.bonus ? Bonus() : Arithmetic()));
    ASSERT_TRUE(PdfExport::Write(doc_, pdf));
    // A bonus sheet's words keep their inks: there the header is what is black.
    const int bottom = qRound((o.bonus ? composer_.Geometry().top + 390 : 2970) * kScale);
    for (int page = 1; page <= doc_.PageCount(); ++page) {
      for (const testing::CapturedText& t : testing::CaptureText(*doc_.Page(page))) {
        if (!t.bold) {
          EXPECT_EQ(t.colour, QColor(Qt::black)) << t.text.toStdString();
        }
      }
      const QImage screen = testing::RenderRegion(doc_.ComposedPage(page, PageUse::Screen),
                                                  QRectF(0, 0, 2100, 2970), kScale);
      const QImage paper = testing::RenderPdfImage(pdf, page, 254 * kScale);
      ASSERT_FALSE(paper.isNull());
      EXPECT_EQ(ColouredPixels(screen, bottom), 0) << "page " << page;
      EXPECT_EQ(ColouredPixels(paper, bottom), 0) << "page " << page;
      if (o.bonus) {
        EXPECT_GT(ColouredPixels(screen, screen.height()), 0) << "the words keep their inks";
        EXPECT_GT(ColouredPixels(paper, paper.height()), 0) << "the words keep their inks";
      }
    }
  }
}

// The command line paints its PDF straight from the worksheet; the window's
// PDF comes from the recorded document. Both must carry the same ink: the same
// places, the printable area's clip, the bold words' emboldening.
TEST_F(WorksheetPreviewTest, PdfPaintedFromTheWorksheetMatchesTheRecordedDocument) {
  QTemporaryDir dir;
  for (const SheetOptions& options : {Arithmetic(), Bonus()}) {
    const Worksheet worksheet = composer_.Compose(options);
    preview_.Record(worksheet);
    const QString recorded = dir.filePath(QStringLiteral("recorded.pdf"));
    const QString painted = dir.filePath(QStringLiteral("painted.pdf"));
    ASSERT_TRUE(PdfExport::Write(doc_, recorded));
    QFile file(painted);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    PdfExport pdf(file);
    ASSERT_TRUE(pdf.Append(worksheet, doc_.PagePaper(), doc_.Title()) && pdf.Close());
    file.close();
    for (int page = 1; page <= doc_.PageCount(); ++page) {
      const QImage a = testing::RenderPdfImage(recorded, page, 50, true);
      const QImage b = testing::RenderPdfImage(painted, page, 50, true);
      ASSERT_EQ(a.size(), b.size());
      long ink = 0, differing = 0;
      for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
          const int ga = qGray(a.pixel(x, y)), gb = qGray(b.pixel(x, y));
          ink += 255 - ga;
          differing += std::abs(ga - gb);
        }
      }
      EXPECT_GT(ink, 0) << "page " << page;
      EXPECT_LT(differing, ink / 50) << "page " << page << ": the two PDFs differ";
    }
  }
}

}  // namespace
}  // namespace kazenori
