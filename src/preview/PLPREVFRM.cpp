// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/PLPREVFRM.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "pages/previewdocument.h"
#include "preview/PreviewWindowClipboard.h"
#include "print/printerselection.h"

namespace kazenori {

namespace {

constexpr int kDesignClientWidth = 654;
constexpr int kDesignClientHeight = 398;
constexpr int kMinimumSize = 300;

// The page's shadow or frame: a plain rectangle that lets the mouse through.
class Shape : public QWidget {
 public:
  Shape(QWidget* parent, QColor fill, QColor pen) : QWidget(parent), fill_(fill), pen_(pen) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnabled(false);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (fill_.isValid()) painter.fillRect(rect(), fill_);
    if (pen_.isValid()) {
      painter.setPen(QPen(pen_, 0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }

 private:
  QColor fill_;
  QColor pen_;
};

}  // namespace

TplPrevImage::TplPrevImage(QWidget* parent) : QWidget(parent) {}

void TplPrevImage::SetPicture(const PageRecording* picture) {
  picture_ = picture;
  update();
}

void TplPrevImage::paintEvent(QPaintEvent*) {
  if (!picture_) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  picture_->PlayInto(painter, QPointF(0, 0), QPointF(width(), height()));
}

void TplPrevImage::mousePressEvent(QMouseEvent* event) {
  emit Pressed(event);
}
void TplPrevImage::mouseMoveEvent(QMouseEvent* event) {
  emit Moved(event);
}
void TplPrevImage::mouseReleaseEvent(QMouseEvent* event) {
  emit Released(event);
}

TplPrevForm::TplPrevForm(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("plPrevForm"));
  setWindowTitle(QStringLiteral("plPrevForm"));
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(12);
  setFont(font);
  resize(kDesignClientWidth, kDesignClientHeight);
  setMinimumSize(kMinimumSize, kMinimumSize);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  IconBar = new QToolBar(this);
  IconBar->setFixedHeight(39 + 16);
  IconBar->setMovable(false);
  IconBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  IconBar->setIconSize(QSize(16, 16));
  layout->addWidget(IconBar);
  const auto icon = [this](QStyle::StandardPixmap pixmap) { return style()->standardIcon(pixmap); };
  PrintBtn = AddButton(QStringLiteral("印刷 (&P)"), QStringLiteral("印刷"), 90,
                       icon(QStyle::SP_FileDialogDetailedView), &TplPrevForm::PrintBtnClick);
  PdfBtn = AddButton(QStringLiteral("PDF保存"), QStringLiteral("PDFファイルに保存"), 64,
                     icon(QStyle::SP_DialogSaveButton), &TplPrevForm::PdfBtnClick);
  PrinterSetBtn =
      AddButton(QStringLiteral("プリンタ・用紙"), QStringLiteral("プリンタと用紙の設定保存"), 86,
                icon(QStyle::SP_FileDialogListView), &TplPrevForm::PrinterSetBtnClick);
  AddSpacer(15);
  FirstPageBtn = AddButton(QStringLiteral("先頭頁"), QStringLiteral("先頭頁"), 46,
                           icon(QStyle::SP_MediaSkipBackward), &TplPrevForm::FirstPageBtnClick);
  PriorPageBtn = AddButton(QStringLiteral("前頁"), QStringLiteral("前頁"), 46,
                           icon(QStyle::SP_ArrowLeft), &TplPrevForm::PriorPageBtnClick);
  NextPageBtn = AddButton(QStringLiteral("次頁"), QStringLiteral("次頁"), 46,
                          icon(QStyle::SP_ArrowRight), &TplPrevForm::NextPageBtnClick);
  LastPageBtn = AddButton(QStringLiteral("最終頁"), QStringLiteral("最終頁"), 46,
                          icon(QStyle::SP_MediaSkipForward), &TplPrevForm::LastPageBtnClick);
  AddSpacer(15);
  ZoomDownBtn = AddButton(QStringLiteral("縮小"), QStringLiteral("縮小"), 46,
                          icon(QStyle::SP_ArrowDown), &TplPrevForm::ZoomDownBtnClick);
  ZoomUpBtn = AddButton(QStringLiteral("拡大"), QStringLiteral("拡大"), 46,
                        icon(QStyle::SP_ArrowUp), &TplPrevForm::ZoomUpBtnClick);
  PageWholeBtn = AddButton(QStringLiteral("全体"), QStringLiteral("全体表示"), 46,
                           icon(QStyle::SP_TitleBarNormalButton), &TplPrevForm::PageWholeBtnClick);
  PageWidthBtn = AddButton(QStringLiteral("頁幅"), QStringLiteral("横幅基準表示"), 46,
                           icon(QStyle::SP_TitleBarMaxButton), &TplPrevForm::PageWidthBtnClick);
  AddSpacer(15);
  CloseBtn = AddButton(QStringLiteral("閉じる(&X)"), QStringLiteral("閉じる"), 104,
                       icon(QStyle::SP_DialogCloseButton), nullptr);
  connect(CloseBtn, &QToolButton::clicked, this, &QWidget::close);
  for (QToolButton* button :
       {PrintBtn, PdfBtn, PrinterSetBtn, FirstPageBtn, PriorPageBtn, NextPageBtn, LastPageBtn,
        ZoomDownBtn, ZoomUpBtn, PageWholeBtn, PageWidthBtn}) {
    button->setEnabled(false);
  }
  SetButtonVisible(PrinterSetBtn, false);
  // The keys of any document viewer, each doing what its button does and only
  // while that button could be clicked. Esc closes as in every dialog.
  BindKeys(NextPageBtn, {Qt::Key_PageDown, Qt::Key_Right});
  BindKeys(PriorPageBtn, {Qt::Key_PageUp, Qt::Key_Left});
  BindKeys(FirstPageBtn, {Qt::Key_Home});
  BindKeys(LastPageBtn, {Qt::Key_End});
  BindKeys(PrintBtn, {QKeySequence::Print});
  BindKeys(PdfBtn, {QKeySequence::Save});

