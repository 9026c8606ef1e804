#include "app/Fmain.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include "app/MainWindowLayout.h"
#include "composition/Fcolor.h"
#include "composition/RadioGroup.h"

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

// The instruction line for an item of the hiding or blanking group; empty for
// an index without one.
QString InstructionText(int itemIndex) {
  switch (itemIndex) {
    case 0:
      return QStringLiteral("次の計算をしましょう。");
    case 1:
      return QStringLiteral("次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。");
    case 2:
      return QStringLiteral("記号か数字を□の上か中に書いて正しい式にしましょう。");
    default:
      return {};
  }
}

QFrame* MakeBevel(QWidget* parent, const QRect& bounds) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(bounds);
  return bevel;
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

TForm1::~TForm1() = default;

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

  connect(rgZeroSetup, &RadioGroup::Clicked, this, &TForm1::rgZeroSetupClick);
  connect(rgOpeSetup, &RadioGroup::Clicked, this, &TForm1::rgOpeSetupClick);
  connect(rgBlankSetup, &RadioGroup::Clicked, this, &TForm1::rgBlankSetupClick);
  connect(rgBonus, &RadioGroup::Clicked, this, &TForm1::rgBonusClick);
  connect(btnBonus, &QPushButton::clicked, this, &TForm1::btnBonusClick);
  connect(btnAllPatClear, &QPushButton::clicked, this, &TForm1::btnAllPatClearClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

void TForm1::CreatePatternBoxes() {
  QPalette blue = GroupBox1->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  blue.setColor(QPalette::ButtonText, Qt::blue);
  for (const PatternBoxPlace& place : PatternBoxPlaces()) {
    auto* box = new QCheckBox(QString::fromUtf8(Pattern(place.number).caption), GroupBox1);
    box->setProperty("Tag", place.number);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(place.number));
    box->setGeometry(PatternBoxBounds(place));
    if (IsBluePattern(place.number)) box->setPalette(blue);
    // toggled fires once for every change of state, by the user or by code,
    // which is exactly when the selection must hear of it.
    connect(box, &QCheckBox::toggled, this, [this, box](bool ticked) { QPClick(box, ticked); });
  }
}

// Seed, zero flag, print number, paper, the box array, the empty list: in
// that order, as the rest of the program expects them at start-up.
void TForm1::FormCreate(std::unique_ptr<Random> random) {
  random_ = random ? std::move(random) : std::make_unique<SeededRandom>(SeededRandom::FromClock());
  zeroAllowed_ = 0;
  printNumber_ = 1;
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
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
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

void TForm1::rgOpeSetupClick() {
  const QString text = InstructionText(rgOpeSetup->ItemIndex());
  if (!text.isEmpty()) edtQuestMes->setText(text);
}

void TForm1::rgBlankSetupClick() {
  const QString text = InstructionText(rgBlankSetup->ItemIndex());
  if (!text.isEmpty()) edtQuestMes->setText(text);
}

void TForm1::rgBonusClick() {
  const int index = rgBonus->ItemIndex();
  if (index != 0 && index != 1) return;
  const bool bonus = index == 1;
  for (int n = 1; n <= kPatternCount; ++n)
    CheckBoxes[static_cast<std::size_t>(n)]->setEnabled(!bonus);
  rgZeroSetup->setEnabled(!bonus);
  btnBonus->setEnabled(bonus);
  edtQuestMes->setText(bonus ? QStringLiteral("書かれている文字の色を声に出して読みましょう。")
                             : QStringLiteral("次の計算をしましょう。"));
  if (bonus) ShowColourDialog();
}

void TForm1::btnBonusClick() {
  ShowColourDialog();
}

void TForm1::ShowColourDialog() {
  runModal_(frmColor_);
}

}  // namespace kazenori
