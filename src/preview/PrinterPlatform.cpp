#include "preview/PrinterPlatform.h"

#include <QPageSetupDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace kazenori {

namespace {

// Qt's CUPS print engine takes extra job options through this property
// (alternating option names and values).
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// A local cupsd answers the probe in about 20 ms and a server on the school
// network in well under a second even when busy, so two seconds to connect and
// two more for the answer never cut off a working server; and a user waiting for
// the window or a command takes a few seconds for a pause, not a hang.
constexpr int kConnectLimitMs = 2000;
constexpr double kAnswerLimitSeconds = 2.0;

}  // namespace

PrintServer ProbePrintServer() {
  PrintServer server;
  const char* host = cupsServer();
  const int port = ippPort();
  server.name = QString::fromUtf8(host);
  if (!server.name.startsWith(u'/')) server.name += QStringLiteral(":%1").arg(port);
  int cancel = 0;
  http_t* http =
      httpConnect2(host, port, nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectLimitMs, &cancel);
  if (!http) {
    // A connection refused or a missing socket: a machine without CUPS.
    server.state = PrintServerState::Unreachable;
    return server;
  }
  // Without a callback a read that waits longer than this fails.
  httpSetTimeout(http, kAnswerLimitSeconds, nullptr, nullptr);
  ipp_t* answer = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
  server.state = answer ? PrintServerState::Answered : PrintServerState::Silent;
  ippDelete(answer);
  httpClose(http);
  return server;
}

// The PPD interface of libcups is deprecated but remains the only place a
// driver's names for its input slots are found.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
std::vector<PrinterBin> PrinterBinsOf(const QString& printerName) {
  std::vector<PrinterBin> bins;
  if (printerName.isEmpty()) return bins;
  const QByteArray name = printerName.toUtf8();
  const char* ppdPath = cupsGetPPD(name.constData());
  if (!ppdPath) return bins;
  ppd_file_t* ppd = ppdOpenFile(ppdPath);
  if (ppd) {
    if (ppd_option_t* option = ppdFindOption(ppd, "InputSlot")) {
      for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& c = option->choices[i];
        PrinterBin bin;
        bin.key = QString::fromUtf8(c.choice);
        bin.name = QString::fromUtf8(c.text[0] ? c.text : c.choice);
        bin.isDefault = qstrcmp(option->defchoice, c.choice) == 0;
        bins.push_back(bin);
      }
    }
    ppdClose(ppd);
  }
  unlink(ppdPath);
  return bins;
}
#pragma GCC diagnostic pop

void ApplyBin(QPrinter& printer, const QString& key) {
  QPrintEngine* engine = printer.printEngine();
  if (!engine) return;
  QStringList options = engine->property(kCupsOptions).toStringList();
  for (int i = 0; i + 1 < options.size(); i += 2) {
    if (options[i] == QLatin1String("InputSlot")) {
      options.remove(i, 2);
      break;
    }
  }
  if (!key.isEmpty()) options << QStringLiteral("InputSlot") << key;
  engine->setProperty(kCupsOptions, options);
}

bool RunPageSetupDialog(QPrinter& printer) {
  QPageSetupDialog dialog(&printer);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kazenori
