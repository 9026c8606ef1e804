// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTransform>
#include <QWidget>

class QIODevice;

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "preview/PageRecording.h"
#include "preview/plSetPrinter.h"

class QPainter;
class QPdfWriter;
class QPrinter;

namespace kazenori {

class TplPrevForm;

enum class TplPrevBtnOption : std::uint8_t {
  boPrintBtn,
  boPrinterSetBtn,
  boFirstPageBtn,
  boPriorPageBtn,
  boNextPageBtn,
  boLastPageBtn,
  boZoomDownBtn,
  boZoomUpBtn,
  boPageWholeBtn,
  boPageWidthBtn,
  boCloseBtn,
};

// A set of TplPrevBtnOption, bit n for the option with value n.
class TplPrevBtnOptions {
 public:
  constexpr TplPrevBtnOptions() = default;
  static TplPrevBtnOptions All() { return FromBits(0x07FF); }
  static constexpr TplPrevBtnOptions FromBits(std::uint16_t bits) {
    TplPrevBtnOptions o;
    o.bits_ = bits;
    return o;
  }
  bool Has(TplPrevBtnOption o) const { return bits_ & Bit(o); }
  void Include(TplPrevBtnOption o) { bits_ |= Bit(o); }
  void Exclude(TplPrevBtnOption o) { bits_ &= static_cast<std::uint16_t>(~Bit(o)); }
  std::uint16_t Bits() const { return bits_; }
  bool operator==(const TplPrevBtnOptions& o) const { return bits_ == o.bits_; }
  bool operator!=(const TplPrevBtnOptions& o) const { return bits_ != o.bits_; }

 private:
  static std::uint16_t Bit(TplPrevBtnOption o) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(o));
  }
  std::uint16_t bits_ = 0;
};

enum class TplPrevZoomType : std::uint8_t { ztWholePage, ztPageWidth, ztOther };
enum class TplPrevFormWindowState : std::uint8_t {
  fwNormal,
  fwMaximized,
  fwMinimized,
  fwWorkArea,
  fwFullScreen
};
enum class TplBorderIcon : std::uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
// Bit n for the TplBorderIcon with value n.
using TplBorderIcons = std::uint8_t;
enum class TplBorderStyle : std::uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
enum class TplFormPosition : std::uint8_t {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TplCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };

// The paper values stored with a window design, used when no printer exists.
struct DesignPaperValue {
  QString printerName;
  QString paperName = QStringLiteral("A4");
  QString sourceName;
  int paperWidth = 2100;
  int paperHeight = 2970;
  int verticalResolution = 600;
  int horizontalResolution = 600;
  int landscape = 0;
  int printableLeft = 35;
  int printableRight = 2067;
  int printableTop = 31;
  int printableBottom = 2921;
  int paperCode = 9;
};
// The list form: three quoted strings and ten integers in field order.
QString WriteDesignPaperValue(const DesignPaperValue& v);
// Fills `v` item by item and stops silently at the first malformed item.
void ReadDesignPaperValue(const QString& text, DesignPaperValue& v);

// The pages Print sends for a chosen range: the range in ascending order,
// both ends lowered to the page count, a first end of 0 or less meaning page 1
// and a last end of 0 or less the last page (so 0..0 is every page).
struct PrintRange {
  int first;
  int last;
};
PrintRange NormalisedPrintRange(int first, int last, int pageCount);

// One text operation as the caller issued it, before any side-bearing
// correction: what the composition tests and the JSON output read.
struct TextOperation {
  enum class Kind { Left, LeftMid, Center, Right };
  Kind kind = Kind::Left;
  int x = 0;
  int y = 0;
  int fontHeight = 0;  // pixel size of the font, 0.1 mm
  bool bold = false;
  bool italic = false;
  bool underline = false;
  QColor colour;
  QString family;
  QString text;
};

