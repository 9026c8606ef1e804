// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

#include "composition/pagegeometry.h"

class QPainter;

namespace kazenori {

class TCustomplPrev;

// The face of every printed text; the font substitutions map it onto an
// installed Japanese font.
inline constexpr const char* kSheetFont = "ＭＳ ゴシック";
inline constexpr const char* kNameBox = "（　　　　　　　　　　　）";
inline constexpr const char* kDateLine = "月　　日　（　　）　　分　　秒";

// Font height (pixel size, 0.1 mm) and weight on the page canvas.
void SetFontHeight(QPainter& canvas, int height);
void SetFontBold(QPainter& canvas, bool bold);

// Draws the header on the document's current page: "問題No." with the print
// number, the name box, the instruction line, the date line; leaves the font
// at height 60. With setUpCanvas the face, colour, style and brush are set
// first (page 1); a page begun by NewPage inherits them.
void DrawPageHeader(TCustomplPrev& doc, const PageGeometry& g, std::int32_t printNumber,
                    const QString& instruction, bool setUpCanvas = true);

}  // namespace kazenori
