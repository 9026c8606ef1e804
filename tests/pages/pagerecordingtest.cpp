// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page display list and its recording paint engine.
#include <gtest/gtest.h>

#include <QPainter>

#include "pages/pagerecording.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using namespace kazenori::testing;

class PreviewPageRecording : public QtTest {
 protected:
  PageRecording page_{QSizeF(2100, 2970)};
  PageRecorder recorder_{&page_};
};

TEST_F(PreviewPageRecording, ReplayScalesWithTheTargetOnlyNotWithItsResolution) {
  {
    QPainter p(&recorder_);
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPointSizeF(36);  // 127 tenths of a millimetre: point sizes use the page's 254 dpi
    p.setFont(f);
    p.drawText(QPointF(300, 500), QStringLiteral("Hg"));
    p.fillRect(QRect(1000, 1000, 200, 100), Qt::black);
  }
  // Two targets of very different resolutions, each showing the whole page.
  for (double scale : {0.1, 0.5}) {
    SCOPED_TRACE(scale);
    QImage image(qRound(2100 * scale), qRound(2970 * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(scale > 0.2 ? 47244 : 3937);  // 1200 and 100 dpi
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    {
      QPainter p(&image);
      page_.PlayInto(p, QPointF(0, 0), QPointF(image.width(), image.height()));
    }
    // Ink boxes of the image in page units.
    auto ink = [&](const QRectF& region) {
      QRect box;
      for (int y = qFloor(region.top() * scale); y < qCeil(region.bottom() * scale); ++y) {
        for (int x = qFloor(region.left() * scale); x < qCeil(region.right() * scale); ++x) {
          if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        }
      }
      return QRectF(box.left() / scale, box.top() / scale, box.width() / scale,
                    box.height() / scale);
    };
    const QRectF block = ink(QRectF(900, 900, 400, 300));
    EXPECT_NEAR(block.left(), 1000, 1 / scale);
    EXPECT_NEAR(block.width(), 200, 2 / scale);
    // The text's ink is about as tall as its cell, whatever the device's dpi.
    const QRectF text = ink(QRectF(250, 300, 600, 300));
    EXPECT_GT(text.height(), 80);
    EXPECT_LT(text.height(), 140);
  }
}

TEST_F(PreviewPageRecording, UnderlineIsRecordedOnceAndTextKeepsItsFontAndColour) {
  {
    QPainter p(&recorder_);
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(50);
    f.setUnderline(true);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 128, 0));
    p.drawText(QPointF(100, 200), QStringLiteral("あか"));
  }
  const auto texts = CaptureText(page_);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, QStringLiteral("あか"));
  EXPECT_EQ(texts[0].pixelSize, 50);
  EXPECT_TRUE(texts[0].bold);
  EXPECT_EQ(texts[0].colour, QColor(0, 128, 0));
  EXPECT_EQ(texts[0].origin, QPointF(100, 200));
  int lines = 0;
  for (const PageItem& item : page_.Items()) {
    if (item.kind == PageItem::Kind::Text) {
      EXPECT_FALSE(item.font.underline());
    }
    if (item.kind == PageItem::Kind::Path) ++lines;
  }
  EXPECT_EQ(lines, 1) << "the underline";
}

TEST_F(PreviewPageRecording, ClipsLinesAndImagesReplayAsDrawn) {
  {
    QPainter p(&recorder_);
    p.setBrush(Qt::black);
    p.drawLine(100, 100, 500, 100);  // a line is never filled, whatever the brush
    p.setClipRect(QRect(1000, 1000, 100, 100));
    p.fillRect(QRect(900, 900, 400, 400), Qt::black);
    p.setClipping(false);
    QImage dot(4, 4, QImage::Format_RGB32);
    dot.fill(Qt::black);
    p.drawImage(QRectF(1500, 1500, 40, 40), dot);
    p.setPen(QPen(Qt::black, 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(200, 2000, 400, 400));
  }
  ASSERT_GE(page_.Items().size(), 4u);
  EXPECT_EQ(page_.Items()[0].brush.style(), Qt::NoBrush);
  EXPECT_EQ(page_.Items()[1].clip, 0);
  EXPECT_EQ(page_.Items()[2].clip, -1);
  EXPECT_EQ(page_.Items()[2].kind, PageItem::Kind::Image);
  EXPECT_EQ(InkOnPage(page_, QRectF(800, 800, 600, 600), 1), QRectF(1000, 1000, 100, 100));
  const QRectF image = InkOnPage(page_, QRectF(1400, 1400, 200, 200), 1);
  EXPECT_EQ(image, QRectF(1500, 1500, 40, 40));
  const QRectF ring = InkOnPage(page_, QRectF(100, 1900, 600, 600), 1);
  EXPECT_NEAR(ring.left(), 195, 2);
  EXPECT_NEAR(ring.width(), 410, 3);
  // The ring is not filled.
  EXPECT_TRUE(InkOnPage(page_, QRectF(350, 2150, 100, 100), 1).isEmpty());
  // A copy for another thread has the same paths and draws the same ink.
  const PageRecording copy = page_.Unshared();
  ASSERT_EQ(copy.Items().size(), page_.Items().size());
  for (std::size_t i = 0; i < copy.Items().size(); ++i) {
    EXPECT_EQ(copy.Items()[i].path, page_.Items()[i].path) << i;
  }
  EXPECT_EQ(copy.Clips(), page_.Clips());
  EXPECT_EQ(InkOnPage(copy, QRectF(100, 1900, 600, 600), 1), ring);
  EXPECT_EQ(InkOnPage(copy, QRectF(800, 800, 600, 600), 1), QRectF(1000, 1000, 100, 100));
}

TEST_F(PreviewPageRecording, AppendMapsItemsAndIntersectsTheirClipsWithTheOuterOne) {
  {
    QPainter p(&recorder_);
    p.setClipRect(QRect(0, 0, 1000, 1000));
    p.fillRect(QRect(0, 0, 2100, 2970), Qt::black);
  }
  PageRecording composed(QSizeF(2100, 2970));
  QPainterPath outer;
  outer.addRect(QRectF(500, 500, 1000, 1000));
  composed.Append(page_, QTransform(), outer);
  EXPECT_EQ(InkOnPage(composed, QRectF(0, 0, 2100, 2970), 0.1), QRectF(500, 500, 500, 500));
  PageRecording half(QSizeF(1050, 1485));
  half.Append(page_, QTransform::fromScale(0.5, 0.5), QPainterPath());
  EXPECT_EQ(InkOnPage(half, QRectF(0, 0, 1050, 1485), 0.1), QRectF(0, 0, 500, 500));
}

}  // namespace
}  // namespace kazenori
