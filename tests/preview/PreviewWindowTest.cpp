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

#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PLPREVFRM.h"
#include "print/printtestsupport.h"
#include "print/printerselection.h"
#include "support/QtApp.h"

namespace kazenori {
namespace {

// A document of `pages` pages, each with its number written on it.
void Record(PreviewDocument& doc, int pages) {
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
  void TearDown() override {
    if (window_) window_->close();
  }

  // Opens the window without a modal loop.
  TplPrevForm& Open(int pages) {
    Record(doc, pages);
    doc.SetPaper(printers.PagePaper());
    window_ = std::make_unique<TplPrevForm>();
    window_->Bind(&doc, &printers);
    window_->show();
    return *window_;
  }
  // The pages the window announces as printed.
  std::vector<int>& Printed() {
    QObject::connect(window_.get(), &TplPrevForm::pagePrinted,
                     [this](int page) { printed_.push_back(page); });
    return printed_;
  }
  QString PaperName() const { return doc.PagePaper().name; }

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

  PreviewDocument doc;
  PrinterSelection printers;
  std::unique_ptr<TplPrevForm> window_;
  std::vector<int> printed_;
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
  EXPECT_EQ(window.windowTitle(), QStringLiteral("印刷プレビュー")) << "an untitled document";
  for (QToolButton* b :
       {window.FirstPageBtn, window.PriorPageBtn, window.NextPageBtn, window.LastPageBtn})
    EXPECT_FALSE(b->isEnabled());
  for (QToolButton* b : {window.PrintBtn, window.PdfBtn, window.ZoomDownBtn, window.ZoomUpBtn,
                         window.PageWholeBtn, window.PageWidthBtn})
    EXPECT_TRUE(b->isEnabled());
  EXPECT_FALSE(window.PrinterSetBtn->isVisible());
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  1/1  ") + PaperName());
  EXPECT_FALSE(window.Image1->isHidden());
  EXPECT_NE(window.Image1->Picture(), nullptr);
}

TEST_F(PreviewWindowTest, PageButtonsFollowTheCurrentPage) {
  TplPrevForm& window = Open(2);
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  1/2  ") + PaperName());
  EXPECT_FALSE(Enabled(window.FirstPageBtn));
  EXPECT_FALSE(Enabled(window.PriorPageBtn));
  EXPECT_TRUE(Enabled(window.NextPageBtn));
  EXPECT_TRUE(Enabled(window.LastPageBtn));

  window.NextPageBtn->click();
  EXPECT_EQ(window.CurrentPage(), 2);
  EXPECT_EQ(window.StatusPanel1->text(), QStringLiteral(" Page  2/2  ") + PaperName());
  EXPECT_TRUE(Enabled(window.FirstPageBtn));
  EXPECT_TRUE(Enabled(window.PriorPageBtn));
  EXPECT_FALSE(Enabled(window.NextPageBtn));
  EXPECT_FALSE(Enabled(window.LastPageBtn));
  // At the limit a page button does nothing.
  window.NextPageBtnClick();
  window.LastPageBtnClick();
  EXPECT_EQ(window.CurrentPage(), 2);

  window.FirstPageBtn->click();
  EXPECT_EQ(window.CurrentPage(), 1);
  window.LastPageBtn->click();
  EXPECT_EQ(window.CurrentPage(), 2);
  window.PriorPageBtn->click();
  EXPECT_EQ(window.CurrentPage(), 1);
  window.PriorPageBtnClick();
  EXPECT_EQ(window.CurrentPage(), 1);
}

TEST_F(PreviewWindowTest, ShowPageRefusesWhatIsNotThere) {
  TplPrevForm& window = Open(2);
  EXPECT_FALSE(window.ShowPage(0));
  EXPECT_FALSE(window.ShowPage(3));
  EXPECT_EQ(window.CurrentPage(), 1);
  EXPECT_TRUE(window.ShowPage(2));
  EXPECT_EQ(window.CurrentPage(), 2);
  EXPECT_EQ(window.StatusPanel1->text().left(11), QStringLiteral(" Page  2/2 "));
  window.hide();
  EXPECT_FALSE(window.ShowPage(1));
}

TEST_F(PreviewWindowTest, WholePageIsCentredAndPageWidthFillsTheWidth) {
  TplPrevForm& window = Open(1);
  window.PageWholeBtn->click();
  const QRect box = window.ScrollBox1->rect();
  const QRect image = window.Image1->geometry();
  EXPECT_EQ(window.ZoomKind(), TplPrevForm::Zoom::WholePage);
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
  EXPECT_EQ(window.ZoomKind(), TplPrevForm::Zoom::PageWidth);
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
  EXPECT_EQ(window.ZoomKind(), TplPrevForm::Zoom::Free);
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
  std::vector<int>& printed = Printed();
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
    EXPECT_EQ(window.CurrentPage(), step.page) << QKeySequence(step.key).toString().toStdString();
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
  EXPECT_FALSE(window.isVisible());
}

TEST_F(PreviewWindowTest, PrintButtonAsksForPagesAroundTheCurrentOne) {
  TplPrevForm& window = Open(2);
  window.NextPageBtn->click();
  if (window.NoPrinter()) {
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
  const std::vector<int>& printed = Printed();
  window.PrintBtn->click();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(printed.empty());
  EXPECT_EQ(window.CurrentPage(), 2);
}

TEST_F(PreviewWindowTest, ContextMenuGreysScreenCopiesWithoutPrinter) {
  TplPrevForm& window = Open(1);
  const QPointF at(5, 5);
  Mouse(window.Image1, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(window.PopupMenu1->isVisible());
  EXPECT_EQ(window.N2->isEnabled(), !window.NoPrinter());
  EXPECT_EQ(window.N3->isEnabled(), !window.NoPrinter());
  EXPECT_TRUE(window.N1->isEnabled());
  window.PopupMenu1->hide();
  EXPECT_FALSE(window.Dragging());
}

// What the teacher chose in the printer and paper dialog is what prints.
TEST_F(PreviewWindowTest, ThePrinterSetupChoiceStands) {
  QString trays, other;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_TRAYS_QUEUE", trays);
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", other);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  printers.SelectPrinter(other);
  TplPrevForm& window = Open(1);
  window.SetSetupDialogRunner([&](QPrinter& printer) {
    printer.setPrinterName(trays);
    printer.setPageSize(QPageSize(QPageSize::A5));
    printer.setPageOrientation(QPageLayout::Landscape);
    return true;
  });
  window.PrinterSetBtnClick();
  EXPECT_EQ(printers.PrinterName(), trays);
  EXPECT_EQ(printers.PaperCode(), 11);  // A5
  EXPECT_TRUE(printers.IsLandscape());
  EXPECT_NEAR(doc.PagePaper().width, 2100, 2);  // A5 across
  EXPECT_NEAR(doc.PagePaper().height, 1480, 2);

  const QString title = testing::JobTitle("setup");
  testing::RemoveOutputs(dir, title);
  doc.SetTitle(title);
  window.SetPrintDialogRunner([&](QPrinter&, int, int, int, int) {
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  });
  window.PrintBtn->click();
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty());
  const QSizeF size = testing::PdfPageSize(pdf);
  EXPECT_NEAR(size.width(), 595.3, 1.0);  // A5 across: 210 mm
  EXPECT_NEAR(size.height(), 419.5, 1.0);
}

// A job CUPS took and then aborted counts no page and says why.
TEST_F(PreviewWindowTest, AJobCupsAbortsCountsNoPageAndSaysWhy) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_FAIL_QUEUE", queue);
  printers.SelectPrinter(queue);
  TplPrevForm& window = Open(2);
  doc.SetTitle(testing::JobTitle("window-fail"));
  window.SetPrintDialogRunner([&](QPrinter& printer, int, int, int, int) {
    printer.setPrinterName(queue);
    return PrintChoice{true, PrintChoice::Range::All, 0, 0};
  });
  const std::vector<int>& printed = Printed();
  RecordingMessages messages;
  ScopedMessages scope(messages);
  window.PrintBtn->click();
  EXPECT_TRUE(printed.empty());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
  EXPECT_EQ(messages.shown[0].text,
            QStringLiteral("プリンタ「%1」で印刷できませんでした。\nthe printer \"%1\" did not "
                           "print the job: kazenori test: this printer fails every job")
                .arg(queue));
}

TEST_F(PreviewWindowTest, HardCopyPrintsTheCapturedWindow) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  printers.SelectPrinter(queue);
  TplPrevForm& window = Open(1);
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
}

}  // namespace
}  // namespace kazenori
