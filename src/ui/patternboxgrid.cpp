// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/patternboxgrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>

#include <algorithm>
#include <cmath>

#include "composition/questionlines.h"
#include "generation/patterngrades.h"
#include "generation/patternselection.h"
#include "generation/problemgenerator.h"
#include "generation/random.h"

namespace kazenori {

namespace {

bool IsBluePattern(int number) {
  return number >= 88 && number <= 104;
}

// Blue marks a box the teacher can tick; a disabled one greys out like the
// rest. A dark theme gets a lighter blue.
QPalette BluePalette(QPalette palette) {
  const QColor blue = ReadableOn(Qt::blue, palette.color(QPalette::Window));
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::WindowText, blue);
    palette.setColor(group, QPalette::ButtonText, blue);
  }
  return palette;
}

double Luminance(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background) {
  constexpr double kReadable = 4.5;
  const QColor towards = Luminance(background) < 0.18 ? QColor(Qt::white) : QColor(Qt::black);
  QColor shade = wanted;
  for (int step = 1; step <= 20 && ContrastRatio(shade, background) < kReadable; ++step) {
    const double t = step / 20.0;
    shade.setRgbF(static_cast<float>(wanted.redF() + (towards.redF() - wanted.redF()) * t),
                  static_cast<float>(wanted.greenF() + (towards.greenF() - wanted.greenF()) * t),
                  static_cast<float>(wanted.blueF() + (towards.blueF() - wanted.blueF()) * t));
  }
  return shade;
}

QString PatternToolTip(int number) {
  // The seed is the pattern's number: the same problem each time.
  SeededRandom random(static_cast<std::uint32_t>(number));
  ProblemTable table;
  PatternSelection selection;
  selection.SetTicked(number, true);
  ProblemGenerator generator(random, table, selection);
  generator.MakeProblem(1);
  const QString example = QString::fromStdString(QuestionLine(table.At(1), {}, random));
  const PatternGrade& grade = GradeOf(number);
  return QStringLiteral("%1年 %2%3\n例: %4")
      .arg(grade.grade)
      .arg(QString::fromUtf8(grade.unit))
      .arg(grade.enrichment ? QStringLiteral("（発展）") : QString())
      .arg(example);
}

const std::vector<std::vector<int>>& PatternBoxGrid::columns() {
  static const std::vector<std::vector<int>> columns{
      {1,   2,   3,   4,   111, 112, 113, 114, 115, 137, 138, 139, 140,
       141, 116, 117, 118, 119, 120, 142, 143, 144, 145, 146, 5,   86},
      {87, 6,   7,   8,  9,  10, 11, 12, 13, 76, 14, 77, 78,
       79, 121, 122, 16, 15, 17, 18, 19, 20, 21, 22, 80, 81},
      {82,  23,  25,  24,  83,  84,  85,  123, 124, 125, 126, 147, 148,
       149, 150, 127, 128, 129, 130, 131, 132, 133, 134, 26,  27,  28},
      {29, 30,  31, 32, 33,  34,  73, 74, 35, 36, 37, 38, 39,
       40, 106, 41, 42, 105, 107, 43, 44, 45, 46, 47, 48, 49},
      {50, 75, 135, 136, 51, 52, 53, 54, 55, 56, 57, 58, 59,
       64, 65, 60,  61,  66, 67, 62, 63, 68, 69, 70, 71, 72},
      {108, 109, 110, 88, 89, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 103, 104},
  };
  return columns;
}

PatternBoxGrid::PatternBoxGrid(QWidget* parent)
    : QGroupBox(QStringLiteral("暗算パターンの選択"), parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 0, 2, 2);
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(0);
  const QPalette blue = BluePalette(palette());
  const auto& layout = columns();
  for (std::size_t column = 0; column < layout.size(); ++column) {
    for (std::size_t row = 0; row < layout[column].size(); ++row) {
      const int number = layout[column][row];
      auto* box = new QCheckBox(QString::fromUtf8(Pattern(number).caption), this);
      if (IsBluePattern(number)) box->setPalette(blue);
      // The rows may close up to the height of the text, as they were drawn,
      // but never clip it; the style's padding above and below is given
      // where there is room.
      box->setMinimumHeight(box->fontMetrics().height() + 3);
      box->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
      box->installEventFilter(this);
      boxes_.at(static_cast<std::size_t>(number)) = box;
      grid->addWidget(box, static_cast<int>(row), static_cast<int>(column));
      connect(box, &QCheckBox::toggled, this,
              [this, number](bool ticked) { emit patternToggled(number, ticked); });
    }
  }
  // Short columns keep their boxes at the top.
  grid->setRowStretch(static_cast<int>(layout.front().size()), 1);
}

bool PatternBoxGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto found = std::find(boxes_.begin() + 1, boxes_.end(), watched);
    if (found != boxes_.end() && (*found)->toolTip().isEmpty()) {
      (*found)->setToolTip(PatternToolTip(static_cast<int>(found - boxes_.begin())));
    }
  }
  return QGroupBox::eventFilter(watched, event);
}

void PatternBoxGrid::clearAll() {
  for (int n = 1; n <= kPatternCount; ++n) box(n)->setChecked(false);
}

void PatternBoxGrid::setBoxesEnabled(bool enabled) {
  for (int n = 1; n <= kPatternCount; ++n) box(n)->setEnabled(enabled);
}

}  // namespace kazenori
