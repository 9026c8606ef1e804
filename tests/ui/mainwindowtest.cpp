// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>
#include <vector>

#include "composition/gridsheet.h"
#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/messages.h"
#include "ui/patternboxgrid.h"
#include "ui/radiogroup.h"
#include "ui/remakedialog.h"

namespace kazenori {
namespace {

using Entries = std::vector<int>;

const QString kPlainText = QStringLiteral("次の計算をしましょう。");
const QString kRandomText =
    QStringLiteral("次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。");
const QString kAllText = QStringLiteral("記号か数字を□の上か中に書いて正しい式にしましょう。");
const QString kBonusText = QStringLiteral("書かれている文字の色を声に出して読みましょう。");

class MainWindowTest : public testing::UiTest {
 protected:
  // Whether the colour-word dialog is up, modal; it is closed again.
  bool CloseColourDialog() {
    const bool shown = colourWordDialog_.isVisible() && colourWordDialog_.isModal();
    colourWordDialog_.reject();
    return shown;
  }

  QCheckBox& Box(int n) { return *window_.patternBox(n); }
  static void Choose(RadioGroup& group, int item) { group.button(item)->click(); }

  ColourWordDialog colourWordDialog_;
  MainWindow window_{colourWordDialog_};
};

TEST_F(MainWindowTest, StartsWithEverythingAtItsInitialState) {
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Kazenori"));
  EXPECT_EQ(window_.size(), QSize(995, 611));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_FALSE(window_.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window_.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(QFontInfo(window_.font()).family(),
            QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"))).family());
  EXPECT_EQ(window_.font().pixelSize(), 12);

  EXPECT_EQ(window_.zeroSetting(), ZeroSetting::Refused);
  EXPECT_EQ(window_.printNumber(), 1);
  EXPECT_EQ(window_.printNumberEdit()->text(), QStringLiteral("1"));
  EXPECT_EQ(window_.instructionEdit()->text(), kPlainText);
  EXPECT_EQ(window_.instructionEdit()->font().pixelSize(), 15);
  EXPECT_TRUE(window_.selection().Empty());
  for (RadioGroup* group :
       {window_.zeroGroup(), window_.hideGroup(), window_.blankGroup(), window_.bonusGroup()})
    EXPECT_EQ(group->itemIndex(), 0) << group->title().toStdString();
  EXPECT_FALSE(window_.bonusSettingsButton()->isEnabled());
  EXPECT_EQ(window_.patternGrid()->title(), QStringLiteral("暗算パターンの選択"));
  EXPECT_EQ(window_.previewButton()->text(), QStringLiteral("プレビュー"));
  EXPECT_EQ(window_.clearButton()->text(), QStringLiteral("選択を全てクリア"));
}

TEST_F(MainWindowTest, BoxArrayReachesEveryBoxByItsNumber) {
  for (int n = 1; n <= kPatternCount; ++n) {
    QCheckBox& box = Box(n);
    EXPECT_EQ(box.text(), QString::fromUtf8(Pattern(n).caption)) << n;
    EXPECT_EQ(box.parentWidget(), window_.patternGrid());
    EXPECT_FALSE(box.isChecked());
    EXPECT_TRUE(box.isEnabled());
    const bool blue = box.palette().color(QPalette::WindowText) == QColor(Qt::blue);
    EXPECT_EQ(blue, n >= 88 && n <= 104) << n;
  }
}

TEST_F(MainWindowTest, ListFollowsTheOrderOfTicking) {
  Box(5).setChecked(true);
  Box(3).setChecked(true);
  Box(12).setChecked(true);
  EXPECT_EQ(window_.selection().Patterns(), (Entries{5, 3, 12}));
  Box(3).setChecked(false);
  EXPECT_EQ(window_.selection().Patterns(), (Entries{5, 12}));
  Box(3).click();
  EXPECT_EQ(window_.selection().Patterns(), (Entries{5, 12, 3}));
  // Setting a box to the state it already has is no change and adds nothing.
  Box(3).setChecked(true);
  EXPECT_EQ(window_.selection().Count(), 3);
}

TEST_F(MainWindowTest, SharedHandlerBoxesAddTheirOwnNumbers) {
  for (int n : {111, 109, 64, 60, 150, 100, 103}) Box(n).click();
  EXPECT_EQ(window_.selection().Patterns(), (Entries{111, 109, 64, 60, 150, 100, 103}));
}

TEST_F(MainWindowTest, ClearAllEmptiesTheListAfterAnyHistory) {
  for (int round = 0; round < 3; ++round)
    for (int n : {1, 50, 88, 150, 50}) Box(n).click();
  ASSERT_FALSE(window_.selection().Empty());
  window_.clearButton()->click();
  EXPECT_TRUE(window_.selection().Empty());
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_FALSE(Box(n).isChecked()) << n;
  Box(7).click();
  EXPECT_EQ(window_.selection().Patterns(), (Entries{7}));
}

TEST_F(MainWindowTest, ZeroSetupCopiesItsItem) {
  Choose(*window_.zeroGroup(), 1);
  EXPECT_EQ(window_.zeroSetting(), ZeroSetting::Allowed);
  Choose(*window_.zeroGroup(), 0);
  EXPECT_EQ(window_.zeroSetting(), ZeroSetting::Refused);
}

TEST_F(MainWindowTest, HidingAndBlankingGroupsWriteTheInstructionLine) {
  Choose(*window_.hideGroup(), 1);
  EXPECT_EQ(window_.instructionEdit()->text(), kRandomText);
  Choose(*window_.hideGroup(), 2);
  EXPECT_EQ(window_.instructionEdit()->text(), kAllText);
  window_.instructionEdit()->setText(QStringLiteral("自由な問題文"));
  Choose(*window_.blankGroup(), 1);
  EXPECT_EQ(window_.instructionEdit()->text(), kRandomText);
  Choose(*window_.hideGroup(), 0);
  EXPECT_EQ(window_.instructionEdit()->text(), kPlainText);
  // The last group clicked decides, even when the other one says otherwise.
  Choose(*window_.blankGroup(), 2);
  EXPECT_EQ(window_.instructionEdit()->text(), kAllText);
}

TEST_F(MainWindowTest, BonusOnGreysTheBoxesAndOpensTheDialogKeepingTicks) {
  Box(7).click();
  Box(88).click();
  Choose(*window_.hideGroup(), 2);
  Choose(*window_.bonusGroup(), 1);
  EXPECT_TRUE(CloseColourDialog());
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_FALSE(Box(n).isEnabled()) << n;
  // The blue boxes grey out with the rest: the text colour they paint with now.
  const QColor grey = Box(1).palette().color(QPalette::WindowText);
  for (int n : {88, 104}) EXPECT_EQ(Box(n).palette().color(QPalette::WindowText), grey) << n;
  EXPECT_FALSE(window_.zeroGroup()->isEnabled());
  EXPECT_TRUE(window_.bonusSettingsButton()->isEnabled());
  EXPECT_EQ(window_.instructionEdit()->text(), kBonusText);
  EXPECT_TRUE(Box(7).isChecked());
  EXPECT_EQ(window_.selection().Patterns(), (Entries{7, 88}));

  window_.bonusSettingsButton()->click();
  EXPECT_TRUE(CloseColourDialog());

  Choose(*window_.bonusGroup(), 0);
  EXPECT_FALSE(CloseColourDialog());
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_TRUE(Box(n).isEnabled()) << n;
  EXPECT_EQ(Box(88).palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_TRUE(window_.zeroGroup()->isEnabled());
  EXPECT_FALSE(window_.bonusSettingsButton()->isEnabled());
  EXPECT_EQ(window_.instructionEdit()->text(), kPlainText);
  EXPECT_TRUE(Box(7).isChecked() && Box(88).isChecked());
  EXPECT_EQ(window_.selection().Patterns(), (Entries{7, 88}));
  EXPECT_EQ(window_.hideGroup()->itemIndex(), 2);

  Choose(*window_.hideGroup(), 1);
  EXPECT_EQ(window_.instructionEdit()->text(), kRandomText);
}

// A grid rests the patterns and the option groups (ticks kept) and writes
// its own instruction line; the options carry it without the patterns.
TEST_F(MainWindowTest, TheGridChoiceRestsTheOtherOptionsUntilItIsDropped) {
  Box(7).click();
  window_.gridChoice()->setCurrentIndex(2);
  window_.gridSizeChoice()->setCurrentIndex(1);
  EXPECT_FALSE(Box(7).isEnabled());
  for (const RadioGroup* group :
       {window_.zeroGroup(), window_.hideGroup(), window_.blankGroup(), window_.bonusGroup()}) {
    EXPECT_FALSE(group->isEnabled()) << group->title().toStdString();
  }
  EXPECT_EQ(window_.instructionEdit()->text(),
            QString::fromStdString(GridInstruction(GridOp::Sub)));
  SheetOptions options = window_.options();
  EXPECT_EQ(options.grid, GridOp::Sub);
  EXPECT_EQ(options.gridSize, 5);
  EXPECT_TRUE(options.patterns.empty());

  window_.gridChoice()->setCurrentIndex(0);
  EXPECT_TRUE(Box(7).isEnabled() && Box(7).isChecked());
  EXPECT_TRUE(window_.bonusGroup()->isEnabled());
  EXPECT_FALSE(window_.gridSizeChoice()->isEnabled());
  EXPECT_EQ(window_.instructionEdit()->text(), kPlainText);
  options = window_.options();
  EXPECT_EQ(options.grid, GridOp::None);
  EXPECT_EQ(options.patterns, (Entries{7}));
}

TEST_F(MainWindowTest, PreviewWithNothingTickedWarnsAndOpensNothing) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window_.previewButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, QStringLiteral("少なくとも１つは問題を指定して下さい。"));
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("警告"));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(messages.shown[0].beep);
  EXPECT_FALSE(window_.preview()->IsRecorded());
  EXPECT_EQ(window_.printNumberEdit()->text(), QStringLiteral("1"));
}

// A code typed with an input method takes its printed form as it is typed,
// and a refused one stays in the box to be corrected.
TEST_F(MainWindowTest, TheRemakeBoxTidiesTheCodeAndKeepsARefusedOne) {
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window_.remakeButton()->click();
  RemakeDialog* dialog = window_.remakeDialog();
  ASSERT_NE(dialog, nullptr);
  for (const QString& committed :
       {QStringLiteral("２１ｋｗ－oooo　"), QStringLiteral("０１ｒl－００１０－Ａ５")}) {
    QInputMethodEvent typed;
    typed.setCommitString(committed);
    QCoreApplication::sendEvent(dialog->codeEdit(), &typed);
  }
  EXPECT_EQ(dialog->codeEdit()->text(), QStringLiteral("21KW-0000-01R1-0010-A5"));
  dialog->okButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].caption, QStringLiteral("再作成"));
  window_.remakeButton()->click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->codeEdit()->text(), QStringLiteral("21KW-0000-01R1-0010-A5"));
  dialog->reject();
}

