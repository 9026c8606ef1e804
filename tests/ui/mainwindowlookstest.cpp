// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <vector>

#include "mainwindowtestsupport.h"
#include "pages/previewdocument.h"
#include "print/printerdiscovery.h"
#include "ui/colourworddialog.h"
#include "ui/mainwindow.h"
#include "ui/pagewidget.h"
#include "ui/patternboxgrid.h"
#include "ui/previewdialog.h"
#include "ui/radiogroup.h"

namespace kazenori {
namespace {

// What a person sees: every caption fits its control, the boxes stand in
// their columns in the listed order, and no two controls cover each other.
// With KAZENORI_SCREENSHOT_DIR set the window is also saved as main-window.png
// there, for the documentation.
class MainWindowLooksTest : public testing::UiTest {
 protected:
  ColourWordDialog colourWordDialog;
  MainWindow mainWindow{colourWordDialog};
};

// Every box, button, radio item and group caption shows its text whole, and
// every box stands inside the frame of its group.
void ExpectNothingClipped(const MainWindow& window) {
  const PatternBoxGrid& grid = *window.patternGrid();
  for (int n = 1; n <= kPatternCount; ++n) {
    const QCheckBox& box = *window.patternBox(n);
    EXPECT_LE(box.sizeHint().width(), box.width()) << n << " " << box.text().toStdString();
    // The rows may close up on the style's padding, never on the text.
    EXPECT_LE(box.fontMetrics().height(), box.height()) << n;
    EXPECT_TRUE(grid.contentsRect().contains(box.geometry())) << n;
  }
  for (const QPushButton* button : {window.bonusSettingsButton(), window.clearButton(),
                                    window.previewButton(), window.closeButton()})
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
  for (const RadioGroup* group :
       {window.zeroGroup(), window.hideGroup(), window.blankGroup(), window.bonusGroup()}) {
    const int captionWidth = group->fontMetrics().horizontalAdvance(group->title());
    EXPECT_LE(captionWidth + 8, group->width()) << group->title().toStdString();
    for (int i = 0; i < group->count(); ++i) {
      const QRadioButton* item = group->button(i);
      EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
      EXPECT_TRUE(group->rect().contains(item->geometry())) << item->text().toStdString();
    }
  }
  for (const QLabel* label : window.findChildren<QLabel*>())
    EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
  const QPushButton& close = *window.closeButton();
  EXPECT_TRUE(window.rect().contains(QRect(close.mapTo(&window, QPoint()), close.size())));
}

TEST_F(MainWindowLooksTest, NothingIsClipped) {
  mainWindow.show();
  ExpectNothingClipped(mainWindow);
}

// A larger desktop font makes the text larger, and the layouts make room for it.
TEST_F(MainWindowLooksTest, NothingIsClippedWithALargerDesktopFont) {
  const QFont usual = QApplication::font();
  QFont larger = usual;
  larger.setPointSizeF(usual.pointSizeF() * 1.5);
  QApplication::setFont(larger);
  const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
  ColourWordDialog dialog;
  MainWindow window(dialog);
  window.show();
  EXPECT_GE(window.font().pixelSize(), 18);
  EXPECT_GT(window.width(), 995);
  ExpectNothingClipped(window);
}

// Down each column in the listed order, columns left to right, and the Tab
// key goes the same way.
TEST_F(MainWindowLooksTest, BoxesStandInTheirColumnsInTheListedOrder) {
  mainWindow.show();
  const auto& columns = PatternBoxGrid::columns();
  ASSERT_EQ(columns.size(), 6u);
  std::vector<int> listed;
  int previousLeft = -1;
  for (const std::vector<int>& column : columns) {
    const QRect top = mainWindow.patternBox(column.front())->geometry();
    EXPECT_GT(top.left(), previousLeft) << column.front();
    previousLeft = top.right();
    int previousBottom = top.top() - 1;
    for (int n : column) {
      const QRect box = mainWindow.patternBox(n)->geometry();
      EXPECT_EQ(box.left(), top.left()) << n;
      EXPECT_GT(box.top(), previousBottom) << n;
      previousBottom = box.bottom();
      listed.push_back(n);
    }
  }
  std::vector<int> sorted = listed;
  std::sort(sorted.begin(), sorted.end());
  for (int n = 1; n <= kPatternCount; ++n) EXPECT_EQ(sorted.at(static_cast<std::size_t>(n - 1)), n);
  QWidget* focus = mainWindow.patternBox(listed.front());
  for (int n : listed) {
    EXPECT_EQ(focus, mainWindow.patternBox(n)) << n;
    do focus = focus->nextInFocusChain();
    while (!(focus->focusPolicy() & Qt::TabFocus));
  }
  EXPECT_EQ(focus, mainWindow.zeroGroup()->button(0));
}

TEST_F(MainWindowLooksTest, ColourDialogItemsFit) {
  colourWordDialog.show();
  for (RadioGroup* group :
       {colourWordDialog.colourCountGroup(), colourWordDialog.wordCountGroup()}) {
    for (int i = 0; i < group->count(); ++i) {
      QRadioButton* item = group->button(i);
      EXPECT_LE(item->sizeHint().width(), item->width()) << item->text().toStdString();
    }
  }
  EXPECT_LE(colourWordDialog.okButton()->sizeHint().width(), colourWordDialog.okButton()->width());
}

// The close button's cross is drawn, not looked up: in the text's colour (so
// it keeps its contrast on any theme), sharp at every scale, its corners clear.
TEST_F(MainWindowLooksTest, CloseCrossIsDrawnInTheButtonTextColour) {
  const QIcon icon = mainWindow.closeButton()->icon();
  const QPalette palette = QGuiApplication::palette();
  for (const auto& [mode, group] : {std::pair{QIcon::Normal, QPalette::Active},
                                    std::pair{QIcon::Disabled, QPalette::Disabled}}) {
    for (const qreal scale : {1.0, 2.0}) {
      const QImage image = icon.pixmap(QSize(16, 16), scale, mode).toImage();
      ASSERT_EQ(image.size(), QSize(16, 16) * scale);
      const QColor centre = image.pixelColor(image.rect().center());
      EXPECT_EQ(centre.rgb(), palette.color(group, QPalette::ButtonText).rgb()) << scale;
      EXPECT_GT(centre.alpha(), 200) << scale;
      EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << scale;
    }
  }
}

TEST_F(MainWindowLooksTest, SavesAScreenshotWhenAsked) {
  const QString dir = qEnvironmentVariable("KAZENORI_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "KAZENORI_SCREENSHOT_DIR is not set";
  mainWindow.show();
  QCoreApplication::processEvents();
  const QPixmap shot = mainWindow.grab();
  EXPECT_EQ(shot.size(), QSize(995, 611));
  EXPECT_TRUE(shot.save(QDir(dir).filePath(QStringLiteral("main-window.png"))));
  colourWordDialog.show();
  QCoreApplication::processEvents();
  EXPECT_TRUE(
      colourWordDialog.grab().save(QDir(dir).filePath(QStringLiteral("colour-dialog.png"))));
}

TEST_F(MainWindowLooksTest, SavesThePreviewWindowWithAWorksheetWhenAsked) {
  const QString dir = qEnvironmentVariable("KAZENORI_SCREENSHOT_DIR");
  if (dir.isEmpty()) GTEST_SKIP() << "KAZENORI_SCREENSHOT_DIR is not set";
  mainWindow.printerDiscovery().Wait();
  mainWindow.show();
  for (int n : {7, 13, 30}) mainWindow.patternBox(n)->setChecked(true);
  mainWindow.sheetCountBox()->setValue(30);  // a class set: its status bar names the sheet
  bool saved = false;
  QTimer::singleShot(0, &mainWindow, [&] {
    PreviewDialog* dialog = mainWindow.previewDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->resize(900, 700);
    QCoreApplication::processEvents();
    const QPixmap shot = dialog->grab();
    // The page stands in the middle of the display area.
    const PageWidget* view = dialog->pageWidget();
    EXPECT_LE(std::abs(view->pageBounds().center().x() - view->rect().center().x()), 1);
    saved = shot.save(QDir(dir).filePath(QStringLiteral("preview-window.png")));
    dialog->closeButton()->click();
  });
  mainWindow.previewButton()->click();
  EXPECT_TRUE(saved);
}

}  // namespace
}  // namespace kazenori
