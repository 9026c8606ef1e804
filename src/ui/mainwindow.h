// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <functional>
#include <memory>

#include "composition/pagegeometry.h"
#include "generation/patternselection.h"
#include "generation/random.h"
#include "generation/zerosetting.h"
#include "pages/worksheetpreview.h"
#include "print/printergeometry.h"
#include "ui/messages.h"
#include "ui/windowsettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QAction;
class QActionGroup;
class QSpinBox;
class QToolButton;

namespace kazenori {

class ColourWordDialog;
class JobWatch;
class PatternBoxGrid;
class RadioGroup;
class PreviewDocument;
class PreviewDialog;
class PrinterDiscovery;
class PrinterSelection;
class RemakeDialog;
struct SheetOptions;
struct Worksheet;

// The main window: the 150 pattern boxes, the option groups and the buttons.
// It keeps what the controls say (the patterns in the order they were ticked,
// the zero flag) and turns it into the plain options value the composer
// reads; the composer does every real piece of work.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // `random` is the program's one source of draws; without one, a new one is
  // seeded from the clock.
  explicit MainWindow(ColourWordDialog& colourWordDialog, std::unique_ptr<Random> random = nullptr,
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  const PatternSelection& selection() const { return selection_; }
  ZeroSetting zeroSetting() const { return zero_; }
  int printNumber() const;
  Random& random() { return *random_; }
  const PageGeometry& pageGeometry() const;
  const PrinterMetrics& printerMetrics() const { return metrics_; }
  WorksheetPreview& worksheets() { return *worksheets_; }
  // What the preview command would be given now, read from the controls;
  // throws ConversionError when there is something to compose and the print
  // number is no 32-bit integer.
  SheetOptions options() const;

  // The controls, for the tests that work them as a teacher would.
  PatternBoxGrid* patternGrid() const { return patternGrid_; }
  QCheckBox* patternBox(int number) const;
  RadioGroup* zeroGroup() const { return zeroGroup_; }
  RadioGroup* hideGroup() const { return hideGroup_; }
  RadioGroup* blankGroup() const { return blankGroup_; }
  RadioGroup* bonusGroup() const { return bonusGroup_; }
  QLineEdit* printNumberEdit() const { return printNumberEdit_; }
  // "枚数": how many different sheets the preview composes.
  QSpinBox* sheetCountBox() const { return sheetCountBox_; }
  QPushButton* remakeButton() const { return remakeButton_; }
  // The code dialog once "再作成" was first clicked, else nullptr.
  RemakeDialog* remakeDialog() const { return remakeDialog_; }
  QLineEdit* instructionEdit() const { return instructionEdit_; }
  QPushButton* bonusSettingsButton() const { return bonusSettingsButton_; }
  QPushButton* clearButton() const { return clearButton_; }
  QPushButton* previewButton() const { return previewButton_; }
  QPushButton* closeButton() const { return closeButton_; }
  // "学年": choosing a year ticks that year's patterns, and only those.
  QComboBox* gradeChoice() const { return gradeChoice_; }
  // "百ます計算": なし, たし算, ひき算, かけ算; and its size, 10×10 or 5×5.
  QComboBox* gridChoice() const { return gridChoice_; }
  QComboBox* gridSizeChoice() const { return gridSizeChoice_; }
  // "用紙": A4, B5 or B4, the sheet scaled to fill it and the printer given it.
  QComboBox* paperChoice() const { return paperChoice_; }
  // The menu of the window's settings ("初期状態に戻す").
  QToolButton* settingsButton() const { return settingsButton_; }
  // "問題・解答": the menu of the sheet's problem count (50, 30 or 20, fewer
  // written larger), red answers and the score box.
  QToolButton* sheetButton() const { return sheetButton_; }
  QAction* problemsAction(int problems) const;
  QAction* redAnswersAction() const { return redAnswersAction_; }
  QAction* scoreAction() const { return scoreAction_; }
  // The patterns, options and buttons below the status line; they scroll
  // when the window is made smaller than they are.
  QScrollArea* contentArea() const { return contentArea_; }

  // Restores what `file` kept from the last run and keeps every later change
  // there. Without a call nothing is read or written (as in the tests).
  void rememberIn(const QString& file);
  // Back to the state of the first start, kept so too.
  void resetToFirstStart();
  // Named sets of the ticks and options, kept with the settings (none
  // without rememberIn). Restoring one leaves the print number as it is, so
  // that no sheet number comes twice. False when there is no such set.
  void saveSet(const QString& name);
  bool restoreSet(const QString& name);
  bool renameSet(const QString& from, const QString& to);
  void removeSet(const QString& name);
  QStringList setNames() const;
  // Ticks the patterns of school year 1..6, and only those.
  void chooseGrade(int grade);
  // Keeps the whole window within `available` (a screen's free area): the
  // window as designed where it fits, else smaller with the content scrolling.
  void fitInto(const QRect& available);
  // The printers and the preview document; the preview window shows the one
  // and prints on the other while it is open. The printers are asked for once
  // the window is first drawn (or when these are first called): the first
  // waits for them (a blocking wait, for tests).
  PrinterSelection* printerSettings();
  PrinterDiscovery& printerDiscovery();
  // Whether the printers were given up on with the asking still stuck on the
  // print server (see PrinterDiscovery::IsStuck).
  bool printerDiscoveryStuck() const;
  // The line above the patterns, where the window says what it waits for.
  QLabel* statusLine() const { return statusLine_; }
  PreviewDocument* preview() const { return preview_; }
  // The preview dialog while it is open, else nullptr.
  PreviewDialog* previewDialog() const { return previewDialog_; }

  // Makes the sheet of a code again and previews it, or says why the code
  // cannot be used. Printing it leaves the print number as it is.
  void remake(const QString& code);
  // The sheets made lately (a page printed or saved), newest first, kept
  // with the settings (none without rememberIn). remakeRecent makes entry
  // `index` again as remake does, every sheet of a class set; false when
  // there is no such entry.
  std::vector<RecentSheets> recentSheets() const;
  bool remakeRecent(int index);
  // "最近のプリント", in the settings menu.
  QMenu* recentMenu() const { return recentMenu_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();
  QLayout* createTitle();
  QLayout* createGridChoice(int height);
  QLayout* createPaperChoice(int height);
  QToolButton* createSheetMenu();
  QLayout* createOptionRow();
  QLayout* createInstructionRow();
  void connectControls();
  void createDocument();
  void startDiscovery();
  void afterFirstDrawn();
  void onPrintersFound();
  bool awaitPrinters(std::function<void()> then);
  void followPrint(JobWatch* watch, const QString& printer, int pages);
  void usePaper(PaperSize paper);
  // Makes the previewed sheets with these options: again, on another paper,
  // when one is chosen in the preview's printer setup.
  using SheetMaker = std::function<Worksheet(const SheetOptions&)>;
  void showPreview(Worksheet worksheet, WorksheetPreview::Numbering numbering, SheetOptions options,
                   const SheetMaker& make);
  void remakeSheets(const QString& code, const QString& instruction, bool wholeSet);
  void keepAsRecent(const Worksheet& worksheet, const SheetOptions& options);
  void fillRecentMenu();
  void centreOnScreen();
  RememberedState state() const;
  void applyState(const RememberedState& state);
  void remember();
  void fillSetsMenu();
  void onSaveSetChosen();
  void onRenameSetChosen();
  void onRemoveSetChosen();

  void onPatternToggled(int number, bool ticked);
  void onZeroChosen(int index);
  void onInstructionItemChosen(int index);
  void onBonusChosen(int index);
  void onBonusSettingsClicked();
  void onGridChosen(int index);
  void onPreviewClicked();
  void onRemakeClicked();

  ColourWordDialog& colourWordDialog_;
  std::unique_ptr<Random> random_;
  PatternSelection selection_;
  ZeroSetting zero_ = ZeroSetting::Refused;
  // Forwards to whichever message sink is installed when a message comes.
  struct CurrentMessages final : Messages {
    void Show(const Message& message) override { Messages::Current().Show(message); }
  } messages_;
  PageGeometry geometry_;
  WorksheetPreview* worksheets_ = nullptr;
  PrinterMetrics metrics_;
  bool shown_ = false;
  bool drawn_ = false;
  std::function<void()> pending_;  // asked for before the printers were known

  PatternBoxGrid* patternGrid_ = nullptr;
  RadioGroup* zeroGroup_ = nullptr;
  RadioGroup* hideGroup_ = nullptr;
  RadioGroup* blankGroup_ = nullptr;
  RadioGroup* bonusGroup_ = nullptr;
  QLineEdit* printNumberEdit_ = nullptr;
  QSpinBox* sheetCountBox_ = nullptr;
  QPushButton* remakeButton_ = nullptr;
  RemakeDialog* remakeDialog_ = nullptr;
  QLineEdit* instructionEdit_ = nullptr;
  QPushButton* bonusSettingsButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* previewButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QLabel* statusLine_ = nullptr;
  QComboBox* gradeChoice_ = nullptr;
  QComboBox* gridChoice_ = nullptr;
  QComboBox* gridSizeChoice_ = nullptr;
  QComboBox* paperChoice_ = nullptr;
  QToolButton* settingsButton_ = nullptr;
  QToolButton* sheetButton_ = nullptr;
  QActionGroup* problemsGroup_ = nullptr;
  QAction* redAnswersAction_ = nullptr;
  QAction* scoreAction_ = nullptr;
  QMenu* setsMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QScrollArea* contentArea_ = nullptr;
  QSize designedSize_;     // the window as drawn, where the screen has room for it
  QString settingsFile_;   // empty: nothing is kept
  bool applying_ = false;  // restoring: the controls' changes are not kept one by one
  std::unique_ptr<PrinterDiscovery> discovery_;
  PreviewDocument* preview_ = nullptr;
  PreviewDialog* previewDialog_ = nullptr;
};

}  // namespace kazenori
