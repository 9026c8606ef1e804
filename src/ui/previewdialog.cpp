// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/previewdialog.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/previewdocument.h"
#include "print/printerselection.h"
#include "ui/pagewidget.h"
#include "ui/windowfont.h"

namespace kazenori {

namespace {

constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
constexpr int kMinimumSize = 300;
constexpr int kSpacerWidth = 15;

}  // namespace

PreviewDialog::PreviewDialog(PreviewDocument& document, PrinterSelection& printers, QWidget* parent)
    : QDialog(parent, kWindowFlags),
      document_(document),
      printers_(printers),
      saved_(printers.Settings()) {
  setFont(WindowFont(12));
  setMinimumSize(kMinimumSize, kMinimumSize);
  if (document_.Title().isEmpty()) document_.SetTitle(QStringLiteral("印刷プレビュー"));
  setWindowTitle(document_.Title());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  createToolBar();
  layout->addWidget(toolBar_);
  pageWidget_ = new PageWidget(this);
  layout->addWidget(pageWidget_, 1);
  createStatusBar();
  createClassSetBar();
  layout->addWidget(statusBar_);
  createPageMenu();
  bindShortcuts();
  fitControlsToFont();
  connect(pageWidget_, &PageWidget::contextMenuRequested, this, &PreviewDialog::showPageMenu);
  connect(&pagePrinter_, &PagePrinter::pagePrinted, this, &PreviewDialog::pagePrinted);
  connect(&pagePrinter_, &PagePrinter::finished, this, &PreviewDialog::onPrintFinished);
  // The print returns once CUPS has the job; a JobWatch follows it from there.
  pagePrinter_.SetWait(std::chrono::milliseconds(0));
  placeOnScreen();
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::createToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setFixedHeight(39 + 16);
  toolBar_->setMovable(false);
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolBar_->setIconSize(QSize(16, 16));
  printButton_ =
      addButton(QStringLiteral("印刷 (&P)"), QStringLiteral("印刷"), 90,
                style()->standardIcon(QStyle::SP_FileDialogDetailedView), &PreviewDialog::print);
  pdfButton_ =
      addButton(QStringLiteral("PDF保存"), QStringLiteral("PDFファイルに保存"), 64,
                style()->standardIcon(QStyle::SP_DialogSaveButton), &PreviewDialog::savePdf);
  printerSetupButton_ =
      addButton(QStringLiteral("プリンタ・用紙"), QStringLiteral("プリンタと用紙の設定保存"), 86,
                style()->standardIcon(QStyle::SP_FileDialogListView), &PreviewDialog::setUpPrinter);
  // Setting up the printer here belongs to a document not yet begun, which
  // the preview never shows. A tool bar shows its widgets through their actions.
  toolBar_->actions().back()->setVisible(false);
  addSpacer();
  createPageButtons();
  addSpacer();
  createZoomButtons();
  addSpacer();
  closeButton_ = addButton(QStringLiteral("閉じる(&X)"), QStringLiteral("閉じる"), 104,
                           style()->standardIcon(QStyle::SP_DialogCloseButton), &QDialog::reject);
  closeButton_->setEnabled(true);
}

void PreviewDialog::createPageButtons() {
  firstPageButton_ =
      addButton(QStringLiteral("先頭頁"), QStringLiteral("先頭頁"), 46,
                style()->standardIcon(QStyle::SP_MediaSkipBackward), &PreviewDialog::showFirstPage);
  previousPageButton_ =
      addButton(QStringLiteral("前頁"), QStringLiteral("前頁"), 46,
                style()->standardIcon(QStyle::SP_ArrowLeft), &PreviewDialog::showPreviousPage);
  nextPageButton_ =
      addButton(QStringLiteral("次頁"), QStringLiteral("次頁"), 46,
                style()->standardIcon(QStyle::SP_ArrowRight), &PreviewDialog::showNextPage);
  lastPageButton_ =
      addButton(QStringLiteral("最終頁"), QStringLiteral("最終頁"), 46,
                style()->standardIcon(QStyle::SP_MediaSkipForward), &PreviewDialog::showLastPage);
}

void PreviewDialog::createZoomButtons() {
  zoomOutButton_ = addButton(QStringLiteral("縮小"), QStringLiteral("縮小"), 46,
                             style()->standardIcon(QStyle::SP_ArrowDown), &PreviewDialog::zoomOut);
  zoomInButton_ = addButton(QStringLiteral("拡大"), QStringLiteral("拡大"), 46,
                            style()->standardIcon(QStyle::SP_ArrowUp), &PreviewDialog::zoomIn);
  wholePageButton_ = addButton(QStringLiteral("全体"), QStringLiteral("全体表示"), 46,
                               style()->standardIcon(QStyle::SP_TitleBarNormalButton),
                               &PreviewDialog::showWholePage);
  pageWidthButton_ =
      addButton(QStringLiteral("頁幅"), QStringLiteral("横幅基準表示"), 46,
                style()->standardIcon(QStyle::SP_TitleBarMaxButton), &PreviewDialog::showPageWidth);
}

// Every button but Close waits for the page to be shown.
QToolButton* PreviewDialog::addButton(const QString& caption, const QString& hint, int width,
                                      const QIcon& icon, void (PreviewDialog::*command)()) {
  auto* button = new QToolButton(toolBar_);
  button->setText(caption);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setFixedWidth(width);
  button->setEnabled(false);
  toolBar_->addWidget(button);
  connect(button, &QToolButton::clicked, this, command);
  return button;
}

void PreviewDialog::addSpacer() {
  auto* spacer = new QWidget(toolBar_);
  spacer->setFixedWidth(kSpacerWidth);
  toolBar_->addWidget(spacer);
}

// The keys of any document viewer, each doing what its button does and only
// while that button could be clicked. Esc closes as in every dialog.
void PreviewDialog::bindShortcuts() {
  bindKeys(nextPageButton_, {Qt::Key_PageDown, Qt::Key_Right});
  bindKeys(previousPageButton_, {Qt::Key_PageUp, Qt::Key_Left});
  bindKeys(firstPageButton_, {Qt::Key_Home});
  bindKeys(lastPageButton_, {Qt::Key_End});
  bindKeys(printButton_, {QKeySequence::Print});
  bindKeys(pdfButton_, {QKeySequence::Save});
  bindKeys(zoomInButton_, {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal});
  bindKeys(zoomOutButton_, {QKeySequence::ZoomOut});
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          &PreviewDialog::copyPage);
  connect(pageWidget_, &PageWidget::zoomRequested, this, [this](int direction) {
    QToolButton* button = direction > 0 ? zoomInButton_ : zoomOutButton_;
    if (button->isEnabled()) button->click();
  });
}

