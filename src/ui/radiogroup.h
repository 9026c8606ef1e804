// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace kazenori {

// A captioned group of radio buttons laid out in columns, reporting the
// chosen item by its index (-1 for none). Clicked is emitted when the user
// (or a test clicking a button) moves the choice to another item; setting
// the index from code emits nothing.
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  // Places the group and lays out its items at once, shown or not.
  void SetBounds(const QRect& bounds);

  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 signals:
  void Clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceButtons();

  int columns_;
  QButtonGroup* group_;
  std::vector<QRadioButton*> buttons_;
};

}  // namespace kazenori
