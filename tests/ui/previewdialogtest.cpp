// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "ui/messages.h"
#include "ui/previewdialogfixture.h"

namespace kazenori {
namespace {

using testing::PreviewDialogTest;
using Zoom = PageWidget::Zoom;

TEST_F(PreviewDialogTest, ToolBarCaptionsHintsAndWidths) {
  PreviewDialog dialog(doc_, printers_);
  struct Expected {
    QToolButton* button;
    const char* caption;
    const char* hint;
    int width;
  };
  const Expected expected[] = {
      {dialog.printButton(), "印刷 (&P)", "印刷", 90},
      {dialog.pdfButton(), "PDF保存", "PDFファイルに保存", 64},
      {dialog.printerSetupButton(), "プリンタ・用紙", "プリンタと用紙の設定保存", 86},
      {dialog.firstPageButton(), "先頭頁", "先頭頁", 46},
      {dialog.previousPageButton(), "前頁", "前頁", 46},
      {dialog.nextPageButton(), "次頁", "次頁", 46},
      {dialog.lastPageButton(), "最終頁", "最終頁", 46},
      {dialog.zoomOutButton(), "縮小", "縮小", 46},
      {dialog.zoomInButton(), "拡大", "拡大", 46},
      {dialog.wholePageButton(), "全体", "全体表示", 46},
      {dialog.pageWidthButton(), "頁幅", "横幅基準表示", 46},
      {dialog.closeButton(), "閉じる(&X)", "閉じる", 104},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(e.button->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(e.button->toolTip(), QString::fromUtf8(e.hint));
    EXPECT_EQ(e.button->width(), e.width) << e.caption;
    EXPECT_EQ(e.button->isEnabled(), e.button == dialog.closeButton()) << e.caption;
  }
  EXPECT_EQ(QFontInfo(dialog.font()).family(),
            QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"))).family());
  EXPECT_EQ(dialog.pageStatus()->width(), 300);
  EXPECT_EQ(dialog.remarkStatus()->width(), 50);
  const QList<QAction*> menu = dialog.pageMenu()->actions();
  ASSERT_EQ(menu.size(), 4);
  EXPECT_EQ(menu[0], dialog.copyPageAction());
  EXPECT_EQ(menu[0]->text(), QStringLiteral("現在の頁をコピー"));
  EXPECT_EQ(menu[1]->text(), QStringLiteral("画面をコピー"));
  EXPECT_EQ(menu[2]->text(), QStringLiteral("画面ハードコピー"));
  EXPECT_EQ(menu[3]->text(), QStringLiteral("キャンセル"));
  EXPECT_FALSE(dialog.pageWidget()->hasPage());
}

// A school laptop with large text (1366x768 at 150 %, less a panel): the
// window stays on the screen, the captions fit their buttons, and every
// control is in view or behind the tool bar's extension button.
TEST_F(PreviewDialogTest, TheWindowFitsASmallScreenWithLargeText) {
  const QFont usual = QApplication::font();
  QFont larger = usual;
  larger.setPointSizeF(usual.pointSizeF() * 1.5);
  QApplication::setFont(larger);
  const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
  testing::RecordPages(doc_, 6);
  PreviewDialog dialog(doc_, printers_);
  dialog.setSheets({{7, 1, 2}, {8, 3, 2}, {9, 5, 2}});
  const QRect laptop(0, 0, 910, 480);
  dialog.placeWithin(laptop);
  dialog.show();
  EXPECT_TRUE(laptop.contains(dialog.geometry()));
  const auto inView = [&](const QWidget* w) {
    return w->isVisible() && dialog.rect().contains(QRect(w->mapTo(&dialog, QPoint()), w->size()));
  };
  const auto* extension =
      dialog.toolBar()->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
  for (const QToolButton* button :
       {dialog.printButton(), dialog.pdfButton(), dialog.firstPageButton(),
        dialog.previousPageButton(), dialog.nextPageButton(), dialog.lastPageButton(),
        dialog.zoomOutButton(), dialog.zoomInButton(), dialog.wholePageButton(),
        dialog.pageWidthButton(), dialog.closeButton()}) {
    EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    EXPECT_TRUE(inView(button) || (extension && extension->isVisible()))
        << button->text().toStdString();
  }
  for (const QWidget* w : std::initializer_list<const QWidget*>{
           dialog.pageWidget(), dialog.pageStatus(), dialog.sheetBox(), dialog.pageKindChoice()}) {
    EXPECT_TRUE(inView(w)) << w->metaObject()->className();
  }
}

TEST_F(PreviewDialogTest, ToolBarRunsLeftToRightWithItsSpacers) {
  PreviewDialog d(doc_, printers_);
  // nullptr stands for a 15-pixel spacer.
  const std::vector<QWidget*> expected{d.printButton(),
                                       d.pdfButton(),
                                       d.printerSetupButton(),
                                       nullptr,
                                       d.firstPageButton(),
                                       d.previousPageButton(),
                                       d.nextPageButton(),
                                       d.lastPageButton(),
                                       nullptr,
                                       d.zoomOutButton(),
                                       d.zoomInButton(),
                                       d.wholePageButton(),
                                       d.pageWidthButton(),
                                       nullptr,
                                       d.closeButton()};
  const QList<QAction*> actions = d.toolBar()->actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QWidget* widget = d.toolBar()->widgetForAction(actions[static_cast<qsizetype>(i)]);
    if (expected[i]) {
      EXPECT_EQ(widget, expected[i]) << "place " << i;
    } else {
      ASSERT_NE(widget, nullptr);
      EXPECT_EQ(qobject_cast<QToolButton*>(widget), nullptr) << "place " << i;
      EXPECT_EQ(widget->width(), 15) << "place " << i;
    }
  }
}

TEST_F(PreviewDialogTest, OnePageDocumentDisablesEveryPageButton) {
  PreviewDialog& dialog = Open(1);
  EXPECT_EQ(doc_.Title(), QStringLiteral("印刷プレビュー")) << "an untitled document";
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷プレビュー"));
  for (QToolButton* b : {dialog.firstPageButton(), dialog.previousPageButton(),
                         dialog.nextPageButton(), dialog.lastPageButton()})
    EXPECT_FALSE(b->isEnabled());
  for (QToolButton* b : {dialog.printButton(), dialog.pdfButton(), dialog.zoomOutButton(),
                         dialog.zoomInButton(), dialog.wholePageButton(), dialog.pageWidthButton()})
    EXPECT_TRUE(b->isEnabled());
  EXPECT_FALSE(dialog.printerSetupButton()->isVisible());
  EXPECT_EQ(dialog.pageStatus()->text(), QStringLiteral(" Page  1/1  ") + doc_.PagePaper().name);
  EXPECT_TRUE(dialog.pageWidget()->hasPage());
}

TEST_F(PreviewDialogTest, PageButtonsFollowTheCurrentPage) {
  PreviewDialog& dialog = Open(2);
  EXPECT_EQ(dialog.pageStatus()->text(), QStringLiteral(" Page  1/2  ") + doc_.PagePaper().name);
  EXPECT_FALSE(dialog.firstPageButton()->isEnabled());
  EXPECT_FALSE(dialog.previousPageButton()->isEnabled());
  EXPECT_TRUE(dialog.nextPageButton()->isEnabled());
  EXPECT_TRUE(dialog.lastPageButton()->isEnabled());

  dialog.nextPageButton()->click();
  EXPECT_EQ(dialog.currentPage(), 2);
  EXPECT_EQ(dialog.pageStatus()->text(), QStringLiteral(" Page  2/2  ") + doc_.PagePaper().name);
  EXPECT_TRUE(dialog.firstPageButton()->isEnabled());
  EXPECT_TRUE(dialog.previousPageButton()->isEnabled());
  EXPECT_FALSE(dialog.nextPageButton()->isEnabled());
  EXPECT_FALSE(dialog.lastPageButton()->isEnabled());
  // At the limit a page command does nothing.
  dialog.showNextPage();
  dialog.showLastPage();
  EXPECT_EQ(dialog.currentPage(), 2);

  dialog.firstPageButton()->click();
  EXPECT_EQ(dialog.currentPage(), 1);
  dialog.lastPageButton()->click();
  EXPECT_EQ(dialog.currentPage(), 2);
  dialog.previousPageButton()->click();
  EXPECT_EQ(dialog.currentPage(), 1);
  dialog.showPreviousPage();
  EXPECT_EQ(dialog.currentPage(), 1);
}

TEST_F(PreviewDialogTest, ShowPageRefusesWhatIsNotThere) {
  PreviewDialog& dialog = Open(2);
  EXPECT_FALSE(dialog.showPage(0));
  EXPECT_FALSE(dialog.showPage(3));
  EXPECT_EQ(dialog.currentPage(), 1);
  EXPECT_TRUE(dialog.showPage(2));
  EXPECT_EQ(dialog.currentPage(), 2);
  EXPECT_EQ(dialog.pageStatus()->text().left(11), QStringLiteral(" Page  2/2 "));
  dialog.hide();
  EXPECT_FALSE(dialog.showPage(1));
}

TEST_F(PreviewDialogTest, WholePageIsCentredAndPageWidthFillsTheWidth) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.wholePageButton()->click();
  const QRect box = view->rect();
  const QRect page = view->pageBounds();
  EXPECT_EQ(view->zoom(), Zoom::WholePage);
  EXPECT_LE(std::abs(page.center().x() - box.center().x()), 1);
  EXPECT_LE(std::abs(page.center().y() - box.center().y()), 1);
  EXPECT_TRUE(box.contains(page));
  EXPECT_NEAR(static_cast<double>(page.height()) / page.width(), 2970.0 / 2100.0, 0.01);
  // The frame stands one pixel round the page, the shadow two pixels off it.
  EXPECT_EQ(view->frameBounds(),
            QRect(page.x() - 1, page.y() - 1, page.width() + 1, page.height() + 1));
  EXPECT_EQ(view->shadowBounds(),
            QRect(page.x() + 2, page.y() + 2, page.width() + 2, page.height() + 2));

  dialog.pageWidthButton()->click();
  EXPECT_EQ(view->zoom(), Zoom::PageWidth);
  const QRect wide = view->pageBounds();
  EXPECT_EQ(wide.topLeft(), QPoint(15, 15));
  const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  EXPECT_EQ(wide.width(), view->width() - bar - 30);
}

TEST_F(PreviewDialogTest, ZoomStepsCompoundAndStopAtTheirLimits) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.wholePageButton()->click();
  int width = view->pageBounds().width();
  dialog.zoomOutButton()->click();
  EXPECT_EQ(view->zoom(), Zoom::Free);
  EXPECT_EQ(view->pageBounds().width(), static_cast<int>(width * 90.0 / 100.0));
  width = view->pageBounds().width();
  dialog.zoomOutButton()->click();
  EXPECT_EQ(view->pageBounds().width(), static_cast<int>(width * 90.0 / 100.0));
  for (int i = 0; i < 40 && dialog.zoomOutButton()->isEnabled(); ++i)
    dialog.zoomOutButton()->click();
  EXPECT_FALSE(dialog.zoomOutButton()->isEnabled());
  EXPECT_LE(view->pageBounds().width(), 100);
  EXPECT_GT(view->pageBounds().width(), 90);
  EXPECT_TRUE(dialog.zoomInButton()->isEnabled());

