// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "composition/printnumber.h"
#include "composition/seededcomposition.h"
#include "composition/sheetcode.h"
#include "composition/sheetoptions.h"
#include "generation/patterngrades.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "print/jobwatch.h"
#include "print/printerdiscovery.h"
#include "print/printerselection.h"
#include "ui/application.h"
#include "ui/closeicon.h"
#include "ui/colourworddialog.h"
#include "ui/patternboxgrid.h"
#include "ui/previewdialog.h"
#include "ui/radiogroup.h"
#include "ui/remakedialog.h"
#include "ui/windowfont.h"
#include "ui/windowsettings.h"

namespace kazenori {

namespace {

// The size the window was drawn at with its 12-pixel font; a larger font
// makes it as much larger as its layouts need.
constexpr QSize kDesignedSize{995, 611};

const QString kNoneItem = QStringLiteral("なし");
const QString kPresentItem = QStringLiteral("あり");
const QString kRandomItem = QStringLiteral("ﾗﾝﾀﾞﾑ");
const QString kAllItem = QStringLiteral("全て");

// Controls are at least as large as the window was drawn with, and as large
// as their text needs.
void SetDesignedSize(QWidget& widget, QSize designed) {
  widget.setMinimumSize(designed.expandedTo(widget.sizeHint()));
}

QFrame* MakeSunkenFrame(QWidget* parent) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return bevel;
}

QPushButton* MakeButton(const QString& caption, QSize designed, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  SetDesignedSize(*button, designed);
  return button;
}

RadioGroup* MakeGroup(const QString& caption, const QStringList& items, QSize designed,
                      QWidget* parent) {
  auto* group = new RadioGroup(caption, items, static_cast<int>(items.size()), parent);
  SetDesignedSize(*group, designed);
  group->setItemIndex(0);
  return group;
}

}  // namespace

