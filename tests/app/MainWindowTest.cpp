// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>
#include <vector>

#include "MainWindowTestSupport.h"
#include "app/Fmain.h"
#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"

namespace kazenori {
namespace {

using Entries = std::vector<std::string>;

const QString kPlainText = QStringLiteral("次の計算をしましょう。");
const QString kRandomText =
    QStringLiteral("次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。");
const QString kAllText = QStringLiteral("記号か数字を□の上か中に書いて正しい式にしましょう。");
const QString kBonusText = QStringLiteral("書かれている文字の色を声に出して読みましょう。");

class MainWindowTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  MainWindowTest() {
    form.SetModalRunner([this](QDialog& dialog) {
      ++dialogsShown;
      EXPECT_EQ(&dialog, &frmColor);
      return static_cast<int>(QDialog::Rejected);
    });
  }

  QCheckBox& Box(int n) { return *form.CheckBoxes.at(static_cast<std::size_t>(n)); }
  static void Choose(RadioGroup& group, int item) { group.Button(item)->click(); }

  TFrmColor frmColor;
  TForm1 form{frmColor};
  int dialogsShown = 0;
};

TEST_F(MainWindowTest, StartsWithEverythingAtItsInitialState) {
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Kazenori"));
  EXPECT_EQ(form.size(), QSize(995, 611));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(form.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_EQ(form.font().pixelSize(), 12);

  EXPECT_EQ(form.ZeroAllowed(), 0);
  EXPECT_EQ(form.PrintNumber(), 1);
  EXPECT_EQ(form.edtPrintNum->text(), QStringLiteral("1"));
  EXPECT_EQ(form.edtQuestMes->text(), kPlainText);
  EXPECT_EQ(form.edtQuestMes->font().pixelSize(), 15);
  EXPECT_TRUE(form.Selection().Empty());
  for (RadioGroup* group : {form.rgZeroSetup, form.rgOpeSetup, form.rgBlankSetup, form.rgBonus})
    EXPECT_EQ(group->ItemIndex(), 0) << group->title().toStdString();
  EXPECT_FALSE(form.btnBonus->isEnabled());
  EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("暗算パターンの選択"));
  EXPECT_EQ(form.btnPreview->text(), QStringLiteral("プレビュー"));
  EXPECT_EQ(form.btnAllPatClear->text(), QStringLiteral("選択を全てクリア"));
}

TEST_F(MainWindowTest, BoxArrayReachesEveryBoxByItsNumber) {
  EXPECT_EQ(form.CheckBoxes[0], nullptr);
  for (int n = 1; n <= kPatternCount; ++n) {
    QCheckBox& box = Box(n);
    EXPECT_EQ(box.property("Tag").toInt(), n);
    EXPECT_EQ(box.text(), QString::fromUtf8(Pattern(n).caption)) << n;
    EXPECT_EQ(box.parentWidget(), form.GroupBox1);
    EXPECT_FALSE(box.isChecked());
    EXPECT_TRUE(box.isEnabled());
    EXPECT_EQ(box.height(), 17);
    const bool blue = box.palette().color(QPalette::WindowText) == QColor(Qt::blue);
    EXPECT_EQ(blue, n >= 88 && n <= 104) << n;
  }
  // Rows as designed; columns a few pixels left of the design, to fit the
  // captions (box 25 one pixel right of its column).
  EXPECT_EQ(Box(1).pos(), QPoint(8, 16));
  EXPECT_EQ(Box(87).pos(), QPoint(152, 14));
  EXPECT_EQ(Box(23).pos(), QPoint(298, 32));
  EXPECT_EQ(Box(25).pos(), QPoint(299, 48));
  EXPECT_EQ(Box(106).pos(), QPoint(451, 242));
  EXPECT_EQ(Box(72).pos(), QPoint(601, 416));
  EXPECT_EQ(Box(104).pos(), QPoint(763, 320));
}

TEST_F(MainWindowTest, ListFollowsTheOrderOfTicking) {
  Box(5).setChecked(true);
  Box(3).setChecked(true);
  Box(12).setChecked(true);
  EXPECT_EQ(form.Selection().Entries(), (Entries{"5", "3", "12"}));
  Box(3).setChecked(false);
  EXPECT_EQ(form.Selection().Entries(), (Entries{"5", "12"}));
  Box(3).click();
  EXPECT_EQ(form.Selection().Entries(), (Entries{"5", "12", "3"}));
  // Setting a box to the state it already has is no change and adds nothing.
  Box(3).setChecked(true);
  EXPECT_EQ(form.Selection().Count(), 3);
}

TEST_F(MainWindowTest, SharedHandlerBoxesAddTheirOwnNumbers) {
  for (int n : {111, 109, 64, 60, 150, 100, 103}) Box(n).click();
  EXPECT_EQ(form.Selection().Entries(), (Entries{"111", "109", "64", "60", "150", "100", "103"}));
}

TEST_F(MainWindowTest, ClearAllEmptiesTheListAfterAnyHistory) {
  for (int round = 0; round < 3; ++round)
    for (int n : {1, 50, 88, 150, 50}) Box(n).click();
  ASSERT_FALSE(form.Selection().Empty());
  form.btnAllPatClear->click();
  EXPECT_TRUE(form.Selection().Empty());
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_FALSE(Box(n).isChecked()) << n;
  Box(7).click();
  EXPECT_EQ(form.Selection().Entries(), (Entries{"7"}));
}

TEST_F(MainWindowTest, ZeroSetupCopiesItsItem) {
  Choose(*form.rgZeroSetup, 1);
  EXPECT_EQ(form.ZeroAllowed(), 1);
  Choose(*form.rgZeroSetup, 0);
  EXPECT_EQ(form.ZeroAllowed(), 0);
}

TEST_F(MainWindowTest, HidingAndBlankingGroupsWriteTheInstructionLine) {
  Choose(*form.rgOpeSetup, 1);
  EXPECT_EQ(form.edtQuestMes->text(), kRandomText);
  Choose(*form.rgOpeSetup, 2);
  EXPECT_EQ(form.edtQuestMes->text(), kAllText);
  form.edtQuestMes->setText(QStringLiteral("自由な問題文"));
  Choose(*form.rgBlankSetup, 1);
  EXPECT_EQ(form.edtQuestMes->text(), kRandomText);
  Choose(*form.rgOpeSetup, 0);
  EXPECT_EQ(form.edtQuestMes->text(), kPlainText);
  // The last group clicked decides, even when the other one says otherwise.
  Choose(*form.rgBlankSetup, 2);
  EXPECT_EQ(form.edtQuestMes->text(), kAllText);
}

TEST_F(MainWindowTest, BonusOnGreysTheBoxesAndOpensTheDialogKeepingTicks) {
  Box(7).click();
  Box(88).click();
  Choose(*form.rgOpeSetup, 2);
  Choose(*form.rgBonus, 1);
  EXPECT_EQ(dialogsShown, 1);
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_FALSE(Box(n).isEnabled()) << n;
  // The blue boxes grey out with the rest: the text colour they paint with now.
  const QColor grey = Box(1).palette().color(QPalette::WindowText);
  for (int n : {88, 104}) EXPECT_EQ(Box(n).palette().color(QPalette::WindowText), grey) << n;
  EXPECT_FALSE(form.rgZeroSetup->isEnabled());
  EXPECT_TRUE(form.btnBonus->isEnabled());
  EXPECT_EQ(form.edtQuestMes->text(), kBonusText);
  EXPECT_TRUE(Box(7).isChecked());
  EXPECT_EQ(form.Selection().Entries(), (Entries{"7", "88"}));

  form.btnBonus->click();
  EXPECT_EQ(dialogsShown, 2);

  Choose(*form.rgBonus, 0);
  EXPECT_EQ(dialogsShown, 2);
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_TRUE(Box(n).isEnabled()) << n;
  EXPECT_EQ(Box(88).palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_TRUE(form.rgZeroSetup->isEnabled());
  EXPECT_FALSE(form.btnBonus->isEnabled());
  EXPECT_EQ(form.edtQuestMes->text(), kPlainText);
  EXPECT_TRUE(Box(7).isChecked() && Box(88).isChecked());
  EXPECT_EQ(form.Selection().Entries(), (Entries{"7", "88"}));
  EXPECT_EQ(form.rgOpeSetup->ItemIndex(), 2);

  Choose(*form.rgOpeSetup, 1);
  EXPECT_EQ(form.edtQuestMes->text(), kRandomText);
}

TEST_F(MainWindowTest, PreviewWithNothingTickedWarnsAndOpensNothing) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  form.btnPreview->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("少なくとも１つは問題を指定して下さい。"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("警告"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(messages.shown[0].beep);
  EXPECT_FALSE(form.plPrev1->DocumentRecorded());
  EXPECT_EQ(form.edtPrintNum->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, OptionsCarryTheControlsToTheComposer) {
  Box(12).click();
  Box(3).click();
  Choose(*form.rgZeroSetup, 1);
  Choose(*form.rgOpeSetup, 1);
  Choose(*form.rgBlankSetup, 2);
  form.edtPrintNum->setText(QStringLiteral("42"));
  form.edtQuestMes->setText(QStringLiteral("よく見て解こう"));
  SheetOptions options = form.Options();
  EXPECT_EQ(options.patterns, (std::vector<int>{12, 3}));
  EXPECT_EQ(options.zero, ZeroSetting::Allowed);
  EXPECT_EQ(options.hide, LayerSetting::Random);
  EXPECT_EQ(options.blank, LayerSetting::All);
  EXPECT_EQ(options.printNumber, 42);
  EXPECT_EQ(options.instruction, QStringLiteral("よく見て解こう"));
  EXPECT_FALSE(options.bonus);
  EXPECT_EQ(options.colourWords.colourCount, 0);

  form.SetModalRunner([this](QDialog&) {
    frmColor.rgColorNum->Button(1)->click();
    frmColor.rgQuestNum->Button(0)->click();
    frmColor.BitBtn1->click();
    return static_cast<int>(QDialog::Accepted);
  });
  Choose(*form.rgBonus, 1);
  options = form.Options();
  EXPECT_TRUE(options.bonus);
  EXPECT_EQ(options.colourWords.colourCount, 3);
  EXPECT_EQ(options.colourWords.wordsPerBlock, 20);
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindow) {
  form.show();
  ASSERT_TRUE(form.isVisible());
  form.BitBtn1->click();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace kazenori