  width = view->pageBounds().width();
  dialog.zoomInButton()->click();
  EXPECT_EQ(view->pageBounds().width(), static_cast<int>(width * 100.0 / 90.0));
  EXPECT_TRUE(dialog.zoomOutButton()->isEnabled());
  const QSize screen = dialog.screen()->size();
  for (int i = 0; i < 80 && dialog.zoomInButton()->isEnabled(); ++i) dialog.zoomInButton()->click();
  EXPECT_FALSE(dialog.zoomInButton()->isEnabled());
  const QSize largest = view->pageBounds().size();
  EXPECT_TRUE(largest.width() >= 2 * screen.width() || largest.height() >= 3 * screen.height());
  dialog.zoomIn();
  EXPECT_EQ(view->pageBounds().size(), largest);
}

TEST_F(PreviewDialogTest, DraggingMovesThePageAndZoomOutReturnsToTheStoredPlace) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.wholePageButton()->click();
  dialog.zoomOutButton()->click();
  const QPoint stored = view->pageBounds().topLeft();
  const QPointF at(20, 20);
  MouseOnPage(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(view->isDragging());
  const QPointF to(50, 35);
  MouseOnPage(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(view->pageBounds().topLeft(), stored + QPoint(30, 15));
  EXPECT_EQ(view->frameBounds().topLeft(), view->pageBounds().topLeft() - QPoint(1, 1));
  MouseOnPage(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(view->isDragging());
  const QPoint dragged = view->pageBounds().topLeft();

  dialog.zoomInButton()->click();
  EXPECT_EQ(view->pageBounds().topLeft(), dragged) << "zoom in keeps the dragged place";
  dialog.zoomOutButton()->click();
  EXPECT_EQ(view->pageBounds().topLeft(), dragged) << "zoom in stored it";

  MouseOnPage(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  MouseOnPage(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(view->pageBounds().topLeft(), dragged + QPoint(30, 15));
  dialog.zoomOutButton()->click();
  EXPECT_EQ(view->pageBounds().topLeft(), dragged) << "zoom out goes back to the stored place";
}

// Dragged off the view in the whole-page view, the page can be scrolled back.
TEST_F(PreviewDialogTest, DraggingTheWholePageShowsBothScrollBars) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.wholePageButton()->click();
  QCoreApplication::processEvents();
  const QPointF at(20, 20);
  const QPointF to = at + QPointF(view->width(), view->height()) / 2;
  MouseOnPage(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  MouseOnPage(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  MouseOnPage(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  QCoreApplication::processEvents();
  EXPECT_TRUE(view->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(view->verticalScrollBar()->isVisible());
  EXPECT_GE(view->verticalScrollBar()->maximum(),
            view->pageBounds().bottom() - view->viewport()->height());
}

TEST_F(PreviewDialogTest, ResizingKeepsAFreeZoomAndRedoesTheLayouts) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.wholePageButton()->click();
  dialog.resize(dialog.width() + 120, dialog.height() + 80);
  QCoreApplication::processEvents();
  EXPECT_LE(std::abs(view->pageBounds().center().x() - view->rect().center().x()), 1);

  dialog.zoomOutButton()->click();
  const QRect zoomed = view->pageBounds();
  dialog.resize(dialog.width() - 100, dialog.height() - 50);
  QCoreApplication::processEvents();
  EXPECT_EQ(view->pageBounds(), zoomed);
  EXPECT_GE(dialog.minimumWidth(), 300);
  EXPECT_GE(dialog.minimumHeight(), 300);
}

TEST_F(PreviewDialogTest, WheelScrollsAFifthOfItsDelta) {
  PreviewDialog& dialog = Open(1);
  PageWidget* view = dialog.pageWidget();
  dialog.pageWidthButton()->click();
  QCoreApplication::processEvents();
  QScrollBar* bar = view->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  const auto wheel = [&](int delta) {
    const QPointF at(10, 10);
    QWheelEvent event(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false,
                      Qt::MouseEventNotSynthesized, &mouse_);
    QCoreApplication::sendEvent(view->viewport(), &event);
    return event.isAccepted();
  };
  EXPECT_TRUE(wheel(-120));
  EXPECT_EQ(bar->value(), 24);
  wheel(4);
  EXPECT_EQ(bar->value(), 24);
  wheel(120);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(PreviewDialogTest, PageCopyOffersPdfAndImage) {
  PreviewDialog& dialog = Open(2);
  dialog.nextPageButton()->click();
  dialog.copyPage();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->data(QStringLiteral("application/pdf")).startsWith("%PDF-"));
  EXPECT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_NEAR(static_cast<double>(image.height()) / image.width(), 2970.0 / 2100.0, 0.01);

  dialog.copyWindow();
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), dialog.grab().size());
}

TEST_F(PreviewDialogTest, PdfButtonSavesTheDocumentWhereTheUserSays) {
  PreviewDialog& dialog = Open(2);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString suggested;
  questions_.pdfPath = [&](const QString& suggestion) {
    suggested = suggestion;
    return dir.filePath(QStringLiteral("sheet"));
  };
  std::vector<int>& printed = Printed();
  dialog.pdfButton()->click();
  // Saving is printing for later: each saved page raises the print event once,
  // and the status bar names the file.
  EXPECT_EQ(printed, (std::vector<int>{1, 2}));
  EXPECT_EQ(dialog.commandStatus()->text(),
            QStringLiteral("保存しました: ") + dir.filePath(QStringLiteral("sheet.pdf")));
  EXPECT_TRUE(suggested.endsWith(QStringLiteral(".pdf")));
  QFile file(dir.filePath(QStringLiteral("sheet.pdf")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(
      bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);

  // Cancelling the file dialog writes nothing; a place that cannot be written
  // is reported in Japanese and counts nothing.
  const QString status = dialog.commandStatus()->text();
  questions_.pdfPath = nullptr;
  dialog.pdfButton()->click();
  RecordingMessages messages;
  ScopedMessages scope(messages);
  questions_.pdfPath = [](const QString&) { return QStringLiteral("/nonexistent/dir/x.pdf"); };
  dialog.pdfButton()->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("「/nonexistent/dir/x.pdf」にPDFを保存できませんでした。\n"
                           "保存先のフォルダ「/nonexistent/dir」がありません。"));
  EXPECT_EQ(printed.size(), 2u);
  EXPECT_EQ(dialog.commandStatus()->text(), status);
}

TEST_F(PreviewDialogTest, KeysPageThroughTheDocument) {
  // The offscreen platform has no keyboard, so Qt makes one as a child of the
  // application; it must go while Qt's device list still exists, not at exit.
  const auto forgetKeyboard = qScopeGuard([] { delete QInputDevice::primaryKeyboard(); });
  PreviewDialog& dialog = Open(3);
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  struct Step {
    Qt::Key key;
    int page;
  };
  for (const Step& step : {Step{Qt::Key_PageDown, 2}, Step{Qt::Key_Right, 3},
                           Step{Qt::Key_Right, 3}, Step{Qt::Key_PageUp, 2}, Step{Qt::Key_Left, 1},
                           Step{Qt::Key_End, 3}, Step{Qt::Key_Home, 1}}) {
    QTest::keyClick(&dialog, step.key);
    EXPECT_EQ(dialog.currentPage(), step.page) << QKeySequence(step.key).toString().toStdString();
  }
  QString asked;
  questions_.pdfPath = [&](const QString& suggestion) {
    asked = suggestion;
    return QString();
  };
  QTest::keyClick(&dialog, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(asked.isEmpty());
  int dialogs = 0;
  questions_.print = [&](QPrinter&, const PageOffer&) {
    ++dialogs;
    return PrintChoice{};
  };
  RecordingMessages messages;  // without a printer Ctrl+P says so instead
  ScopedMessages scope(messages);
  QTest::keyClick(&dialog, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialogs + static_cast<int>(messages.shown.size()), 1);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PreviewDialogTest, PrintButtonAsksForPagesAroundTheCurrentOne) {
  PreviewDialog& dialog = Open(2);
  dialog.nextPageButton()->click();
  if (dialog.noPrinter()) {
    RecordingMessages messages;
    ScopedMessages scope(messages);
    dialog.printButton()->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("プリンタがインストールされていないので印刷できません．　　"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　印刷"));
    return;
  }
  int asked = 0;
  questions_.print = [&](QPrinter&, const PageOffer& pages) {
    ++asked;
    EXPECT_EQ(pages.from, 2);
    EXPECT_EQ(pages.to, 2);
    EXPECT_EQ(pages.minPage, 1);
    EXPECT_EQ(pages.maxPage, 2);
    return PrintChoice{};  // cancelled
  };
  const std::vector<int>& printed = Printed();
  dialog.printButton()->click();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(printed.empty());
  EXPECT_EQ(dialog.currentPage(), 2);
}

TEST_F(PreviewDialogTest, ContextMenuGreysScreenCopiesWithoutPrinter) {
  PreviewDialog& dialog = Open(1);
  MouseOnPage(QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(dialog.pageMenu()->isVisible());
  EXPECT_EQ(dialog.copyWindowAction()->isEnabled(), !dialog.noPrinter());
  EXPECT_EQ(dialog.printWindowAction()->isEnabled(), !dialog.noPrinter());
  EXPECT_TRUE(dialog.copyPageAction()->isEnabled());
  dialog.pageMenu()->hide();
  EXPECT_FALSE(dialog.pageWidget()->isDragging());
}

}  // namespace
}  // namespace kazenori
