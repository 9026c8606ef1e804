// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/remakedialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "composition/sheetcode.h"
#include "ui/windowfont.h"

namespace kazenori {

namespace {

// The shape of a code as printed, each character an X: a one-pattern sheet
// of a large seed, the commonest length.
QString CodeShape() {
  SheetOptions options;
  options.patterns = {1};
  QString shape = QString::fromStdString(*EncodeSheetCode({0xffffffffU, 0, options}));
  for (QChar& c : shape) {
    if (c != u'-') c = u'X';
  }
  return shape;
}

}  // namespace

RemakeDialog::RemakeDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("再作成"));
  setFont(WindowFont(12));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("シートの隅に印刷された再作成コードを入力して下さい。"), this));
  codeEdit_ = new QLineEdit(this);
  codeEdit_->setFont(WindowFont(15));
  codeEdit_->setPlaceholderText(CodeShape());
  // Room for the longest code a sheet carries.
  codeEdit_->setMinimumWidth(codeEdit_->fontMetrics().horizontalAdvance(
                                 QStringLiteral("XXXX-XXXX-XXXX-XXXX-XXXX-XXXX-XXXX-XX")) +
                             12);
  layout->addWidget(codeEdit_);
  // Typed at the end, the code takes its printed form as it grows (an input
  // method's full-width letters, a dash of its own); edited in the middle, it
  // is left alone until OK.
  connect(codeEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (codeEdit_->cursorPosition() == text.size())
      codeEdit_->setText(QString::fromStdString(TidySheetCode(text.toStdString())));
  });
  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(okButton_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(okButton_, &QPushButton::clicked, this, [this] {
    codeEdit_->setText(QString::fromStdString(TidySheetCode(codeEdit_->text().toStdString())));
    accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString RemakeDialog::code() const {
  return codeEdit_->text();
}

}  // namespace kazenori
