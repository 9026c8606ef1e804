// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QGroupBox>
#include <array>
#include <vector>

#include "generation/patterncatalogue.h"

class QCheckBox;

namespace kazenori {

// The contrast of two colours, 1..21 (as accessibility guidelines reckon it).
double ContrastRatio(const QColor& a, const QColor& b);
// `wanted`, or the shade of it nearest to it that keeps a contrast of 4.5:1
// on `background` (lighter on a dark theme, darker on a light one).
QColor ReadableOn(const QColor& wanted, const QColor& background);

// A pattern's school year and unit, and a problem its generator makes (always
// the same one), as the pattern's tool tip shows them.
QString PatternToolTip(int number);

// The group "暗算パターンの選択": one check box per pattern, captioned with the
// pattern's caption, in six columns in the order teachers know them (related
// patterns one below the other, not by number). Boxes 88 to 104 have blue
// captions.
class PatternBoxGrid : public QGroupBox {
  Q_OBJECT

 public:
  explicit PatternBoxGrid(QWidget* parent);

  // The pattern numbers of each column, top to bottom, columns left to right.
  static const std::vector<std::vector<int>>& columns();

  // Box `number` (1..kPatternCount).
  QCheckBox* box(int number) const { return boxes_.at(static_cast<std::size_t>(number)); }
  void clearAll();
  void setBoxesEnabled(bool enabled);

 signals:
  // Every change of a box's state, by the user or by code.
  void patternToggled(int number, bool ticked);

 private:
  // The tool tips are made when first asked for: making 150 problems would
  // slow the start.
  bool eventFilter(QObject* watched, QEvent* event) override;

  std::array<QCheckBox*, kPatternCount + 1> boxes_{};
};

}  // namespace kazenori
