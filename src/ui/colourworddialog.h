// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "composition/sheetoptions.h"

class QPushButton;

namespace kazenori {

class RadioGroup;

// The bonus sheet's settings dialog "色問題の設定". It is created once and kept
// for the whole run, so its groups stay as the user left them; only OK copies
// their choice into the settings.
class ColourWordDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ColourWordDialog(QWidget* parent = nullptr);

  // Zero until the dialog is first confirmed with OK.
  const ColourWordSettings& settings() const { return settings_; }

  RadioGroup* colourCountGroup() const { return colourCountGroup_; }
  RadioGroup* wordCountGroup() const { return wordCountGroup_; }
  QPushButton* okButton() const { return okButton_; }

 private:
  void onOkClicked();

  RadioGroup* colourCountGroup_;
  RadioGroup* wordCountGroup_;
  QPushButton* okButton_;
  ColourWordSettings settings_;
};

}  // namespace kazenori