void PreviewDialog::bindKeys(QToolButton* button, std::initializer_list<QKeySequence> keys) {
  for (const QKeySequence& key : keys) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

void PreviewDialog::createStatusBar() {
  statusBar_ = new QStatusBar(this);
  statusBar_->setFixedHeight(26);
  statusBar_->setSizeGripEnabled(true);
  pageStatus_ = new QLabel(statusBar_);
  pageStatus_->setFixedWidth(300);
  remarkStatus_ = new QLabel(statusBar_);
  remarkStatus_->setFixedWidth(50);
  commandStatus_ = new QLabel(statusBar_);
  statusBar_->addWidget(pageStatus_);
  statusBar_->addWidget(remarkStatus_);
  statusBar_->addWidget(commandStatus_, 1);
}

void PreviewDialog::createPageMenu() {
  pageMenu_ = new QMenu(this);
  copyPageAction_ =
      pageMenu_->addAction(QStringLiteral("現在の頁をコピー"), this, &PreviewDialog::copyPage);
  copyWindowAction_ =
      pageMenu_->addAction(QStringLiteral("画面をコピー"), this, &PreviewDialog::copyWindow);
  printWindowAction_ =
      pageMenu_->addAction(QStringLiteral("画面ハードコピー"), this, &PreviewDialog::printWindow);
  pageMenu_->addAction(QStringLiteral("キャンセル"));
}

void PreviewDialog::placeOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  placeWithin(screen ? screen->availableGeometry() : QRect(0, 0, 800, 600));
}

