// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include "composition/ColourWordSheet.h"
#include "composition/DisplayForms.h"
#include "composition/PrintNumber.h"
#include "composition/WorksheetComposer.h"
#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "print/printtestsupport.h"
#include "print/pdfexport.h"
#include "support/PageCapture.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

using Kind = TextOperation::Kind;

PageGeometry Area() {
  PageGeometry g;
  g.left = 35;
  g.top = 31;
  g.width = 2000;
  g.height = 2870;
  return g;
}

class ComposerMixedSheet : public ::testing::Test {
 protected:
  // The application must exist before the document is constructed.
  struct App {
    App() { testing::EnsureQtApp(); }
  } app_;

  SheetOptions Worksheet(std::initializer_list<int> patterns) {
    SheetOptions o;
    for (int p : patterns) o.selection.SetTicked(p, true);
    o.printNumberText = QStringLiteral("3");
    o.instruction = QStringLiteral("次の計算をしましょう。");
    return o;
  }

  SheetOptions Bonus(int colours, int perBlock, const char* number = "9") {
    SheetOptions o;
    o.bonus = true;
    o.colourWords = {colours, perBlock};
    o.printNumberText = QString::fromUtf8(number);
    o.instruction = QString::fromUtf8(kColourInstruction);
    return o;
  }

  // The header's four runs, regular black "ＭＳ ゴシック" whatever the page before left.
  static void ExpectHeader(const std::vector<TextOperation>& ops, int number) {
    ASSERT_GE(ops.size(), 4u);
    const PageGeometry g = Area();
    const struct {
      Kind kind;
      QPoint at;
      int height;
    } expected[] = {{Kind::Left, {g.left + 50, g.top + 50}, 30},
                    {Kind::Right, {g.left + g.width - 50, g.top + 70}, 80},
                    {Kind::Left, {g.left + 50, g.top + 170}, 60},
                    {Kind::LeftMid, {g.left + 100, g.top + 300}, 40}};
    for (std::size_t n = 0; n < 4; ++n) {
      EXPECT_EQ(ops[n].kind, expected[n].kind) << n;
      EXPECT_EQ(QPoint(ops[n].x, ops[n].y), expected[n].at) << n;
      EXPECT_EQ(ops[n].fontHeight, expected[n].height) << n;
      EXPECT_FALSE(ops[n].bold) << n;
      EXPECT_EQ(ops[n].colour, QColor(Qt::black)) << n;
      EXPECT_EQ(ops[n].family, QStringLiteral("ＭＳ ゴシック")) << n;
    }
    EXPECT_EQ(ops[0].text, "問題No." + QString::number(number));
    EXPECT_EQ(ops[1].text, "（　　　　　　　　　　　）");
    EXPECT_EQ(ops[3].text, "月　　日　（　　）　　分　　秒");
  }

  // Pixels of `image` above row `bottom` that are neither black, grey nor white.
  static int ColouredPixels(const QImage& image, int bottom) {
    int n = 0;
    for (int y = 0; y < std::min(bottom, image.height()); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        const int spread =
            std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
        n += spread > 24 ? 1 : 0;
      }
    }
    return n;
  }

  PreviewDocument doc;
  RecordingMessages messages;
  SeededRandom rnd{4242};
  WorksheetComposer composer{doc, rnd, messages, Area()};
};

// Small forms among plain problems: 55 only for their own lines, 60 again
// for the next problem, on both pages; the value line 70 lower at 50 or 36.
TEST_F(ComposerMixedSheet, HeightsReturnTo60AfterEverySmallForm) {
  ASSERT_TRUE(composer.Compose(Worksheet({7, 135, 136})));
  const auto& q = doc.TextOperations(1);
  const auto& a = doc.TextOperations(2);
  ASSERT_EQ(q.size(), 4u + 50);
  int small = 0;
  std::size_t k = 4;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer.Problems().At(i);
    const bool isSmall = HasAnswerValueLine(rec.form);
    small += isSmall ? 1 : 0;
    EXPECT_EQ(q[static_cast<std::size_t>(3 + i)].fontHeight, isSmall ? 55 : 60) << i;
    ASSERT_LT(k, a.size());
    EXPECT_EQ(a[k].fontHeight, isSmall ? 55 : 60) << i;
    EXPECT_EQ(QPoint(a[k].x, a[k].y),
              QPoint(q[static_cast<std::size_t>(3 + i)].x, q[static_cast<std::size_t>(3 + i)].y));
    if (isSmall) {
      ASSERT_LT(k + 1, a.size());
      EXPECT_EQ(a[k + 1].fontHeight, rec.form == 52 ? 36 : 50) << i;
      EXPECT_EQ(a[k + 1].y, a[k].y + 70);
      EXPECT_EQ(a[k + 1].text.toStdString(), rec.strAnswer);
      k += 2;
    } else {
      k += 1;
    }
  }
  EXPECT_EQ(k, a.size());
  EXPECT_GT(small, 0);
  EXPECT_LT(small, 50);
}

