// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/remakedialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/windowfont.h"

namespace kazenori {

RemakeDialog::RemakeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("再作成"));
  setFont(WindowFont(12));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("シートの隅に印刷された再作成コードを入力して下さい。"), this));
  codeEdit_ = new QLineEdit(this);
  codeEdit_->setFont(WindowFont(15));
  codeEdit_->setPlaceholderText(QStringLiteral("XXXX-XXXX-XXXX-XXXX-XXX"));
  codeEdit_->setMinimumWidth(
      codeEdit_->fontMetrics().horizontalAdvance(QStringLiteral("XXXX-XXXX-XXXX-XXXX-XXXX-XX")) +
      12);
  layout->addWidget(codeEdit_);
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString RemakeDialog::code() const {
  return codeEdit_->text().trimmed();
}

}  // namespace kazenori
