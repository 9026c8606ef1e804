// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace kazenori {

// The page vocabulary, from the core up; each header says where it stands.
//   PaperSize, PageGeometry (here, plain C++): the paper a sheet is printed
//     on, and the printable area it is laid out in, 0.1 mm. Layouts are
//     always made on A4; PaperFit (paperfit.h) scales them onto the paper.
//   Paper (pages/paper.h): the whole sheet of paper the preview document
//     records pages on, 0.1 mm: its size, its printable rectangle (the
//     geometry's, on the same paper), its name, source and resolution.
//   PrinterSheet, PrinterCapabilities (print/printersettings.h): a printer's
//     page as Qt sets it up (a page layout and a resolution), and the same in
//     device dots; PaperOf turns them into a Paper.
//   PrinterMetrics (print/printergeometry.h): those dots under the names the
//     layout was first measured with; PrinterPageGeometry turns them into a
//     PageGeometry.
// The design paper below stands in for a printer that is not there; its
// numbers are written here only.

// A point on a page, 0.1 mm.
struct Point {
  int x = 0;
  int y = 0;

  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

// The papers a sheet is printed on: A4, which every layout is drawn for, and
// the JIS B sizes Japanese schools use beside it.
enum class PaperSize { A4, B5, B4 };

// A paper's size, portrait, 0.1 mm.
struct PaperDimensions {
  int width = 0;
  int height = 0;
};
PaperDimensions DimensionsOf(PaperSize paper);
// "A4", "B5" or "B4": its name in the JSON, on the command line (lower case)
// and in the window.
const char* PaperName(PaperSize paper);

// The design paper: A4 with the printable area the program lays out on when
// there is no printer to ask, 0.1 mm from the paper's top-left corner. The
// one place these numbers stand; the pages' Paper and every fallback read them.
inline constexpr int kDesignPrintableLeft = 35;
inline constexpr int kDesignPrintableTop = 31;
inline constexpr int kDesignPrintableRight = 2067;
inline constexpr int kDesignPrintableBottom = 2921;

// The printable area on the paper, 0.1 mm; every sheet coordinate is relative
// to its left and top. `paper` is the paper it lies on: A4 for every layout,
// another size once a sheet is scaled onto it (see PaperFit).
struct PageGeometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  // True when the printer gave no usable resolution (no printer installed) and
  // the paper stored with the window design took its place.
  bool fromDesignPaper = false;
  PaperSize paper = PaperSize::A4;

  bool operator==(const PageGeometry& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height &&
           fromDesignPaper == o.fromDesignPaper && paper == o.paper;
  }
};

// The design paper's printable area, its margins kept on `paper`.
PageGeometry DesignPaperGeometry(PaperSize paper = PaperSize::A4);

// The printable area on `paper` of a printer whose printable area on A4 is
// `a4`: the same margins (none below 0), on the larger or smaller sheet. A4
// gives `a4` itself.
PageGeometry OnPaper(const PageGeometry& a4, PaperSize paper);

// Row pitch (height − 1370) / 17 and column pitch (width − 1740) / 2, both
// truncating towards zero; rows are row pitch + 60 apart, columns column pitch + 480.
int RowPitch(const PageGeometry& g);
int ColumnPitch(const PageGeometry& g);

// Top-left corner of problem i (1..50) on the question and answer pages:
// column 1 holds 1..16 on rows 1..16, columns 2 and 3 hold 17..33 and 34..50
// on rows 0..16. Throws std::out_of_range for any other i.
Point ProblemPlace(int i, const PageGeometry& g, int rowPitch, int columnPitch);

// Where the problems of a sheet stand and how large they are written. The
// sheet of 50 is the original layout; a sheet of 20 or 30 stands in two
// columns of rows that fill the page, its text 1.5 or 1.25 times as high as
// far as the columns give room, so that young pupils can write.
struct ProblemLayout {
  PageGeometry geometry;
  int problems = 50;
  int height = 60;       // a problem line
  int smallHeight = 55;  // a question above an answer value line
  int valueHeight = 50;  // the answer value line
  int listHeight = 36;   // the answer value line of a divisor list
  int valueDrop = 70;    // from a question to its answer value line
  int rowPitch = 0;
  int columnPitch = 0;
};

// The layout of a sheet of `problems` (20, 30 or 50) problems on `g`.
ProblemLayout LayoutFor(int problems, const PageGeometry& g);

// Top-left corner of problem i (1..problems); throws std::out_of_range for any other i.
Point ProblemPlace(int i, const ProblemLayout& layout);

}  // namespace kazenori
