// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
#include <exception>

#include "pages/previewdocument.h"
#include "preview/Messages.h"
#include "preview/PreviewWindowClipboard.h"
#include "print/pdfexport.h"
#include "print/printerselection.h"

namespace kazenori {

namespace {

QString PrintFailureText(const QString& printer) {
  return QStringLiteral("プリンタ「%1」で印刷できませんでした。").arg(printer);
}

// Why a file could not be saved, told from the place itself: the system's own
// reason comes in the language of the C library, not the teacher's.
QString SaveFailureText(const QString& path) {
  const QFileInfo file(path);
  const QFileInfo folder(file.absolutePath());
  QString reason;
  if (!folder.exists()) {
    reason = QStringLiteral("保存先のフォルダ「%1」がありません。")
                 .arg(QDir::toNativeSeparators(folder.filePath()));
  } else if (!folder.isDir()) {
    reason = QStringLiteral("「%1」はフォルダではありません。")
                 .arg(QDir::toNativeSeparators(folder.filePath()));
  } else if (file.isDir()) {
    reason = QStringLiteral("同じ名前のフォルダがあります。");
  } else if (file.exists() && !file.isWritable()) {
    reason = QStringLiteral("このファイルは書き換えできません。");
  } else if (!folder.isWritable()) {
    reason = QStringLiteral("保存先のフォルダ「%1」に書き込む権限がありません。")
                 .arg(QDir::toNativeSeparators(folder.filePath()));
  } else {
    reason = QStringLiteral("書き込み中にエラーが起きました（ディスクの空きが足りない場合など）。");
  }
  return QStringLiteral("「%1」にPDFを保存できませんでした。\n%2")
      .arg(QDir::toNativeSeparators(file.absoluteFilePath()), reason);
}

}  // namespace

void TplPrevForm::ActionPageCopyExecute() {
  if (!component_ || !component_->IsRecorded()) return;
  CopyPageToClipboard(component_->ComposedPage(currentPage_, PageUse::Screen));
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
  if (!component_ || !printers_) return;
  const QImage capture = CaptureWindow();
  CopyImageToClipboard(capture);
  QPrinter printer(QPrinter::HighResolution);
  printers_->ConfigurePrinter(printer);
  const PrintChoice choice = runPrintDialog_(printer, 0, 0, 0, 0);
  const int page = currentPage_;
  if (choice.accepted) {
    try {
      printers_->TakeFromPrinter(printer);
      QPrinter job(QPrinter::HighResolution);
      printers_->ConfigurePrinter(job);
      PrintHardCopy(job, capture);
    } catch (const std::exception&) {
      Messages::Current().Warning(PrintFailureText(printers_->PrinterName()),
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
  if (NoPrinter()) {
    Messages::Current().Information(NoPrinterText(), QStringLiteral("　印刷"));
    return;
  }
  const int page = currentPage_;
  QPrinter printer(QPrinter::HighResolution);
  printers_->ConfigurePrinter(printer);
  const PrintChoice choice = runPrintDialog_(printer, page, page, 1, component_->PageCount());
  if (!choice.accepted) return;
  PrintBtn->setEnabled(false);
  printers_->TakeFromPrinter(printer);
  int first = 0;
  int last = 0;
  if (choice.range == PrintChoice::Range::All) {
    first = 1;
    last = component_->PageCount();
  } else if (choice.range == PrintChoice::Range::Pages) {
    first = choice.from;
    last = choice.to;
  }
  const QString printerName = printers_->PrinterName();
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const PrintOutcome outcome = pagePrinter_.Print(*component_, printers_->Settings(), first, last);
  QGuiApplication::restoreOverrideCursor();
  ReportPrintOutcome(outcome, printerName);
  RestoreAfterPrinting(page);
}

void TplPrevForm::ReportPrintOutcome(const PrintOutcome& outcome, const QString& printer) {
  switch (outcome.result) {
    case PrintOutcome::Result::Printed:
      return;
    case PrintOutcome::Result::NothingRecorded:
      Messages::Current().Warning(QStringLiteral("Canvasへの描画コードが見つかりません．　　"),
                                  QStringLiteral("印刷プレビュー制御コンポーネント"));
      return;
    case PrintOutcome::Result::NoPrinter:
      Messages::Current().Information(NoPrinterText(), QStringLiteral("　印刷"));
      return;
    default:
      break;
  }
  // The window goes on as after a good print, but the user hears of it: a
  // sheet that silently never came out would be taken for printed. What CUPS
  // said follows, for whoever looks after the printer.
  Messages::Current().Warning(
      PrintFailureText(printer) + u'\n' + PrintFailureDetail(outcome, printer),
      QStringLiteral("　印刷"));
}

void TplPrevForm::RestoreAfterPrinting(int page) {
  if (!component_) return;
  if (printers_) printers_->SetSettings(saved_);
  currentPage_ = page;
  RefreshPageView();
  unsetCursor();
  update();
  ProcessPending();
}

void TplPrevForm::PdfBtnClick() {
  if (!component_ || !component_->IsRecorded()) return;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = askSaveFile_(QDir(folder).filePath(QStringLiteral("kazenori.pdf")));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  if (!PdfExport::Write(*component_, path)) {
    Messages::Current().Warning(SaveFailureText(path), QStringLiteral("　PDF保存"));
    return;
  }
  // A saved file is how a teacher prints later: every saved page counts as a
  // printed one, so the next sheet's number follows as after printing.
  const QPointer<PreviewDocument> document(component_);
  for (int page = 1; document && page <= document->PageCount(); ++page) emit pagePrinted(page);
  StatusPanel3->setText(QStringLiteral("保存しました: %1")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
  StatusPanel3->setToolTip(StatusPanel3->text());
}

void TplPrevForm::PrinterSetBtnClick() {
  if (!component_) return;
  if (NoPrinter()) {
    Messages::Current().Information(
        QStringLiteral("プリンタがインストールされていないので設定できません．　　"),
        QStringLiteral("　プリンタと用紙の設定"));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printers_->ConfigurePrinter(printer);
  if (!runSetupDialog_(printer)) return;
  PrinterSetBtn->setEnabled(false);
  try {
    // The dialog's choice stands, for this and every later print.
    printers_->TakeFromPrinter(printer);
    saved_ = printers_->Settings();
    component_->SetPaper(printers_->PagePaper(component_->PagePaper()));
    RefreshPageView();
  } catch (...) {
    PageWholeBtnClick();
    throw;
  }
  PageWholeBtnClick();
}

}  // namespace kazenori