// The preview document: pages recorded once in 0.1 mm from the paper's
// top-left corner, then shown, printed and written to PDF from that recording.
//
// Canvas(): a QPainter valid from BeginDoc to EndDoc (nullptr otherwise, except
// inside OnNoPrintDraw/OnBeforeView). Fonts are set on it with pixel sizes in
// 0.1 mm (QFont::setPixelSize), the font colour is the pen colour.
// Events are std::function members; Sender is the component (or the window for
// the window's events).
class TCustomplPrev : public QObject {
  Q_OBJECT
 public:
  using PageEvent = std::function<void(QObject* sender, int page)>;
  using NotifyEvent = std::function<void(QObject* sender)>;
  using PrintButtonEvent = std::function<void(QObject* sender, bool& canPrint)>;
  using CloseEvent = std::function<void(QObject* sender, TplCloseAction& action)>;
  using CloseQueryEvent = std::function<void(QObject* sender, bool& canClose)>;

  // With PrinterAccess::DesignPaper the component never asks CUPS: it has no
  // printer and keeps the design paper values.
  explicit TCustomplPrev(QObject* owner = nullptr, const QString& name = QString(),
                         PrinterAccess access = PrinterAccess::Cups);
  ~TCustomplPrev() override;

  // Recording (plPrevRecord.cpp).
  virtual void BeginDoc();
  virtual void NewPage();
  virtual void EndDoc();
  // A further document on the paper the last BeginDoc found, the printer not
  // asked again (that costs more than recording a sheet): for documents
  // written one after another. BeginDoc when none was begun.
  void BeginNextDoc();
  QPainter* Canvas() const;
  void TextOutLeft(int x, int y, const QString& text);
  void TextOutLeftMid(int x, int y, const QString& text);
  void TextOutCenter(int x, int y, const QString& text);
  void TextOutRight(int x, int y, const QString& text);
  // Text operations of a finished page (1-based), in drawing order.
  const std::vector<TextOperation>& TextOperations(int page) const;
  // A finished page as recorded (1-based), nullptr when it does not exist.
  const PageRecording* Page(int page) const;

  // The window (plPrevView.cpp and the preview window).
  virtual void Preview();
  virtual void ShowPreview();
  virtual void PrintWithDialog();
  virtual bool ShowPage(int page);
  virtual void ClosePreview();
  // Hook before the window is used and before printing without a visible window.
  virtual void PrepareForm() {}

  // Printing (plPrevPrint.cpp). Errors while a page prints end the job cleanly
  // and then propagate (std::exception); the two user messages go to Messages.
  virtual void Print();
  bool IsAcrobatPrinter() const;
  // Writes the recorded pages to a PDF file at full resolution on the document's
  // paper, text searchable. The file is replaced atomically: on failure the old
  // file stays and `error` says why.
  bool WritePdf(const QString& path, QString* error = nullptr);
  // The same into an open device; the caller owns replacing any file.
  bool WritePdf(QIODevice& device, QString* error = nullptr);

  // A PDF kept open on a device while documents are recorded one after
  // another: each Append paints the pages of the document as it now stands
  // after the pages already written, so that a long run holds one document at
  // a time (the next BeginDoc drops the pages written). The paper and title
  // are the first appended document's. WritePdf is one Append and Close.
  class PdfOutput {
   public:
    explicit PdfOutput(QIODevice& device);
    ~PdfOutput();
    PdfOutput(const PdfOutput&) = delete;
    PdfOutput& operator=(const PdfOutput&) = delete;
    bool Append(TCustomplPrev& document, QString* error = nullptr);
    // Ends the file; false, with `error` set, when nothing was appended.
    bool Close(QString* error = nullptr);

   private:
    QIODevice& device_;
    std::unique_ptr<QPdfWriter> writer_;
    std::unique_ptr<QPainter> painter_;
    QTransform mapping_;
    int written_ = 0;
  };

  // Composes page (clamped to 1..PageCount) for display or printing: the paper
  // background, OnNoPrintDraw and the tractor-feed decoration unless printing,
  // the page, then OnBeforeView. nullptr without a document. Owned by the
  // component, valid until the next call.
  virtual const PageRecording* GetPageImage(int page);

