// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "preview/PrintTestSupport.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

// A document of `pages` pages, each with its number written on it.
void Record(TplPrev& doc, int pages) {
  doc.BeginDoc();
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setPixelSize(60);
  doc.Canvas()->setFont(font);
  for (int page = 1; page <= pages; ++page) {
    if (page > 1) doc.NewPage();
    doc.TextOutLeft(200, 200, QStringLiteral("頁%1").arg(page));
  }
  doc.EndDoc();
}

// The application must exist before the fixture's document is built.
struct PreviewWindowApp {
  PreviewWindowApp() { testing::EnsureQtApp(); }
};

class PreviewWindowTest : public PreviewWindowApp, public ::testing::Test {
 protected:
  // A window closed here releases itself before the next test.
  void TearDown() override {
    doc.ClosePreview();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Opens the window without a modal loop.
  TplPrevForm& Open(int pages) {
    Record(doc, pages);
    doc.ShowPreview();
    TplPrevForm* window = doc.PreviewWindow();
    EXPECT_NE(window, nullptr);
    return *window;
  }

  static bool Enabled(QToolButton* b) { return b->isEnabled(); }

  // Mouse events on the page image, from a device of the test's own (the
  // platform's fallback device would outlive the application at exit).
  void Mouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButton button,
             Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier, &mouse);
    QCoreApplication::sendEvent(target, &event);
  }

  QPointingDevice mouse{QStringLiteral("test mouse"),
                        4711,
                        QInputDevice::DeviceType::Mouse,
                        QPointingDevice::PointerType::Generic,
                        QInputDevice::Capability::Position,
                        1,
                        3};

  TplPrev doc{nullptr, QStringLiteral("plPrev1")};
};

TEST_F(PreviewWindowTest, ToolBarCaptionsHintsAndWidths) {
  TplPrevForm window;
  struct Expected {
    QToolButton* button;
    const char* caption;
    const char* hint;
    int width;
  };
  const Expected expected[] = {
      {window.PrintBtn, "印刷 (&P)", "印刷", 90},
      {window.PrinterSetBtn, "プリンタ・用紙", "プリンタと用紙の設定保存", 86},
      {window.FirstPageBtn, "先頭頁", "先頭頁", 46},
      {window.PriorPageBtn, "前頁", "前頁", 46},
      {window.NextPageBtn, "次頁", "次頁", 46},
      {window.LastPageBtn, "最終頁", "最終頁", 46},
      {window.ZoomDownBtn, "縮小", "縮小", 46},
      {window.ZoomUpBtn, "拡大", "拡大", 46},
      {window.PageWholeBtn, "全体", "全体表示", 46},
      {window.PageWidthBtn, "頁幅", "横幅基準表示", 46},
      {window.CloseBtn, "閉じる(&X)", "閉じる", 104},
  };
  for (const Expected& e : expected) {
    EXPECT_EQ(e.button->text(), QString::fromUtf8(e.caption));
    EXPECT_EQ(e.button->toolTip(), QString::fromUtf8(e.hint));
    EXPECT_EQ(e.button->width(), e.width) << e.caption;
    EXPECT_EQ(e.button->isEnabled(), e.button == window.CloseBtn) << e.caption;
  }
  EXPECT_EQ(window.PdfBtn->text(), QStringLiteral("PDF保存"));
  EXPECT_FALSE(window.PdfBtn->isEnabled());
  EXPECT_EQ(window.StatusPanel1->width(), 300);
  EXPECT_EQ(window.StatusPanel2->width(), 50);
  EXPECT_EQ(window.PopupMenu1->actions().size(), 4);
  EXPECT_EQ(window.N1->text(), QStringLiteral("現在の頁をコピー"));
  EXPECT_EQ(window.N4->text(), QStringLiteral("キャンセル"));
  EXPECT_TRUE(window.Image1->isHidden());
}

