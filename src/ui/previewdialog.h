// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <QKeySequence>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

#include "print/pageprinter.h"
#include "print/printersettings.h"
#include "ui/previewquestions.h"

class QAction;
class QComboBox;
class QIcon;
class QLabel;
class QMenu;
class QPrinter;
class QSpinBox;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace kazenori {

class JobWatch;
class PageWidget;
class PreviewDocument;
class PrinterSelection;

// A sheet of the previewed document: its print number and its pages, a
// question page and an answer page, or one page alone.
struct PreviewSheet {
  std::int32_t printNumber = 0;
  int firstPage = 1;
  int pageCount = 1;
};

// The preview: shows the pages of a preview document one at a time, pages
// through them, zooms, copies a page and prints the document on the printer
// selection, or saves it as PDF. Every page printed or saved is announced by
// pagePrinted. Its caller owns it and shows it with exec().
//
// A print returns once CUPS has the job: its pages count at once, so that
// the next sheet is numbered on, and a JobWatch follows the job beyond the
// dialog's life (owned by the dialog's parent, where it has one), telling
// the teacher when it completes, fails or waits in a stopped queue.
// printHandedOver gives the watch to whoever should take the pages back
// should the job fail.
class PreviewDialog : public QDialog {
  Q_OBJECT

 public:
  // Neither the document nor the printers are owned; both outlive the dialog.
  PreviewDialog(PreviewDocument& document, PrinterSelection& printers, QWidget* parent = nullptr);
  ~PreviewDialog() override;

  // The page shown (1-based). showPage shows another one: false for a page
  // the document does not have, or while the dialog is hidden.
  int currentPage() const { return currentPage_; }
  bool showPage(int page);
  bool noPrinter() const;
  // What each page is, shown beside the page number ("2枚目 問題"); the panel
  // widens to the longest.
  void setPageRemarks(const QStringList& remarks);
  // The sheets the pages belong to. A class set (two sheets or more) names
  // each page's sheet beside its number ("2枚目 問題"), and offers to go to
  // a sheet and to print only its question or answer pages; the suggested
  // PDF name carries the sheets' numbers either way.
  void setSheets(std::vector<PreviewSheet> sheets);
  // Shows the first page of sheet `sheet` (1-based): false for a sheet the
  // document does not have, or while the dialog is hidden.
  bool showSheet(int sheet);
  // Which pages of a class set the print and PDF commands take.
  enum class PageKind { All, Questions, Answers };
  PageKind pageKind() const;
  // "kazenori-7-36.pdf" for sheets 7 to 36, "kazenori-7.pdf" for one sheet.
  QString suggestedPdfName() const;
  // Lays the window out within `area` (a screen's free area): two thirds
  // across and five sixths down as designed, larger where its controls need
  // it, never beyond the area.
  void placeWithin(const QRect& area);
  // Tests answer the print, file and setup dialogs; nullptr restores Qt's.
  void setQuestions(PreviewQuestions* questions);
  // The paper the document's sheets were made for, where they are sheets of
  // ours: they print on that paper or not at all (cut off on another). A
  // paper of ours chosen in the printer setup, or a printer's paper of
  // another size, is announced by paperChosen, for the sheets to be made
  // again on it (and this called again); any other paper leaves them on
  // theirs. Without a call, the printer setup's paper stands and the pages
  // are stretched onto it.
  void setSheetPaper(PaperSize paper) { sheetPaper_ = paper; }

  // The commands, as their buttons and menu entries give them.
  void showFirstPage();
  void showPreviousPage();
  void showNextPage();
  void showLastPage();
  void showWholePage();
  void showPageWidth();
  void zoomOut();
  void zoomIn();
  void print();
  void savePdf();
  void setUpPrinter();
  void copyPage();
  void copyWindow();
  void printWindow();
  // A print goes on while the window stays responsive; the dialog closes
  // (when asked to meanwhile) once it has ended and been reported.
  bool isPrinting() const { return pagePrinter_.IsPrinting(); }
  void done(int result) override;

  // The controls, for the tests that work them as a teacher would.
  QToolBar* toolBar() const { return toolBar_; }
  QToolButton* printButton() const { return printButton_; }
  QToolButton* pdfButton() const { return pdfButton_; }
  QToolButton* printerSetupButton() const { return printerSetupButton_; }
  QToolButton* firstPageButton() const { return firstPageButton_; }
  QToolButton* previousPageButton() const { return previousPageButton_; }
  QToolButton* nextPageButton() const { return nextPageButton_; }
  QToolButton* lastPageButton() const { return lastPageButton_; }
  QToolButton* zoomOutButton() const { return zoomOutButton_; }
  QToolButton* zoomInButton() const { return zoomInButton_; }
  QToolButton* wholePageButton() const { return wholePageButton_; }
  QToolButton* pageWidthButton() const { return pageWidthButton_; }
  QToolButton* closeButton() const { return closeButton_; }
  PageWidget* pageWidget() const { return pageWidget_; }
  QLabel* pageStatus() const { return pageStatus_; }
  QLabel* remarkStatus() const { return remarkStatus_; }
  QLabel* commandStatus() const { return commandStatus_; }
  QMenu* pageMenu() const { return pageMenu_; }
  QAction* copyPageAction() const { return copyPageAction_; }
  QAction* copyWindowAction() const { return copyWindowAction_; }
  QAction* printWindowAction() const { return printWindowAction_; }
  // The class set's controls in the status bar, shown for two sheets or more.
  QWidget* classSetBar() const { return classSetBar_; }
  QSpinBox* sheetBox() const { return sheetBox_; }
  QComboBox* pageKindChoice() const { return pageKindChoice_; }

