// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

namespace kazenori {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(5, 0, 3, 1);
  grid->setSpacing(0);
  const int rows =
      (static_cast<int>(items.size()) + std::max(1, columns) - 1) / std::max(1, columns);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    group_->addButton(button, i);
    buttons_.push_back(button);
    grid->addWidget(button, i % rows, i / rows);
  }
  // Only a change of item counts as a choice: pressing the item already
  // chosen does nothing.
  connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
    if (checked) emit itemChosen(id);
  });
}

int RadioGroup::itemIndex() const {
  return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
  if (index < 0 || index >= count()) return;
  const QSignalBlocker quiet(group_);
  buttons_[static_cast<std::size_t>(index)]->setChecked(true);
}

}  // namespace kazenori
