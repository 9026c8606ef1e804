// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Fmain.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "app/KazenoriApplication.h"
#include "app/MainWindowLayout.h"
#include "app/worksheetpreview.h"
#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"
#include "composition/composer.h"
#include "composition/printnumber.h"
#include "composition/sheetoptions.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

namespace {

constexpr int kClientWidth = 995;
constexpr int kClientHeight = 611;

const QString kNoneItem = QStringLiteral("なし");
const QString kRandomItem = QStringLiteral("ﾗﾝﾀﾞﾑ");
const QString kAllItem = QStringLiteral("全て");

bool IsBluePattern(int number) {
  return number >= 88 && number <= 104;
}

QFont WindowFont(int pixelSize) {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(pixelSize);
  return font;
}

QFrame* MakeBevel(QWidget* parent, const QRect& bounds) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(bounds);
  return bevel;
}

// The preview document as this window sets it up: its own title for the
// preview window, the sheet margins and the preview window's designed size.
void ApplyPreviewDesign(TplPrev& preview) {
  preview.SetTitle(QStringLiteral("印刷プレビュー"));
  preview.SetLeftMargin(51);
  preview.SetTopMargin(51);
  preview.SetRightMargin(52);
  preview.SetBottomMargin(51);
  preview.SetHeaderMargin(0);
  preview.SetFooterMargin(0);
  preview.SetFormLeft(20);
  preview.SetFormTop(20);
  preview.SetFormWidth(682);
  preview.SetFormHeight(512);
}

}  // namespace

