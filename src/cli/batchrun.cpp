// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/batchrun.h"

#include <QGuiApplication>
#include <QScopeGuard>
#include <QTextStream>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "cli/commandline.h"
#include "cli/interruptguard.h"
#include "cli/outputfiles.h"
#include "composition/composer.h"
#include "composition/pagegeometry.h"
#include "composition/seededcomposition.h"
#include "composition/worksheetjson.h"
#include "pages/fonts.h"
#include "pages/previewdocument.h"
#include "pages/worksheetpreview.h"
#include "print/pageprinter.h"
#include "print/pdfexport.h"
#include "print/printerdiscovery.h"
#include "print/printergeometry.h"
#include "print/printerselection.h"

namespace kazenori {

namespace {

// Every output checked before anything is composed or replaced.
std::vector<OutputTarget> CheckOutputs(const CommandLineRequest& request) {
  std::vector<OutputTarget> targets;
  if (!request.pdfFile.isEmpty()) targets.push_back(CheckOutputTarget("pdf", request.pdfFile));
  if (!request.jsonFile.isEmpty()) targets.push_back(CheckOutputTarget("json", request.jsonFile));
  CheckDistinctTargets(targets);
  return targets;
}

// Free functions rather than members, so that the catalogue files their texts
// under the command line's one context.
QString PrintServerProblem(const QString& option, const PrintServer& server) {
  if (!server.problem.isEmpty())
    return Tr("%1: printing is unavailable: %2").arg(option, server.problem);
  return (server.state == PrintServerState::Silent
              ? Tr("%1: the print server %2 did not answer")
              : Tr("%1: the print server %2 cannot be reached"))
      .arg(option, server.name);
}

QString NoSuchPaper(const QString& option, const QString& printer, PaperSize paper) {
  return Tr("%1: the printer '%2' has no %3 paper")
      .arg(option, Echoed(printer), QString::fromLatin1(PaperName(paper)));
}

QString NoSuchPrinter(const QString& option, const QString& printer, const QStringList& installed) {
  return Tr("%1: no printer named '%2' (installed: %3)")
      .arg(option, Echoed(printer), installed.isEmpty() ? Tr("none") : installed.join(", "));
}

// The print layer's own words for why a job did not print, for the catalogue;
// a reason CUPS gave (an administrator's text) passes as it is.
[[maybe_unused]] constexpr const char* kPrintReasons[] = {
    QT_TRANSLATE_NOOP("kazenori", "the print server did not answer"),
    QT_TRANSLATE_NOOP("kazenori", "the job was not accepted"),
    QT_TRANSLATE_NOOP("kazenori", "it rejects jobs"),
    QT_TRANSLATE_NOOP("kazenori", "the printer took no page"),
    QT_TRANSLATE_NOOP("kazenori", "another print is under way"),
    QT_TRANSLATE_NOOP("kazenori", "there is no document to print"),
    QT_TRANSLATE_NOOP("kazenori", "there is no printer"),
    QT_TRANSLATE_NOOP("kazenori", "the printer's page is unknown"),
    QT_TRANSLATE_NOOP("kazenori", "the queue is stopped"),
};

// Exit status of a print CUPS has not finished: it may print later, or never.
constexpr int kNotYetPrinted = 3;

QString PrintFailure(const PrintOutcome& outcome, const QString& printer, int timeoutSeconds) {
  const QString reason = Tr(outcome.detail.toUtf8().constData());
  switch (outcome.result) {
    case PrintOutcome::Result::Refused:
      return Tr("the printer \"%1\" takes no job: %2").arg(printer, reason);
    case PrintOutcome::Result::NotStarted:
      return Tr("the print job for printer \"%1\" could not be started: %2").arg(printer, reason);
    case PrintOutcome::Result::Failed:
    case PrintOutcome::Result::ServerSilent:
      return Tr("the printer \"%1\" did not print the job: %2").arg(printer, reason);
    case PrintOutcome::Result::Held:
      return Tr("job %1 waits on printer \"%2\" and has not printed: %3; no page counts as "
                "printed")
          .arg(outcome.jobId)
          .arg(printer, reason);
    case PrintOutcome::Result::InProgress:
      return Tr("job %1 on printer \"%2\" had not finished printing after %3 seconds "
                "(--print-timeout); no page counts as printed")
          .arg(outcome.jobId)
          .arg(printer)
          .arg(timeoutSeconds);
    default:
      return Tr(PrintFailureDetail(outcome, printer).toUtf8().constData());
  }
}

QString Printed(int pages, const QString& printer, const QString& nextNumber) {
  return Tr("printed %1 pages on %2; next print number %3").arg(pages).arg(printer, nextNumber);
}

// One run of the command line: the outputs, the printer and the document,
// and the composer whose worksheets fill it. Throws UsageError, or std::runtime_error
// for a failure.
class BatchRun {
 public:
  BatchRun(const CommandLineRequest& request, QTextStream& err, InterruptGuard* interrupts);
  int Run(QTextStream& out);
  // Whether the printers were given up on with the asking still stuck on the
  // print server (see PrinterDiscovery::IsStuck).
  bool PrintersStuck() const { return discovery_.IsStuck(); }

