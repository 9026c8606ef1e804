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
class TFrmColor : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmColor(QWidget* parent = nullptr);

  // Zero until the dialog is first confirmed with OK.
  const ColourWordSettings& Settings() const { return settings_; }

  RadioGroup* rgColorNum;
  RadioGroup* rgQuestNum;
  QPushButton* BitBtn1;

 private:
  void BitBtn1Click();

  ColourWordSettings settings_;
};

}  // namespace kazenori