// Two thirds of the work area across, five sixths down, centred. Where that
// is narrower than the tool bar, as wide as the tool bar, so that no button
// hides behind its extension (out of the Tab order); never beyond the area.
void PreviewDialog::placeWithin(const QRect& area) {
  QSize size(std::max(kMinimumSize, area.width() * 2 / 3),
             std::max(kMinimumSize, area.height() * 5 / 6));
  size = size.expandedTo(minimumSizeHint())
             .expandedTo(QSize(toolBar_->sizeHint().width(), 0))
             .boundedTo(area.size())
             .expandedTo(minimumSize());
  QRect bounds(QPoint(), size);
  bounds.moveCenter(area.center());
  setGeometry(bounds);
}

// A class set's controls stand at the right of the status bar; a single
// sheet's window looks as it always did.
void PreviewDialog::createClassSetBar() {
  classSetBar_ = new QWidget(statusBar_);
  auto* row = new QHBoxLayout(classSetBar_);
  row->setContentsMargins(0, 0, 4, 0);
  auto* sheetLabel = new QLabel(QStringLiteral("シート"), classSetBar_);
  sheetBox_ = new QSpinBox(classSetBar_);
  sheetBox_->setKeyboardTracking(false);
  sheetBox_->setAccessibleName(QStringLiteral("シートへ移動"));
  sheetBox_->setToolTip(QStringLiteral("シートへ移動 (Ctrl+G)"));
  sheetLabel->setBuddy(sheetBox_);
  auto* kindLabel = new QLabel(QStringLiteral("印刷するページ"), classSetBar_);
  pageKindChoice_ = new QComboBox(classSetBar_);
  pageKindChoice_->addItems(
      {QStringLiteral("すべて"), QStringLiteral("問題のみ"), QStringLiteral("解答のみ")});
  pageKindChoice_->setAccessibleName(kindLabel->text());
  pageKindChoice_->setToolTip(QStringLiteral("印刷とPDF保存で、どのページを出すか"));
  kindLabel->setBuddy(pageKindChoice_);
  row->addWidget(sheetLabel);
  row->addWidget(sheetBox_);
  row->addSpacing(8);
  row->addWidget(kindLabel);
  row->addWidget(pageKindChoice_);
  statusBar_->addPermanentWidget(classSetBar_);
  classSetBar_->hide();
  connect(sheetBox_, &QSpinBox::valueChanged, this, &PreviewDialog::showSheet);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this,
          [this] {
            if (!classSetBar_->isVisible()) return;
            sheetBox_->setFocus(Qt::ShortcutFocusReason);
            sheetBox_->selectAll();
          });
}

// Larger text makes the bars as tall and the buttons as wide as their
// captions need; with the designed font nothing moves.
void PreviewDialog::fitControlsToFont() {
  const double scale = font().pixelSize() / 12.0;
  if (scale <= 1.0) return;
  int tallest = 0;
  for (QToolButton* button : {printButton_, pdfButton_, printerSetupButton_, firstPageButton_,
                              previousPageButton_, nextPageButton_, lastPageButton_, zoomOutButton_,
                              zoomInButton_, wholePageButton_, pageWidthButton_, closeButton_}) {
    button->setFixedWidth(
        std::max(qRound(button->minimumWidth() * scale), button->sizeHint().width()));
    tallest = std::max(tallest, button->sizeHint().height());
  }
  toolBar_->setFixedHeight(std::max(toolBar_->minimumHeight(), tallest + 12));
  statusBar_->setFixedHeight(std::max(26, statusBar_->sizeHint().height()));
}

