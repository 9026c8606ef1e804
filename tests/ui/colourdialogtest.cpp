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

  ColourWordDialog dialog;
};

TEST_F(ColourDialogTest, StartsWithZeroSettingsAndTheDesignedChoices) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("色問題の設定"));
  EXPECT_EQ(dialog.width(), 288);
  EXPECT_GE(dialog.height(), 120);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
  EXPECT_EQ(dialog.settings().colourCount, 0);
  EXPECT_EQ(dialog.settings().wordsPerBlock, 0);
  EXPECT_EQ(dialog.colourCountGroup()->title(), QStringLiteral("色数の設定"));
  EXPECT_EQ(dialog.colourCountGroup()->count(), 4);
  EXPECT_EQ(dialog.colourCountGroup()->button(3)->text(),
            QStringLiteral("５色（赤・青・黄・緑・黒）"));
  EXPECT_EQ(dialog.colourCountGroup()->itemIndex(), 2);
  EXPECT_EQ(dialog.wordCountGroup()->title(), QStringLiteral("問題数の設定"));
  EXPECT_EQ(dialog.wordCountGroup()->count(), 3);
  EXPECT_EQ(dialog.wordCountGroup()->itemIndex(), 2);
  EXPECT_EQ(dialog.okButton()->icon().pixmap({16, 16}).toImage(),
            dialog.style()->standardIcon(QStyle::SP_DialogOkButton).pixmap({16, 16}).toImage());
  // OK below the word counts, at the right.
  dialog.show();
  EXPECT_GT(dialog.okButton()->y(), dialog.wordCountGroup()->geometry().bottom());
  EXPECT_GE(dialog.okButton()->geometry().right(), dialog.wordCountGroup()->geometry().right() - 1);
  dialog.hide();
}

TEST_F(ColourDialogTest, OkCopiesEveryPairOfChoices) {
  const int colours[] = {2, 3, 4, 5};
  const int words[] = {20, 30, 40};
  for (int c = 0; c < 4; ++c) {
    for (int w = 0; w < 3; ++w) {
      Choose(*dialog.colourCountGroup(), c);
      Choose(*dialog.wordCountGroup(), w);
      dialog.okButton()->click();
      EXPECT_EQ(dialog.settings().colourCount, colours[c]);
      EXPECT_EQ(dialog.settings().wordsPerBlock, words[w]);
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
  }
}

TEST_F(ColourDialogTest, ClosingOtherwiseKeepsThePreviousSettings) {
  dialog.reject();
  EXPECT_EQ(dialog.settings().colourCount, 0);
  EXPECT_EQ(dialog.settings().wordsPerBlock, 0);

  Choose(*dialog.colourCountGroup(), 0);
  Choose(*dialog.wordCountGroup(), 1);
  dialog.okButton()->click();
  Choose(*dialog.colourCountGroup(), 3);
  Choose(*dialog.wordCountGroup(), 0);
  dialog.reject();
  EXPECT_EQ(dialog.settings().colourCount, 2);
  EXPECT_EQ(dialog.settings().wordsPerBlock, 30);
  // The groups keep what the user left in them for the next opening.
  EXPECT_EQ(dialog.colourCountGroup()->itemIndex(), 3);
  EXPECT_EQ(dialog.wordCountGroup()->itemIndex(), 0);
}

TEST_F(ColourDialogTest, ModalShowingEndsWithOk) {
  Choose(*dialog.colourCountGroup(), 1);
  QTimer::singleShot(0, dialog.okButton(), &QPushButton::click);
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.settings().colourCount, 3);
}

}  // namespace
}  // namespace kazenori