 signals:
  void pagePrinted(int page);
  // After the pages of a job CUPS took have been counted; `watch` follows it.
  void printHandedOver(JobWatch* watch, const QString& printer, int pages);
  // The sheets are to be made again on `paper` and the printer's paper as it
  // now is (see setSheetPaper), which the preview document is then set to.
  void paperChosen(PaperSize paper);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void createToolBar();
  void createPageButtons();
  void createZoomButtons();
  void bindShortcuts();
  void createStatusBar();
  void createPageMenu();
  void createClassSetBar();
  void fitControlsToFont();
  // The sheet a page belongs to (1-based), 0 for none.
  int sheetOf(int page) const;
  // Of `pages`, those of the kind chosen for a class set.
  std::vector<int> pagesToPrint(const std::vector<int>& pages) const;
  QToolButton* addButton(const QString& caption, const QString& hint, int width, const QIcon& icon,
                         void (PreviewDialog::*command)());
  void addSpacer();
  void bindKeys(QToolButton* button, std::initializer_list<QKeySequence> keys);
  void placeOnScreen();
  double pageAspect() const;
  void refreshPage();
  void announcePage();
  void updateButtons();
  void showPageMenu(const QPoint& globalPos);
  QString noPrinterText() const;
  // Whether the print server has stopped answering since the printers were
  // found (then said so under `caption`): Qt's print dialogs would ask it
  // without any time limit and freeze the window.
  bool serverGoneSilent(const QString& caption) const;
  void reportPrintOutcome(const PrintOutcome& outcome, const QString& printer);
  void restoreAfterPrinting(int page);
  // `pages` into the PDF file `path`, whole or not at all; they count as printed.
  void savePages(const QString& path, const std::vector<int>& pages, const QString& caption);
  void onPrintFinished(const PrintOutcome& outcome);
  // After the printer setup: the sheets follow its paper, or it theirs.
  void followSheetPaper();
  void followJob(int jobId);

  PreviewDocument& document_;
  PrinterSelection& printers_;
  PagePrinter pagePrinter_;
  // The settings printing returns to: a print dialog's choice holds for its job only.
  PrinterSettings saved_;
  std::optional<PaperSize> sheetPaper_;
  PreviewQuestions qtQuestions_;
  PreviewQuestions* questions_ = &qtQuestions_;
  int currentPage_ = 1;
  QString printingOn_;                   // the printer of the print under way
  std::vector<int> printingPages_;       // and its pages
  std::optional<int> closeWhenPrinted_;  // the result the dialog was closed with meanwhile

  QToolBar* toolBar_ = nullptr;
  QToolButton* printButton_ = nullptr;
  QToolButton* pdfButton_ = nullptr;
  QToolButton* printerSetupButton_ = nullptr;
  QToolButton* firstPageButton_ = nullptr;
  QToolButton* previousPageButton_ = nullptr;
  QToolButton* nextPageButton_ = nullptr;
  QToolButton* lastPageButton_ = nullptr;
  QToolButton* zoomOutButton_ = nullptr;
  QToolButton* zoomInButton_ = nullptr;
  QToolButton* wholePageButton_ = nullptr;
  QToolButton* pageWidthButton_ = nullptr;
  QToolButton* closeButton_ = nullptr;
  PageWidget* pageWidget_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* pageStatus_ = nullptr;    // " Page  1/2  A4"
  QLabel* remarkStatus_ = nullptr;  // a panel of its own, for the page remarks
  QStringList pageRemarks_;
  QLabel* commandStatus_ = nullptr;  // what the last command did, such as where a PDF went
  QMenu* pageMenu_ = nullptr;
  QAction* copyPageAction_ = nullptr;
  QAction* copyWindowAction_ = nullptr;
  QAction* printWindowAction_ = nullptr;
  std::vector<PreviewSheet> sheets_;
  QWidget* classSetBar_ = nullptr;
  QSpinBox* sheetBox_ = nullptr;
  QComboBox* pageKindChoice_ = nullptr;
};

// What the status lines say of a job CUPS completed.
QString PrintedText(const QString& printer, int pages);

}  // namespace kazenori