  // Page metrics (plPrev.cpp).
  void ComputePageMetrics();
  bool NoPrinter() const { return noPrinter_; }
  // Why there is nothing to print on: no printer installed, or a print server
  // that did not answer.
  QString NoPrinterText() const;
  bool DocumentRecorded() const { return recorded_; }
  TplSetPrinter* plSetPrinter() const { return setPrinter_; }
  void SetplSetPrinter(TplSetPrinter* settings);
  TplSetPrinter* InternalPrinterSettings() const { return internal_.get(); }
  const DesignPaperValue& DesignPaper() const { return design_; }
  void SetDesignPaperValue(const QString& text);
  QString DesignPaperValueText();
  // The saved printer settings: BeginDoc takes them; the window restores them after a print.
  QString SavedPrinterSettings() const { return savedSettings_; }
  void SaveCurrentPrinterSettings();
  void RestorePrinterSettings();

  int PaperWidth() const { return paperWidth_; }
  int PaperHeight() const { return paperHeight_; }
  int PrintableLeft() const { return printableLeft_; }
  int PrintableTop() const { return printableTop_; }
  int PrintableRight() const { return printableRight_; }
  int PrintableBottom() const { return printableBottom_; }
  int PrintableWidth() const { return printableWidth_; }
  int PrintableHeight() const { return printableHeight_; }
  int HorizontalResolution() const { return hres_; }
  int VerticalResolution() const { return vres_; }
  int DeviceOffsetX() const { return devOffsetX_; }
  int DeviceOffsetY() const { return devOffsetY_; }
  int ViewPageWidth() const { return viewWidth_; }
  int ViewPageHeight() const { return viewHeight_; }
  void SetViewPageSize(int width, int height);
  // Page name shown by the window: the printer's paper, or the design paper name.
  QString PaperName() const;
  QString DesignPaperName() const { return design_.paperName; }
  QString PaperSourceName() const { return sourceName_; }

  int PageCount() const { return pageCount_; }
  void SetPageCount(int count);
  int CurrentPage() const { return currentPage_; }
  void SetCurrentPage(int page) { currentPage_ = page; }
  int PrintRangeFirst() const { return rangeFirst_; }
  int PrintRangeLast() const { return rangeLast_; }
  void SetPrintRange(int first, int last) {
    rangeFirst_ = first;
    rangeLast_ = last;
  }
  bool Printing() const { return printing_; }