MainWindow::MainWindow(ColourWordDialog& colourWordDialog, std::unique_ptr<Random> random,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      colourWordDialog_(colourWordDialog),
      random_(random ? std::move(random)
                     : std::make_unique<SeededRandom>(SeededRandom::FromClock())),
      geometry_(DesignPaperGeometry()) {
  setWindowTitle(QStringLiteral("Kazenori"));
  setFont(WindowFont(12));
  createControls();
  connectControls();
  createDocument();
  // The content area is as large as what it holds, so that the window looks
  // as drawn; fitInto lets it shrink and scroll on a small screen.
  contentArea_->setMinimumSize(contentArea_->widget()->minimumSizeHint());
  designedSize_ = minimumSizeHint().expandedTo(kDesignedSize);
  setFixedSize(designedSize_);
}

// The discovery goes with the window; the controls and the document are
// released by their parents.
MainWindow::~MainWindow() = default;

int MainWindow::printNumber() const {
  return worksheets_->PrintNumber().Value();
}

const PageGeometry& MainWindow::pageGeometry() const {
  return geometry_;
}

QCheckBox* MainWindow::patternBox(int number) const {
  return patternGrid_->box(number);
}

// The title, an empty sunken strip, and a sunken frame around the patterns
// and the options.
void MainWindow::createControls() {
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(8, 8, 8, 7);
  window->setSpacing(4);
  window->addLayout(createTitle());
  QFrame* strip = MakeSunkenFrame(this);
  strip->setFixedHeight(29);
  window->addWidget(strip);
  statusLine_ = new QLabel(strip);
  (new QHBoxLayout(strip))->addWidget(statusLine_);
  QFrame* frame = MakeSunkenFrame(nullptr);
  contentArea_ = new QScrollArea(this);
  contentArea_->setFrameShape(QFrame::NoFrame);
  contentArea_->setWidgetResizable(true);
  contentArea_->setWidget(frame);
  contentArea_->setAccessibleName(QStringLiteral("暗算パターンの選択と設定"));
  window->addWidget(contentArea_, 1);

  auto* inside = new QVBoxLayout(frame);
  inside->setContentsMargins(8, 8, 6, 6);
  inside->setSpacing(4);
  patternGrid_ = new PatternBoxGrid(frame);
  inside->addWidget(patternGrid_, 1);
  inside->addLayout(createOptionRow());
  inside->addLayout(createInstructionRow());
}

QLayout* MainWindow::createTitle() {
  auto* title = new QLabel(QStringLiteral("Kazenori"), this);
  QFont titleFont = WindowFont(18);
  titleFont.setBold(true);
  title->setFont(titleFont);
  QPalette navy = title->palette();
  navy.setColor(QPalette::WindowText, ReadableOn(QColor(0, 0, 128), navy.color(QPalette::Window)));
  title->setPalette(navy);
  // Made before the school year's choice, so that Tab reaches it first, as it stands.
  QLayout* gridChoice = createGridChoice(title->sizeHint().height());
  QLayout* paperChoice = createPaperChoice(title->sizeHint().height());
  auto* gradeLabel = new QLabel(QStringLiteral("学年"), this);
  gradeChoice_ = new QComboBox(this);
  gradeChoice_->addItem(QStringLiteral("―"));
  for (int grade = kFirstGrade; grade <= kLastGrade; ++grade) {
    gradeChoice_->addItem(QStringLiteral("%1年").arg(grade));
  }
  gradeChoice_->setToolTip(QStringLiteral("その学年で習う計算のパターンを選びます"));
  gradeChoice_->setAccessibleName(QStringLiteral("学年"));
  gradeLabel->setBuddy(gradeChoice_);
  settingsButton_ = new QToolButton(this);
  settingsButton_->setText(QStringLiteral("設定"));
  settingsButton_->setAccessibleName(QStringLiteral("設定"));
  settingsButton_->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(settingsButton_);
  recentMenu_ = menu->addMenu(QStringLiteral("最近のプリント"));
  recentMenu_->setToolTipsVisible(true);
  connect(recentMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
  menu->addSeparator();
  setsMenu_ = menu->addMenu(QStringLiteral("セットを開く"));
  connect(setsMenu_, &QMenu::aboutToShow, this, &MainWindow::fillSetsMenu);
  menu->addAction(QStringLiteral("名前を付けてセットを保存…"), this, &MainWindow::onSaveSetChosen);
  menu->addAction(QStringLiteral("セットの名前を変更…"), this, &MainWindow::onRenameSetChosen);
  menu->addAction(QStringLiteral("セットを削除…"), this, &MainWindow::onRemoveSetChosen);
  menu->addSeparator();
  menu->addAction(QStringLiteral("初期状態に戻す"), this, &MainWindow::resetToFirstStart);
  settingsButton_->setMenu(menu);
  auto* row = new QHBoxLayout;
  row->addWidget(title);
  row->addStretch(1);
  sheetButton_ = createSheetMenu();
  // The title decides the row's height, as it always did.
  for (QWidget* added :
       {static_cast<QWidget*>(gradeChoice_), static_cast<QWidget*>(settingsButton_),
        static_cast<QWidget*>(sheetButton_)}) {
    added->setMaximumHeight(title->sizeHint().height());
  }
  row->addWidget(sheetButton_);
  row->addSpacing(8);
  row->addLayout(gridChoice);
  row->addSpacing(8);
  row->addLayout(paperChoice);
  row->addSpacing(16);
  row->addWidget(gradeLabel);
  row->addWidget(gradeChoice_);
  row->addSpacing(8);
  row->addWidget(settingsButton_);
  return row;
}

// The 百ます計算 sheet is chosen in the title row, as the school year is:
// the option row beside おまけ has no pixel to spare, and the window keeps
// the look it was drawn with.
QLayout* MainWindow::createGridChoice(int height) {
  auto* label = new QLabel(QStringLiteral("百ます計算"), this);
  gridChoice_ = new QComboBox(this);
  gridChoice_->addItems(
      {kNoneItem, QStringLiteral("たし算"), QStringLiteral("ひき算"), QStringLiteral("かけ算")});
  gridChoice_->setToolTip(QStringLiteral("問題の代わりに百ます計算のプリントを作ります"));
  gridChoice_->setAccessibleName(label->text());
  label->setBuddy(gridChoice_);
  gridSizeChoice_ = new QComboBox(this);
  gridSizeChoice_->addItems({QStringLiteral("10×10"), QStringLiteral("5×5")});
  gridSizeChoice_->setAccessibleName(QStringLiteral("百ます計算の大きさ"));
  gridSizeChoice_->setEnabled(false);
  for (QComboBox* choice : {gridChoice_, gridSizeChoice_}) choice->setMaximumHeight(height);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(gridChoice_);
  row->addWidget(gridSizeChoice_);
  return row;
}

// The paper every kind of sheet is scaled to fill, and the printer is given.
QLayout* MainWindow::createPaperChoice(int height) {
  auto* label = new QLabel(QStringLiteral("用紙"), this);
  paperChoice_ = new QComboBox(this);
  for (const PaperSize paper : {PaperSize::A4, PaperSize::B5, PaperSize::B4}) {
    paperChoice_->addItem(QString::fromLatin1(PaperName(paper)), static_cast<int>(paper));
  }
  paperChoice_->setToolTip(
      QStringLiteral("シートをこの用紙いっぱいに拡大・縮小し、プリンタもこの用紙で印刷します"));
  paperChoice_->setAccessibleName(label->text());
  paperChoice_->setMaximumHeight(height);
  label->setBuddy(paperChoice_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(paperChoice_);
  return row;
}

// What a sheet may have beyond the original, in a menu of the title row so
// that the window keeps its look: the problem count, red answers, the score box.
QToolButton* MainWindow::createSheetMenu() {
  auto* button = new QToolButton(this);
  button->setText(QStringLiteral("問題・解答"));
  button->setAccessibleName(button->text());
  button->setToolTip(QStringLiteral("問題数と、解答ページ・点数欄の設定"));
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  problemsGroup_ = new QActionGroup(menu);
  for (const int problems : {50, 30, 20}) {
    QAction* action = menu->addAction(
        problems == 50 ? QStringLiteral("50問") : QStringLiteral("%1問 (大きな字)").arg(problems));
    action->setCheckable(true);
    action->setChecked(problems == 50);
    action->setData(problems);
    problemsGroup_->addAction(action);
  }
  menu->addSeparator();
  redAnswersAction_ = menu->addAction(QStringLiteral("解答を赤で書く"));
  scoreAction_ = menu->addAction(QStringLiteral("点数欄を付ける"));
  for (QAction* action : {redAnswersAction_, scoreAction_}) action->setCheckable(true);
  button->setMenu(menu);
  return button;
}

QAction* MainWindow::problemsAction(int problems) const {
  for (QAction* action : problemsGroup_->actions()) {
    if (action->data().toInt() == problems) return action;
  }
  return nullptr;
}

// The option groups, the print number and the buttons, left to right.
QLayout* MainWindow::createOptionRow() {
  QWidget* frame = patternGrid_->parentWidget();
  zeroGroup_ =
      MakeGroup(QStringLiteral("第２項のｾﾞﾛの設定"), {kNoneItem, kPresentItem}, {110, 41}, frame);
  hideGroup_ = MakeGroup(QStringLiteral("演算子のみを隠す設定"), {kNoneItem, kRandomItem, kAllItem},
                         {161, 41}, frame);
  blankGroup_ = MakeGroup(QStringLiteral("虫食いの設定"), {kNoneItem, kRandomItem, kAllItem},
                          {167, 41}, frame);
  auto* printNumberLabel = new QLabel(QStringLiteral("ﾌﾟﾘﾝﾄ番号"), frame);
  printNumberEdit_ = new QLineEdit(QStringLiteral("1"), frame);
  printNumberEdit_->setAccessibleName(printNumberLabel->text());
  printNumberLabel->setBuddy(printNumberEdit_);
  printNumberEdit_->setFixedWidth(
      std::max(33, printNumberEdit_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10));
  bonusGroup_ = MakeGroup(QStringLiteral("おまけ"), {kNoneItem, kPresentItem}, {96, 41}, frame);
  bonusSettingsButton_ = MakeButton(QStringLiteral("おまけの設定"), {80, 33}, frame);
  bonusSettingsButton_->setEnabled(false);
  clearButton_ = MakeButton(QStringLiteral("選択を全てクリア"), {98, 33}, frame);
  previewButton_ = MakeButton(QStringLiteral("プレビュー"), {145, 33}, frame);

  auto* printNumber = new QVBoxLayout;
  printNumber->setSpacing(2);
  printNumber->addWidget(printNumberLabel);
  printNumber->addWidget(printNumberEdit_, 0, Qt::AlignRight);
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  for (QWidget* group : {zeroGroup_, hideGroup_, blankGroup_}) row->addWidget(group);
  row->addLayout(printNumber);
  row->addSpacing(4);
  row->addWidget(bonusGroup_);
  row->addWidget(bonusSettingsButton_, 0, Qt::AlignBottom);
  row->addStretch(1);
  row->addWidget(clearButton_, 0, Qt::AlignTop);
  row->addWidget(previewButton_, 0, Qt::AlignTop);
  return row;
}

// The instruction line printed above the questions, the class set and the
// close button. The class set stands in this row's free space, so that the
// option row above keeps every control where it always was.
QLayout* MainWindow::createInstructionRow() {
  QWidget* frame = patternGrid_->parentWidget();
  auto* label = new QLabel(QStringLiteral("問題文"), frame);
  // The text comes after the font: a line edit lays out the text it is made
  // with in the desktop's font, which has no Japanese and would load a
  // fallback font for nothing.
  instructionEdit_ = new QLineEdit(frame);
  instructionEdit_->setFont(WindowFont(15));
  instructionEdit_->setText(QStringLiteral("次の計算をしましょう。"));
  instructionEdit_->setMinimumWidth(567);
  instructionEdit_->setAccessibleName(label->text());
  label->setBuddy(instructionEdit_);
  closeButton_ = new QPushButton(CloseIcon(), QStringLiteral("閉じる"), frame);
  SetDesignedSize(*closeButton_, {105, 31});
  auto* sheetCountLabel = new QLabel(QStringLiteral("枚数"), frame);
  sheetCountBox_ = new QSpinBox(frame);
  sheetCountBox_->setRange(1, 99);
  sheetCountBox_->setValue(1);
  sheetCountBox_->setToolTip(QStringLiteral("プレビューで作る、問題の違うシートの数"));
  sheetCountLabel->setBuddy(sheetCountBox_);
  sheetCountBox_->setAccessibleName(sheetCountLabel->text());
  remakeButton_ = MakeButton(QStringLiteral("再作成"), {80, 31}, frame);
  remakeButton_->setToolTip(
      QStringLiteral("シートに印刷された再作成コードから、同じシートを作ります"));
  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  row->addWidget(label, 0, Qt::AlignBottom);
  row->addWidget(instructionEdit_, 0, Qt::AlignBottom);
  row->addSpacing(12);
  row->addWidget(sheetCountLabel, 0, Qt::AlignBottom);
  row->addWidget(sheetCountBox_, 0, Qt::AlignBottom);
  row->addSpacing(12);
  row->addWidget(remakeButton_, 0, Qt::AlignBottom);
  row->addStretch(1);
  row->addWidget(closeButton_);
  // Tab follows the row as it stands, the class set before 再作成.
  setTabOrder(instructionEdit_, sheetCountBox_);
  setTabOrder(sheetCountBox_, remakeButton_);
  setTabOrder(remakeButton_, closeButton_);
  return row;
}

void MainWindow::connectControls() {
  connect(patternGrid_, &PatternBoxGrid::patternToggled, this, &MainWindow::onPatternToggled);
  connect(zeroGroup_, &RadioGroup::itemChosen, this, &MainWindow::onZeroChosen);
  connect(hideGroup_, &RadioGroup::itemChosen, this, &MainWindow::onInstructionItemChosen);
  connect(blankGroup_, &RadioGroup::itemChosen, this, &MainWindow::onInstructionItemChosen);
  connect(bonusGroup_, &RadioGroup::itemChosen, this, &MainWindow::onBonusChosen);
  connect(bonusSettingsButton_, &QPushButton::clicked, this, &MainWindow::onBonusSettingsClicked);
  connect(gridChoice_, &QComboBox::currentIndexChanged, this, &MainWindow::onGridChosen);
  connect(clearButton_, &QPushButton::clicked, patternGrid_, &PatternBoxGrid::clearAll);
  connect(previewButton_, &QPushButton::clicked, this, &MainWindow::onPreviewClicked);
  connect(remakeButton_, &QPushButton::clicked, this, &MainWindow::onRemakeClicked);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
  connect(gradeChoice_, &QComboBox::activated, this, [this](int index) {
    if (index > 0) chooseGrade(index);
  });
  // Every change is kept at once (see remember).
  connect(patternGrid_, &PatternBoxGrid::patternToggled, this, &MainWindow::remember);
  for (RadioGroup* group : {zeroGroup_, hideGroup_, blankGroup_}) {
    connect(group, &RadioGroup::itemChosen, this, &MainWindow::remember);
  }
  connect(instructionEdit_, &QLineEdit::textChanged, this, &MainWindow::remember);
  connect(printNumberEdit_, &QLineEdit::textChanged, this, &MainWindow::remember);
  connect(sheetCountBox_, &QSpinBox::valueChanged, this, &MainWindow::remember);
  for (QComboBox* choice : {gridChoice_, gridSizeChoice_, paperChoice_}) {
    connect(choice, &QComboBox::currentIndexChanged, this, &MainWindow::remember);
  }
  connect(problemsGroup_, &QActionGroup::triggered, this, &MainWindow::remember);
  for (QAction* action : {redAnswersAction_, scoreAction_}) {
    connect(action, &QAction::toggled, this, &MainWindow::remember);
  }
}

// The bonus sheet is not kept: choosing it opens its dialog, which a start
// should not do on its own.
RememberedState MainWindow::state() const {
  RememberedState s;
  s.patterns = selection_.Patterns();
  s.zero = zero_ == ZeroSetting::Allowed ? 1 : 0;
  s.hide = std::max(0, hideGroup_->itemIndex());
  s.blank = std::max(0, blankGroup_->itemIndex());
  s.instruction = instructionEdit_->text();
  s.sheets = sheetCountBox_->value();
  s.printNumber = printNumberEdit_->text();
  s.grid = gridChoice_->currentIndex();
  s.gridSize = gridSizeChoice_->currentIndex() == 1 ? 5 : 10;
  s.problems = problemsGroup_->checkedAction()->data().toInt();
  s.redAnswers = redAnswersAction_->isChecked();
  s.score = scoreAction_->isChecked();
  s.paper = paperChoice_->currentIndex();
  return s;
}

void MainWindow::applyState(const RememberedState& s) {
  applying_ = true;
  const auto done = qScopeGuard([this] { applying_ = false; });
  bonusGroup_->setItemIndex(0);
  onBonusChosen(0);
  patternGrid_->clearAll();
  for (int n : s.patterns) patternGrid_->box(n)->setChecked(true);
  zeroGroup_->setItemIndex(s.zero);
  onZeroChosen(s.zero);
  hideGroup_->setItemIndex(s.hide);
  blankGroup_->setItemIndex(s.blank);
  gridSizeChoice_->setCurrentIndex(s.gridSize == 5 ? 1 : 0);
  gridChoice_->setCurrentIndex(s.grid);
  onGridChosen(s.grid);  // the bonus's reset above woke what the grid keeps resting
  instructionEdit_->setText(s.instruction.isEmpty()
                                ? QString::fromStdString(InstructionText(LayerSetting::None))
                                : s.instruction);
  sheetCountBox_->setValue(s.sheets);
  printNumberEdit_->setText(s.printNumber);
  problemsAction(s.problems)->setChecked(true);
  redAnswersAction_->setChecked(s.redAnswers);
  scoreAction_->setChecked(s.score);
  paperChoice_->setCurrentIndex(s.paper);
  gradeChoice_->setCurrentIndex(0);
}

void MainWindow::remember() {
  if (!settingsFile_.isEmpty() && !applying_) SaveState(settingsFile_, state());
}

void MainWindow::rememberIn(const QString& file) {
  settingsFile_ = file;
  const LoadedState loaded = LoadState(file);
  if (loaded.state) applyState(*loaded.state);
  statusLine_->setText(loaded.note);
}

void MainWindow::resetToFirstStart() {
  applyState(RememberedState{});
  remember();
}

void MainWindow::saveSet(const QString& name) {
  if (!settingsFile_.isEmpty() && !name.trimmed().isEmpty()) {
    SaveSet(settingsFile_, name.trimmed(), state());
  }
}

bool MainWindow::restoreSet(const QString& name) {
  if (settingsFile_.isEmpty()) return false;
  std::optional<RememberedState> set = LoadSet(settingsFile_, name);
  if (!set) return false;
  set->printNumber = printNumberEdit_->text();
  applyState(*set);
  remember();
  return true;
}

bool MainWindow::renameSet(const QString& from, const QString& to) {
  if (settingsFile_.isEmpty() || to.trimmed().isEmpty()) return false;
  const std::optional<RememberedState> set = LoadSet(settingsFile_, from);
  if (!set) return false;
  RemoveSet(settingsFile_, from);
  SaveSet(settingsFile_, to.trimmed(), *set);
  return true;
}

void MainWindow::removeSet(const QString& name) {
  if (!settingsFile_.isEmpty()) RemoveSet(settingsFile_, name);
}

QStringList MainWindow::setNames() const {
  return settingsFile_.isEmpty() ? QStringList() : SetNames(settingsFile_);
}

void MainWindow::fillSetsMenu() {
  setsMenu_->clear();
  for (const QString& name : setNames()) {
    setsMenu_->addAction(name, this, [this, name] { restoreSet(name); });
  }
  if (setsMenu_->isEmpty())
    setsMenu_->addAction(QStringLiteral("（セットはありません）"))->setEnabled(false);
}

void MainWindow::onSaveSetChosen() {
  bool ok = false;
  const QString name =
      QInputDialog::getText(this, QStringLiteral("セットを保存"), QStringLiteral("セットの名前"),
                            QLineEdit::Normal, QString(), &ok);
  if (ok) saveSet(name);
}

void MainWindow::onRenameSetChosen() {
  bool ok = false;
  const QString from =
      QInputDialog::getItem(this, QStringLiteral("セットの名前を変更"),
                            QStringLiteral("変更するセット"), setNames(), 0, false, &ok);
  if (!ok || from.isEmpty()) return;
  const QString to =
      QInputDialog::getText(this, QStringLiteral("セットの名前を変更"),
                            QStringLiteral("新しい名前"), QLineEdit::Normal, from, &ok);
  if (ok) renameSet(from, to);
}

void MainWindow::onRemoveSetChosen() {
  bool ok = false;
  const QString name =
      QInputDialog::getItem(this, QStringLiteral("セットを削除"), QStringLiteral("削除するセット"),
                            setNames(), 0, false, &ok);
  if (ok && !name.isEmpty()) removeSet(name);
}

void MainWindow::chooseGrade(int grade) {
  {
    applying_ = true;
    const auto done = qScopeGuard([this] { applying_ = false; });
    patternGrid_->clearAll();
    for (int n : PatternsOfGrade(grade)) patternGrid_->box(n)->setChecked(true);
    gradeChoice_->setCurrentIndex(grade);
  }
  remember();
}

void MainWindow::fitInto(const QRect& available) {
  // Before the window manager has framed the window, a title bar is allowed for.
  QSize frame = frameGeometry().size() - size();
  if (frame.isEmpty()) frame = QSize(8, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
  const QSize room = available.size() - frame;
  if (designedSize_.width() <= room.width() && designedSize_.height() <= room.height()) {
    contentArea_->setMinimumSize(contentArea_->widget()->minimumSizeHint());
    setFixedSize(designedSize_);
    return;
  }
  contentArea_->setMinimumSize(0, 0);
  setMinimumSize(minimumSizeHint().boundedTo(room));
  setMaximumSize(designedSize_);
  resize(designedSize_.boundedTo(room));
}

// The preview document, on the design paper until the printers are known.
void MainWindow::createDocument() {
  preview_ = new PreviewDocument(this);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->SetTitle(QStringLiteral("印刷プレビュー"));
  worksheets_ = new WorksheetPreview(*preview_, this);
  worksheets_->PrintNumber().Set(std::int32_t{1});
  connect(worksheets_, &WorksheetPreview::printNumberChanged, printNumberEdit_,
          &QLineEdit::setText);
}

// The printers are asked of CUPS off the GUI thread, so the window never
// waits on a print server to appear; and only once it is drawn (see
// paintEvent), so that loading the print system does not compete with showing it.
void MainWindow::startDiscovery() {
  if (discovery_) return;
  // The settings stand for the platform's default printer, on A4.
  discovery_ = std::make_unique<PrinterDiscovery>(QPageSize::A4);
  connect(discovery_.get(), &PrinterDiscovery::finished, this, &MainWindow::onPrintersFound);
}

bool MainWindow::printerDiscoveryStuck() const {
  return discovery_ && discovery_->IsStuck();
}

PrinterDiscovery& MainWindow::printerDiscovery() {
  startDiscovery();
  return *discovery_;
}

PrinterSelection* MainWindow::printerSettings() {
  return &printerDiscovery().Wait();
}

// The page geometry is fixed from the printer when the window first shows,
// or when the printers are found, whichever comes later.
void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  if (discovery_ && discovery_->IsFinished()) onPrintersFound();
  // The offscreen platform's screen is a made-up 800x600: windows drawn
  // there (for tests and pictures) keep their designed size.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen && QGuiApplication::platformName() != QLatin1String("offscreen")) {
    fitInto(screen->availableGeometry());
  }
  centreOnScreen();
}

// The printers are asked for, and the program's icon looked up, once the
// window has first been drawn: loading the print system, starting its thread
// and reading the icon themes would otherwise come between the window's
// appearing and its contents.
void MainWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!std::exchange(drawn_, true)) QTimer::singleShot(0, this, &MainWindow::afterFirstDrawn);
}

