// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLineOutput.h"
#include "app/worksheetpreview.h"
#include "cli/jsonexport.h"
#include "composition/composer.h"
#include "composition/pagegeometry.h"
#include "preview/Fonts.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

namespace {

// Messages of the printing layer go to stderr.
class StreamMessages final : public Messages {
 public:
  explicit StreamMessages(QTextStream& err) : err_(err) {}
  void Show(const Message& m) override {
    err_ << "kazenori: " << m.text << Qt::endl;
    ++count;
  }
  int count = 0;

 private:
  QTextStream& err_;
};

// Every output checked before anything is composed or replaced.
std::vector<OutputTarget> CheckOutputs(const CommandLineRequest& request) {
  std::vector<OutputTarget> targets;
  if (!request.pdfFile.isEmpty()) targets.push_back(CheckOutputTarget("pdf", request.pdfFile));
  if (!request.jsonFile.isEmpty()) targets.push_back(CheckOutputTarget("json", request.jsonFile));
  CheckDistinctTargets(targets);
  return targets;
}

int Execute(const CommandLineRequest& request, QTextStream& out, QTextStream& err,
            InterruptGuard* interrupts) {
  OutputFiles outputs(CheckOutputs(request), interrupts);

  StreamMessages messages(err);
  ScopedMessages scoped(messages);

  // As FormCreate and FormShow do: plSetPrinter1 on A4, the geometry from its printer.
  // Only --print needs a printer; a PDF or JSON on its own is laid out on the
  // design paper, so that it is the same on every machine and never waits on a
  // print server.
  const PrinterAccess access =
      request.printer.isEmpty() ? PrinterAccess::DesignPaper : PrinterAccess::Cups;
  TplSetPrinter printer(nullptr, QStringLiteral("plSetPrinter1"), access);
  if (!request.printer.isEmpty() && printer.Server().state != PrintServerState::Answered) {
    const PrintServer& server = printer.Server();
    throw std::runtime_error((server.state == PrintServerState::Silent
                                  ? Tr("--print: the print server %1 did not answer")
                                  : Tr("--print: the print server %1 cannot be reached"))
                                 .arg(server.name)
                                 .toStdString());
  }
  TplPrev document(nullptr, QString(), access);
  if (!request.printer.isEmpty()) {
    if (!printer.PrinterNames().contains(request.printer)) {
      const QStringList names = printer.PrinterNames();
      throw UsageError(Tr("--print: no printer named '%1' (installed: %2)")
                           .arg(request.printer, names.isEmpty() ? Tr("none") : names.join(", ")));
    }
    printer.SelectPrinter(request.printer);
  }
  printer.SetPaperSize(9);
  document.SetplSetPrinter(&printer);
  document.SetTitle(request.jobTitle);

  std::unique_ptr<Random> rnd;
  if (request.seed) {
    rnd = std::make_unique<SeededRandom>(*request.seed);
  } else {
    rnd = std::make_unique<SeededRandom>(SeededRandom::FromClock());
  }
  Composer composer(*rnd, FormShowGeometry(printer, document));
  WorksheetPreview preview(document);

  auto fail = [&err](const QString& text) {
    err << "kazenori: " << text << Qt::endl;
    return 1;
  };
  // Every output finished, then all put in place together. The system's reason
  // comes first: a full disk also makes the PDF writer fail.
  auto finish = [&](const QString& pdfError) {
    std::size_t next = 0;
    if (!request.pdfFile.isEmpty()) {
      if (const QString e = outputs.Finish(next++); !e.isEmpty()) return e;
      if (!pdfError.isEmpty()) return QStringLiteral("--pdf: ") + pdfError;
    }
    if (!request.jsonFile.isEmpty()) {
      if (const QString e = outputs.Finish(next++); !e.isEmpty()) return e;
    }
    return outputs.Commit();
  };
  if (request.printer.isEmpty()) {
    // Each sheet goes out as soon as it is composed, so that memory does not
    // grow with the number of sheets; the files are put in place only at the end.
    std::size_t next = 0;
    QIODevice* pdfFile = request.pdfFile.isEmpty() ? nullptr : &outputs.Open(next++);
    QIODevice* jsonFile = request.jsonFile.isEmpty() ? nullptr : &outputs.Open(next++);
    std::unique_ptr<TCustomplPrev::PdfOutput> pdf;
    if (pdfFile) pdf = std::make_unique<TCustomplPrev::PdfOutput>(*pdfFile);
    WorksheetJsonWriter json;
    if (jsonFile) jsonFile->write(json.Head(composer.Geometry()));
    QString pdfError;
    composer.ComposeEach(request.sheet, request.sheets, [&](const Worksheet& sheet) {
      if (pdf && pdfError.isEmpty()) {
        preview.RecordNext(sheet);
        pdf->Append(document, &pdfError);
      }
      if (jsonFile) jsonFile->write(json.Sheets(sheet));
    });
    if (pdf && pdfError.isEmpty()) pdf->Close(&pdfError);
    pdf.reset();
    if (jsonFile) jsonFile->write(json.Tail());
    if (const QString e = finish(pdfError); !e.isEmpty()) return fail(e);
    return 0;
  }

  // Printing goes through the print loop over the whole document.
  const Worksheet worksheet = composer.Compose(request.sheet, request.sheets);
  preview.Record(worksheet);
  std::size_t next = 0;
  QString pdfError;
  // A failed write leaves its reason in pdfError.
  if (!request.pdfFile.isEmpty()) document.WritePdf(outputs.Open(next++), &pdfError);
  if (!request.jsonFile.isEmpty()) {
    outputs.Open(next++).write(WorksheetJson(worksheet));
  }
  if (const QString e = finish(pdfError); !e.isEmpty()) return fail(e);

  const int before = messages.count;
  document.Print();
  if (messages.count != before) return 1;
  out << "kazenori: "
      << Tr("printed %1 pages on %2; next print number %3")
             .arg(document.PageCount())
             .arg(request.printer, preview.PrintNumber().Text())
      << Qt::endl;
  return 0;
}

}  // namespace

int ExecuteCommandLine(const CommandLineRequest& request, QTextStream& out, QTextStream& err,
                       InterruptGuard* interrupts) {
  try {
    return Execute(request, out, err, interrupts);
  } catch (const UsageError& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 2;
  } catch (const std::exception& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 1;
  }
}

int RunCommandLine(int argc, char** argv) {
  QList<QByteArray> arguments;
  for (int i = 1; i < argc; ++i) arguments << QByteArray(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  CommandLineRequest request;
  try {
    request = ParseCommandLine(arguments);
  } catch (const UsageError& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 2;
  }
  if (request.help) {
    out << HelpText();
    return 0;
  }
  if (request.version) {
    out << VersionText();
    return 0;
  }
  if (request.listPatterns) {
    out << PatternListText();
    return 0;
  }
  // Paths are checked before Qt starts, so that such a mistake stays one line.
  try {
    CheckOutputs(request);
  } catch (const UsageError& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 2;
  }
  // Qt's note that XDG_RUNTIME_DIR is unset (usual in a session without a
  // desktop) says nothing about the sheets; everything else passes through.
  qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
        std::fputs(qFormatLogMessage(type, context, message).toLocal8Bit().append('\n').constData(),
                   stderr);
      });
  // Composing needs fonts and printers, never a screen: with no display, or a
  // display that cannot be reached, the command line works all the same.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Before Qt starts any thread, so that every thread leaves the signals to the guard.
  InterruptGuard interrupts;
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("kazenori"));
  RegisterFontSubstitutions();
  return ExecuteCommandLine(request, out, err, &interrupts);
}

}  // namespace kazenori