TEST_F(MainWindowTest, OptionsCarryTheControlsToTheComposer) {
  Box(12).click();
  Box(3).click();
  Choose(*window_.zeroGroup(), 1);
  Choose(*window_.hideGroup(), 1);
  Choose(*window_.blankGroup(), 2);
  window_.printNumberEdit()->setText(QStringLiteral("42"));
  window_.instructionEdit()->setText(QStringLiteral("よく見て解こう"));
  SheetOptions options = window_.options();
  EXPECT_EQ(options.patterns, (Entries{12, 3}));
  EXPECT_EQ(options.zero, ZeroSetting::Allowed);
  EXPECT_EQ(options.hide, LayerSetting::Random);
  EXPECT_EQ(options.blank, LayerSetting::All);
  EXPECT_EQ(options.printNumber, 42);
  EXPECT_EQ(options.instruction, "よく見て解こう");
  EXPECT_FALSE(options.bonus);
  EXPECT_EQ(options.colourWords.colourCount, 0);

  Choose(*window_.bonusGroup(), 1);
  colourWordDialog_.colourCountGroup()->button(1)->click();
  colourWordDialog_.wordCountGroup()->button(0)->click();
  colourWordDialog_.okButton()->click();
  options = window_.options();
  EXPECT_TRUE(options.bonus);
  EXPECT_EQ(options.colourWords.colourCount, 3);
  EXPECT_EQ(options.colourWords.wordsPerBlock, 20);
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindow) {
  window_.show();
  ASSERT_TRUE(window_.isVisible());
  window_.closeButton()->click();
  EXPECT_FALSE(window_.isVisible());
}

}  // namespace
}  // namespace kazenori
