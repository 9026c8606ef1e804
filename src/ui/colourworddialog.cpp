// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "composition/Fcolor.h"

#include <QFont>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <array>

#include "composition/RadioGroup.h"

namespace kazenori {

namespace {
constexpr std::array<int, 4> kColourCounts{2, 3, 4, 5};
constexpr std::array<int, 3> kWordsPerBlock{20, 30, 40};
}  // namespace

TFrmColor::TFrmColor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("色問題の設定"));
  setModal(true);
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(288, 120);

  rgColorNum = new RadioGroup(
      QStringLiteral("色数の設定"),
      {QStringLiteral("２色（赤・青）"), QStringLiteral("３色（赤・青・黄）"),
       QStringLiteral("４色（赤・青・黄・緑）"), QStringLiteral("５色（赤・青・黄・緑・黒）")},
      1, this);
  rgColorNum->SetBounds(QRect(8, 8, 161, 105));
  rgColorNum->SetItemIndex(2);

  rgQuestNum = new RadioGroup(
      QStringLiteral("問題数の設定"),
      {QStringLiteral("２０個"), QStringLiteral("３０個"), QStringLiteral("４０個")}, 1, this);
  rgQuestNum->SetBounds(QRect(176, 8, 97, 73));
  rgQuestNum->SetItemIndex(2);

  BitBtn1 =
      new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
  BitBtn1->setGeometry(200, 88, 75, 25);
  BitBtn1->setDefault(true);
  connect(BitBtn1, &QPushButton::clicked, this, &TFrmColor::BitBtn1Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void TFrmColor::BitBtn1Click() {
  const int colours = rgColorNum->ItemIndex();
  if (colours >= 0 && colours < static_cast<int>(kColourCounts.size()))
    settings_.colourCount = kColourCounts[static_cast<std::size_t>(colours)];
  const int words = rgQuestNum->ItemIndex();
  if (words >= 0 && words < static_cast<int>(kWordsPerBlock.size()))
    settings_.wordsPerBlock = kWordsPerBlock[static_cast<std::size_t>(words)];
  accept();
}

}  // namespace kazenori
