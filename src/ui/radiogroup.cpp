// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/RadioGroup.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QRadioButton>
#include <algorithm>

namespace kazenori {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), columns_(std::max(1, columns)), group_(new QButtonGroup(this)) {
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_->addButton(button, i);
    buttons_.push_back(button);
  }
  // Only a change of item counts as a click, as with the platform's radio
  // group: pressing the item already chosen does nothing.
  connect(group_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) emit Clicked();
  });
  PlaceButtons();
}

void RadioGroup::SetBounds(const QRect& bounds) {
  setGeometry(bounds);
  PlaceButtons();
}

int RadioGroup::ItemIndex() const {
  return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  if (index < 0 || index >= Count()) return;
  const QSignalBlocker quiet(group_);
  buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  PlaceButtons();
}

// Items run down each column first, below the caption. Each column is as
// wide as its widest item, and what is left of the width is shared evenly, so
// a long item ("ﾗﾝﾀﾞﾑ") does not get clipped beside two short ones.
void RadioGroup::PlaceButtons() {
  if (buttons_.empty()) return;
  const int count = Count();
  const int rows = (count + columns_ - 1) / columns_;
  const int top = QFontMetrics(font()).height() + 1;
  const int left = 5;
  std::vector<int> widths(static_cast<std::size_t>(columns_), 0);
  for (int i = 0; i < count; ++i) {
    int& w = widths[static_cast<std::size_t>(i / rows)];
    w = std::max(w, buttons_[static_cast<std::size_t>(i)]->sizeHint().width());
  }
  int natural = 0;
  for (int w : widths) natural += w;
  const int share = std::max(0, width() - left - 1 - natural) / columns_;
  const int rowHeight = std::max(1, (height() - top - 3) / rows);
  int x = left;
  for (int column = 0; column < columns_; ++column) {
    const int w = widths[static_cast<std::size_t>(column)] + share;
    for (int row = 0; row < rows; ++row) {
      const int i = column * rows + row;
      if (i >= count) break;
      buttons_[static_cast<std::size_t>(i)]->setGeometry(x, top + row * rowHeight, w, rowHeight);
    }
    x += w;
  }
}

}  // namespace kazenori
