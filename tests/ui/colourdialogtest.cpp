// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

#include "mainwindowtestsupport.h"
#include "ui/colourworddialog.h"
#include "ui/radiogroup.h"

namespace kazenori {
namespace {

class ColourDialogTest : public testing::UiTest {
 protected:
  static void Choose(RadioGroup& group, int item) { group.button(item)->click(); }

  ColourWordDialog dialog_;
};

TEST_F(ColourDialogTest, StartsWithZeroSettingsAndTheDesignedChoices) {
  EXPECT_EQ(dialog_.windowTitle(), QStringLiteral("色問題の設定"));
  EXPECT_EQ(dialog_.width(), 288);
  EXPECT_GE(dialog_.height(), 120);
  EXPECT_EQ(dialog_.minimumSize(), dialog_.maximumSize());
  EXPECT_EQ(dialog_.settings().colourCount, 0);
  EXPECT_EQ(dialog_.settings().wordsPerBlock, 0);
  EXPECT_EQ(dialog_.colourCountGroup()->title(), QStringLiteral("色数の設定"));
  EXPECT_EQ(dialog_.colourCountGroup()->count(), 4);
  EXPECT_EQ(dialog_.colourCountGroup()->button(3)->text(),
            QStringLiteral("５色（赤・青・黄・緑・黒）"));
  EXPECT_EQ(dialog_.colourCountGroup()->itemIndex(), 2);
  EXPECT_EQ(dialog_.wordCountGroup()->title(), QStringLiteral("問題数の設定"));
  EXPECT_EQ(dialog_.wordCountGroup()->count(), 3);
  EXPECT_EQ(dialog_.wordCountGroup()->itemIndex(), 2);
  EXPECT_EQ(dialog_.okButton()->icon().pixmap({16, 16}).toImage(),
            dialog_.style()->standardIcon(QStyle::SP_DialogOkButton).pixmap({16, 16}).toImage());
  // OK below the word counts, at the right.
  dialog_.show();
  EXPECT_GT(dialog_.okButton()->y(), dialog_.wordCountGroup()->geometry().bottom());
  EXPECT_GE(dialog_.okButton()->geometry().right(),
            dialog_.wordCountGroup()->geometry().right() - 1);
  dialog_.hide();
}

TEST_F(ColourDialogTest, OkCopiesEveryPairOfChoices) {
  const int colours[] = {2, 3, 4, 5};
  const int words[] = {20, 30, 40};
  for (int c = 0; c < 4; ++c) {
    for (int w = 0; w < 3; ++w) {
      Choose(*dialog_.colourCountGroup(), c);
      Choose(*dialog_.wordCountGroup(), w);
      dialog_.okButton()->click();
      EXPECT_EQ(dialog_.settings().colourCount, colours[c]);
      EXPECT_EQ(dialog_.settings().wordsPerBlock, words[w]);
      EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    }
  }
}

TEST_F(ColourDialogTest, ClosingOtherwiseKeepsThePreviousSettings) {
  dialog_.reject();
  EXPECT_EQ(dialog_.settings().colourCount, 0);
  EXPECT_EQ(dialog_.settings().wordsPerBlock, 0);

  Choose(*dialog_.colourCountGroup(), 0);
  Choose(*dialog_.wordCountGroup(), 1);
  dialog_.okButton()->click();
  Choose(*dialog_.colourCountGroup(), 3);
  Choose(*dialog_.wordCountGroup(), 0);
  dialog_.reject();
  EXPECT_EQ(dialog_.settings().colourCount, 2);
  EXPECT_EQ(dialog_.settings().wordsPerBlock, 30);
  // The groups keep what the user left in them for the next opening.
  EXPECT_EQ(dialog_.colourCountGroup()->itemIndex(), 3);
  EXPECT_EQ(dialog_.wordCountGroup()->itemIndex(), 0);
}

TEST_F(ColourDialogTest, ModalShowingEndsWithOk) {
  Choose(*dialog_.colourCountGroup(), 1);
  QTimer::singleShot(0, dialog_.okButton(), &QPushButton::click);
  EXPECT_EQ(dialog_.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog_.settings().colourCount, 3);
}

}  // namespace
}  // namespace kazenori
