// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/colourworddialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <array>

#include "ui/deferredicon.h"
#include "ui/radiogroup.h"
#include "ui/windowfont.h"

namespace kazenori {

namespace {
constexpr std::array<int, 4> kColourCounts{2, 3, 4, 5};
constexpr std::array<int, 3> kWordsPerBlock{20, 30, 40};
constexpr QSize kDesignedSize{288, 120};
}  // namespace

ColourWordDialog::ColourWordDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("色問題の設定"));
  setModal(true);
  setFont(WindowFont(12));
  // The designed size, which the controls may enlarge when they are made.
  setFixedSize(kDesignedSize);
}

RadioGroup* ColourWordDialog::colourCountGroup() {
  createControls();
  return colourCountGroup_;
}

RadioGroup* ColourWordDialog::wordCountGroup() {
  createControls();
  return wordCountGroup_;
}

QPushButton* ColourWordDialog::okButton() {
  createControls();
  return okButton_;
}

void ColourWordDialog::setVisible(bool visible) {
  if (visible) createControls();
  QDialog::setVisible(visible);
}

void ColourWordDialog::createControls() {
  if (okButton_ != nullptr) return;
  colourCountGroup_ = new RadioGroup(
      QStringLiteral("色数の設定"),
      {QStringLiteral("２色（赤・青）"), QStringLiteral("３色（赤・青・黄）"),
       QStringLiteral("４色（赤・青・黄・緑）"), QStringLiteral("５色（赤・青・黄・緑・黒）")},
      1, this);
  colourCountGroup_->setItemIndex(2);
  wordCountGroup_ = new RadioGroup(
      QStringLiteral("問題数の設定"),
      {QStringLiteral("２０個"), QStringLiteral("３０個"), QStringLiteral("４０個")}, 1, this);
  wordCountGroup_->setItemIndex(2);
  okButton_ = new QPushButton(DeferredStandardIcon(style(), QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), this);
  okButton_->setMinimumSize(75, 25);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &ColourWordDialog::onOkClicked);

  // The colour group fills the left; the word-count group and OK stand on the right.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(8, 8, 13, 7);
  grid->setHorizontalSpacing(7);
  grid->setVerticalSpacing(7);
  grid->addWidget(colourCountGroup_, 0, 0, 2, 1);
  grid->addWidget(wordCountGroup_, 0, 1);
  grid->addWidget(okButton_, 1, 1, Qt::AlignRight | Qt::AlignBottom);
  setFixedSize(grid->sizeHint().expandedTo(kDesignedSize));

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
}

void ColourWordDialog::onOkClicked() {
  const int colours = colourCountGroup_->itemIndex();
  if (colours >= 0 && colours < static_cast<int>(kColourCounts.size()))
    settings_.colourCount = kColourCounts[static_cast<std::size_t>(colours)];
  const int words = wordCountGroup_->itemIndex();
  if (words >= 0 && words < static_cast<int>(kWordsPerBlock.size()))
    settings_.wordsPerBlock = kWordsPerBlock[static_cast<std::size_t>(words)];
  accept();
}

}  // namespace kazenori
