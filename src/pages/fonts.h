// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QPen>

class QFont;

namespace kazenori {

// The pages and windows name the Japanese fonts of the original platform
// ("ＭＳ ゴシック", "ＭＳ Ｐゴシック"); here they stand for the IPA fonts, unless
// the fonts themselves are installed.
// Every Qt entry point calls this once after creating its application object.
// Writes a clear message to stderr when the IPA fonts are not installed.
// Returns true when each font or its substitute was found.
bool RegisterFontSubstitutions();

// Whether the face `font` resolves to is bold of its own. IPA Gothic has only a
// regular face; Qt then emboldens it differently on every device (thickly on
// screen, with a hair line in a PDF), so the page recording emboldens such runs
// itself.
bool HasOwnBoldFace(const QFont& font);

// Width of the pen that strokes a bold run's glyph outlines, for a font of
// `pixelSize`: a twentieth of the em, about the weight of a real bold face
// with the counters of small kana still open.
inline double EmboldeningWidth(int pixelSize) {
  return pixelSize / 20.0;
}

// The pen that strokes those outlines in the run's ink.
QPen EmboldeningPen(const QBrush& ink, double width);

}  // namespace kazenori