void PreviewDialog::setSheets(std::vector<PreviewSheet> sheets) {
  sheets_ = std::move(sheets);
  QStringList remarks;
  if (sheets_.size() > 1) {
    for (std::size_t k = 0; k < sheets_.size(); ++k) {
      const QString sheet = QString::number(k + 1) + QStringLiteral("枚目");
      if (sheets_[k].pageCount == 1) {
        remarks << sheet;
      } else {
        remarks << sheet + QStringLiteral(" 問題") << sheet + QStringLiteral(" 解答");
      }
    }
  }
  setPageRemarks(remarks);
  const int count = static_cast<int>(sheets_.size());
  {
    const QSignalBlocker quiet(sheetBox_);
    sheetBox_->setRange(1, std::max(1, count));
    sheetBox_->setSuffix(QStringLiteral(" / %1").arg(count));
    sheetBox_->setValue(std::max(1, sheetOf(currentPage_)));
  }
  classSetBar_->setVisible(count > 1);
}

int PreviewDialog::sheetOf(int page) const {
  for (std::size_t k = 0; k < sheets_.size(); ++k) {
    const PreviewSheet& s = sheets_[k];
    if (page >= s.firstPage && page < s.firstPage + s.pageCount) return static_cast<int>(k) + 1;
  }
  return 0;
}

bool PreviewDialog::showSheet(int sheet) {
  if (sheet < 1 || sheet > static_cast<int>(sheets_.size())) return false;
  return showPage(sheets_[static_cast<std::size_t>(sheet - 1)].firstPage);
}

PreviewDialog::PageKind PreviewDialog::pageKind() const {
  if (sheets_.size() < 2) return PageKind::All;
  return static_cast<PageKind>(std::max(0, pageKindChoice_->currentIndex()));
}

// A sheet's first page holds its questions, its second the answers; a page
// of no sheet is printed whatever the choice.
std::vector<int> PreviewDialog::pagesToPrint(const std::vector<int>& pages) const {
  const PageKind kind = pageKind();
  if (kind == PageKind::All) return pages;
  std::vector<int> chosen;
  for (const int page : pages) {
    const int sheet = sheetOf(page);
    const bool answers = sheet > 0 && page > sheets_[static_cast<std::size_t>(sheet - 1)].firstPage;
    if (sheet == 0 || answers == (kind == PageKind::Answers)) chosen.push_back(page);
  }
  return chosen;
}

QString PreviewDialog::suggestedPdfName() const {
  if (sheets_.empty()) return QStringLiteral("kazenori.pdf");
  const std::int32_t first = sheets_.front().printNumber;
  const std::int32_t last = sheets_.back().printNumber;
  return first == last ? QStringLiteral("kazenori-%1.pdf").arg(first)
                       : QStringLiteral("kazenori-%1-%2.pdf").arg(first).arg(last);
}

void PreviewDialog::setQuestions(PreviewQuestions* questions) {
  questions_ = questions ? questions : &qtQuestions_;
}

bool PreviewDialog::noPrinter() const {
  return printers_.PrinterCount() == 0;
}

// The page is laid out once the dialog has its size.
void PreviewDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous() || !document_.IsRecorded()) return;
  refreshPage();
  if (pageWidget_->zoom() == PageWidget::Zoom::PageWidth) {
    showPageWidth();
  } else {
    showWholePage();
  }
}

double PreviewDialog::pageAspect() const {
  const Paper& paper = document_.PagePaper();
  if (paper.width > 0) return static_cast<double>(paper.height) / paper.width;
  return 297.0 / 210.0;
}

