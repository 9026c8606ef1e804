// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QPointer>
#include <QRect>
#include <functional>
#include <initializer_list>

#include "preview/PageRecording.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QScrollArea;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace kazenori {

class TCustomplPrev;

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
// drawing of the page comes from the document (GetPageImage); the window only
// scales it, frames it and reports where it stands.
class TplPrevForm : public QDialog {
  Q_OBJECT

 public:
  // Runs the print dialog for `printer` with the page range preset; tests
  // answer it without a modal dialog.
  using PrintDialogRunner =
      std::function<PrintChoice(QPrinter& printer, int from, int to, int minPage, int maxPage)>;
  // Asks where to save the PDF; an empty answer cancels.
  using SaveFileAsker = std::function<QString(const QString& suggestion)>;

  explicit TplPrevForm(QWidget* parent = nullptr);
  ~TplPrevForm() override;

  // Links window and document both ways; applies the document's window
  // settings when the window is not visible yet.
  void Bind(TCustomplPrev* component);
  // Shows the window modally. Showing lays out the page and lets pending
  // events through, which may already close the window: then this returns at
  // once instead of waiting in a modal loop that nothing would end.
  int exec() override;
  TCustomplPrev* Component() const { return component_; }
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

  // The page image's bounds as the last zoom stored them.
  QRect StoredImageBounds() const { return stored_; }
  bool Dragging() const { return dragging_; }
  // Whether a window its component created deletes itself when closed; a
  // caller that shows it modally turns this off and deletes it afterwards.
  void SetReleaseOnClose(bool release) { releaseOnClose_ = release; }
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
  PrintChoice RunPrintDialog(QPrinter& printer, int from, int to, int minPage, int maxPage);

  QPointer<TCustomplPrev> component_;
  PrintDialogRunner runPrintDialog_;
  SaveFileAsker askSaveFile_;
  PageRecording shownPage_;
  bool shown_ = false;
  bool closing_ = false;
  bool releaseOnClose_ = true;
  bool dragging_ = false;
  QPoint pressPos_;
  QRect stored_;
};

}  // namespace kazenori