void MainWindow::afterFirstDrawn() {
  startDiscovery();
  Application::setProgramIcon();
}

// Composing needs the printer's page. Asked for before the printers are
// known, the preview is composed when they are: meanwhile the window goes on
// in its own event loop, busy, and the button takes no second press.
bool MainWindow::awaitPrinters(std::function<void()> then) {
  startDiscovery();
  if (discovery_->IsFinished()) return true;
  if (pending_) return false;
  pending_ = std::move(then);
  previewButton_->setEnabled(false);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  statusLine_->setText(QStringLiteral("プリンタの情報を問い合わせています…"));
  return false;
}

namespace {

// A print server that did not answer (at the probe, or within discovery's
// limit), or that could not be asked at all, leaves the window without
// printers; the user is told why, as the preview's print button would.
void TellIfServerToBlame(Messages& messages, const PrinterSelection& printers) {
  const QString why = PrintServerText(printers.Server());
  if (!why.isEmpty()) messages.Information(why, QStringLiteral("　印刷"));
}

}  // namespace

// Reached once with the window shown (from finished() or from the first show,
// whichever comes later): the message is said once.
void MainWindow::onPrintersFound() {
  preview_->SetPaper(discovery_->Selection()->PagePaper());
  if (shown_) geometry_ = PrinterPageGeometry(*discovery_->Selection(), &metrics_);
  const std::function<void()> then = std::exchange(pending_, nullptr);
  if (then) {
    statusLine_->clear();
    QGuiApplication::restoreOverrideCursor();
    previewButton_->setEnabled(true);
  }
  if (shown_) TellIfServerToBlame(messages_, *discovery_->Selection());
  if (then) then();
}