TForm1::TForm1(TFrmColor& frmColor, std::unique_ptr<Random> random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      frmColor_(frmColor),
      runModal_([](QDialog& dialog) { return dialog.exec(); }) {
  setWindowTitle(QStringLiteral("Kazenori"));
  setFont(WindowFont(12));
  setFixedSize(kClientWidth, kClientHeight);
  CreateControls();
  FormCreate(std::move(random));
}

// FormDestroy: the list goes with the window; the components are released
// by their parent.
TForm1::~TForm1() = default;

int TForm1::PrintNumber() const {
  return preview_->PrintNumber().Value();
}

const PageGeometry& TForm1::Geometry() const {
  return composer_->Geometry();
}

void TForm1::CreateControls() {
  Label1 = new QLabel(QStringLiteral("Kazenori"), this);
  Label1->move(8, 8);
  QFont titleFont = font();
  titleFont.setPixelSize(18);
  titleFont.setBold(true);
  Label1->setFont(titleFont);
  QPalette titlePalette = Label1->palette();
  titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
  Label1->setPalette(titlePalette);
  Label1->adjustSize();

  Bevel2 = MakeBevel(this, {8, 32, 977, 29});
  Bevel1 = MakeBevel(this, {8, 67, 977, 536});

  GroupBox1 = new QGroupBox(QStringLiteral("暗算パターンの選択"), this);
  GroupBox1->setGeometry(21, 80, 956, 438);
  CreatePatternBoxes();

  rgZeroSetup = new RadioGroup(QStringLiteral("第２項のｾﾞﾛの設定"),
                               {kNoneItem, QStringLiteral("あり")}, 2, this);
  rgZeroSetup->SetBounds(QRect(21, 524, 110, 41));
  rgOpeSetup = new RadioGroup(QStringLiteral("演算子のみを隠す設定"),
                              {kNoneItem, kRandomItem, kAllItem}, 3, this);
  rgOpeSetup->SetBounds(QRect(137, 524, 161, 41));
  rgBlankSetup =
      new RadioGroup(QStringLiteral("虫食いの設定"), {kNoneItem, kRandomItem, kAllItem}, 3, this);
  rgBlankSetup->SetBounds(QRect(304, 524, 167, 41));
  for (RadioGroup* group : {rgZeroSetup, rgOpeSetup, rgBlankSetup}) group->SetItemIndex(0);

  Label4 = new QLabel(QStringLiteral("ﾌﾟﾘﾝﾄ番号"), this);
  Label4->move(477, 524);
  Label4->adjustSize();
  edtPrintNum = new QLineEdit(QStringLiteral("1"), this);
  edtPrintNum->setGeometry(487, 545, 33, 20);

  rgBonus = new RadioGroup(QStringLiteral("おまけ"), {kNoneItem, QStringLiteral("あり")}, 2, this);
  // Three pixels wider than the reference layout so that both items show
  // whole beside each other.
  rgBonus->SetBounds(QRect(536, 524, 96, 41));
  rgBonus->SetItemIndex(0);

  btnBonus = new QPushButton(QStringLiteral("おまけの設定"), this);
  btnBonus->setGeometry(635, 532, 80, 33);
  btnBonus->setEnabled(false);
  btnAllPatClear = new QPushButton(QStringLiteral("選択を全てクリア"), this);
  btnAllPatClear->setGeometry(728, 524, 98, 33);
  btnPreview = new QPushButton(QStringLiteral("プレビュー"), this);
  btnPreview->setGeometry(832, 524, 145, 33);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                            QStringLiteral("閉じる"), this);
  BitBtn1->setGeometry(872, 563, 105, 31);

  Label3 = new QLabel(QStringLiteral("問題文"), this);
  Label3->move(21, 579);
  Label3->adjustSize();
  edtQuestMes = new QLineEdit(QStringLiteral("次の計算をしましょう。"), this);
  edtQuestMes->setFont(WindowFont(15));
  edtQuestMes->setGeometry(61, 571, 567, 23);

  connect(rgZeroSetup, &RadioGroup::Clicked, this, Guarded([this] { rgZeroSetupClick(); }));
  connect(rgOpeSetup, &RadioGroup::Clicked, this, Guarded([this] { rgOpeSetupClick(); }));
  connect(rgBlankSetup, &RadioGroup::Clicked, this, Guarded([this] { rgBlankSetupClick(); }));
  connect(rgBonus, &RadioGroup::Clicked, this, Guarded([this] { rgBonusClick(); }));
  connect(btnBonus, &QPushButton::clicked, this, Guarded([this] { btnBonusClick(); }));
  connect(btnAllPatClear, &QPushButton::clicked, this, Guarded([this] { btnAllPatClearClick(); }));
  connect(btnPreview, &QPushButton::clicked, this, Guarded([this] { btnPreviewClick(); }));
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TForm1::CreatePatternBoxes() {
  // Blue marks a box the teacher can tick; a disabled one greys out like the rest.
  QPalette blue = GroupBox1->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    blue.setColor(group, QPalette::WindowText, Qt::blue);
    blue.setColor(group, QPalette::ButtonText, Qt::blue);
  }
  for (const PatternBoxPlace& place : PatternBoxPlaces()) {
    auto* box = new QCheckBox(QString::fromUtf8(Pattern(place.number).caption), GroupBox1);
    box->setProperty("Tag", place.number);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(place.number));
    box->setGeometry(PatternBoxBounds(place));
    if (IsBluePattern(place.number)) box->setPalette(blue);
    // toggled fires once for every change of state, by the user or by code,
    // which is exactly when the selection must hear of it.
    connect(box, &QCheckBox::toggled, this,
            [this, box](bool ticked) { Guarded([this, box, ticked] { QPClick(box, ticked); })(); });
  }
}

// Seed, zero flag, print number, paper, the box array, the empty list: in
// that order, as the rest of the program expects them at start-up.
void TForm1::FormCreate(std::unique_ptr<Random> random) {
  random_ = random ? std::move(random) : std::make_unique<SeededRandom>(SeededRandom::FromClock());
  zeroAllowed_ = 0;
  plSetPrinter1 = new TplSetPrinter(this, QStringLiteral("plSetPrinter1"));
  // The settings are meant to stand for a printer from the start: the one the
  // window was laid out with is not installed here, so the platform's default
  // printer takes its place (nothing happens without printers).
  // A print server that did not answer is not asked again (Qt would wait on it).
  const bool answered = plSetPrinter1->Server().state == PrintServerState::Answered;
  if (answered) plSetPrinter1->SetPrinterName(QPrinterInfo::defaultPrinterName());
  plPrev1 = new TplPrev(this, QStringLiteral("plPrev1"),
                        answered ? PrinterAccess::Cups : PrinterAccess::DesignPaper);
  ApplyPreviewDesign(*plPrev1);
  plPrev1->SetplSetPrinter(plSetPrinter1);
  composer_ = std::make_unique<Composer>(*random_);
  preview_ = new WorksheetPreview(*plPrev1, this);
  preview_->PrintNumber().Set(std::int32_t{1});
  connect(preview_, &WorksheetPreview::printNumberChanged, edtPrintNum, &QLineEdit::setText);
  plSetPrinter1->SetPaperSize(9);
  for (QCheckBox* box : GroupBox1->findChildren<QCheckBox*>()) {
    CheckBoxes[static_cast<std::size_t>(box->property("Tag").toInt())] = box;
  }
  selection_ = std::make_unique<PatternSelection>();
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_ && !event->spontaneous()) {
    shown_ = true;
    FormShow();
  }
}

