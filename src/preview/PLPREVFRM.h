// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QPointer>
#include <QRect>
#include <functional>
#include <initializer_list>

#include "pages/pagerecording.h"
#include "pages/previewdocument.h"
#include "print/pageprinter.h"
#include "print/printersettings.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace kazenori {

class PreviewDocument;
class PrinterSelection;

// What the user chose in the print dialog.
struct PrintChoice {
  enum class Range { All, Pages, Selection };
  bool accepted = false;
  Range range = Range::All;
  int from = 0;
  int to = 0;
};

// The page as the preview shows it: the recording stretched over the widget.
class TplPrevImage : public QWidget {
  Q_OBJECT

 public:
  explicit TplPrevImage(QWidget* parent);
  // The picture shown; nullptr shows nothing. Not owned.
  void SetPicture(const PageRecording* picture);
  const PageRecording* Picture() const { return picture_; }

 signals:
  void Pressed(QMouseEvent* event);
  void Moved(QMouseEvent* event);
  void Released(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  const PageRecording* picture_ = nullptr;
};

// The preview window: shows the pages of a preview document one at a time,
// pages through them, zooms, drags the page, copies it and prints it. All
// drawing of the page comes from the document (ComposedPage); the window only
// scales it, frames it and reports where it stands. Printing goes through its
// page printer on the printer selection it is given; every page printed, or
// saved as PDF, is announced by pagePrinted.
class TplPrevForm : public QDialog {
  Q_OBJECT

 public:
  // Runs the print dialog for `printer` with the page range preset; tests
  // answer it without a modal dialog.
  using PrintDialogRunner =
      std::function<PrintChoice(QPrinter& printer, int from, int to, int minPage, int maxPage)>;
  // Asks where to save the PDF; an empty answer cancels.
  using SaveFileAsker = std::function<QString(const QString& suggestion)>;
  // Runs the page-setup dialog on `printer`; true when confirmed.
  using SetupDialogRunner = std::function<bool(QPrinter& printer)>;

  explicit TplPrevForm(QWidget* parent = nullptr);
  ~TplPrevForm() override;

  // The document to show and the printers to print on (none: no printer),
  // neither owned; applies the window settings when it is not visible yet.
  void Bind(PreviewDocument* document, PrinterSelection* printers);
  // Shows the window modally. Showing lays out the page and lets pending
  // events through, which may already close the window: then this returns at
  // once instead of waiting in a modal loop that nothing would end.
  int exec() override;
  PreviewDocument* Document() const { return component_; }
  PrinterSelection* Printers() const { return printers_; }
  // The page shown (1-based).
  int CurrentPage() const { return currentPage_; }
  bool ShowPage(int page);
  enum class Zoom { WholePage, PageWidth, Free };
  Zoom ZoomKind() const { return zoom_; }
  bool NoPrinter() const;
  // Why there is nothing to print on: no printer installed, or a print server
  // that did not answer.
  QString NoPrinterText() const;
  void ApplyWindowSettings();

  // Shows the document's current page and updates buttons and status bar.
  void RefreshPageView();

  // Layouts and zoom steps of the tool bar.
  void PageWholeBtnClick();
  void PageWidthBtnClick();
  void ZoomDownBtnClick();
  void ZoomUpBtnClick();
  void FirstPageBtnClick();
  void PriorPageBtnClick();
  void NextPageBtnClick();
  void LastPageBtnClick();
  void PrintBtnClick();
  void PdfBtnClick();
  void PrinterSetBtnClick();

  // The context menu's commands.
  void ActionPageCopyExecute();
  void ActionDispCopyExecute();
  void ActionHardCopyExecute();

  void SetPrintDialogRunner(PrintDialogRunner runner) { runPrintDialog_ = std::move(runner); }
  void SetSaveFileAsker(SaveFileAsker asker) { askSaveFile_ = std::move(asker); }
  void SetSetupDialogRunner(SetupDialogRunner runner) { runSetupDialog_ = std::move(runner); }

  // The page image's bounds as the last zoom stored them.
  QRect StoredImageBounds() const { return stored_; }
  bool Dragging() const { return dragging_; }
  bool Shown() const { return shown_; }

  QToolBar* IconBar;
  QToolButton* PrintBtn;
  QToolButton* PdfBtn;
  QToolButton* PrinterSetBtn;
  QToolButton* FirstPageBtn;
  QToolButton* PriorPageBtn;
  QToolButton* NextPageBtn;
  QToolButton* LastPageBtn;
  QToolButton* ZoomDownBtn;
  QToolButton* ZoomUpBtn;
  QToolButton* PageWholeBtn;
  QToolButton* PageWidthBtn;
  QToolButton* CloseBtn;
  QStatusBar* StatusBar;
  QLabel* StatusPanel1;
  QLabel* StatusPanel2;
  QLabel* StatusPanel3;  // what the last command did, such as where a PDF went
  QWidget* DisplayPanel;
  QScrollArea* ScrollBox1;
  QWidget* Shape2;  // the page's shadow
  TplPrevImage* Image1;
  QWidget* Shape1;  // the page's frame
  QMenu* PopupMenu1;
  QAction* N1;
  QAction* N2;
  QAction* N3;
  QAction* N4;

 signals:
  void pagePrinted(int page);

 protected:
  void reject() override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* AddButton(const QString& caption, const QString& hint, int width, const QIcon& icon,
                         void (TplPrevForm::*handler)());
  void AddSpacer(int width);
  void BindKeys(QToolButton* button, std::initializer_list<QKeySequence> keys);
  void SetButtonVisible(QToolButton* button, bool visible);
  // Processes pending events; false when the window was closed meanwhile.
  bool ProcessPending();
  void FormShow();
  double Aspect() const;
  void SetImageBounds(const QRect& bounds);
  void PlaceFrameAndShadow();
  void ShowScrollBars(bool show);
  void MoveImageBy(const QPoint& delta);
  void ImageMouseDown(QMouseEvent* event);
  void ImageMouseMove(QMouseEvent* event);
  void ImageMouseUp(QMouseEvent* event);
  bool WheelScroll(QWheelEvent* event);
  QImage CaptureWindow();
  void PrintHardCopy(QPrinter& printer, const QImage& capture);
  void RestoreAfterPrinting(int page);
  void ReportPrintOutcome(const PrintOutcome& outcome, const QString& printer);
  PrintChoice RunPrintDialog(QPrinter& printer, int from, int to, int minPage, int maxPage);

  QPointer<PreviewDocument> component_;
  PrinterSelection* printers_ = nullptr;
  PagePrinter pagePrinter_;
  // The settings printing returns to: a print dialog's choice holds for its job only.
  PrinterSettings saved_;
  int currentPage_ = 1;
  Zoom zoom_ = Zoom::WholePage;
  PrintDialogRunner runPrintDialog_;
  SaveFileAsker askSaveFile_;
  SetupDialogRunner runSetupDialog_;
  PageRecording shownPage_;
  bool shown_ = false;
  bool closing_ = false;
  bool dragging_ = false;
  QPoint pressPos_;
  QRect stored_;
};

}  // namespace kazenori
