// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>
#include <vector>

#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerselection.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/patternboxgrid.h"
#include "ui/radiogroup.h"

namespace kazenori {
namespace {

class MainWindowControlsTest : public testing::UiTest {
 protected:
  MainWindowControlsTest() { window.show(); }

  // Where `widget` stands in the window.
  QRect Placed(const QWidget& widget) const {
    return {widget.mapTo(&window, QPoint()), widget.size()};
  }
  QLabel* Label(const char* text) const {
    for (QLabel* label : window.findChildren<QLabel*>())
      if (label->text() == QString::fromUtf8(text)) return label;
    return nullptr;
  }
  // About where the window was first drawn, and at least as large: the rows
  // stand within a few pixels of it; along a row, controls that need more room
  // for their text push the next ones right a little.
  void ExpectNear(const QWidget& widget, const QRect& designed) const {
    const QRect placed = Placed(widget);
    EXPECT_LE(std::abs(placed.x() - designed.x()), kAlongRow) << placed.x();
    EXPECT_LE(std::abs(placed.y() - designed.y()), kAcrossRows) << placed.y();
    EXPECT_GE(placed.width(), designed.width());
    EXPECT_GE(placed.height(), designed.height());
    EXPECT_LE(placed.width(), designed.width() + kAlongRow);
    EXPECT_LE(placed.height(), designed.height() + kAcrossRows);
  }

  static constexpr int kAlongRow = 24;
  static constexpr int kAcrossRows = 8;
  ColourWordDialog colourWordDialog;
  MainWindow window{colourWordDialog};
};

struct GroupCase {
  RadioGroup* group;
  const char* caption;
  std::vector<const char*> items;
  QRect designed;
};

// Caption, items in order (side by side in one row), and where the group
// stands; every group starts at its first item.
TEST_F(MainWindowControlsTest, OptionGroupsCarryTheirCaptionsItemsAndPlaces) {
  const GroupCase cases[] = {
      {window.zeroGroup(), "第２項のｾﾞﾛの設定", {"なし", "あり"}, {21, 524, 110, 41}},
      {window.hideGroup(), "演算子のみを隠す設定", {"なし", "ﾗﾝﾀﾞﾑ", "全て"}, {137, 524, 161, 41}},
      {window.blankGroup(), "虫食いの設定", {"なし", "ﾗﾝﾀﾞﾑ", "全て"}, {304, 524, 167, 41}},
      {window.bonusGroup(), "おまけ", {"なし", "あり"}, {536, 524, 96, 41}},
  };
  for (const GroupCase& c : cases) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.group->title(), QString::fromUtf8(c.caption));
    ExpectNear(*c.group, c.designed);
    EXPECT_EQ(c.group->itemIndex(), 0);
    ASSERT_EQ(c.group->count(), static_cast<int>(c.items.size()));
    for (int i = 0; i < c.group->count(); ++i) {
      EXPECT_EQ(c.group->button(i)->text(), QString::fromUtf8(c.items[static_cast<size_t>(i)]));
      // All items of these groups stand in one row, left to right.
      EXPECT_EQ(c.group->button(i)->y(), c.group->button(0)->y());
      if (i > 0) {
        EXPECT_GT(c.group->button(i)->x(), c.group->button(i - 1)->x());
      }
    }
  }
}

TEST_F(MainWindowControlsTest, ButtonsLabelsAndEditsCarryTheirTextsAndPlaces) {
  struct ButtonCase {
    QPushButton* button;
    const char* caption;
    QRect designed;
    bool enabled;
  };
  const ButtonCase buttons[] = {
      {window.bonusSettingsButton(), "おまけの設定", {635, 532, 80, 33}, false},
      {window.clearButton(), "選択を全てクリア", {728, 524, 98, 33}, true},
      {window.previewButton(), "プレビュー", {832, 524, 145, 33}, true},
      {window.closeButton(), "閉じる", {872, 563, 105, 31}, true},
  };
  for (const ButtonCase& b : buttons) {
    SCOPED_TRACE(b.caption);
    EXPECT_EQ(b.button->text(), QString::fromUtf8(b.caption));
    ExpectNear(*b.button, b.designed);
    EXPECT_EQ(b.button->isEnabled(), b.enabled);
  }

  struct LabelCase {
    const char* text;
    QPoint designed;
  };
  for (const LabelCase& l : {LabelCase{"Kazenori", {8, 8}}, LabelCase{"ﾌﾟﾘﾝﾄ番号", {477, 524}},
                             LabelCase{"問題文", {21, 579}}}) {
    SCOPED_TRACE(l.text);
    const QLabel* label = Label(l.text);
    ASSERT_NE(label, nullptr);
    EXPECT_LE((Placed(*label).topLeft() - l.designed).manhattanLength(), kAcrossRows);
  }
  EXPECT_EQ(Label("Kazenori")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  ExpectNear(*window.printNumberEdit(), {487, 545, 33, 20});
  ExpectNear(*window.instructionEdit(), {61, 571, 567, 23});
  ExpectNear(*window.patternGrid(), {21, 80, 956, 438});
}

// The printer settings stand for the default printer from the start, with A4
// paper, so that the page geometry and the preview's paper name are the
// printer's own; the preview document carries the window's design.
TEST_F(MainWindowControlsTest, StartUpSelectsAPrinterWithA4AndDesignsThePreview) {
  EXPECT_EQ(window.preview()->Title(), QStringLiteral("印刷プレビュー"));
  if (window.printerSettings()->PrinterCount() == 0) GTEST_SKIP() << "no printer installed";
  EXPECT_FALSE(window.printerSettings()->PrinterName().isEmpty());
  EXPECT_EQ(window.printerSettings()->PageSizeId(), QPageSize::A4);
  EXPECT_EQ(window.preview()->PagePaper(), window.printerSettings()->PagePaper());
  EXPECT_FALSE(window.preview()->PagePaper().name.isEmpty());
  window.show();
  EXPECT_GT(window.printerMetrics().horzRes, 0);
}

}  // namespace
}  // namespace kazenori
