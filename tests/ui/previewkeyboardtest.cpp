// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview without a mouse, and with a screen reader.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "ui/previewdialogfixture.h"

namespace kazenori::testing {
namespace {

TEST_F(PreviewDialogTest, TheKeyboardZoomsCopiesAndOpensTheMenu) {
  const auto forgetKeyboard = qScopeGuard([] { delete QInputDevice::primaryKeyboard(); });
  PreviewDialog& dialog = Open(2);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  const int whole = dialog.pageWidget()->pageBounds().width();
  const struct {
    QKeySequence keys;
    int direction;  // of the page's width
  } rows[] = {{QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
              {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
              {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1}};
  for (const auto& row : rows) {
    const int before = dialog.pageWidget()->pageBounds().width();
    QTest::keySequence(&dialog, row.keys);
    const int after = dialog.pageWidget()->pageBounds().width();
    EXPECT_EQ(after > before   ? 1
              : after < before ? -1
                               : 0,
              row.direction)
        << row.keys.toString().toStdString();
  }
  EXPECT_GT(dialog.pageWidget()->pageBounds().width(), whole);

  QGuiApplication::clipboard()->clear();
  QTest::keySequence(&dialog, QKeySequence::Copy);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->data(QStringLiteral("application/pdf")).startsWith("%PDF-"));

  for (const QKeySequence& menuKey :
       {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
    QTest::keySequence(dialog.pageWidget(), menuKey);
    EXPECT_TRUE(dialog.pageMenu()->isVisible()) << menuKey.toString().toStdString();
    dialog.pageMenu()->hide();
  }
}

TEST_F(PreviewDialogTest, CtrlAndTheWheelZoom) {
  PreviewDialog& dialog = Open(1);
  const auto wheel = [&](int delta) {
    const QPointF at(10, 10);
    QWidget* viewport = dialog.pageWidget()->viewport();
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false, Qt::MouseEventNotSynthesized,
                      &mouse_);
    QCoreApplication::sendEvent(viewport, &event);
    return dialog.pageWidget()->pageBounds().width();
  };
  const int whole = dialog.pageWidget()->pageBounds().width();
  const int larger = wheel(120);
  EXPECT_GT(larger, whole);
  EXPECT_LT(wheel(-120), larger);
}

TEST_F(PreviewDialogTest, ThePageSaysWhichPageAndSheetItIs) {
  PreviewDialog& dialog = Open(4);
  dialog.setPageRemarks({"1枚目 問題", "1枚目 解答", "2枚目 問題", "2枚目 解答"});
  dialog.showPage(3);
  const QString name =
      QAccessible::queryAccessibleInterface(dialog.pageWidget())->text(QAccessible::Name);
  EXPECT_TRUE(name.startsWith(QStringLiteral("3 / 4 頁"))) << name.toStdString();
  EXPECT_TRUE(name.contains(QStringLiteral("2枚目 問題"))) << name.toStdString();
}

// Three sheets of a question and an answer page each.
const std::vector<PreviewSheet> kClassSet{{7, 1, 2}, {8, 3, 2}, {9, 5, 2}};

TEST_F(PreviewDialogTest, CtrlGGoesToASheet) {
  const auto forgetKeyboard = qScopeGuard([] { delete QInputDevice::primaryKeyboard(); });
  PreviewDialog& dialog = Open(6);
  dialog.setSheets(kClassSet);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  QTest::keySequence(&dialog, QKeySequence(Qt::CTRL | Qt::Key_G));
  ASSERT_EQ(QApplication::focusWidget(), dialog.sheetBox());
  QTest::keyClicks(dialog.sheetBox(), QStringLiteral("3"));
  QTest::keyClick(dialog.sheetBox(), Qt::Key_Return);
  EXPECT_EQ(dialog.currentPage(), 5);
  QTest::keyClick(dialog.pageWidget(), Qt::Key_PageUp);
  EXPECT_EQ(dialog.sheetBox()->value(), 2) << "the box follows the page shown";
  EXPECT_FALSE(dialog.showSheet(4));
}

// Tab goes along the tool bar, into the page, then to the class set's
// controls; each one tells a screen reader its name.
TEST_F(PreviewDialogTest, TabFollowsTheScreenAndEveryControlIsNamed) {
  const auto forgetKeyboard = qScopeGuard([] { delete QInputDevice::primaryKeyboard(); });
  PreviewDialog& d = Open(6);
  d.setSheets(kClassSet);
  d.showPage(3);
  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  const std::vector<QWidget*> expected{
      d.printButton(),     d.pdfButton(),       d.firstPageButton(), d.previousPageButton(),
      d.nextPageButton(),  d.lastPageButton(),  d.zoomOutButton(),   d.zoomInButton(),
      d.wholePageButton(), d.pageWidthButton(), d.closeButton(),     d.pageWidget(),
      d.sheetBox(),        d.pageKindChoice(),  d.printButton()};
  d.printButton()->setFocus(Qt::TabFocusReason);
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  while (visited.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(visited, expected);
  for (QWidget* w : visited) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << w->metaObject()->className();
  }
}

}  // namespace
}  // namespace kazenori::testing
