// The preview window's printing, PDF saving and clipboard commands.
#include "preview/PLPREVFRM.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "preview/Messages.h"
#include "preview/PreviewWindowClipboard.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

void TplPrevForm::ActionPageCopyExecute() {
  if (!component_ || !component_->DocumentRecorded()) return;
  if (const PageRecording* page = component_->GetPageImage(component_->CurrentPage())) {
    CopyPageToClipboard(*page);
  }
  ProcessPending();
}

QImage TplPrevForm::CaptureWindow() {
  return grab().toImage();
}

void TplPrevForm::ActionDispCopyExecute() {
  CopyImageToClipboard(CaptureWindow());
  ProcessPending();
}

void TplPrevForm::ActionHardCopyExecute() {
  if (!component_ || !component_->plSetPrinter()) return;
  const QImage capture = CaptureWindow();
  CopyImageToClipboard(capture);
  QPrinter printer(QPrinter::HighResolution);
  component_->plSetPrinter()->ConfigurePrinter(printer);
  const PrintChoice choice = runPrintDialog_(printer, 0, 0, 0, 0);
  const int page = component_->CurrentPage();
  if (choice.accepted) {
    try {
      component_->plSetPrinter()->SyncFromPrinter(printer);
      QPrinter job(QPrinter::HighResolution);
      component_->plSetPrinter()->ConfigurePrinter(job);
      PrintHardCopy(job, capture);
    } catch (const std::exception& error) {
      Messages::Current().Warning(QString::fromUtf8(error.what()),
                                  QStringLiteral("　画面ハードコピー"));
    }
  }
  RestoreAfterPrinting(page);
}

// The capture across the printable width less a tenth on each side, a
// twentieth of it below the top, its height following its own proportions.
void TplPrevForm::PrintHardCopy(QPrinter& printer, const QImage& capture) {
  if (capture.isNull()) return;
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("the hard copy could not be started");
  const int printable = printer.pageLayout().paintRectPixels(printer.resolution()).width();
  const int b = printable / 10;
  const int c = b / 2;
  const double ratio = static_cast<double>(capture.height()) / capture.width();
  const int bottom = c + static_cast<int>(std::nearbyint((printable - 2 * b) * ratio));
  painter.drawImage(QRect(QPoint(b, c), QPoint(printable - b, bottom)), capture);
  painter.end();
}

PrintChoice TplPrevForm::RunPrintDialog(QPrinter& printer, int from, int to, int minPage,
                                        int maxPage) {
  QPrintDialog dialog(&printer, this);
  if (maxPage > 0) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(minPage, maxPage);
    dialog.setFromTo(from, to);
  } else {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  }
  PrintChoice choice;
  choice.accepted = dialog.exec() == QDialog::Accepted;
  switch (dialog.printRange()) {
    case QAbstractPrintDialog::PageRange:
      choice.range = PrintChoice::Range::Pages;
      choice.from = dialog.fromPage();
      choice.to = dialog.toPage();
      break;
    case QAbstractPrintDialog::CurrentPage:
      choice.range = PrintChoice::Range::Pages;
      choice.from = choice.to = from;
      break;
    case QAbstractPrintDialog::Selection:
      choice.range = PrintChoice::Range::Selection;
      break;
    case QAbstractPrintDialog::AllPages:
      choice.range = PrintChoice::Range::All;
      break;
  }
  return choice;
}

void TplPrevForm::PrintBtnClick() {
  if (!component_) return;
  bool canPrint = !component_->NoPrinter();
  if (component_->OnPrintButtonClick) {
    component_->OnPrintButtonClick(this, canPrint);
    if (!canPrint) return;
  }
  if (component_->NoPrinter()) {
    Messages::Current().Information(component_->NoPrinterText(), QStringLiteral("　印刷"));
    return;
  }
  const int page = component_->CurrentPage();
  component_->SetPrintRange(0, 0);
  QPrinter printer(QPrinter::HighResolution);
  component_->plSetPrinter()->ConfigurePrinter(printer);
  const PrintChoice choice = runPrintDialog_(printer, page, page, 1, component_->PageCount());
  if (!choice.accepted) return;
  PrintBtn->setEnabled(false);
  component_->plSetPrinter()->SyncFromPrinter(printer);
  switch (choice.range) {
    case PrintChoice::Range::All:
      component_->SetPrintRange(1, component_->PageCount());
      break;
    case PrintChoice::Range::Pages:
      component_->SetPrintRange(choice.from, choice.to);
      break;
    case PrintChoice::Range::Selection:
      break;
  }
  try {
    component_->Print();
  } catch (const std::exception& error) {
    // The window goes on as after a good print, but the user hears of it:
    // a sheet that silently never came out would be taken for printed.
    Messages::Current().Warning(QString::fromUtf8(error.what()), QStringLiteral("　印刷"));
  } catch (...) {
    Messages::Current().Warning(QStringLiteral("印刷できませんでした。"), QStringLiteral("　印刷"));
  }
  RestoreAfterPrinting(page);
}

void TplPrevForm::RestoreAfterPrinting(int page) {
  if (!component_) return;
  component_->RestorePrinterSettings();
  component_->SetCurrentPage(page);
  RefreshPageView();
  unsetCursor();
  update();
  ProcessPending();
}

void TplPrevForm::PdfBtnClick() {
  if (!component_ || !component_->DocumentRecorded()) return;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = askSaveFile_(QDir(folder).filePath(QStringLiteral("kazenori.pdf")));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  QString error;
  if (!component_->WritePdf(path, &error)) {
    Messages::Current().Warning(QStringLiteral("PDFを保存できませんでした: %1").arg(error),
                                QStringLiteral("　PDF保存"));
  }
}

void TplPrevForm::PrinterSetBtnClick() {
  if (!component_) return;
  if (component_->NoPrinter()) {
    Messages::Current().Information(
        QStringLiteral("プリンタがインストールされていないので設定できません．　　"),
        QStringLiteral("　プリンタと用紙の設定"));
    return;
  }
  TplSetPrinter* settings = component_->plSetPrinter();
  if (!settings || !settings->ExecuteSetupDialog()) return;
  PrinterSetBtn->setEnabled(false);
  try {
    settings->SyncFromPrinter(true);
    component_->SaveCurrentPrinterSettings();
    component_->ComputePageMetrics();
    component_->SetViewPageSize(component_->PaperWidth(), component_->PaperHeight());
    if (component_->OnPrinterSetupDialog) component_->OnPrinterSetupDialog(this);
    RefreshPageView();
  } catch (...) {
    PageWholeBtnClick();
    throw;
  }
  PageWholeBtnClick();
}

}  // namespace kazenori