  DisplayPanel = new QWidget(this);
  auto* panelLayout = new QVBoxLayout(DisplayPanel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  ScrollBox1 = new QScrollArea(DisplayPanel);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->setBackgroundRole(QPalette::Button);
  auto* canvas = new QWidget;
  canvas->setBackgroundRole(QPalette::Button);
  Shape2 = new Shape(canvas, QColor(0x74, 0x74, 0x74), QColor());
  Image1 = new TplPrevImage(canvas);
  Image1->hide();
  Shape1 = new Shape(canvas, QColor(), Qt::black);
  ScrollBox1->setWidget(canvas);
  panelLayout->addWidget(ScrollBox1);
  layout->addWidget(DisplayPanel, 1);
  ScrollBox1->installEventFilter(this);
  ScrollBox1->viewport()->installEventFilter(this);
  connect(Image1, &TplPrevImage::Pressed, this, &TplPrevForm::ImageMouseDown);
  connect(Image1, &TplPrevImage::Moved, this, &TplPrevForm::ImageMouseMove);
  connect(Image1, &TplPrevImage::Released, this, &TplPrevForm::ImageMouseUp);
  connect(&pagePrinter_, &PagePrinter::pagePrinted, this, &TplPrevForm::pagePrinted);

  StatusBar = new QStatusBar(this);
  StatusBar->setFixedHeight(26);
  StatusPanel1 = new QLabel(StatusBar);
  StatusPanel1->setFixedWidth(300);
  StatusPanel2 = new QLabel(StatusBar);
  StatusPanel2->setFixedWidth(50);
  StatusPanel3 = new QLabel(StatusBar);
  StatusBar->addWidget(StatusPanel1);
  StatusBar->addWidget(StatusPanel2);
  StatusBar->addWidget(StatusPanel3, 1);
  layout->addWidget(StatusBar);

  PopupMenu1 = new QMenu(this);
  N1 = PopupMenu1->addAction(QStringLiteral("現在の頁をコピー"), this,
                             &TplPrevForm::ActionPageCopyExecute);
  N2 = PopupMenu1->addAction(QStringLiteral("画面をコピー"), this,
                             &TplPrevForm::ActionDispCopyExecute);
  N3 = PopupMenu1->addAction(QStringLiteral("画面ハードコピー"), this,
                             &TplPrevForm::ActionHardCopyExecute);
  N4 = PopupMenu1->addAction(QStringLiteral("キャンセル"));

  runPrintDialog_ = [this](QPrinter& printer, int from, int to, int minPage, int maxPage) {
    return RunPrintDialog(printer, from, to, minPage, maxPage);
  };
  runSetupDialog_ = [](QPrinter& printer) { return RunPageSetupDialog(printer); };
  askSaveFile_ = [this](const QString& suggestion) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("PDF保存"), suggestion,
                                        QStringLiteral("PDF (*.pdf)"));
  };
}

TplPrevForm::~TplPrevForm() = default;

QToolButton* TplPrevForm::AddButton(const QString& caption, const QString& hint, int width,
                                    const QIcon& icon, void (TplPrevForm::*handler)()) {
  auto* button = new QToolButton(IconBar);
  button->setText(caption);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setFixedWidth(width);
  IconBar->addWidget(button);
  if (handler) connect(button, &QToolButton::clicked, this, handler);
  return button;
}

void TplPrevForm::BindKeys(QToolButton* button, std::initializer_list<QKeySequence> keys) {
  for (const QKeySequence& key : keys) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled() && !button->isHidden()) button->click();
    });
  }
}

// A tool bar shows its widgets through their actions.
void TplPrevForm::SetButtonVisible(QToolButton* button, bool visible) {
  for (QAction* action : IconBar->actions()) {
    if (IconBar->widgetForAction(action) == button) action->setVisible(visible);
  }
}

bool TplPrevForm::ProcessPending() {
  QPointer<TplPrevForm> self(this);
  QCoreApplication::processEvents();
  return self && component_ && isVisible();
}

void TplPrevForm::AddSpacer(int width) {
  auto* spacer = new QWidget(IconBar);
  spacer->setFixedWidth(width);
  IconBar->addWidget(spacer);
}

