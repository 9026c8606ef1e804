// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QPainter>

#include "pages/previewdocument.h"
#include "support/pagecapture.h"
#include "support/qtapp.h"

namespace kazenori {
namespace {

using testing::CaptureText;
using testing::FindText;

class PreviewRecording : public ::testing::Test {
 protected:
  void SetUp() override { testing::TestApp(); }
};

QFont Gothic(int height) {
  QFont f(QStringLiteral("ＭＳ ゴシック"));
  f.setPixelSize(height);
  return f;
}

TEST_F(PreviewRecording, CanvasExistsOnlyBetweenBeginDocAndEndDoc) {
  PreviewDocument prev;
  EXPECT_EQ(prev.Canvas(), nullptr);
  prev.BeginDocument();
  ASSERT_NE(prev.Canvas(), nullptr);
  prev.NewPage();
  EXPECT_NE(prev.Canvas(), nullptr);
  prev.EndDocument();
  EXPECT_EQ(prev.Canvas(), nullptr);
  EXPECT_EQ(prev.PageCount(), 2);
}

// A bridge that records pages itself hands them over finished.
TEST_F(PreviewRecording, FinishedPagesFollowTheRecordedOnes) {
  PreviewDocument prev;
  prev.BeginDocument();
  testing::PlaceText(prev, TextAlign::Left, 300, 400, QStringLiteral("first"));
  PageRecording added(QSizeF(2100, 2970));
  PageRecorder recorder(&added);
  {
    QPainter p(&recorder);
    p.setFont(Gothic(50));
    p.drawText(QPointF(500, 600), QStringLiteral("second"));
  }
  prev.AddPage(std::move(added));
  EXPECT_EQ(prev.Canvas(), nullptr);
  ASSERT_EQ(prev.PageCount(), 2);
  EXPECT_NE(FindText(CaptureText(*prev.Page(1)), QStringLiteral("first")), nullptr);
  EXPECT_NE(FindText(CaptureText(*prev.Page(2)), QStringLiteral("second")), nullptr);
  EXPECT_NE(FindText(CaptureText(prev.ComposedPage(2, PageUse::Output)), QStringLiteral("second")),
            nullptr);
}

TEST_F(PreviewRecording, TextIsPlacedByItsInkOnEveryPage) {
  PreviewDocument prev;
  prev.BeginDocument();
  QPainter* c = prev.Canvas();
  QFont f = Gothic(50);
  f.setBold(true);
  c->setFont(f);
  c->setPen(QColor(Qt::red));
  testing::PlaceText(prev, TextAlign::Left, 300, 400, QStringLiteral("問題No.7"));
  prev.NewPage();
  testing::PlaceText(prev, TextAlign::Right, 1900, 500, QStringLiteral("12"));
  prev.EndDocument();
  // Font and pen carried to page 2.
  const auto second = CaptureText(*prev.Page(2));
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].pixelSize, 50);
  EXPECT_EQ(second[0].colour, QColor(Qt::red));
  EXPECT_LE(second[0].ink.right(), 1900 + 0.5);

  const auto texts = CaptureText(*prev.Page(1));
  const auto* t = FindText(texts, QStringLiteral("問題"));
  ASSERT_NE(t, nullptr);
  EXPECT_TRUE(t->bold);
  EXPECT_GE(t->ink.left(), 300 - 0.5);
  EXPECT_NEAR(t->ink.left(), 300, 8);
  EXPECT_GE(t->ink.top(), 400 - 0.5);
}

}  // namespace
}  // namespace kazenori
