#pragma once

#include <QDialog>

class QPushButton;

namespace kazenori {

class RadioGroup;

// What the colour-word sheet is made of: zero until the dialog is first
// confirmed with OK.
struct ColourSettings {
  int colourCount = 0;    // 2..5: the first entries of the colour table
  int wordsPerBlock = 0;  // 20, 30 or 40
};

// The bonus sheet's settings dialog "色問題の設定". It is created once and kept
// for the whole run, so its groups stay as the user left them; only OK copies
// their choice into the settings.
class TFrmColor : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmColor(QWidget* parent = nullptr);

  const ColourSettings& Settings() const { return settings_; }

  RadioGroup* rgColorNum;
  RadioGroup* rgQuestNum;
  QPushButton* BitBtn1;

 private:
  void BitBtn1Click();

  ColourSettings settings_;
};

}  // namespace kazenori