void MainWindow::centreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  // move() places the frame, so it is the frame that is centred.
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

void MainWindow::onPatternToggled(int number, bool ticked) {
  selection_.SetTicked(number, ticked);
}

void MainWindow::onZeroChosen(int index) {
  if (index == 0 || index == 1) zero_ = index == 1 ? ZeroSetting::Allowed : ZeroSetting::Refused;
}

namespace {

// The setting of a hide or blank group's item ("なし" when none is chosen).
LayerSetting LayerOf(int index) {
  return index == 1 ? LayerSetting::Random : index == 2 ? LayerSetting::All : LayerSetting::None;
}

// The operation of the 百ます計算 choice's item, in the order of GridOp.
GridOp GridOf(int index) {
  return index >= 1 && index <= 3 ? static_cast<GridOp>(index) : GridOp::None;
}

}  // namespace

// Hiding operators and blanking terms each write the instruction line; the
// group chosen last decides it.
void MainWindow::onInstructionItemChosen(int index) {
  if (index >= 0 && index <= 2)
    instructionEdit_->setText(QString::fromStdString(InstructionText(LayerOf(index))));
}

// "あり" makes the next sheet the colour-word sheet: the patterns and the
// zero setting do not apply to it, and its own settings are asked at once.
void MainWindow::onBonusChosen(int index) {
  if (index != 0 && index != 1) return;
  const bool bonus = index == 1;
  patternGrid_->setBoxesEnabled(!bonus);
  zeroGroup_->setEnabled(!bonus);
  bonusSettingsButton_->setEnabled(bonus);
  sheetButton_->setEnabled(!bonus);
  instructionEdit_->setText(bonus ? QString::fromUtf8(kColourInstruction)
                                  : QString::fromStdString(InstructionText(LayerSetting::None)));
  if (bonus) onBonusSettingsClicked();
}