// Blanks and hidden operators belong to page 1 only: page 2 rebuilds the full
// equation from the record.
TEST_F(ComposerMixedSheet, BlanksOfPage1AreNotOnPage2) {
  SheetOptions o = Worksheet({5, 7});  // three-term and two-term additions
  o.hideItem = kItemAll;
  o.blankItem = kItemAll;
  ASSERT_TRUE(composer.Compose(o));
  int blanked = 0;
  for (int i = 1; i <= 50; ++i) {
    const ProblemRecord& rec = composer.Problems().At(i);
    const QString q = doc.TextOperations(1)[static_cast<std::size_t>(3 + i)].text;
    const QString a = doc.TextOperations(2)[static_cast<std::size_t>(3 + i)].text;
    // The blanked equation, with its real signs, wins over the hidden
    // operators, except where a one-digit answer refused its blank.
    if (q.contains("＋")) {
      ++blanked;
      EXPECT_EQ(q.count("□"), 1) << q.toStdString();
    } else {
      EXPECT_EQ(rec.strAnswer.size(), 1u) << q.toStdString();
    }
    QString full = QString::fromStdString(rec.strA) + "＋" + QString::fromStdString(rec.strB);
    if (rec.termMode == TermMode::kThreeTerms) full += "＋" + QString::fromStdString(rec.strC);
    EXPECT_EQ(a, full + "＝" + QString::fromStdString(rec.strAnswer)) << i;
  }
  EXPECT_GT(blanked, 25);
}

// A worksheet after a colour-word sheet on the same document: the header
// sets the face again, so neither bold nor the last word's ink carries over.
TEST_F(ComposerMixedSheet, WorksheetAfterABonusSheetIsRegularBlack) {
  ASSERT_TRUE(composer.Compose(Bonus(5, 20)));
  ASSERT_TRUE(composer.Compose(Worksheet({7})));
  for (int page = 1; page <= 2; ++page) {
    const auto& ops = doc.TextOperations(page);
    ExpectHeader(ops, 3);
    for (const TextOperation& op : ops) {
      EXPECT_FALSE(op.bold) << page;
      EXPECT_EQ(op.colour, QColor(Qt::black)) << page;
    }
  }
}

// Each document starts from black whatever the one before drew last: the runs
// that ask for black are black as recorded, as replayed and in the PDF. Four
// colours, so that the bonus sheet's last word is never black itself.
TEST_F(ComposerMixedSheet, NoInkCarriesIntoTheNextDocument) {
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
    ASSERT_TRUE(composer.Compose(o.firstBonus ? Bonus(4, 20) : Worksheet({7})));
    ASSERT_TRUE(composer.Compose(o.bonus ? Bonus(4, 20) : Worksheet({7})));
    ASSERT_TRUE(PdfExport::Write(doc, pdf));
    // A bonus sheet's words keep their inks: there the header is what is black.
    const int bottom = qRound((o.bonus ? Area().top + 390 : 2970) * kScale);
    for (int page = 1; page <= doc.PageCount(); ++page) {
      for (const testing::CapturedText& t : testing::CaptureText(*doc.Page(page))) {
        if (!t.bold) {
          EXPECT_EQ(t.colour, QColor(Qt::black)) << t.text.toStdString();
        }
      }
      const QImage screen = testing::RenderRegion(doc.ComposedPage(page, PageUse::Screen),
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

// Twenty words per block: four blocks of three rows, a date line above each
// block after the first at 730 + 3R, 1160 + 6R and 1590 + 9R.
TEST_F(ComposerMixedSheet, BonusSheetOfTwentyWordsPerBlock) {
  ASSERT_TRUE(composer.Compose(Bonus(4, 20)));
  const auto& ops = doc.TextOperations(1);
  ASSERT_EQ(ops.size(), 4u + 3 + 80);
  ExpectHeader(ops, 9);
  const int r = 75;  // (2870 - 1370) / 20
  const int dateLines[] = {730 + 3 * r, 1160 + 6 * r, 1590 + 9 * r};
  for (std::size_t n = 0; n < 3; ++n) {
    const TextOperation& d = ops[4 + n];
    EXPECT_EQ(d.kind, Kind::LeftMid);
    EXPECT_EQ(d.text, "月　　日　（　　）　　分　　秒");
    EXPECT_EQ(QPoint(d.x, d.y), QPoint(35 + 100, 31 + dateLines[n]));
    EXPECT_EQ(d.fontHeight, 40);
    EXPECT_FALSE(d.bold);
  }
  // Word 21 opens block 1 under the first further date line; word 20 ends block 0 on row 2.
  EXPECT_EQ(QPoint(ops[7 + 19].x, ops[7 + 19].y), QPoint(35 + 150 + 5 * 261, 31 + 450 + 2 * 135));
  EXPECT_EQ(QPoint(ops[7 + 20].x, ops[7 + 20].y), QPoint(35 + 150, 31 + 450 + 250 + 3 * 135));
  EXPECT_EQ(QPoint(ops[7 + 79].x, ops[7 + 79].y),
            QPoint(35 + 150 + 5 * 261, 31 + 450 + 750 + 11 * 135));
  for (std::size_t j = 7; j < ops.size(); ++j) {
    EXPECT_EQ(ops[j].kind, Kind::Center);
    EXPECT_NE(ops[j].text, "くろ") << "four colours: black is not used";
  }
}

TEST_F(ComposerMixedSheet, BonusSheetStopsOnAPrintNumberThatIsNoInteger) {
  composer.PrintNumber().Set(std::int32_t{5});
  EXPECT_THROW(composer.Compose(Bonus(3, 30, "12a")), ConversionError);
  EXPECT_FALSE(doc.IsRecorded());
  EXPECT_EQ(composer.PrintNumber().Value(), 5);
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace kazenori
