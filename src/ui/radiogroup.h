// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace kazenori {

// A captioned group of radio buttons in columns (items run down each column
// first), reporting the chosen item by its index (-1 for none). itemChosen is
// emitted when the user (or a test clicking a button) moves the choice to
// another item; setting the index from code emits nothing.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  int itemIndex() const;
  void setItemIndex(int index);
  int count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 signals:
  void itemChosen(int index);

 private:
  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace kazenori
