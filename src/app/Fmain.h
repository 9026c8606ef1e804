// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "composition/pagegeometry.h"
#include "generation/PatternCatalogue.h"
#include "generation/PatternSelection.h"
#include "generation/Random.h"
#include "preview/Messages.h"

class QCheckBox;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kazenori {

class RadioGroup;
class TFrmColor;
class TplPrev;
class TplSetPrinter;
class Composer;
class WorksheetPreview;
struct SheetOptions;

// Runs a modal dialog and returns its result; the program uses exec(), a
// test answers the dialog without blocking.
using ModalRunner = std::function<int(QDialog&)>;

// The main window: the 150 pattern boxes, the option groups and the buttons.
// It owns the state the other parts share (selection, zero flag, print
// number, page geometry) and hands every real piece of work to the
// generation and composition code.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // `random` is the program's one source of draws; without one, FormCreate
  // seeds a new one from the clock.
  explicit TForm1(TFrmColor& frmColor, std::unique_ptr<Random> random = nullptr,
                  QWidget* parent = nullptr);
  ~TForm1() override;

  void SetModalRunner(ModalRunner runner) { runModal_ = std::move(runner); }

  const PatternSelection& Selection() const { return *selection_; }
  int ZeroAllowed() const { return zeroAllowed_; }
  int PrintNumber() const;
  Random& Rnd() { return *random_; }
  const PageGeometry& Geometry() const;
  const PrinterMetrics& Metrics() const { return metrics_; }
  Composer& SheetComposer() { return *composer_; }
  WorksheetPreview& Preview() { return *preview_; }
  // What the preview command would be given now, read from the controls;
  // throws ConversionError when there is something to compose and the print
  // number is no 32-bit integer.
  SheetOptions Options() const;

  // Handlers, bound to their controls; public so that a test can name them.
  void QPClick(QCheckBox* sender, bool ticked);
  void btnAllPatClearClick();
  void rgZeroSetupClick();
  void rgOpeSetupClick();
  void rgBlankSetupClick();
  void rgBonusClick();
  void btnBonusClick();
  void btnPreviewClick();

  // CheckBoxes[n] is pattern box n (1..150); entry 0 stays empty.
  std::array<QCheckBox*, kPatternCount + 1> CheckBoxes{};

  QLabel* Label1;
  QFrame* Bevel2;
  QFrame* Bevel1;
  QGroupBox* GroupBox1;
  RadioGroup* rgZeroSetup;
  RadioGroup* rgOpeSetup;
  RadioGroup* rgBlankSetup;
  QLabel* Label4;
  QLineEdit* edtPrintNum;
  RadioGroup* rgBonus;
  QPushButton* btnBonus;
  QPushButton* btnAllPatClear;
  QPushButton* btnPreview;
  QPushButton* BitBtn1;
  QLabel* Label3;
  QLineEdit* edtQuestMes;

  // The printer settings and the preview document, linked to each other.
  TplSetPrinter* plSetPrinter1;
  TplPrev* plPrev1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void CreatePatternBoxes();
  void FormCreate(std::unique_ptr<Random> random);
  void FormShow();
  void ShowColourDialog();

  TFrmColor& frmColor_;
  ModalRunner runModal_;
  std::unique_ptr<Random> random_;
  std::unique_ptr<PatternSelection> selection_;
  int zeroAllowed_ = 0;
  // Forwards to whichever message sink is installed when a message comes.
  struct CurrentMessages final : Messages {
    void Show(const Message& message) override { Messages::Current().Show(message); }
  } messages_;
  std::unique_ptr<Composer> composer_;
  WorksheetPreview* preview_ = nullptr;
  PrinterMetrics metrics_;
  bool shown_ = false;
};

}  // namespace kazenori
