// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The preview dialog's printing, PDF saving and clipboard commands.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cmath>
#include <utility>

#include "pages/previewdocument.h"
#include "print/jobwatch.h"
#include "print/pdfexport.h"
#include "print/printerselection.h"
#include "ui/messages.h"
#include "ui/pageclipboard.h"
#include "ui/pagewidget.h"
#include "ui/previewdialog.h"

namespace kazenori {

namespace {

// Pages laid out on one paper print whole on the other.
bool SameSize(const Paper& a, const Paper& b) {
  return a.width == b.width && a.height == b.height;
}

QString PrintFailureText(const QString& printer) {
  return QStringLiteral("プリンタ「%1」で印刷できませんでした。").arg(printer);
}

// The print layer's own reasons in the window's language; a reason CUPS or
// the printer's administrator gave passes as it is.
QString ReasonText(const QString& reason) {
  static const std::pair<const char*, const char*> kReasons[] = {
      {"the print server did not answer", "印刷サーバーが応答しませんでした"},
      {"the job was not accepted", "印刷ジョブが受け付けられませんでした"},
      {"it rejects jobs", "印刷ジョブを受け付けていません"},
      {"the printer took no page", "プリンタがページを受け取りませんでした"},
      {"the printer's page is unknown", "プリンタの用紙がわかりません"},
      {"the queue is stopped", "プリンタが停止しています"},
  };
  for (const auto& [english, japanese] : kReasons) {
    if (reason == QLatin1String(english)) return QString::fromUtf8(japanese);
  }
  return reason;
}

// Why a print did not come out, in one line for whoever looks after the printer.
QString FailureDetail(const PrintOutcome& outcome) {
  QString reason = ReasonText(outcome.detail);
  switch (outcome.result) {
    case PrintOutcome::Result::Refused:
      return QStringLiteral("プリンタが印刷ジョブを受け付けていません: %1").arg(reason);
    case PrintOutcome::Result::NotStarted:
      return QStringLiteral("印刷ジョブを始められませんでした: %1").arg(reason);
    case PrintOutcome::Result::Failed:
      return QStringLiteral("印刷ジョブが中止されました: %1").arg(reason);
    case PrintOutcome::Result::ServerSilent:
      return QStringLiteral("印刷サーバーが応答しませんでした。");
    case PrintOutcome::Result::Busy:
      return QStringLiteral("ほかの印刷が終わっていません。");
    default:
      return reason;
  }
}

// A sheet made for `paper` on a printer without it: scaled to fill that
// paper, it would be cut off on any other.
QString NoSheetPaperText(const QString& printer, PaperSize paper) {
  const QString name = QString::fromLatin1(PaperName(paper));
  return QStringLiteral(
             "プリンタ「%1」には%2の用紙がありません。%2のプリントは、ほかの用紙では"
             "切れてしまいます。")
      .arg(printer, name);
}

QString HeldText(const QString& printer, const PrintOutcome& outcome) {
  return QStringLiteral("プリンタ「%1」の印刷ジョブは待機中で、まだ印刷されていません。\n%2")
      .arg(printer, ReasonText(outcome.detail));
}

void SetStatus(QLabel* status, const QString& text) {
  if (!status) return;
  status->setText(text);
  status->setToolTip(text);
}

// A print's outcome, as CUPS last reported its job: in `status` (where there
// is one still) for a job completed or still on its way, else in a box.
void TellPrintOutcome(const PrintOutcome& outcome, const QString& printer, int pages,
                      QLabel* status) {
  switch (outcome.result) {
    case PrintOutcome::Result::Printed:
      SetStatus(status, PrintedText(printer, pages));
      return;
    case PrintOutcome::Result::InProgress:
      // A slow printer: CUPS goes on with the job, which may still come out.
      SetStatus(status,
                QStringLiteral("印刷中です（まだ終わっていません）: プリンタ「%1」").arg(printer));
      return;
    case PrintOutcome::Result::Held:
      Messages::Current().Warning(HeldText(printer, outcome), QStringLiteral("　印刷"));
      return;
    default:
      break;
  }
  // The dialog goes on as after a good print, but the user hears of it: a
  // sheet that silently never came out would be taken for printed. What CUPS
  // said follows, for whoever looks after the printer.
  Messages::Current().Warning(PrintFailureText(printer) + u'\n' + FailureDetail(outcome),
                              QStringLiteral("　印刷"));
}

// Why a file could not be saved, told from the place itself: the system's own
// reason comes in the language of the C library, not the teacher's.
QString SaveFailureReason(const QFileInfo& file) {
  const QFileInfo folder(file.absolutePath());
  const QString folderName = QDir::toNativeSeparators(folder.filePath());
  if (!folder.exists())
    return QStringLiteral("保存先のフォルダ「%1」がありません。").arg(folderName);
  if (!folder.isDir()) return QStringLiteral("「%1」はフォルダではありません。").arg(folderName);
  if (file.isDir()) return QStringLiteral("同じ名前のフォルダがあります。");
  if (file.exists() && !file.isWritable()) {
    return QStringLiteral("このファイルは書き換えできません。");
  }
  if (!folder.isWritable()) {
    return QStringLiteral("保存先のフォルダ「%1」に書き込む権限がありません。").arg(folderName);
  }
  return QStringLiteral("書き込み中にエラーが起きました（ディスクの空きが足りない場合など）。");
}

QString SaveFailureText(const QString& path) {
  const QFileInfo file(path);
  return QStringLiteral("「%1」にPDFを保存できませんでした。\n%2")
      .arg(QDir::toNativeSeparators(file.absoluteFilePath()), SaveFailureReason(file));
}

// The pages a print dialog's choice prints, in order: a set as it names
// them, pages the document does not have left out.
std::vector<int> ChosenPages(const PrintChoice& choice, int pageCount) {
  std::vector<int> pages;
  if (choice.range == PrintChoice::Range::Pages && !choice.pages.empty()) {
    for (const int page : choice.pages) {
      if (page >= 1 && page <= pageCount) pages.push_back(page);
    }
    return pages;
  }
  PageRange range{0, 0};
  if (choice.range == PrintChoice::Range::All) range = {1, pageCount};
  if (choice.range == PrintChoice::Range::Pages) range = {choice.from, choice.to};
  range = NormalisedPageRange(range.first, range.last, pageCount);
  for (int page = range.first; page <= range.last; ++page) pages.push_back(page);
  return pages;
}

// The capture across the printable width less a tenth on each side, a
// twentieth of it below the top, its height following its own proportions.
void DrawAcrossPage(QPainter& painter, const PrinterSheet& sheet, const QImage& capture) {
  if (capture.isNull()) return;
  const int printable = sheet.layout.paintRectPixels(sheet.resolution).width();
  const int b = printable / 10;
  const int c = b / 2;
  const double ratio = static_cast<double>(capture.height()) / capture.width();
  const int bottom = c + static_cast<int>(std::nearbyint((printable - 2 * b) * ratio));
  painter.drawImage(QRect(QPoint(b, c), QPoint(printable - b, bottom)), capture);
}

}  // namespace

QString PrintedText(const QString& printer, int pages) {
  return QStringLiteral("印刷しました: プリンタ「%1」、%2ページ").arg(printer).arg(pages);
}

// Why there is nothing to print on: no printer installed, or a print server
// that did not answer or could not be asked.
QString PreviewDialog::noPrinterText() const {
  if (QString why = PrintServerText(printers_.Server()); !why.isEmpty()) return why;
  return QStringLiteral("プリンタがインストールされていないので印刷できません．　　");
}

bool PreviewDialog::serverGoneSilent(const QString& caption) const {
  const PrintServer server = ProbePrintServer();
  if (server.state != PrintServerState::Silent) return false;
  Messages::Current().Information(ServerSilentText(server.name), caption);
  return true;
}

void PreviewDialog::print() {
  if (noPrinter()) {
    Messages::Current().Information(noPrinterText(), QStringLiteral("　印刷"));
    return;
  }
  if (serverGoneSilent(QStringLiteral("　印刷"))) return;
  const int page = currentPage_;
  QPrinter printer(QPrinter::HighResolution);
  printers_.ConfigurePrinter(printer);
  const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
  const PrintChoice choice =
      questions_->askPrint(this, printer, {page, page, 1, document_.PageCount()});
  if (!choice.accepted) return;
  const std::vector<int> pages = pagesToPrint(ChosenPages(choice, document_.PageCount()));
  if (pages.empty()) {
    restoreAfterPrinting(page);
    commandStatus_->setText(QStringLiteral("選んだ範囲に、印刷する種類のページがありません。"));
    return;
  }
  if (!choice.file.isEmpty()) {
    restoreAfterPrinting(page);
    savePages(choice.file, pages, QStringLiteral("　印刷"));
    return;
  }
  // The pages are laid out for the orientation they were composed in: a
  // turned sheet would lose its last rows.
  printer.setPageOrientation(orientation);
  printers_.TakeFromPrinter(printer);
  // So are they for their paper, whatever paper the print dialog was left at.
  if (sheetPaper_ && !printers_.UseSheetPaper(*sheetPaper_)) {
    const QString refusal = NoSheetPaperText(printers_.PrinterName(), *sheetPaper_);
    restoreAfterPrinting(page);
    Messages::Current().Warning(refusal + QStringLiteral("印刷しませんでした。"),
                                QStringLiteral("　印刷"));
    return;
  }
  // A printer without A4 prints A4 sheets on its own paper, but these were
  // laid out on the preview's printer's: on a shorter paper the foot would
  // be cut off. Chosen in the printer setup, the sheets are made again on it.
  if (sheetPaper_) {
    const Paper& laid = document_.PagePaper();
    const Paper onPrinter = printers_.PagePaper(laid);
    if (!SameSize(onPrinter, laid)) {
      const QString refusal =
          QStringLiteral(
              "プリンタ「%1」の用紙「%2」は、プレビューのシートの用紙と大きさが違い"
              "ます。「プリンタ・用紙」でこのプリンタを選ぶと、その用紙に合わせて作り"
              "直します。印刷しませんでした。")
              .arg(printers_.PrinterName(), printers_.PaperName());
      restoreAfterPrinting(page);
      Messages::Current().Warning(refusal, QStringLiteral("　印刷"));
      return;
    }
  }
  printingOn_ = printers_.PrinterName();
  printingPages_ = pages;
  const std::optional<PrintOutcome> notStarted =
      pagePrinter_.StartPages(document_, printers_.Settings(), printers_.Sheet(), pages);
  // The job has its own copy of the dialog's choice, which holds for it only.
  restoreAfterPrinting(page);
  if (notStarted) {
    reportPrintOutcome(*notStarted, printingOn_);
    return;
  }
  QGuiApplication::setOverrideCursor(Qt::BusyCursor);
  updateButtons();
}

void PreviewDialog::onPrintFinished(const PrintOutcome& outcome) {
  QGuiApplication::restoreOverrideCursor();
  updateButtons();
  if (outcome.result == PrintOutcome::Result::InProgress && outcome.jobId > 0) {
    followJob(outcome.jobId);
  } else {
    reportPrintOutcome(outcome, printingOn_);
  }
  if (closeWhenPrinted_) QDialog::done(*std::exchange(closeWhenPrinted_, std::nullopt));
}

// CUPS has the job: its pages count now, and the job is watched from here.
void PreviewDialog::followJob(int jobId) {
  for (const int page : printingPages_) emit pagePrinted(page);
  const int pages = static_cast<int>(printingPages_.size());
  TellPrintOutcome({PrintOutcome::Result::InProgress, {}, jobId, {}}, printingOn_, pages,
                   commandStatus_);
  QObject* owner = parentWidget() ? static_cast<QObject*>(parentWidget()) : this;
  auto* watch = new JobWatch(printingOn_, jobId, owner);
  // Whoever takes the pages back hears of the outcome before the teacher does.
  emit printHandedOver(watch, printingOn_, pages);
  connect(watch, &JobWatch::decided, watch,
          [watch, printer = printingOn_, pages,
           status = QPointer<QLabel>(commandStatus_)](const PrintOutcome& outcome) {
            watch->deleteLater();
            TellPrintOutcome(outcome, printer, pages, status);
          });
}

void PreviewDialog::done(int result) {
  // Closed before the print has ended: its pages are still to be counted.
  if (isPrinting()) {
    closeWhenPrinted_ = result;
    return;
  }
  QDialog::done(result);
}

void PreviewDialog::reportPrintOutcome(const PrintOutcome& outcome, const QString& printer) {
  switch (outcome.result) {
    case PrintOutcome::Result::NothingRecorded:
      Messages::Current().Warning(QStringLiteral("Canvasへの描画コードが見つかりません．　　"),
                                  QStringLiteral("印刷プレビュー制御コンポーネント"));
      return;
    case PrintOutcome::Result::NoPrinter:
      Messages::Current().Information(noPrinterText(), QStringLiteral("　印刷"));
      return;
    default:
      TellPrintOutcome(outcome, printer, outcome.PrintedPages(), commandStatus_);
  }
}

// A print dialog's choice holds for its own job only.
void PreviewDialog::restoreAfterPrinting(int page) {
  printers_.SetSettings(saved_);
  currentPage_ = page;
  refreshPage();
  unsetCursor();
  update();
}

void PreviewDialog::savePdf() {
  if (!document_.IsRecorded()) return;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = questions_->askPdfPath(this, QDir(folder).filePath(suggestedPdfName()));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  std::vector<int> all;
  for (int page = 1; page <= document_.PageCount(); ++page) all.push_back(page);
  savePages(path, pagesToPrint(all), QStringLiteral("　PDF保存"));
}

void PreviewDialog::savePages(const QString& path, const std::vector<int>& pages,
                              const QString& caption) {
  if (!PdfExport::Write(document_, path, nullptr, pages)) {
    Messages::Current().Warning(SaveFailureText(path), caption);
    return;
  }
  // A saved file is how a teacher prints later: every saved page counts as a
  // printed one, so the next sheet's number follows as after printing.
  for (const int page : pages) emit pagePrinted(page);
  commandStatus_->setText(QStringLiteral("保存しました: %1")
                              .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
  commandStatus_->setToolTip(commandStatus_->text());
}

void PreviewDialog::setUpPrinter() {
  if (noPrinter()) {
    Messages::Current().Information(
        QStringLiteral("プリンタがインストールされていないので設定できません．　　"),
        QStringLiteral("　プリンタと用紙の設定"));
    return;
  }
  if (serverGoneSilent(QStringLiteral("　プリンタと用紙の設定"))) return;
  QPrinter printer(QPrinter::HighResolution);
  printers_.ConfigurePrinter(printer);
  if (!questions_->askPrinterSetup(this, printer)) return;
  const auto layOut = qScopeGuard([this] { showWholePage(); });
  // The dialog's choice stands, for this and every later print.
  printers_.TakeFromPrinter(printer);
  if (sheetPaper_) {
    followSheetPaper();
  } else {
    document_.SetPaper(printers_.PagePaper(document_.PagePaper()));
  }
  saved_ = printers_.Settings();
  refreshPage();
}

// A paper of ours has the sheets made again on it, and so has a printer
// whose paper stands in for A4; on any other paper a page would be
// stretched, or cut off, and the sheets keep theirs.
void PreviewDialog::followSheetPaper() {
  const QPageSize::PageSizeId chosenSize = printers_.PageSizeId();
  std::optional<PaperSize> paper = SheetPaperOf(chosenSize);
  if (!paper) {
    const QString caption = QStringLiteral("　プリンタと用紙の設定");
    const QString chosenName = printers_.PaperName();
    if (!printers_.UseSheetPaper(*sheetPaper_)) {
      Messages::Current().Information(NoSheetPaperText(printers_.PrinterName(), *sheetPaper_) +
                                          QStringLiteral("このプリンタでは印刷できません。"),
                                      caption);
      return;
    }
    // A printer without A4 prints A4 sheets on its own paper: choosing that is no change.
    if (printers_.PageSizeId() != chosenSize) {
      Messages::Current().Information(
          QStringLiteral("プリントの用紙はA4、B5、B4から選べます。「%1」には合わせられないので、"
                         "用紙は%2のままです。")
              .arg(chosenName, QString::fromLatin1(PaperName(*sheetPaper_))),
          caption);
    }
    paper = sheetPaper_;
  }
  const Paper shown = document_.PagePaper();
  const Paper onPrinter = printers_.PagePaper(shown);
  if (*paper == *sheetPaper_ && SameSize(onPrinter, shown)) {
    document_.SetPaper(onPrinter);
    return;
  }
  emit paperChosen(*paper);
  // Not made again on it (which was told): the printer goes back to theirs.
  if (*paper != *sheetPaper_) printers_.UseSheetPaper(*sheetPaper_);
}

void PreviewDialog::copyPage() {
  if (!document_.IsRecorded()) return;
  CopyPageToClipboard(document_.ComposedPage(currentPage_, PageUse::Screen));
}

void PreviewDialog::copyWindow() {
  CopyImageToClipboard(grab().toImage());
}

// The window's picture, on the clipboard and on one printed sheet.
void PreviewDialog::printWindow() {
  const QImage capture = grab().toImage();
  CopyImageToClipboard(capture);
  if (serverGoneSilent(QStringLiteral("　画面ハードコピー"))) return;
  QPrinter printer(QPrinter::HighResolution);
  printers_.ConfigurePrinter(printer);
  const int page = currentPage_;
  if (questions_->askPrint(this, printer, PageOffer{}).accepted) {
    printers_.TakeFromPrinter(printer);
    const PrinterSheet sheet = printers_.Sheet();
    const PrintOutcome outcome = pagePrinter_.PrintDrawing(
        printers_.Settings(), sheet,
        [&](QPainter& painter) { DrawAcrossPage(painter, sheet, capture); });
    // Handed over only: the window does not wait for the printer here.
    if (outcome.result == PrintOutcome::Result::Held) {
      Messages::Current().Warning(HeldText(printers_.PrinterName(), outcome),
                                  QStringLiteral("　画面ハードコピー"));
    } else if (!outcome.Ok() && outcome.result != PrintOutcome::Result::InProgress) {
      Messages::Current().Warning(
          PrintFailureText(printers_.PrinterName()) + u'\n' + FailureDetail(outcome),
          QStringLiteral("　画面ハードコピー"));
    }
  }
  restoreAfterPrinting(page);
}

}  // namespace kazenori