// A grid sheet reads neither the patterns nor the option groups, and is no
// colour-word sheet: they rest while it is chosen. Its instruction line says
// which way to calculate.
void MainWindow::onGridChosen(int index) {
  const bool grid = index > 0;
  if (grid && bonusGroup_->itemIndex() == 1) {
    bonusGroup_->setItemIndex(0);
    onBonusChosen(0);
  }
  patternGrid_->setBoxesEnabled(!grid);
  for (RadioGroup* group : {zeroGroup_, hideGroup_, blankGroup_, bonusGroup_}) {
    group->setEnabled(!grid);
  }
  gridSizeChoice_->setEnabled(grid);
  instructionEdit_->setText(QString::fromStdString(GridInstruction(GridOf(index))));
}

// Application-modal without a nested event loop: nothing here waits for the
// answer, which the preview command reads from the dialog.
void MainWindow::onBonusSettingsClicked() {
  colourWordDialog_.setWindowModality(Qt::ApplicationModal);
  colourWordDialog_.show();
  colourWordDialog_.raise();
  colourWordDialog_.activateWindow();
}

SheetOptions MainWindow::options() const {
  SheetOptions options;
  options.patterns = selection_.Patterns();
  options.zero = zero_;
  options.hide = LayerOf(hideGroup_->itemIndex());
  options.blank = LayerOf(blankGroup_->itemIndex());
  options.instruction = instructionEdit_->text().toStdString();
  options.bonus = bonusGroup_->itemIndex() == 1;
  options.colourWords = colourWordDialog_.settings();
  // A grid sheet's code needs no patterns, and carries none.
  options.grid = GridOf(gridChoice_->currentIndex());
  options.gridSize = gridSizeChoice_->currentIndex() == 1 ? 5 : 10;
  options.paper = static_cast<PaperSize>(paperChoice_->currentData().toInt());
  if (options.grid != GridOp::None) options.patterns.clear();
  // The colour-word and grid sheets have neither problems nor answers.
  if (!options.bonus && options.grid == GridOp::None) {
    options.problems = problemsGroup_->checkedAction()->data().toInt();
    options.redAnswers = redAnswersAction_->isChecked();
    options.score = scoreAction_->isChecked();
  }
  // An empty selection is refused before the number is looked at.
  if (options.bonus || options.grid != GridOp::None || !options.patterns.empty()) {
    options.printNumber = StrToInt(printNumberEdit_->text().toStdString());
  }
  return options;
}