TEST_F(PreviewWindowTest, OnePageDocumentDisablesEveryPageButton) {
  TplPrevForm& window = Open(1);
  EXPECT_TRUE(doc.WindowShown());
  EXPECT_TRUE(doc.OwnsWindow());
  EXPECT_EQ(doc.FormName(), QStringLiteral("plPrev1__plPrevForm"));
  EXPECT_EQ(window.windowTitle(), doc.Title());
  for (QToolButton* b :
       {window.FirstPageBtn, window.PriorPageBtn, window.NextPageBtn, window.LastPageBtn})
    EXPECT_FALSE(b->isEnabled());
  for (QToolButton* b : {window.PrintBtn, window.PdfBtn, window.ZoomDownBtn, window.ZoomUpBtn,
                         window.PageWholeBtn, window.PageWidthBtn})
    EXPECT_TRUE(b->isEnabled());
  EXPECT_FALSE(window.PrinterSetBtn->isVisible());
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  1/1  ") + doc.PaperName());
  EXPECT_FALSE(window.Image1->isHidden());
  EXPECT_NE(window.Image1->Picture(), nullptr);
}

TEST_F(PreviewWindowTest, PageButtonsFollowTheCurrentPage) {
  TplPrevForm& window = Open(2);
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  1/2  ") + doc.PaperName());
  EXPECT_FALSE(Enabled(window.FirstPageBtn));
  EXPECT_FALSE(Enabled(window.PriorPageBtn));
  EXPECT_TRUE(Enabled(window.NextPageBtn));
  EXPECT_TRUE(Enabled(window.LastPageBtn));

  window.NextPageBtn->click();
  EXPECT_EQ(doc.CurrentPage(), 2);
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  2/2  ") + doc.PaperName());
  EXPECT_TRUE(Enabled(window.FirstPageBtn));
  EXPECT_TRUE(Enabled(window.PriorPageBtn));
  EXPECT_FALSE(Enabled(window.NextPageBtn));
  EXPECT_FALSE(Enabled(window.LastPageBtn));
  // At the limit a page button does nothing.
  window.NextPageBtnClick();
  window.LastPageBtnClick();
  EXPECT_EQ(doc.CurrentPage(), 2);

  window.FirstPageBtn->click();
  EXPECT_EQ(doc.CurrentPage(), 1);
  window.LastPageBtn->click();
  EXPECT_EQ(doc.CurrentPage(), 2);
  window.PriorPageBtn->click();
  EXPECT_EQ(doc.CurrentPage(), 1);
  window.PriorPageBtnClick();
  EXPECT_EQ(doc.CurrentPage(), 1);
}

TEST_F(PreviewWindowTest, StatusBarShowsTheComponentsTextInItsSecondPanel) {
  doc.SetStatusBarText(QStringLiteral("確認"));
  TplPrevForm& window = Open(1);
  EXPECT_EQ(window.StatusPanel2->text(), QStringLiteral("確認"));
}

TEST_F(PreviewWindowTest, ShowPageRefusesWhatIsNotThere) {
  Record(doc, 2);
  EXPECT_FALSE(doc.ShowPage(1)) << "no window yet";
  doc.ShowPreview();
  ASSERT_NE(doc.PreviewWindow(), nullptr);
  EXPECT_FALSE(doc.ShowPage(0));
  EXPECT_FALSE(doc.ShowPage(3));
  EXPECT_EQ(doc.CurrentPage(), 1);
  EXPECT_TRUE(doc.ShowPage(2));
  EXPECT_EQ(doc.CurrentPage(), 2);
  EXPECT_FALSE(doc.Busy());
  EXPECT_EQ(doc.PreviewWindow()->StatusPanel1->text().left(11), QStringLiteral(" Page  2/2 "));
  doc.SetBusy(true);
  EXPECT_FALSE(doc.ShowPage(1));
  doc.SetBusy(false);
  EXPECT_EQ(doc.CurrentPage(), 2);
  doc.PreviewWindow()->hide();
  EXPECT_FALSE(doc.ShowPage(1));
}

