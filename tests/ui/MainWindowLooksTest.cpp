// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "MainWindowTestSupport.h"
#include "app/Fmain.h"
#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"
#include "preview/PLPREVFRM.h"
#include "preview/plPrev.h"

namespace kazenori {
namespace {

// What a person sees: every caption fits its control and no two boxes
// cover each other. With KAZENORI_SCREENSHOT_DIR set the window is also saved
// as main-window.png there, for the documentation.
class MainWindowLooksTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  TFrmColor frmColor;
  TForm1 form{frmColor};
};

TEST_F(MainWindowLooksTest, EveryPatternCaptionFitsItsBox) {
  for (int n = 1; n <= kPatternCount; ++n) {
    QCheckBox& box = *form.CheckBoxes.at(static_cast<std::size_t>(n));
    EXPECT_LE(box.sizeHint().width(), box.width())
        << "box " << n << " " << box.text().toStdString();
    // Inside the frame, below the caption line.
    const QRect inner =
        form.GroupBox1->rect().adjusted(2, form.GroupBox1->fontMetrics().height(), -2, -2);
    EXPECT_TRUE(inner.contains(box.geometry())) << n;
  }
}

TEST_F(MainWindowLooksTest, BoxesOfAColumnDoNotCoverEachOthersCaptions) {
  for (int a = 1; a <= kPatternCount; ++a) {
    for (int b = a + 1; b <= kPatternCount; ++b) {
      const QRect ra = form.CheckBoxes.at(static_cast<std::size_t>(a))->geometry();
      const QRect rb = form.CheckBoxes.at(static_cast<std::size_t>(b))->geometry();
      // The designed rows are 14 to 18 pixels apart; a pixel of shared edge is
      // part of that design, more would hide text.
      const QRect shared = ra.intersected(rb);
      EXPECT_TRUE(shared.isEmpty() || shared.height() <= 2) << a << " and " << b;
    }
  }
}

TEST_F(MainWindowLooksTest, ButtonsAndGroupCaptionsAreNotClipped) {
  for (QPushButton* button : {form.btnBonus, form.btnAllPatClear, form.btnPreview, form.BitBtn1})
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
  for (RadioGroup* group : {form.rgZeroSetup, form.rgOpeSetup, form.rgBlankSetup, form.rgBonus}) {
    const int captionWidth = group->fontMetrics().horizontalAdvance(group->title());
    EXPECT_LE(captionWidth + 8, group->width()) << group->title().toStdString();
    for (int i = 0; i < group->Count(); ++i) {
      QRadioButton* item = group->Button(i);
      EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
      EXPECT_TRUE(group->rect().contains(item->geometry())) << item->text().toStdString();
    }
  }
  for (QLabel* label : {form.Label1, form.Label3, form.Label4})
    EXPECT_TRUE(form.rect().contains(label->geometry()));
}

TEST_F(MainWindowLooksTest, ColourDialogItemsFit) {
  for (RadioGroup* group : {frmColor.rgColorNum, frmColor.rgQuestNum}) {
    for (int i = 0; i < group->Count(); ++i) {
      QRadioButton* item = group->Button(i);
      EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
    }
  }
}

TEST_F(MainWindowLooksTest, SavesAScreenshotWhenAsked) {
  const QString dir = qEnvironmentVariable("KAZENORI_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "KAZENORI_SCREENSHOT_DIR is not set";
  form.show();
  QCoreApplication::processEvents();
  const QPixmap shot = form.grab();
  ASSERT_EQ(shot.size(), QSize(995, 611));
  EXPECT_TRUE(shot.save(QDir(dir).filePath(QStringLiteral("main-window.png"))));
  frmColor.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(frmColor.grab().save(QDir(dir).filePath(QStringLiteral("colour-dialog.png"))));
}

TEST_F(MainWindowLooksTest, SavesThePreviewWindowWithAWorksheetWhenAsked) {
  const QString dir = qEnvironmentVariable("KAZENORI_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "KAZENORI_SCREENSHOT_DIR is not set";
  form.show();
  for (int n : {7, 13, 30}) form.CheckBoxes[static_cast<std::size_t>(n)]->setChecked(true);
  bool saved = false;
  std::function<void()> step = [&] {
    TplPrevForm* window = form.plPrev1->PreviewWindow();
    if (!window || !window->PrintBtn->isEnabled()) {
      QTimer::singleShot(0, &form, step);
      return;
    }
    window->resize(900, 700);
    QCoreApplication::processEvents();
    const QPixmap shot = window->grab();
    // The page stands in the middle of the display area.
    const QRect image = window->Image1->geometry();
    const QRect box = window->ScrollBox1->rect();
    EXPECT_LE(std::abs(image.center().x() - box.center().x()), 1);
    saved = shot.save(QDir(dir).filePath(QStringLiteral("preview-window.png")));
    window->CloseBtn->click();
  };
  QTimer::singleShot(0, &form, step);
  form.btnPreview->click();
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace kazenori
