// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kazenori {

// A point on a page, 0.1 mm.
struct Point {
  int x = 0;
  int y = 0;

  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// The printable area on the paper, 0.1 mm; every sheet coordinate is relative
// to its left and top.
struct PageGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // True when the printer gave no usable resolution (no printer installed) and
  // the paper stored with the window design took its place.
  bool fromDesignPaper = false;

  bool operator==(const PageGeometry& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height &&
           fromDesignPaper == o.fromDesignPaper;
  }
};

// The printable area of the design paper (A4): left 35, right 2067, top 31, bottom 2921.
PageGeometry DesignPaperGeometry(int printableLeft = 35, int printableTop = 31,
                                 int printableRight = 2067, int printableBottom = 2921);

// Row pitch (height − 1370) / 17 and column pitch (width − 1740) / 2, both
// truncating towards zero; rows are row pitch + 60 apart, columns column pitch + 480.
int RowPitch(const PageGeometry& g);
int ColumnPitch(const PageGeometry& g);

// Top-left corner of problem i (1..50) on the question and answer pages:
// column 1 holds 1..16 on rows 1..16, columns 2 and 3 hold 17..33 and 34..50
// on rows 0..16. Throws std::out_of_range for any other i.
Point ProblemPlace(int i, const PageGeometry& g, int rowPitch, int columnPitch);

}  // namespace kazenori