TEST_F(PreviewWindowTest, WholePageIsCentredAndPageWidthFillsTheWidth) {
  TplPrevForm& window = Open(1);
  window.PageWholeBtn->click();
  const QRect box = window.ScrollBox1->rect();
  const QRect image = window.Image1->geometry();
  EXPECT_EQ(doc.ZoomType(), TplPrevZoomType::ztWholePage);
  EXPECT_LE(std::abs(image.center().x() - box.center().x()), 1);
  EXPECT_LE(std::abs(image.center().y() - box.center().y()), 1);
  EXPECT_TRUE(box.contains(image));
  EXPECT_NEAR(static_cast<double>(image.height()) / image.width(), 2970.0 / 2100.0, 0.01);
  // The frame stands one pixel round the page, the shadow two pixels off it.
  EXPECT_EQ(window.Shape1->geometry(),
            QRect(image.x() - 1, image.y() - 1, image.width() + 1, image.height() + 1));
  EXPECT_EQ(window.Shape2->geometry(),
            QRect(image.x() + 2, image.y() + 2, image.width() + 2, image.height() + 2));

  window.PageWidthBtn->click();
  EXPECT_EQ(doc.ZoomType(), TplPrevZoomType::ztPageWidth);
  const QRect wide = window.Image1->geometry();
  EXPECT_EQ(wide.topLeft(), QPoint(15, 15));
  const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  EXPECT_EQ(wide.width(), window.ScrollBox1->width() - bar - 30);
}

TEST_F(PreviewWindowTest, ZoomStepsCompoundAndStopAtTheirLimits) {
  TplPrevForm& window = Open(1);
  window.PageWholeBtn->click();
  int width = window.Image1->width();
  window.ZoomDownBtn->click();
  EXPECT_EQ(doc.ZoomType(), TplPrevZoomType::ztOther);
  EXPECT_EQ(window.Image1->width(), static_cast<int>(width * 90.0 / 100.0));
  width = window.Image1->width();
  window.ZoomDownBtn->click();
  EXPECT_EQ(window.Image1->width(), static_cast<int>(width * 90.0 / 100.0));
  for (int i = 0; i < 40 && window.ZoomDownBtn->isEnabled(); ++i) window.ZoomDownBtn->click();
  EXPECT_FALSE(window.ZoomDownBtn->isEnabled());
  EXPECT_LE(window.Image1->width(), 100);
  EXPECT_GT(window.Image1->width(), 90);
  EXPECT_TRUE(window.ZoomUpBtn->isEnabled());

  width = window.Image1->width();
  window.ZoomUpBtn->click();
  EXPECT_EQ(window.Image1->width(), static_cast<int>(width * 100.0 / 90.0));
  EXPECT_TRUE(window.ZoomDownBtn->isEnabled());
  const QSize screen = window.screen()->size();
  for (int i = 0; i < 80 && window.ZoomUpBtn->isEnabled(); ++i) window.ZoomUpBtn->click();
  EXPECT_FALSE(window.ZoomUpBtn->isEnabled());
  EXPECT_TRUE(window.Image1->width() >= 2 * screen.width() ||
              window.Image1->height() >= 3 * screen.height());
  const QSize largest = window.Image1->size();
  window.ZoomUpBtnClick();
  EXPECT_EQ(window.Image1->size(), largest);
}