 private:
  void Prepare();
  // The printer the pages are laid out for, empty for the design paper, and
  // the option that named it.
  const QString& LayoutPrinter() const;
  QString LayoutOption() const;
  void CheckPrintServer() const;
  void CheckPrinterKnown() const;
  void ComposeEach(const Composer::SheetSink& composed) const;
  std::pair<std::int32_t, std::int32_t> SheetNumbers() const;
  std::optional<int> WriteAsComposed(PrintJob* job = nullptr);
  int PrintComposed(QTextStream& out);
  QString FinishOutputs(const QString& pdfError);
  int Fail(const QString& text);

  const CommandLineRequest& request_;
  QTextStream& err_;
  OutputFiles outputs_;
  // Only --print and --printer-geometry need a printer; a PDF or JSON on its
  // own is laid out on the design paper, so that it is the same on every
  // machine and never waits on a print server.
  const PrinterAccess access_;
  // Asked on a thread of its own, so that a server that hangs inside one of
  // Qt's calls is given up at the limit instead of holding the command.
  PrinterDiscovery discovery_;
  PrinterSelection& printer_;
  std::unique_ptr<PreviewDocument> document_;
  PageGeometry geometry_;
  std::uint32_t seed_ = 0;
  std::unique_ptr<WorksheetPreview> preview_;
  InterruptGuard* interrupts_;
};

BatchRun::BatchRun(const CommandLineRequest& request, QTextStream& err, InterruptGuard* interrupts)
    : request_(request),
      err_(err),
      outputs_(CheckOutputs(request), interrupts),
      access_(request.printer.isEmpty() && request.geometryPrinter.isEmpty()
                  ? PrinterAccess::DesignPaper
                  : PrinterAccess::Cups),
      discovery_(QPageSize::A4, access_, PrinterDiscovery::kDefaultLimit, LayoutPrinter()),
      printer_(discovery_.Wait()),
      interrupts_(interrupts) {}

// As the main window does: the printer on A4 (chosen and set so by the
// discovery), the geometry from it; then the printer and the document on the
// sheets' paper, onto which the composer scales them.
void BatchRun::Prepare() {
  CheckPrintServer();
  document_ = std::make_unique<PreviewDocument>();
  CheckPrinterKnown();
  seed_ = request_.seed ? *request_.seed : ClockSeed();
  geometry_ = PrinterPageGeometry(printer_);
  const PaperSize paper = request_.sheet.paper;
  if (!printer_.UseSheetPaper(paper)) {
    throw UsageError(NoSuchPaper(LayoutOption(), LayoutPrinter(), paper));
  }
  document_->SetPaper(printer_.PagePaper(DesignPaper(paper)));
  preview_ = std::make_unique<WorksheetPreview>(*document_);
}

const QString& BatchRun::LayoutPrinter() const {
  return request_.printer.isEmpty() ? request_.geometryPrinter : request_.printer;
}

QString BatchRun::LayoutOption() const {
  return request_.printer.isEmpty() ? QStringLiteral("--printer-geometry")
                                    : QStringLiteral("--print");
}

void BatchRun::CheckPrintServer() const {
  if (access_ == PrinterAccess::DesignPaper) return;
  if (printer_.Server().state == PrintServerState::Answered) return;
  throw std::runtime_error(PrintServerProblem(LayoutOption(), printer_.Server()).toStdString());
}

void BatchRun::CheckPrinterKnown() const {
  if (access_ == PrinterAccess::DesignPaper) return;
  const QStringList names = printer_.PrinterNames();
  if (!names.contains(LayoutPrinter())) {
    throw UsageError(NoSuchPrinter(LayoutOption(), LayoutPrinter(), names));
  }
}

int BatchRun::Run(QTextStream& out) {
  Prepare();
  if (!request_.printer.isEmpty()) return PrintComposed(out);
  return WriteAsComposed() ? 0 : 1;
}

int BatchRun::Fail(const QString& text) {
  err_ << "kazenori: " << text << Qt::endl;
  return 1;
}

// Every output finished, then all put in place together. The system's reason
// comes first: a full disk also makes the PDF writer fail.
QString BatchRun::FinishOutputs(const QString& pdfError) {
  std::size_t next = 0;
  if (!request_.pdfFile.isEmpty()) {
    if (QString e = outputs_.Finish(next++); !e.isEmpty()) return e;
    if (!pdfError.isEmpty()) return QStringLiteral("--pdf: ") + pdfError;
  }
  if (!request_.jsonFile.isEmpty()) {
    if (QString e = outputs_.Finish(next++); !e.isEmpty()) return e;
  }
  return outputs_.Commit();
}

void BatchRun::ComposeEach(const Composer::SheetSink& composed) const {
  if (!request_.remake) {
    ComposeSeededEach(seed_, request_.sheet, request_.sheets, geometry_, composed);
    return;
  }
  Worksheet remade = Remake(*request_.remake, geometry_);
  composed(remade);
}

// The first and last sheet's numbers, known before any sheet is composed
// (the composer refuses numbers that do not fit).
std::pair<std::int32_t, std::int32_t> BatchRun::SheetNumbers() const {
  if (request_.remake) {
    return {request_.remake->options.printNumber, request_.remake->options.printNumber};
  }
  const std::int32_t first = request_.sheet.printNumber;
  return {first, static_cast<std::int32_t>(std::clamp<std::int64_t>(
                     std::int64_t{first} + request_.sheets - 1, first, INT32_MAX))};
}

// Each sheet goes out as soon as it is composed, to the files and to the
// print job alike, so that memory does not grow with the number of sheets;
// the files are put in place only once the last sheet has gone. Returns the
// pages written, or nullopt after telling why the files were not.
std::optional<int> BatchRun::WriteAsComposed(PrintJob* job) {
  std::size_t next = 0;
  QIODevice* pdfFile = request_.pdfFile.isEmpty() ? nullptr : &outputs_.Open(next++);
  QIODevice* jsonFile = request_.jsonFile.isEmpty() ? nullptr : &outputs_.Open(next++);
  std::unique_ptr<PdfExport> pdf;
  if (pdfFile) pdf = std::make_unique<PdfExport>(*pdfFile);
  WorksheetJsonWriter json;
  if (jsonFile) {
    jsonFile->write(QByteArray::fromStdString(json.Head(OnPaper(geometry_, request_.sheet.paper))));
  }
  // The file's title names the whole run.
  const auto [first, last] = SheetNumbers();
  const QString title = SheetsTitle(first, last);
  QString pdfError;
  int pages = 0;
  ComposeEach([&](const Worksheet& sheet) {
    if (job && !job->Failed()) {
      // Printed as the window prints: recorded once, played to the printer.
      preview_->Record(sheet);
      job->AddPages(*document_);
    }
    pages += static_cast<int>(sheet.pages.size());
    if (pdf && pdfError.isEmpty()) pdf->Append(sheet, document_->PagePaper(), title, &pdfError);
    if (jsonFile) jsonFile->write(QByteArray::fromStdString(json.Sheets(sheet)));
  });
  if (pdf && pdfError.isEmpty()) pdf->Close(&pdfError);
  pdf.reset();
  if (jsonFile) jsonFile->write(QByteArray::fromStdString(json.Tail()));
  if (const QString e = FinishOutputs(pdfError); !e.isEmpty()) {
    Fail(e);
    return std::nullopt;
  }
  return pages;
}

// The job is made, and a queue that refuses it known, before anything is
// composed; its sheets then go as they are composed. The files are put in
// place once the job's document is whole, before CUPS is followed: what CUPS
// makes of the job decides the status only.
int BatchRun::PrintComposed(QTextStream& out) {
  const auto [first, last] = SheetNumbers();
  const QString title = request_.jobTitle.isEmpty() ? SheetsTitle(first, last) : request_.jobTitle;
  // An interrupt that comes while the job is made waits for it, and from
  // then on cancels the job, unless CUPS completed it.
  std::unique_lock<std::mutex> held;
  if (interrupts_ != nullptr) held = interrupts_->Hold();
  PrintJob job(printer_.Settings(), printer_.Sheet(), title);
  if (interrupts_ != nullptr) {
    interrupts_->SetUndo(job.TakeBack(), held);
    held.unlock();
  }
  const auto settled = qScopeGuard([this] {
    if (interrupts_ != nullptr) interrupts_->SetUndo(nullptr, interrupts_->Hold());
  });
  std::optional<int> pages = 0;
  if (!job.Failed()) pages = WriteAsComposed(&job);
  if (!pages) return 1;
  const PrintOutcome outcome = job.Finish(std::chrono::seconds(request_.printTimeoutSeconds));
  if (!outcome.Ok()) {
    Fail(PrintFailure(outcome, request_.printer, request_.printTimeoutSeconds));
    return outcome.Pending() ? kNotYetPrinted : 1;
  }
  // The whole run printed once: the number follows its last sheet.
  PrintNumberCycle nextNumber;
  nextNumber.Set(std::int64_t{last} + 1);
  out << "kazenori: "
      << Printed(*pages, request_.printer, QString::fromStdString(nextNumber.Text())) << Qt::endl;
  return 0;
}

int Report(QTextStream& err, const std::exception& e, int status) {
  err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
  return status;
}

// What --help, --version and --list-patterns answer, without Qt.
std::optional<QString> ImmediateAnswer(const CommandLineRequest& request) {
  if (request.help) return HelpText();
  if (request.version) return VersionText();
  if (request.listPatterns) return PatternListText();
  return std::nullopt;
}

// Qt's note that XDG_RUNTIME_DIR is unset (usual in a session without a
// desktop) says nothing about the sheets; everything else passes through.
void PassQtMessagesButTheRuntimeDirNote() {
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
        std::fputs(qFormatLogMessage(type, context, message).toLocal8Bit().append('\n').constData(),
                   stderr);
      });
}

