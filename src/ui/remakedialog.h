// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kazenori {

// "再作成": asks for the code printed on a sheet. The main window makes that
// sheet again when the dialog is accepted; the dialog itself knows no codes.
class RemakeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RemakeDialog(QWidget* parent = nullptr);

  QString code() const;

  QLineEdit* codeEdit() const { return codeEdit_; }
  QPushButton* okButton() const { return okButton_; }

 private:
  QLineEdit* codeEdit_;
  QPushButton* okButton_;
};

}  // namespace kazenori