  // Properties.
  QString Title() const { return title_; }
  void SetTitle(const QString& t) { title_ = t; }
  Qt::CursorShape Cursor() const { return cursor_; }
  void SetCursor(Qt::CursorShape c) { cursor_ = c; }
  TplPrevBtnOptions BtnOptions() const { return btnOptions_; }
  void SetBtnOptions(TplPrevBtnOptions o) { btnOptions_ = o; }
  QColor PaperColor() const { return paperColor_; }
  void SetPaperColor(const QColor& c) { paperColor_ = c; }
  QColor FormColor() const { return formColor_; }
  void SetFormColor(const QColor& c) { formColor_ = c; }
  TplPrevZoomType ZoomType() const { return zoomType_; }
  void SetZoomType(TplPrevZoomType z) { zoomType_ = z; }
  bool ViewClip() const { return viewClip_; }
  void SetViewClip(bool v) { viewClip_ = v; }
  bool InversePrint() const { return inversePrint_; }
  void SetInversePrint(bool v) { inversePrint_ = v; }
  int PrintOffsetX() const { return printOffsetX_; }
  void SetPrintOffsetX(int v) { printOffsetX_ = v; }
  int PrintOffsetY() const { return printOffsetY_; }
  void SetPrintOffsetY(int v) { printOffsetY_ = v; }
  bool ImageDrag() const { return imageDrag_; }
  void SetImageDrag(bool v) { imageDrag_ = v; }
  bool ImageShade() const { return imageShade_; }
  void SetImageShade(bool v) { imageShade_ = v; }
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int v) { leftMargin_ = v; }
  int TopMargin() const { return topMargin_; }
  void SetTopMargin(int v) { topMargin_ = v; }
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int v) { rightMargin_ = v; }
  int BottomMargin() const { return bottomMargin_; }
  void SetBottomMargin(int v) { bottomMargin_ = v; }
  int HeaderMargin() const { return headerMargin_; }
  void SetHeaderMargin(int v) { headerMargin_ = v; }
  int FooterMargin() const { return footerMargin_; }
  void SetFooterMargin(int v) { footerMargin_ = v; }

  // Window settings handed to the preview window.
  QString FormName() const { return formName_; }
  void SetFormName(const QString& n) { formName_ = n; }
  int FormLeft() const { return formLeft_; }
  void SetFormLeft(int v) { formLeft_ = v; }
  int FormTop() const { return formTop_; }
  void SetFormTop(int v) { formTop_ = v; }
  int FormWidth() const { return formWidth_; }
  void SetFormWidth(int v) { formWidth_ = v; }
  int FormHeight() const { return formHeight_; }
  void SetFormHeight(int v) { formHeight_ = v; }
  TplPrevFormWindowState FormWindowState() const { return formWindowState_; }
  void SetFormWindowState(TplPrevFormWindowState s) { formWindowState_ = s; }
  QIcon FormIcon() const { return formIcon_; }
  void SetFormIcon(const QIcon& i) { formIcon_ = i; }
  TplBorderIcons FormBorderIcons() const { return formBorderIcons_; }
  void SetFormBorderIcons(TplBorderIcons i) { formBorderIcons_ = i; }
  TplBorderStyle FormBorderStyle() const { return formBorderStyle_; }
  void SetFormBorderStyle(TplBorderStyle s) { formBorderStyle_ = s; }
  TplFormPosition FormPosition() const { return formPosition_; }
  void SetFormPosition(TplFormPosition p) { formPosition_ = p; }
  bool FormCanMove() const { return formCanMove_; }
  void SetFormCanMove(bool v) { formCanMove_ = v; }
  bool FormCanResize() const { return formCanResize_; }
  void SetFormCanResize(bool v) { formCanResize_ = v; }
  bool FormStatusBar() const { return formStatusBar_; }
  void SetFormStatusBar(bool v) { formStatusBar_ = v; }
  bool FormIconBar() const { return formIconBar_; }
  void SetFormIconBar(bool v) { formIconBar_ = v; }
  QString StatusBarText() const { return statusBarText_; }
  void SetStatusBarText(const QString& t) { statusBarText_ = t; }

  // Window state shared with the preview window. Busy() is true while Preview,
  // ShowPreview or ShowPage runs (the original "busy flag" held the inverse).
  bool Busy() const { return busy_; }
  void SetBusy(bool b) { busy_ = b; }
  bool WindowShown() const { return windowShown_; }
  void SetWindowShown(bool v) { windowShown_ = v; }
  bool OwnsWindow() const { return ownsWindow_; }
  void SetOwnsWindow(bool v) { ownsWindow_ = v; }
  // The window showing this document; the window clears it when it closes.
  TplPrevForm* PreviewWindow() const { return window_; }
  void SetPreviewWindow(TplPrevForm* w) { window_ = w; }
  // A window of another class found by FormName.
  QWidget* ForeignWindow() const { return foreignWindow_; }
  void SetForeignWindow(QWidget* w) { foreignWindow_ = w; }

  // Events.
  PageEvent OnPrint;
  PageEvent OnNoPrintDraw;
  PageEvent OnBeforeView;
  PageEvent OnAfterView;
  PageEvent OnResize;
  NotifyEvent OnFormShow;
  NotifyEvent OnFormDestroy;
  NotifyEvent OnPrinterSetupDialog;
  CloseEvent OnFormClose;
  CloseQueryEvent OnFormCloseQuery;
  PrintButtonEvent OnPrintButtonClick;

 protected:
  void ApplyDesignPaper();
  void StartDocument(bool askPrinter);
  void StartPageRecording(bool newDocument);
  void SetupPageMapping(bool withBackground);
  void DrawPaperBackground();
  void StorePage();
  void TextOut(TextOperation::Kind kind, int x, int y, const QString& text);
  // Maps a page onto `printer` for one printed sheet (the printer's paint rect
  // is its device origin).
  QTransform PrinterMapping(const QPrinter& printer) const;
  void PrintPages(QPrinter& printer, int first, int last);

 private:
  bool noPrinter_ = true;
  // The print server that did not answer this component or the settings linked
  // to it; empty when none did.
  QString silentServer_;
  std::unique_ptr<TplSetPrinter> internal_;
  QPointer<TplSetPrinter> setPrinter_;
  DesignPaperValue design_;
  QString sourceName_;
  QString savedSettings_;
  int devOffsetX_ = 0;
  int devOffsetY_ = 0;
  TplPrevBtnOptions btnOptions_;
  PageRecording recording_;  // the page being recorded
  PageRecording composed_;   // the page GetPageImage composes
  std::vector<PageRecording> pages_;
  std::vector<std::vector<TextOperation>> textOps_;
  std::vector<TextOperation> currentOps_;
  PageRecorder recorder_{&recording_};
  std::unique_ptr<QPainter> canvas_;
  PageRecorder composeRecorder_{&composed_};
  std::unique_ptr<QPainter> composeCanvas_;
  bool composing_ = false;
  bool outputMode_ = false;  // composing for PDF output: no display background
  bool busy_ = false;
  Qt::CursorShape cursor_ = Qt::WaitCursor;
  bool cursorSet_ = false;
  QString title_;
  bool ownsWindow_ = false;
  bool windowShown_ = false;
  TplPrevForm* window_ = nullptr;
  QPointer<QWidget> foreignWindow_;
  QString formName_;
  int formLeft_ = 20;
  int formTop_ = 20;
  int formWidth_ = 0;
  int formHeight_ = 0;
  TplPrevFormWindowState formWindowState_ = TplPrevFormWindowState::fwNormal;
  QIcon formIcon_;
  TplBorderIcons formBorderIcons_ = 0x07;
  TplBorderStyle formBorderStyle_ = TplBorderStyle::bsSizeable;
  TplFormPosition formPosition_ = TplFormPosition::poDefault;
  bool formCanMove_ = true;
  bool formCanResize_ = true;
  bool formStatusBar_ = true;
  QString statusBarText_;
  bool formIconBar_ = true;
  QColor formColor_;
  bool recorded_ = false;
  QColor paperColor_ = Qt::white;
  TplPrevZoomType zoomType_ = TplPrevZoomType::ztWholePage;
  int devPageWidth_ = 0;
  int devPageHeight_ = 0;
  int devPrintableWidth_ = 0;
  int devPrintableHeight_ = 0;
  int vres_ = 600;
  int hres_ = 600;
  int paperWidth_ = 2100;
  int printableWidth_ = 0;
  int printableHeight_ = 0;
  int paperHeight_ = 2970;
  int printableTop_ = 0;
  int printableBottom_ = 0;
  int printableLeft_ = 0;
  int printableRight_ = 0;
  int printOffsetX_ = 0;
  int printOffsetY_ = 0;
  int rangeFirst_ = 0;
  int rangeLast_ = 0;
  int viewWidth_ = 0;
  int viewHeight_ = 0;
  bool viewClip_ = true;
  int pageCount_ = 1;
  int currentPage_ = 1;
  bool imageDrag_ = true;
  bool imageShade_ = true;
  bool inversePrint_ = false;
  bool printing_ = false;
  int leftMargin_ = 0;
  int topMargin_ = 0;
  int rightMargin_ = 0;
  int bottomMargin_ = 0;
  int headerMargin_ = 0;
  int footerMargin_ = 0;
};

// The published component; adds nothing.
class TplPrev : public TCustomplPrev {
  Q_OBJECT
 public:
  using TCustomplPrev::TCustomplPrev;
};

}  // namespace kazenori