// What went to standard output must have arrived: a full disk or a closed
// pipe behind it is a failure like any other write.
int Flushed(QTextStream& out, QTextStream& err, int status) {
  out.flush();
  if (out.status() == QTextStream::Ok && std::fflush(stdout) == 0 && !std::ferror(stdout)) {
    return status;
  }
  err << "kazenori: " << Tr("cannot write to standard output: %1").arg(out.device()->errorString())
      << Qt::endl;
  return std::max(status, 1);
}

}  // namespace

int ExecuteCommandLine(const CommandLineRequest& request, QTextStream& out, QTextStream& err,
                       InterruptGuard* interrupts, bool* printersStuck) {
  // The run outlives its failure, so that its printers can still be asked.
  std::optional<BatchRun> run;
  int status = 0;
  try {
    run.emplace(request, err, interrupts);
    status = run->Run(out);
  } catch (const UsageError& e) {
    status = Report(err, e, 2);
  } catch (const std::exception& e) {
    status = Report(err, e, 1);
  }
  if (printersStuck) *printersStuck = run && run->PrintersStuck();
  return status;
}

int RunCommandLine(int argc, char** argv) {
  QList<QByteArray> arguments;
  for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  CommandLineRequest request;
  std::optional<QString> answer;
  try {
    request = ParseCommandLine(arguments);
    answer = ImmediateAnswer(request);
    // Paths are checked before Qt starts, so that such a mistake stays one line.
    if (!answer) CheckOutputs(request);
  } catch (const UsageError& e) {
    return Report(err, e, 2);
  }
  if (answer) {
    out << *answer;
    return Flushed(out, err, 0);
  }
  PassQtMessagesButTheRuntimeDirNote();
  // Composing needs fonts and printers, never a screen: whatever display is
  // named, reachable or not, and whatever platform, the command line works.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Before Qt starts any thread, so that every thread leaves the signals to the guard.
  InterruptGuard interrupts;
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("kazenori"));
  InstallMessageCatalogue(app);
  RegisterFontSubstitutions();
  bool printersStuck = false;
  const int status = ExecuteCommandLine(request, out, err, &interrupts, &printersStuck);
  // As in the window: a thread left inside Qt's call to a hung server could
  // return into a program unwinding around it; everything is written, so the
  // program ends here, at once.
  if (printersStuck) {
    const int flushed = Flushed(out, err, status);
    err.flush();
    std::fflush(nullptr);
    std::_Exit(flushed);
  }
  return Flushed(out, err, status);
}

}  // namespace kazenori