// A mistake in the options (nothing ticked, a print number that is not an
// integer) is shown at once, printers known or not, and the window goes on.
// Every preview starts from a seed of its own, so that each sheet's code
// makes it again.
void MainWindow::onPreviewClicked() {
  Worksheet worksheet;
  SheetOptions checked;
  SheetMaker make;
  try {
    checked = options();
    if (checked.patterns.empty() && !checked.bonus && checked.grid == GridOp::None) {
      throw EmptySelectionError();
    }
    if (!awaitPrinters([this] { onPreviewClicked(); })) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    make = [seed = DrawSeed(*random_), sheets = sheetCountBox_->value(),
            geometry = geometry_](const SheetOptions& options) {
      return ComposeSeeded(seed, options, sheets, geometry);
    };
    worksheet = make(checked);
  } catch (const EmptySelectionError&) {
    messages_.Warning(QString::fromStdString(EmptySelectionText()), QStringLiteral("警告"), true);
    return;
  } catch (...) {
    Application::reportCurrentException();
    return;
  }
  showPreview(std::move(worksheet), WorksheetPreview::Numbering::Advances, checked, make);
}

// Made when first asked for: most runs never need it.
void MainWindow::onRemakeClicked() {
  if (remakeDialog_ == nullptr) {
    remakeDialog_ = new RemakeDialog(this);
    connect(remakeDialog_, &QDialog::accepted, this, [this] { remake(remakeDialog_->code()); });
  }
  // A refused code stays to be corrected; one that made its sheet is done with.
  remakeDialog_->open();
}

