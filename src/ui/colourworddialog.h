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
// their choice into the settings. Its controls are made when it is first
// shown or asked for: the program starts with it, and most runs never open it.
class ColourWordDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ColourWordDialog(QWidget* parent = nullptr);

  // Zero until the dialog is first confirmed with OK.
  const ColourWordSettings& settings() const { return settings_; }

  RadioGroup* colourCountGroup();
  RadioGroup* wordCountGroup();
  QPushButton* okButton();

  void setVisible(bool visible) override;

 private:
  void createControls();
  void onOkClicked();

  RadioGroup* colourCountGroup_ = nullptr;
  RadioGroup* wordCountGroup_ = nullptr;
  QPushButton* okButton_ = nullptr;
  ColourWordSettings settings_;
};

}  // namespace kazenori
