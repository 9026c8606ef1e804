#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryFile>
#include <QTextStream>

#include <cstdio>
#include <exception>
#include <memory>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLineJson.h"
#include "composition/PageGeometry.h"
#include "composition/WorksheetComposer.h"
#include "preview/Fonts.h"
#include "preview/Messages.h"
#include "preview/plPrev.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

namespace {

// Messages of the composer and the printing layer go to stderr.
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

// Refuses an output path that could not be written, before anything is composed.
void CheckOutputPath(const QString& option, const QString& path) {
  if (path.isEmpty()) return;
  const QFileInfo file(path);
  if (file.exists() && (file.isDir() || !file.isWritable())) {
    throw UsageError(QStringLiteral("--%1: '%2' cannot be written").arg(option, path));
  }
  const QFileInfo dir(file.absolutePath());
  if (!dir.isDir() || !dir.isWritable()) {
    throw UsageError(
        QStringLiteral("--%1: the folder of '%2' cannot be written").arg(option, path));
  }
}

// A file written next to its target and put in its place only when every
// output is complete, so that a failure leaves the old files as they were.
class PendingFile {
 public:
  explicit PendingFile(const QString& target) : target_(target) {
    QTemporaryFile t(QFileInfo(target).absolutePath() + QStringLiteral("/.kazenori-XXXXXX"));
    t.setAutoRemove(false);
    if (!t.open()) throw std::runtime_error("no temporary file beside " + target.toStdString());
    temp_ = t.fileName();
  }
  ~PendingFile() {
    if (!temp_.isEmpty()) QFile::remove(temp_);
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  const QString& Temp() const { return temp_; }
  // The final step: an atomic rename over the target.
  bool Commit() {
    // Keep the permissions a new file would get rather than the temp file's 0600.
    QFile::setPermissions(
        temp_, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temp_).constData(), QFile::encodeName(target_).constData()) !=
        0) {
      return false;
    }
    temp_.clear();
    return true;
  }

 private:
  QString target_;
  QString temp_;
};

int Execute(const CommandLineRequest& request, QTextStream& out, QTextStream& err) {
  CheckOutputPath(QStringLiteral("pdf"), request.pdfPath);
  CheckOutputPath(QStringLiteral("json"), request.jsonPath);

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
    throw std::runtime_error(
        (server.state == PrintServerState::Silent
             ? QStringLiteral("--print: the print server %1 did not answer")
             : QStringLiteral("--print: the print server %1 cannot be reached"))
            .arg(server.name)
            .toStdString());
  }
  TplPrev document(nullptr, QString(), access);
  if (!request.printer.isEmpty()) {
    if (!printer.PrinterNames().contains(request.printer)) {
      const QStringList names = printer.PrinterNames();
      throw UsageError(
          QStringLiteral("--print: no printer named '%1' (installed: %2)")
              .arg(request.printer, names.isEmpty() ? QStringLiteral("none") : names.join(", ")));
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
  WorksheetComposer composer(document, *rnd, messages, FormShowGeometry(printer, document));
  if (!composer.Compose(request.sheet, request.sheets)) return 2;

  std::vector<std::unique_ptr<PendingFile>> pending;
  if (!request.pdfPath.isEmpty()) {
    pending.push_back(std::make_unique<PendingFile>(request.pdfPath));
    QString error;
    if (!document.WritePdf(pending.back()->Temp(), &error)) {
      err << "kazenori: --pdf: " << error << Qt::endl;
      return 1;
    }
  }
  if (!request.jsonPath.isEmpty()) {
    pending.push_back(std::make_unique<PendingFile>(request.jsonPath));
    QFile json(pending.back()->Temp());
    const QByteArray bytes = ComposedSheetsJson(composer.Geometry(), composer.Sheets(), document);
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        json.write(bytes) != bytes.size() || !json.flush()) {
      err << "kazenori: --json: " << json.errorString() << Qt::endl;
      return 1;
    }
  }
  for (const auto& file : pending) {
    if (!file->Commit()) {
      err << "kazenori: an output could not be put in its place" << Qt::endl;
      return 1;
    }
  }

  if (!request.printer.isEmpty()) {
    const int before = messages.count;
    document.Print();
    if (messages.count != before) return 1;
    out << "kazenori: printed " << document.PageCount() << " pages on " << request.printer
        << "; next print number " << composer.PrintNumber().Text() << Qt::endl;
  }
  return 0;
}

}  // namespace

int ExecuteCommandLine(const CommandLineRequest& request, QTextStream& out, QTextStream& err) {
  try {
    return Execute(request, out, err);
  } catch (const UsageError& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 2;
  } catch (const std::exception& e) {
    err << "kazenori: " << QString::fromUtf8(e.what()) << Qt::endl;
    return 1;
  }
}

int RunCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
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
    CheckOutputPath(QStringLiteral("pdf"), request.pdfPath);
    CheckOutputPath(QStringLiteral("json"), request.jsonPath);
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
  QGuiApplication app(argc, argv);
  QGuiApplication::setApplicationName(QStringLiteral("kazenori"));
  RegisterFontSubstitutions();
  return ExecuteCommandLine(request, out, err);
}

}  // namespace kazenori