void PreviewDialog::refreshPage() {
  if (document_.IsRecorded()) {
    pageWidget_->setPage(document_.ComposedPage(currentPage_, PageUse::Screen), pageAspect());
  }
  updateButtons();
  pageStatus_->setText(QStringLiteral(" Page  %1/%2  %3")
                           .arg(currentPage_)
                           .arg(document_.PageCount())
                           .arg(document_.PagePaper().name));
  remarkStatus_->setText(pageRemarks_.value(currentPage_ - 1));
  if (const int sheet = sheetOf(currentPage_); sheet > 0) {
    const QSignalBlocker quiet(sheetBox_);
    sheetBox_->setValue(sheet);
  }
  announcePage();
}

// A screen reader hears which page of which sheet the view shows.
void PreviewDialog::announcePage() {
  QString name = QStringLiteral("%1 / %2 頁").arg(currentPage_).arg(document_.PageCount());
  if (const QString remark = pageRemarks_.value(currentPage_ - 1); !remark.isEmpty()) {
    name += QStringLiteral(" ") + remark;
  }
  pageWidget_->setAccessibleName(name);
  QAccessibleEvent changed(pageWidget_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

void PreviewDialog::setPageRemarks(const QStringList& remarks) {
  pageRemarks_ = remarks;
  int width = 50;
  for (const QString& remark : remarks) {
    width = std::max(width, remarkStatus_->fontMetrics().horizontalAdvance(remark) + 12);
  }
  remarkStatus_->setFixedWidth(width);
  // Only the remark: the page itself is drawn when it is shown.
  remarkStatus_->setText(pageRemarks_.value(currentPage_ - 1));
  announcePage();
}

void PreviewDialog::updateButtons() {
  for (QToolButton* button : {wholePageButton_, pageWidthButton_, zoomOutButton_, zoomInButton_}) {
    button->setEnabled(true);
  }
  // One print at a time: a second would interleave its sheets with the first.
  printButton_->setEnabled(!isPrinting());
  printerSetupButton_->setEnabled(!isPrinting());
  pdfButton_->setEnabled(document_.IsRecorded());
  firstPageButton_->setEnabled(currentPage_ > 1);
  previousPageButton_->setEnabled(currentPage_ > 1);
  nextPageButton_->setEnabled(currentPage_ < document_.PageCount());
  lastPageButton_->setEnabled(currentPage_ < document_.PageCount());
}

bool PreviewDialog::showPage(int page) {
  if (!isVisible() || page < 1 || page > document_.PageCount()) return false;
  currentPage_ = page;
  refreshPage();
  return true;
}

void PreviewDialog::showFirstPage() {
  if (currentPage_ > 1) showPage(1);
}

void PreviewDialog::showPreviousPage() {
  if (currentPage_ > 1) showPage(currentPage_ - 1);
}

void PreviewDialog::showNextPage() {
  if (currentPage_ < document_.PageCount()) showPage(currentPage_ + 1);
}

void PreviewDialog::showLastPage() {
  if (currentPage_ < document_.PageCount()) showPage(document_.PageCount());
}

void PreviewDialog::showWholePage() {
  pageWidget_->showWholePage();
  zoomOutButton_->setEnabled(true);
  zoomInButton_->setEnabled(true);
}

void PreviewDialog::showPageWidth() {
  pageWidget_->showPageWidth();
  zoomOutButton_->setEnabled(true);
  zoomInButton_->setEnabled(true);
}

void PreviewDialog::zoomOut() {
  zoomOutButton_->setEnabled(pageWidget_->zoomOut());
  zoomInButton_->setEnabled(true);
}

void PreviewDialog::zoomIn() {
  zoomInButton_->setEnabled(pageWidget_->zoomIn());
  zoomOutButton_->setEnabled(true);
}

// Without a printer the two screen copies are greyed.
void PreviewDialog::showPageMenu(const QPoint& globalPos) {
  copyWindowAction_->setEnabled(!noPrinter());
  printWindowAction_->setEnabled(!noPrinter());
  pageMenu_->popup(globalPos);
}

}  // namespace kazenori