void TForm1::FormShow() {
  composer_->SetGeometry(FormShowGeometry(*plSetPrinter1, *plPrev1, &metrics_));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // move() places the frame, so it is the frame that is centred.
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void TForm1::QPClick(QCheckBox* sender, bool ticked) {
  selection_->QPClick(sender->property("Tag").toInt(), ticked);
}

void TForm1::btnAllPatClearClick() {
  for (int n = 1; n <= kPatternCount; ++n)
    CheckBoxes[static_cast<std::size_t>(n)]->setChecked(false);
}

void TForm1::rgZeroSetupClick() {
  const int index = rgZeroSetup->ItemIndex();
  if (index == 0 || index == 1) zeroAllowed_ = index;
}

namespace {

// The setting of a hide or blank group's item index ("なし" for none chosen).
LayerSetting LayerOf(int index) {
  return index == 1 ? LayerSetting::Random : index == 2 ? LayerSetting::All : LayerSetting::None;
}

}  // namespace

void TForm1::rgOpeSetupClick() {
  const int index = rgOpeSetup->ItemIndex();
  if (index >= 0 && index <= 2) edtQuestMes->setText(InstructionText(LayerOf(index)));
}

void TForm1::rgBlankSetupClick() {
  const int index = rgBlankSetup->ItemIndex();
  if (index >= 0 && index <= 2) edtQuestMes->setText(InstructionText(LayerOf(index)));
}

void TForm1::rgBonusClick() {
  const int index = rgBonus->ItemIndex();
  if (index != 0 && index != 1) return;
  const bool bonus = index == 1;
  for (int n = 1; n <= kPatternCount; ++n)
    CheckBoxes[static_cast<std::size_t>(n)]->setEnabled(!bonus);
  rgZeroSetup->setEnabled(!bonus);
  btnBonus->setEnabled(bonus);
  edtQuestMes->setText(bonus ? QString::fromUtf8(kColourInstruction)
                             : InstructionText(LayerSetting::None));
  if (bonus) ShowColourDialog();
}

void TForm1::btnBonusClick() {
  ShowColourDialog();
}

void TForm1::ShowColourDialog() {
  runModal_(frmColor_);
}

SheetOptions TForm1::Options() const {
  SheetOptions options;
  // The selection keeps its entries as decimal texts.
  for (const auto& entry : selection_->Entries()) options.patterns.push_back(std::stoi(entry));
  options.zero = zeroAllowed_ == 1 ? ZeroSetting::Allowed : ZeroSetting::Refused;
  options.hide = LayerOf(rgOpeSetup->ItemIndex());
  options.blank = LayerOf(rgBlankSetup->ItemIndex());
  options.instruction = edtQuestMes->text();
  options.bonus = rgBonus->ItemIndex() == 1;
  options.colourWords = frmColor_.Settings();
  // The composer refuses an empty selection before the number is looked at.
  if (options.bonus || !options.patterns.empty()) {
    options.printNumber = StrToInt(edtPrintNum->text());
  }
  return options;
}

// An error of the preview command (a print number that is not an integer)
// goes on to the application's error handler.
void TForm1::btnPreviewClick() {
  const SheetOptions options = Options();
  Worksheet worksheet;
  try {
    worksheet = composer_->Compose(options);
  } catch (const EmptySelectionError&) {
    messages_.Warning(EmptySelectionText(), QStringLiteral("警告"), true);
    return;
  }
  preview_->Record(worksheet);
  plPrev1->Preview();
}

}  // namespace kazenori