void TplPrevForm::Bind(PreviewDocument* document, PrinterSelection* printers) {
  component_ = document;
  printers_ = printers;
  currentPage_ = 1;
  if (printers_) saved_ = printers_->Settings();
  if (!document) return;
  if (!isVisible()) ApplyWindowSettings();
}

bool TplPrevForm::NoPrinter() const {
  return !printers_ || printers_->PrinterCount() == 0;
}

QString TplPrevForm::NoPrinterText() const {
  if (printers_ && printers_->Server().state == PrintServerState::Silent) {
    return QStringLiteral("印刷サーバー %1 が応答しないので印刷できません．　　")
        .arg(printers_->Server().name);
  }
  return QStringLiteral("プリンタがインストールされていないので印刷できません．　　");
}

bool TplPrevForm::ShowPage(int page) {
  if (!component_ || !isVisible() || page < 1 || page > component_->PageCount()) return false;
  currentPage_ = page;
  RefreshPageView();
  return true;
}

int TplPrevForm::exec() {
  QPointer<TplPrevForm> self(this);
  const bool wasShowModal = testAttribute(Qt::WA_ShowModal);
  setAttribute(Qt::WA_ShowModal, true);
  setResult(0);
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  show();
  if (self && isVisible()) loop.exec(QEventLoop::DialogExec);
  if (!self) return QDialog::Rejected;
  if (!wasShowModal) setAttribute(Qt::WA_ShowModal, false);
  return result();
}

void TplPrevForm::ApplyWindowSettings() {
  if (!component_) return;
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  if (component_->Title().isEmpty()) component_->SetTitle(QStringLiteral("印刷プレビュー"));
  setWindowTitle(component_->Title());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
  StatusBar->setSizeGripEnabled(true);
  // Two thirds of the work area across, five sixths down, centred.
  QRect bounds(0, 0, std::max(kMinimumSize, area.width() * 2 / 3),
               std::max(kMinimumSize, area.height() * 5 / 6));
  bounds.moveCenter(area.center());
  setGeometry(bounds);
}

void TplPrevForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TplPrevForm::FormShow() {
  dragging_ = false;
  shown_ = true;
  if (!component_) return;
  setWindowTitle(component_->Title());
  if (component_->IsRecorded()) {
    Image1->show();
    if (zoom_ == Zoom::PageWidth) {
      PageWidthBtnClick();
    } else {
      PageWholeBtnClick();
    }
    RefreshPageView();
    if (!ProcessPending()) return;
  }
  update();
}

void TplPrevForm::RefreshPageView() {
  if (!component_) return;
  const int page = currentPage_;
  if (!Image1->isHidden()) {
    if (!ProcessPending()) return;
    if (component_->IsRecorded()) {
      shownPage_ = component_->ComposedPage(page, PageUse::Screen);
      Image1->SetPicture(&shownPage_);
    } else {
      Image1->SetPicture(nullptr);
    }
    Shape1->show();
    Shape2->show();
  }
  PlaceFrameAndShadow();
  if (!ProcessPending()) return;

  for (QToolButton* button :
       {PrintBtn, PdfBtn, PrinterSetBtn, PageWholeBtn, PageWidthBtn, ZoomDownBtn, ZoomUpBtn}) {
    button->setEnabled(true);
  }
  PdfBtn->setEnabled(component_->IsRecorded());
  FirstPageBtn->setEnabled(page > 1);
  PriorPageBtn->setEnabled(page > 1);
  NextPageBtn->setEnabled(page < component_->PageCount());
  LastPageBtn->setEnabled(page < component_->PageCount());
  StatusPanel1->setText(QStringLiteral(" Page  %1/%2  %3")
                            .arg(page)
                            .arg(component_->PageCount())
                            .arg(component_->PagePaper().name));
}

void TplPrevForm::FirstPageBtnClick() {
  if (!component_ || currentPage_ == 1) return;
  FirstPageBtn->setEnabled(false);
  PriorPageBtn->setEnabled(false);
  currentPage_ = 1;
  RefreshPageView();
}

void TplPrevForm::PriorPageBtnClick() {
  if (!component_ || currentPage_ == 1) return;
  PriorPageBtn->setEnabled(false);
  currentPage_ = currentPage_ - 1;
  RefreshPageView();
}

void TplPrevForm::NextPageBtnClick() {
  if (!component_ || currentPage_ == component_->PageCount()) return;
  NextPageBtn->setEnabled(false);
  currentPage_ = currentPage_ + 1;
  RefreshPageView();
}

void TplPrevForm::LastPageBtnClick() {
  if (!component_ || currentPage_ == component_->PageCount()) return;
  LastPageBtn->setEnabled(false);
  NextPageBtn->setEnabled(false);
  currentPage_ = component_->PageCount();
  RefreshPageView();
}

void TplPrevForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
}

void TplPrevForm::reject() {
  if (closing_) {
    QDialog::reject();
    return;
  }
  close();
}

void TplPrevForm::closeEvent(QCloseEvent* event) {
  Shape1->hide();
  Shape2->hide();
  Image1->SetPicture(nullptr);
  closing_ = true;
  QDialog::closeEvent(event);
  closing_ = false;
}

}  // namespace kazenori