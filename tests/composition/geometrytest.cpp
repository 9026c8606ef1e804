// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <stdexcept>

#include "composition/pagegeometry.h"

namespace kazenori {
namespace {

PageGeometry Area(int left, int top, int width, int height) {
  PageGeometry g;
  g.left = left;
  g.top = top;
  g.width = width;
  g.height = height;
  return g;
}

TEST(Geometry, PitchesAndPlacesOnA2000By2870Area) {
  const PageGeometry g = Area(40, 30, 2000, 2870);
  const int r = RowPitch(g);
  const int k = ColumnPitch(g);
  EXPECT_EQ(r, 88);
  EXPECT_EQ(k, 130);
  // Problem 1 one row below 17 and 34; every column ends on row 16.
  EXPECT_EQ(ProblemPlace(1, g, r, k), (Point{40 + 150, 30 + 350 + 148}));
  EXPECT_EQ(ProblemPlace(16, g, r, k), (Point{40 + 150, 30 + 350 + 16 * 148}));
  EXPECT_EQ(ProblemPlace(17, g, r, k), (Point{40 + 760, 30 + 350}));
  EXPECT_EQ(ProblemPlace(33, g, r, k), (Point{40 + 760, 30 + 350 + 16 * 148}));
  EXPECT_EQ(ProblemPlace(34, g, r, k), (Point{40 + 1370, 30 + 350}));
  EXPECT_EQ(ProblemPlace(50, g, r, k), (Point{40 + 1370, 30 + 350 + 16 * 148}));
  EXPECT_THROW(ProblemPlace(0, g, r, k), std::out_of_range);
  EXPECT_THROW(ProblemPlace(51, g, r, k), std::out_of_range);
}

TEST(Geometry, PitchesTruncateTowardsZeroOnSmallAreas) {
  // (1000 - 1370) / 17 = -21.76 and (1000 - 1740) / 2 = -370: truncated, not floored.
  const PageGeometry g = Area(0, 0, 1001, 1000);
  EXPECT_EQ(RowPitch(g), -21);
  EXPECT_EQ(ColumnPitch(g), -369);
}
}  // namespace
}  // namespace kazenori