TEST_F(PreviewWindowTest, DraggingMovesThePageAndZoomDownReturnsToTheStoredPlace) {
  TplPrevForm& window = Open(1);
  window.PageWholeBtn->click();
  window.ZoomDownBtn->click();
  const QPoint stored = window.Image1->pos();
  const QPointF at(20, 20);
  Mouse(window.Image1, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  EXPECT_TRUE(window.Dragging());
  const QPointF to(50, 35);
  Mouse(window.Image1, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(window.Image1->pos(), stored + QPoint(30, 15));
  EXPECT_EQ(window.Shape1->pos(), window.Image1->pos() - QPoint(1, 1));
  Mouse(window.Image1, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  EXPECT_FALSE(window.Dragging());
  const QPoint dragged = window.Image1->pos();

  window.ZoomUpBtn->click();
  EXPECT_EQ(window.Image1->pos(), dragged) << "zoom up keeps the dragged place";
  window.ZoomDownBtn->click();
  EXPECT_EQ(window.Image1->pos(), dragged) << "zoom up stored it";

  Mouse(window.Image1, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  Mouse(window.Image1, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(window.Image1->pos(), dragged + QPoint(30, 15));
  window.ZoomDownBtn->click();
  EXPECT_EQ(window.Image1->pos(), dragged) << "zoom down goes back to the stored place";
}

TEST_F(PreviewWindowTest, ResizingKeepsAFreeZoomAndRedoesTheLayouts) {
  TplPrevForm& window = Open(1);
  window.PageWholeBtn->click();
  window.resize(window.width() + 120, window.height() + 80);
  QCoreApplication::processEvents();
  const QRect box = window.ScrollBox1->rect();
  EXPECT_LE(std::abs(window.Image1->geometry().center().x() - box.center().x()), 1);

  window.ZoomDownBtn->click();
  const QRect zoomed = window.Image1->geometry();
  window.resize(window.width() - 100, window.height() - 50);
  QCoreApplication::processEvents();
  EXPECT_EQ(window.Image1->geometry(), zoomed);
  EXPECT_GE(window.minimumWidth(), 300);
  EXPECT_GE(window.minimumHeight(), 300);
}

TEST_F(PreviewWindowTest, WheelScrollsAFifthOfItsDelta) {
  TplPrevForm& window = Open(1);
  window.PageWidthBtn->click();
  QCoreApplication::processEvents();
  QScrollBar* bar = window.ScrollBox1->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  const auto wheel = [&](int delta) {
    const QPointF at(10, 10);
    QWheelEvent event(at, window.ScrollBox1->viewport()->mapToGlobal(at), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false,
                      Qt::MouseEventNotSynthesized, &mouse);
    QCoreApplication::sendEvent(window.ScrollBox1->viewport(), &event);
    return event.isAccepted();
  };
  EXPECT_TRUE(wheel(-120));
  EXPECT_EQ(bar->value(), 24);
  wheel(4);
  EXPECT_EQ(bar->value(), 24);
  wheel(120);
  EXPECT_EQ(bar->value(), 0);
}

TEST_F(PreviewWindowTest, PageCopyOffersPdfAndImage) {
  TplPrevForm& window = Open(2);
  window.NextPageBtn->click();
  window.ActionPageCopyExecute();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  const QByteArray pdf = data->data(QStringLiteral("application/pdf"));
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(data->hasImage());
  const QImage image = qvariant_cast<QImage>(data->imageData());
  EXPECT_NEAR(static_cast<double>(image.height()) / image.width(), 2970.0 / 2100.0, 0.01);

  window.ActionDispCopyExecute();
  const QImage screen = QGuiApplication::clipboard()->image();
  EXPECT_EQ(screen.size(), window.grab().size());
}

TEST_F(PreviewWindowTest, PdfButtonSavesTheDocumentWhereTheUserSays) {
  TplPrevForm& window = Open(2);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QString suggested;
  window.SetSaveFileAsker([&](const QString& suggestion) {
    suggested = suggestion;
    return dir.filePath(QStringLiteral("sheet"));
  });
  std::vector<int> printed;
  doc.OnPrint = [&](QObject*, int page) { printed.push_back(page); };
  window.PdfBtn->click();
  // Saving is printing for later: each saved page raises the print event once,
  // and the status bar names the file.
  EXPECT_EQ(printed, (std::vector<int>{1, 2}));
  EXPECT_TRUE(window.StatusPanel3->text().contains(dir.filePath(QStringLiteral("sheet.pdf"))));
  EXPECT_TRUE(suggested.endsWith(QStringLiteral(".pdf")));
  QFile file(dir.filePath(QStringLiteral("sheet.pdf")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(
      bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);

  // Cancelling the file dialog writes nothing; a place that cannot be written
  // is reported in Japanese and counts nothing.
  const QString status = window.StatusPanel3->text();
  window.SetSaveFileAsker([](const QString&) { return QString(); });
  window.PdfBtn->click();
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window.SetSaveFileAsker([](const QString&) { return QStringLiteral("/nonexistent/dir/x.pdf"); });
  window.PdfBtn->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("「/nonexistent/dir/x.pdf」にPDFを保存できませんでした。\n"
                           "保存先のフォルダ「/nonexistent/dir」がありません。"));
  EXPECT_EQ(printed.size(), 2u);
  EXPECT_EQ(window.StatusPanel3->text(), status);
}

TEST_F(PreviewWindowTest, KeysPageThroughTheDocument) {
  // The offscreen platform has no keyboard, so Qt makes one as a child of the
  // application; it must go while Qt's device list still exists, not at exit.
  const auto forgetKeyboard = qScopeGuard([] { delete QInputDevice::primaryKeyboard(); });
  TplPrevForm& window = Open(3);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  struct Step {
    Qt::Key key;
    int page;
  };
  for (const Step& step : {Step{Qt::Key_PageDown, 2}, Step{Qt::Key_Right, 3},
                           Step{Qt::Key_Right, 3}, Step{Qt::Key_PageUp, 2}, Step{Qt::Key_Left, 1},
                           Step{Qt::Key_End, 3}, Step{Qt::Key_Home, 1}}) {
    QTest::keyClick(&window, step.key);
    EXPECT_EQ(doc.CurrentPage(), step.page) << QKeySequence(step.key).toString().toStdString();
  }
  QString asked;
  window.SetSaveFileAsker([&](const QString& suggestion) {
    asked = suggestion;
    return QString();
  });
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(asked.isEmpty());
  int dialogs = 0;
  window.SetPrintDialogRunner([&](QPrinter&, int, int, int, int) {
    ++dialogs;
    return PrintChoice{};
  });
  RecordingMessages messages;  // without a printer Ctrl+P says so instead
  ScopedMessages scope(messages);
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(dialogs + static_cast<int>(messages.shown.size()), 1);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(doc.WindowShown());
}

TEST_F(PreviewWindowTest, PrintButtonAsksForPagesAroundTheCurrentOne) {
  TplPrevForm& window = Open(2);
  window.NextPageBtn->click();
  if (doc.NoPrinter()) {
    RecordingMessages messages;
    ScopedMessages scope(messages);
    window.PrintBtn->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("プリンタがインストールされていないので印刷できません．　　"));
    EXPECT_EQ(messages.shown[0].caption, QStringLiteral("　印刷"));
    return;
  }
  int asked = 0;
  window.SetPrintDialogRunner([&](QPrinter&, int from, int to, int minPage, int maxPage) {
    ++asked;
    EXPECT_EQ(from, 2);
    EXPECT_EQ(to, 2);
    EXPECT_EQ(minPage, 1);
    EXPECT_EQ(maxPage, 2);
    return PrintChoice{};  // cancelled
  });
  int printed = 0;
  doc.OnPrint = [&](QObject*, int) { ++printed; };
  window.PrintBtn->click();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(printed, 0);
  EXPECT_EQ(doc.CurrentPage(), 2);

  // A handler may refuse printing before the dialog.
  doc.OnPrintButtonClick = [](QObject*, bool& canPrint) { canPrint = false; };
  window.PrintBtn->click();
  EXPECT_EQ(asked, 1);
}

TEST_F(PreviewWindowTest, ContextMenuGreysScreenCopiesWithoutPrinter) {
  TplPrevForm& window = Open(1);
  const QPointF at(5, 5);
  Mouse(window.Image1, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(window.PopupMenu1->isVisible());
  EXPECT_EQ(window.N2->isEnabled(), !doc.NoPrinter());
  EXPECT_EQ(window.N3->isEnabled(), !doc.NoPrinter());
  EXPECT_TRUE(window.N1->isEnabled());
  window.PopupMenu1->hide();
  EXPECT_FALSE(window.Dragging());
}

TEST_F(PreviewWindowTest, ModalPreviewReturnsWhenTheWindowCloses) {
  Record(doc, 2);
  bool seen = false;
  QTimer::singleShot(0, [&] {
    TplPrevForm* window = doc.PreviewWindow();
    ASSERT_NE(window, nullptr);
    seen = window->isVisible() && doc.WindowShown() && doc.Busy();
    // A second modal preview while the first one shows is refused with a warning.
    RecordingMessages messages;
    {
      ScopedMessages scope(messages);
      doc.SetBusy(false);
      doc.Preview();
      doc.SetBusy(true);
    }
    EXPECT_EQ(messages.shown.size(), 1u);
    window->CloseBtn->click();
  });
  doc.Preview();
  EXPECT_TRUE(seen);
  EXPECT_FALSE(doc.Busy());
  EXPECT_FALSE(doc.WindowShown());
  EXPECT_EQ(doc.PreviewWindow(), nullptr) << "the window it made released itself";
  EXPECT_FALSE(doc.OwnsWindow());
  EXPECT_TRUE(doc.FormName().isEmpty());
  EXPECT_EQ(doc.ViewPageWidth(), 0);
}

TEST_F(PreviewWindowTest, CloseQueryMayKeepTheWindowOpen) {
  TplPrevForm& window = Open(1);
  bool allow = false;
  int destroyed = 0;
  doc.OnFormCloseQuery = [&](QObject*, bool& canClose) { canClose = allow; };
  doc.OnFormDestroy = [&](QObject*) { ++destroyed; };
  window.CloseBtn->click();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(doc.WindowShown());
  allow = true;
  window.CloseBtn->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(doc.WindowShown());
  EXPECT_EQ(doc.PreviewWindow(), nullptr);
  EXPECT_EQ(destroyed, 1);
}

TEST_F(PreviewWindowTest, RaisesTheWindowEventsOnTheComponent) {
  int shows = 0;
  int resizes = 0;
  std::vector<int> viewed;
  doc.OnFormShow = [&](QObject*) { ++shows; };
  doc.OnResize = [&](QObject*, int) { ++resizes; };
  doc.OnAfterView = [&](QObject*, int page) { viewed.push_back(page); };
  TplPrevForm& window = Open(2);
  EXPECT_EQ(shows, 1);
  EXPECT_GT(resizes, 0);
  ASSERT_FALSE(viewed.empty());
  EXPECT_EQ(viewed.back(), 1);
  window.NextPageBtn->click();
  EXPECT_EQ(viewed.back(), 2);
  const int before = resizes;
  window.ZoomDownBtn->click();
  EXPECT_EQ(resizes, before + 1);
}

TEST_F(PreviewWindowTest, AWindowThatMayNotBeResizedHasNoSizeGrip) {
  doc.SetFormCanResize(false);
  TplPrevForm& window = Open(1);
  EXPECT_FALSE(window.StatusBar->isSizeGripEnabled());
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

TEST_F(PreviewWindowTest, ButtonOptionsHideTheirButtons) {
  TplPrevBtnOptions options = TplPrevBtnOptions::All();
  options.Exclude(TplPrevBtnOption::boZoomUpBtn);
  options.Exclude(TplPrevBtnOption::boFirstPageBtn);
  doc.SetBtnOptions(options);
  TplPrevForm& window = Open(2);
  EXPECT_FALSE(window.ZoomUpBtn->isVisible());
  EXPECT_FALSE(window.FirstPageBtn->isVisible());
  EXPECT_TRUE(window.ZoomDownBtn->isVisible());
  EXPECT_TRUE(window.LastPageBtn->isVisible());
  EXPECT_FALSE(window.PrinterSetBtn->isVisible());
}

TEST_F(PreviewWindowTest, AnAcrobatPrinterPrintsAtOnceWithoutAWindow) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_ACROBAT_QUEUE", queue);
  TplSetPrinter settings;
  settings.SetPrinterName(queue);
  ASSERT_EQ(settings.PrinterName(), queue);
  doc.SetplSetPrinter(&settings);
  ASSERT_TRUE(doc.IsAcrobatPrinter());
  Record(doc, 2);
  std::vector<int> printed;
  doc.OnPrint = [&](QObject*, int page) { printed.push_back(page); };
  doc.Preview();
  EXPECT_EQ(printed, (std::vector<int>{1, 2}));
  EXPECT_EQ(doc.PreviewWindow(), nullptr);
  EXPECT_FALSE(doc.WindowShown());
  EXPECT_FALSE(doc.Busy());
  // A window opened before the printer was linked is left open.
  doc.SetplSetPrinter(nullptr);
  doc.ShowPreview();
  TplPrevForm* window = doc.PreviewWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  doc.SetplSetPrinter(&settings);
  ASSERT_TRUE(doc.IsAcrobatPrinter());
  doc.ClosePreview();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(doc.WindowShown());
  doc.SetplSetPrinter(nullptr);
}

// What the teacher chose in the printer and paper dialog is what prints.
TEST_F(PreviewWindowTest, ThePrinterSetupChoiceStands) {
  QString trays, other;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", other);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  TplSetPrinter settings;
  settings.SetPrinterName(other);
  doc.SetplSetPrinter(&settings);
  TplPrevForm& window = Open(1);
  settings.SetSetupDialogRunner([&](QPrinter& printer) {
    printer.setPrinterName(trays);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  });
  window.PrinterSetBtnClick();
  EXPECT_EQ(settings.PrinterName(), trays);
  EXPECT_EQ(settings.GetPaperSize(), 11);  // A5
  EXPECT_TRUE(settings.IsLandscape());
  EXPECT_NEAR(doc.PaperWidth(), 2100, 2);  // A5 across
  EXPECT_NEAR(doc.PaperHeight(), 1480, 2);

  const QString title = testing::JobTitle("setup");
  testing::RemoveOutputs(dir, title);
  doc.SetTitle(title);
  doc.Print();
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  const QSizeF size = testing::PdfPageSize(pdf);
  EXPECT_NEAR(size.width(), 595.3, 1.0);  // A5 across: 210 mm
  EXPECT_NEAR(size.height(), 419.5, 1.0);
  doc.ClosePreview();
  doc.SetplSetPrinter(nullptr);
}

// A job CUPS took and then aborted counts no page and says why.
TEST_F(PreviewWindowTest, AJobCupsAbortsCountsNoPageAndSaysWhy) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_FAIL_QUEUE", queue);
  TplPrevForm& window = Open(2);
  TplSetPrinter settings;
  settings.SetPrinterName(queue);
  doc.SetplSetPrinter(&settings);
  window.SetPrintDialogRunner([&](QPrinter& printer, int, int, int, int) {
    printer.setPrinterName(queue);
    printer.setDocName(testing::JobTitle("window-fail"));
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  });
  int printed = 0;
  doc.OnPrint = [&](QObject*, int) { ++printed; };
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window.PrintBtn->click();
  EXPECT_EQ(printed, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタ「%1」で印刷できませんでした。\nthe printer \"%1\" did not "
                           "print the job: kazenori test: this printer fails every job")
                .arg(queue));
  doc.ClosePreview();
  doc.SetplSetPrinter(nullptr);
}

TEST_F(PreviewWindowTest, HardCopyPrintsTheCapturedWindow) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  TplPrevForm& window = Open(1);
  TplSetPrinter settings;
  settings.SetPrinterName(queue);
  doc.SetplSetPrinter(&settings);
  int asked = 0;
  window.SetPrintDialogRunner([&](QPrinter& printer, int, int, int, int) {
    ++asked;
    printer.setPrinterName(queue);
    printer.setDocName(testing::JobTitle("hardcopy"));
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  });
  testing::RemoveOutputs(dir, testing::JobTitle("hardcopy"));
  window.ActionHardCopyExecute();
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), window.grab().size());
  EXPECT_TRUE(window.PrintBtn->isEnabled()) << "the view is refreshed afterwards";
  doc.ClosePreview();
  doc.SetplSetPrinter(nullptr);
}

}  // namespace
}  // namespace kazenori