// The instruction line typed in the window is what a code of a sheet with
// its own line is checked against.
void MainWindow::remake(const QString& code) {
  remakeSheets(code, instructionEdit_->text(), false);
}

void MainWindow::remakeSheets(const QString& code, const QString& instruction, bool wholeSet) {
  Worksheet worksheet;
  SheetRecipe recipe;
  SheetMaker make;
  try {
    recipe = DecodeSheetCode(code.toStdString(), instruction.toStdString());
    if (!awaitPrinters(
            [this, code, instruction, wholeSet] { remakeSheets(code, instruction, wholeSet); }))
      return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    make = [recipe, wholeSet, geometry = geometry_](const SheetOptions& options) {
      SheetRecipe again = recipe;
      again.options = options;
      return wholeSet ? RemakeUpTo(again, geometry) : Remake(again, geometry);
    };
    worksheet = make(recipe.options);
    if (remakeDialog_ != nullptr && !wholeSet) remakeDialog_->codeEdit()->clear();
  } catch (const SheetCodeError& e) {
    messages_.Warning(QString::fromStdString(e.what()), QStringLiteral("再作成"), true);
    return;
  } catch (...) {
    Application::reportCurrentException();
    return;
  }
  showPreview(std::move(worksheet), WorksheetPreview::Numbering::Kept, recipe.options, make);
}

std::vector<RecentSheets> MainWindow::recentSheets() const {
  return settingsFile_.isEmpty() ? std::vector<RecentSheets>() : LoadRecent(settingsFile_);
}

// A class set is made again from its last sheet's code, which leads through
// every sheet before it.
bool MainWindow::remakeRecent(int index) {
  const std::vector<RecentSheets> recent = recentSheets();
  if (index < 0 || index >= static_cast<int>(recent.size())) return false;
  const RecentSheets& chosen = recent[static_cast<std::size_t>(index)];
  remakeSheets(chosen.codes.back(), chosen.instruction, chosen.codes.size() > 1);
  return true;
}

// A sheet counts as made once a page of it is printed or saved; a preview
// only looked at is not kept.
void MainWindow::keepAsRecent(const Worksheet& worksheet, const SheetOptions& options) {
  if (settingsFile_.isEmpty() || worksheet.sheets.empty()) return;
  RecentSheets made;
  made.made = QDateTime::currentDateTime();
  made.first = worksheet.sheets.front().printNumber;
  made.last = worksheet.sheets.back().printNumber;
  if (!options.bonus) made.patterns = options.patterns;
  made.instruction = QString::fromStdString(options.instruction);
  for (const ComposedSheet& sheet : worksheet.sheets) {
    if (sheet.code.empty()) return;
    made.codes << QString::fromStdString(sheet.code);
  }
  AddRecent(settingsFile_, made);
}

