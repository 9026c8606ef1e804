// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

class QPaintDevice;

namespace kazenori {

// Metrics of one font on one device, in the device's units (0.1 mm for a
// page recording). They place text so that its ink, not its advance, starts
// or ends at a given x.
class TextMetrics {
 public:
  TextMetrics(const QFont& font, QPaintDevice* device);

  // Advance width of s.
  double Width(const QString& s) const;
  // ceiling(height of "Hg" / 2): the vertical centre used by the mid and centre
  // operations, so lines in one font share their top whatever their characters.
  int HalfHeight() const;
  // Distance from the top of the text cell to the baseline.
  double Ascent() const;
  // How far the first glyph's ink reaches left of the origin (0 when it does not),
  // rounded to the nearest integer, halves to even.
  int LeftOverhang(const QString& s) const;
  // How far the last glyph's ink reaches right of its advance (0 when it does not),
  // for a slanted glyph measured on its outline.
  int RightOverhang(const QString& s) const;

 private:
  QFont font_;
  QPaintDevice* device_;
};

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double v);

}  // namespace kazenori
