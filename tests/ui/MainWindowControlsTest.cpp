// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

#include "MainWindowTestSupport.h"
#include "app/Fmain.h"
#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {
namespace {

class MainWindowControlsTest : public testing::WithTestApp, public ::testing::Test {
 protected:
  TFrmColor frmColor;
  TForm1 form{frmColor};
};

struct GroupCase {
  RadioGroup* group;
  const char* caption;
  std::vector<const char*> items;
  QRect bounds;
};

// Caption, items in order (side by side in one row), and where the group
// stands; every group starts at its first item.
TEST_F(MainWindowControlsTest, OptionGroupsCarryTheirCaptionsItemsAndPlaces) {
  const GroupCase cases[] = {
      {form.rgZeroSetup, "第２項のｾﾞﾛの設定", {"なし", "あり"}, {21, 524, 110, 41}},
      {form.rgOpeSetup, "演算子のみを隠す設定", {"なし", "ﾗﾝﾀﾞﾑ", "全て"}, {137, 524, 161, 41}},
      {form.rgBlankSetup, "虫食いの設定", {"なし", "ﾗﾝﾀﾞﾑ", "全て"}, {304, 524, 167, 41}},
      // Three pixels wider than the reference layout, on purpose.
      {form.rgBonus, "おまけ", {"なし", "あり"}, {536, 524, 96, 41}},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.group->title(), QString::fromUtf8(c.caption));
    EXPECT_EQ(c.group->geometry(), c.bounds);
    EXPECT_EQ(c.group->ItemIndex(), 0);
    ASSERT_EQ(c.group->Count(), static_cast<int>(c.items.size()));
    for (int i = 0; i < c.group->Count(); ++i) {
      EXPECT_EQ(c.group->Button(i)->text(), QString::fromUtf8(c.items[static_cast<size_t>(i)]));
      // All items of these groups stand in one row, left to right.
      EXPECT_EQ(c.group->Button(i)->y(), c.group->Button(0)->y());
      if (i > 0) {
        EXPECT_GT(c.group->Button(i)->x(), c.group->Button(i - 1)->x());
      }
    }
  }
}

TEST_F(MainWindowControlsTest, ButtonsLabelsAndEditsCarryTheirTextsAndPlaces) {
  struct ButtonCase {
    QPushButton* button;
    const char* caption;
    QRect bounds;
    bool enabled;
  };
  const ButtonCase buttons[] = {
      {form.btnBonus, "おまけの設定", {635, 532, 80, 33}, false},
      {form.btnAllPatClear, "選択を全てクリア", {728, 524, 98, 33}, true},
      {form.btnPreview, "プレビュー", {832, 524, 145, 33}, true},
  };
  for (const ButtonCase& b : buttons) {
    SCOPED_TRACE(b.caption);
    EXPECT_EQ(b.button->text(), QString::fromUtf8(b.caption));
    EXPECT_EQ(b.button->geometry(), b.bounds);
    EXPECT_EQ(b.button->isEnabled(), b.enabled);
  }
  EXPECT_EQ(form.BitBtn1->geometry(), QRect(872, 563, 105, 31));
  EXPECT_FALSE(form.BitBtn1->icon().isNull());

  EXPECT_EQ(form.Label1->text(), QStringLiteral("Kazenori"));
  EXPECT_EQ(form.Label1->pos(), QPoint(8, 8));
  EXPECT_EQ(form.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_EQ(form.Label4->text(), QStringLiteral("ﾌﾟﾘﾝﾄ番号"));
  EXPECT_EQ(form.Label4->pos(), QPoint(477, 524));
  EXPECT_EQ(form.Label3->text(), QStringLiteral("問題文"));
  EXPECT_EQ(form.Label3->pos(), QPoint(21, 579));

  EXPECT_EQ(form.edtPrintNum->geometry(), QRect(487, 545, 33, 20));
  EXPECT_EQ(form.edtQuestMes->geometry(), QRect(61, 571, 567, 23));
  EXPECT_EQ(form.Bevel2->geometry(), QRect(8, 32, 977, 29));
  EXPECT_EQ(form.Bevel1->geometry(), QRect(8, 67, 977, 536));
  EXPECT_EQ(form.GroupBox1->geometry(), QRect(21, 80, 956, 438));
}

// The printer settings stand for the default printer from the start, with A4
// paper, so that the page geometry and the preview's paper name are the
// printer's own; the preview document carries the window's design.
TEST_F(MainWindowControlsTest, StartUpSelectsAPrinterWithA4AndDesignsThePreview) {
  EXPECT_EQ(form.plPrev1->Title(), QStringLiteral("印刷プレビュー"));
  EXPECT_EQ(form.plPrev1->LeftMargin(), 51);
  EXPECT_EQ(form.plPrev1->TopMargin(), 51);
  EXPECT_EQ(form.plPrev1->RightMargin(), 52);
  EXPECT_EQ(form.plPrev1->BottomMargin(), 51);
  EXPECT_EQ(form.plPrev1->FormWidth(), 682);
  EXPECT_EQ(form.plPrev1->FormHeight(), 512);
  if (form.plPrev1->NoPrinter()) GTEST_SKIP() << "no printer installed";
  EXPECT_FALSE(form.plSetPrinter1->PrinterName().isEmpty());
  EXPECT_EQ(form.plSetPrinter1->GetPaperSize(), 9);
  EXPECT_FALSE(form.plPrev1->PaperName().isEmpty());
  form.show();
  EXPECT_GT(form.Metrics().horzRes, 0);
}

TEST_F(MainWindowControlsTest, CloseButtonEndsTheWindow) {
  form.show();
  ASSERT_TRUE(form.isVisible());
  form.BitBtn1->click();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace kazenori