namespace {

// 「12/09 14:30　No.7–42（36枚）　17, 18, 120」: enough to tell the entries apart.
QString RecentCaption(const RecentSheets& r) {
  QString numbers = QStringLiteral("No.%1").arg(r.first);
  if (r.codes.size() > 1) {
    numbers += QStringLiteral("–%1（%2枚）").arg(r.last).arg(r.codes.size());
  }
  constexpr std::size_t kShown = 6;
  QStringList patterns;
  for (std::size_t i = 0; i < std::min(kShown, r.patterns.size()); ++i) {
    patterns << QString::number(r.patterns[i]);
  }
  QString kinds =
      r.patterns.empty() ? QStringLiteral("おまけ") : patterns.join(QStringLiteral(", "));
  if (r.patterns.size() > kShown) kinds += QStringLiteral(" …");
  return r.made.toString(QStringLiteral("MM/dd HH:mm")) + QStringLiteral("　") + numbers +
         QStringLiteral("　") + kinds;
}

}  // namespace

void MainWindow::fillRecentMenu() {
  recentMenu_->clear();
  const std::vector<RecentSheets> recent = recentSheets();
  for (std::size_t i = 0; i < recent.size(); ++i) {
    QAction* entry = recentMenu_->addAction(RecentCaption(recent[i]), this,
                                            [this, i] { remakeRecent(static_cast<int>(i)); });
    QString codes = QStringLiteral("再作成コード ") + recent[i].codes.front();
    if (recent[i].codes.size() > 1) codes += QStringLiteral(" … ") + recent[i].codes.back();
    entry->setToolTip(codes);
  }
  if (recentMenu_->isEmpty()) {
    recentMenu_->addAction(QStringLiteral("（最近のプリントはありません）"))->setEnabled(false);
  }
}

// The sheet's paper is the printer's too, set for every preview: a B4 sheet
// prints on B4, and an A4 sheet on A4, or on the paper of a printer without
// A4. A printer without B4 (or B5) keeps its paper, on which the preview
// refuses to print; the preview and the PDF show the sheet on its own paper.
void MainWindow::usePaper(PaperSize paper) {
  PrinterSelection& printers = *discovery_->Selection();
  preview_->SetPaper(printers.UseSheetPaper(paper) ? printers.PagePaper(DesignPaper(paper))
                                                   : DesignPaper(paper));
}

void MainWindow::showPreview(Worksheet worksheet, WorksheetPreview::Numbering numbering,
                             SheetOptions options, const SheetMaker& make) {
  usePaper(options.paper);
  try {
    worksheets_->Record(worksheet, numbering);
  } catch (...) {
    Application::reportCurrentException();
    return;
  }
  PreviewDialog dialog(*preview_, *discovery_->Selection(), this);
  dialog.setSheetPaper(options.paper);
  // The same sheets on the paper chosen, as if it had been chosen here.
  connect(&dialog, &PreviewDialog::paperChosen, this, [&](PaperSize paper) {
    SheetOptions onPaper = options;
    onPaper.paper = paper;
    try {
      Worksheet again = make(onPaper);
      usePaper(paper);
      worksheets_->Redraw(again);
      worksheet = std::move(again);
    } catch (...) {
      Application::reportCurrentException();
      return;
    }
    options = onPaper;
    paperChoice_->setCurrentIndex(paperChoice_->findData(static_cast<int>(paper)));
    dialog.setSheetPaper(paper);
  });
  std::vector<PreviewSheet> sheets;
  for (const ComposedSheet& sheet : worksheet.sheets) {
    sheets.push_back({sheet.printNumber, sheet.firstPage, sheet.pageCount});
  }
  dialog.setSheets(sheets);
  connect(&dialog, &PreviewDialog::pagePrinted, worksheets_, &WorksheetPreview::CountPrintedPage);
  connect(&dialog, &PreviewDialog::printHandedOver, this, &MainWindow::followPrint);
  bool kept = false;
  connect(&dialog, &PreviewDialog::pagePrinted, this, [&] {
    if (!std::exchange(kept, true)) keepAsRecent(worksheet, options);
  });
  previewDialog_ = &dialog;
  const auto forget = qScopeGuard([this] { previewDialog_ = nullptr; });
  dialog.exec();
}

// A job CUPS took after its pages were counted: the status line tells when
// it completes; should it fail, or wait in a stopped queue, its pages are
// taken back where no later print, nor the teacher, has moved the number
// since (the preview dialog tells the teacher why).
void MainWindow::followPrint(JobWatch* watch, const QString& printer, int pages) {
  const WorksheetPreview::Count after = worksheets_->Counted();
  const QString shown = printNumberEdit_->text();
  connect(watch, &JobWatch::decided, this,
          [this, after, shown, printer, pages](const PrintOutcome& outcome) {
            if (outcome.Ok()) {
              statusLine_->setText(PrintedText(printer, pages));
              return;
            }
            if (printNumberEdit_->text() == shown) worksheets_->TakeBack(pages, after);
          });
}

}  // namespace kazenori
