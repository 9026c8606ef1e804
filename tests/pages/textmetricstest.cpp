// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Placing text by its ink: the four text operations and their metrics.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPainter>
#include <utility>

#include "pages/fonts.h"
#include "pages/previewdocument.h"
#include "pages/textmetrics.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class TextMetricsTest : public QtTest {
 protected:
  QPainter* Start(const QString& family, int height, bool italic = false) {
    prev_.BeginDocument();
    QFont f(family);
    f.setPixelSize(height);
    f.setItalic(italic);
    prev_.Canvas()->setFont(f);
    prev_.Canvas()->setPen(Qt::black);
    return prev_.Canvas();
  }
  const PageRecording& Finish() {
    prev_.EndDocument();
    return *prev_.Page(1);
  }
  PreviewDocument prev_;
};

TEST_F(TextMetricsTest, RoundingTakesHalvesToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.51), 3);
  EXPECT_EQ(RoundHalfEven(0.49), 0);
}

TEST_F(TextMetricsTest, LeftOperationsStartTheInkAtXEvenForGlyphsReachingLeft) {
  // "j" of DejaVu Sans reaches left of its origin.
  QPainter* c = Start(QStringLiteral("DejaVu Sans"), 200);
  const TextMetrics m(c->font(), c->device());
  ASSERT_GE(m.LeftOverhang(QStringLiteral("jam")), 3) << "the test font lost its overhang";
  testing::PlaceText(prev_, TextAlign::Left, 500, 500, QStringLiteral("jam"));
  testing::PlaceText(prev_, TextAlign::LeftMid, 500, 1500, QStringLiteral("jam"));
  testing::PlaceText(prev_, TextAlign::Left, 500, 2000,
                     QStringLiteral("mj"));  // upright first glyph: no correction
  const PageRecording& page = Finish();
  const QRectF first = InkOnPage(page, QRectF(300, 400, 800, 400));
  EXPECT_NEAR(first.left(), 500, 1.0);
  const QRectF mid = InkOnPage(page, QRectF(300, 1200, 800, 500));
  EXPECT_NEAR(mid.left(), 500, 1.0);
  const auto texts = CaptureText(page);
  const auto* upright = FindText(texts, QStringLiteral("mj"));
  ASSERT_NE(upright, nullptr);
  EXPECT_DOUBLE_EQ(upright->origin.x(), 500);
}

TEST_F(TextMetricsTest, RightOperationEndsTheInkAtXForAnOverhangingItalic) {
  // A real oblique face: its glyph boxes are the ink (a slanted upright face's
  // boxes are the slanted cell, wider than the ink).
  QPainter* c = Start(QStringLiteral("DejaVu Sans"), 200, true);
  const TextMetrics m(c->font(), c->device());
  ASSERT_GT(m.RightOverhang(QStringLiteral("AV")), 5) << "the slanted font lost its overhang";
  testing::PlaceText(prev_, TextAlign::Right, 1800, 500, QStringLiteral("AV"));
  const PageRecording& page = Finish();
  const QRectF ink = InkOnPage(page, QRectF(1000, 400, 1000, 400));
  EXPECT_NEAR(ink.right(), 1800, 1.5);
}

TEST_F(TextMetricsTest, RightTextInTheSheetsFontEndsItsInkAtXUprightAndSlanted) {
  // The sheet's font has no italic face: its italic is the upright outline slanted.
  const std::pair<int, bool> rows[] = {{60, false}, {200, false}, {60, true}, {200, true}};
  for (const auto& [height, italic] : rows) {
    Start(QStringLiteral("ＭＳ ゴシック"), height, italic);
    testing::PlaceText(prev_, TextAlign::Right, 1800, 500,
                       QStringLiteral("1─"));  // the rule fills its cell
    const QRectF ink = InkOnPage(Finish(), QRectF(1000, 400, 1000, 400));
    EXPECT_NEAR(ink.right(), 1800, 1.0) << height << (italic ? " italic" : " upright");
  }
}

TEST_F(TextMetricsTest, UprightRightTextEndsItsAdvanceAtX) {
  Start(QStringLiteral("ＭＳ ゴシック"), 50);
  testing::PlaceText(prev_, TextAlign::Right, 1500, 300, QStringLiteral("123"));
  const auto texts = CaptureText(Finish());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_NEAR(texts[0].origin.x() + texts[0].advance, 1500, 0.01);
}

TEST_F(TextMetricsTest, MidAndCentreUseTheHeightOfHgSoLinesShareTheirTop) {
  QPainter* c = Start(QStringLiteral("ＭＳ ゴシック"), 60);
  const TextMetrics m(c->font(), c->device());
  const QFontMetricsF fm(c->font());
  testing::PlaceText(prev_, TextAlign::LeftMid, 200, 1000, QStringLiteral("0123"));
  testing::PlaceText(prev_, TextAlign::LeftMid, 900, 1000, QStringLiteral("あいう"));
  testing::PlaceText(prev_, TextAlign::Center, 1500, 1000, QStringLiteral("ｇｙ"));
  testing::PlaceText(prev_, TextAlign::Left, 200, 1400, QStringLiteral("0123"));
  const auto texts = CaptureText(Finish());
  ASSERT_EQ(texts.size(), 4u);
  // Same baseline for digits, kana and descenders at the same y.
  EXPECT_DOUBLE_EQ(texts[0].origin.y(), texts[1].origin.y());
  EXPECT_DOUBLE_EQ(texts[0].origin.y(), texts[2].origin.y());
  // The cell top lies H = ceil(height("Hg") / 2) above y; a left-aligned item puts it at y.
  const double top = texts[0].origin.y() - m.Ascent();
  EXPECT_NEAR(top, 1000 - std::ceil(fm.height() / 2), 1e-6);
  EXPECT_NEAR(texts[3].origin.y() - m.Ascent(), 1400, 1e-6);
  // Centred: starts ceil(width / 2) left of x.
  EXPECT_NEAR(texts[2].origin.x(), 1500 - std::ceil(texts[2].advance / 2), 1e-6);
}

TEST_F(TextMetricsTest, EmptyTextDrawsNothing) {
  Start(QStringLiteral("ＭＳ ゴシック"), 50);
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QString());
  testing::PlaceText(prev_, TextAlign::Right, 100, 100, QString());
  EXPECT_TRUE(Finish().IsEmpty());
}

TEST_F(TextMetricsTest, PointSizesBecomePixelSizesInPageUnits) {
  QPainter* c = Start(QStringLiteral("ＭＳ ゴシック"), 50);
  QFont f = c->font();
  f.setPointSizeF(10.5);  // 37.04 tenths of a millimetre
  c->setFont(f);
  testing::PlaceText(prev_, TextAlign::Left, 100, 100, QStringLiteral("A"));
  const auto texts = CaptureText(Finish());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].pixelSize, 37);
}

}  // namespace
}  // namespace kazenori

namespace kazenori {
namespace {

class FontsTest : public testing::QtTest {};

TEST_F(FontsTest, TheSheetAndWindowFontsResolveToTheIpaFonts) {
  ASSERT_TRUE(RegisterFontSubstitutions()) << "install fonts-ipafont-gothic";
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family(),
            QStringLiteral("IPAGothic"));
  EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"))).family(),
            QStringLiteral("IPAPGothic"));
}

}  // namespace
}  // namespace kazenori
