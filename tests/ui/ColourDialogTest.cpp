// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"

namespace kazenori {
namespace {

// Widgets need the application object before the fixture's dialog is built.
struct ColourDialogApp {
  ColourDialogApp() {
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "test_composition";
      static char* argv[] = {name, nullptr};
      new QApplication(argc, argv);
    }
  }
};

class ColourDialogTest : public ColourDialogApp, public ::testing::Test {
 protected:
  static void Choose(RadioGroup& group, int item) { group.Button(item)->click(); }

  TFrmColor dialog;
};

TEST_F(ColourDialogTest, StartsWithZeroSettingsAndTheDesignedChoices) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("色問題の設定"));
  EXPECT_EQ(dialog.size(), QSize(288, 120));
  EXPECT_EQ(dialog.Settings().colourCount, 0);
  EXPECT_EQ(dialog.Settings().wordsPerBlock, 0);
  EXPECT_EQ(dialog.rgColorNum->title(), QStringLiteral("色数の設定"));
  EXPECT_EQ(dialog.rgColorNum->Count(), 4);
  EXPECT_EQ(dialog.rgColorNum->Button(3)->text(), QStringLiteral("５色（赤・青・黄・緑・黒）"));
  EXPECT_EQ(dialog.rgColorNum->ItemIndex(), 2);
  EXPECT_EQ(dialog.rgQuestNum->title(), QStringLiteral("問題数の設定"));
  EXPECT_EQ(dialog.rgQuestNum->Count(), 3);
  EXPECT_EQ(dialog.rgQuestNum->ItemIndex(), 2);
  EXPECT_EQ(dialog.BitBtn1->geometry(), QRect(200, 88, 75, 25));
}

TEST_F(ColourDialogTest, OkCopiesEveryPairOfChoices) {
  const int colours[] = {2, 3, 4, 5};
  const int words[] = {20, 30, 40};
  for (int c = 0; c < 4; ++c) {
    for (int w = 0; w < 3; ++w) {
      Choose(*dialog.rgColorNum, c);
      Choose(*dialog.rgQuestNum, w);
      dialog.BitBtn1->click();
      EXPECT_EQ(dialog.Settings().colourCount, colours[c]);
      EXPECT_EQ(dialog.Settings().wordsPerBlock, words[w]);
      EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
  }
}

TEST_F(ColourDialogTest, ClosingOtherwiseKeepsThePreviousSettings) {
  dialog.reject();
  EXPECT_EQ(dialog.Settings().colourCount, 0);
  EXPECT_EQ(dialog.Settings().wordsPerBlock, 0);

  Choose(*dialog.rgColorNum, 0);
  Choose(*dialog.rgQuestNum, 1);
  dialog.BitBtn1->click();
  Choose(*dialog.rgColorNum, 3);
  Choose(*dialog.rgQuestNum, 0);
  dialog.reject();
  EXPECT_EQ(dialog.Settings().colourCount, 2);
  EXPECT_EQ(dialog.Settings().wordsPerBlock, 30);
  // The groups keep what the user left in them for the next opening.
  EXPECT_EQ(dialog.rgColorNum->ItemIndex(), 3);
  EXPECT_EQ(dialog.rgQuestNum->ItemIndex(), 0);
}

TEST_F(ColourDialogTest, ModalShowingEndsWithOk) {
  Choose(*dialog.rgColorNum, 1);
  QTimer::singleShot(0, dialog.BitBtn1, &QPushButton::click);
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Settings().colourCount, 3);
}

}  // namespace
}  // namespace kazenori
