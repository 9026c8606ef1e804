// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printserver.h"

#include "print/cupsconnection.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <optional>
#include <utility>

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

// libcups asks this whether to go on waiting once a read or a write has
// waited the limit: never, after noting that it gave up.
int GiveUp(http_t*, void* gaveUp) {
  if (gaveUp) *static_cast<bool*>(gaveUp) = true;
  return 0;
}

// The two attributes `wanted` of the printer or job at `path` (e.g.
// "/printers/kz-pdf"), asked of the local server on `http`; null when it
// does not answer. `uriName` says which of the two `path` names.
ipp_t* AskAttributes(http_t* http, ipp_op_t op, const char* uriName, const QByteArray& path,
                     const char* const (&wanted)[2]) {
  const CupsCalls& cups = *Cups();
  char uri[HTTP_MAX_URI];
  cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                        cups.ippPort(), "%s", path.constData());
  ipp_t* request = cups.ippNewRequest(op);
  cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri);
  cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2,
                     nullptr, wanted);
  return cups.cupsDoRequest(http, request, "/");
}

// The text attribute `name` of `answer`, empty where it is missing.
QString TextOf(ipp_t* answer, const char* name) {
  ipp_attribute_t* a = Cups()->ippFindAttribute(answer, name, IPP_TAG_TEXT);
  const char* text = a ? Cups()->ippGetString(a, 0, nullptr) : nullptr;
  return text ? QString::fromUtf8(text) : QString();
}

}  // namespace

QString ServerSilentDetail() {
  return QStringLiteral("the print server did not answer");
}

QByteArray ClientServer() {
  const CupsCalls* cups = Cups();
  if (!cups) return QByteArray();
  QByteArray server(cups->cupsServer());
  if (!server.startsWith('/')) server += ':' + QByteArray::number(cups->ippPort());
  return server;
}

void UseServer(const QByteArray& server) {
  if (const CupsCalls* cups = Cups()) cups->cupsSetServer(server.constData());
}

http_t* ConnectWithLimits(bool* gaveUp) {
  const CupsCalls* cups = Cups();
  if (!cups) return nullptr;
  int cancel = 0;
  http_t* http = cups->httpConnect2(cups->cupsServer(), cups->ippPort(), nullptr, AF_UNSPEC,
                                    cups->cupsEncryption(), 1, kConnectLimitMs, &cancel);
  // Without a callback a write to a server that stopped reading would wait
  // for ever; with one that declines, reads and writes both give up.
  if (http) cups->httpSetTimeout(http, kAnswerLimitSeconds, GiveUp, gaveUp);
  return http;
}

PrintServer ProbePrintServer() {
  PrintServer server;
  if (!Cups()) {
    // Without the CUPS module no server can be asked, not even which it is.
    server.state = PrintServerState::Unreachable;
    server.problem = CupsProblem();
    return server;
  }
  server.name = QString::fromUtf8(ClientServer());
  http_t* http = ConnectWithLimits();
  if (!http) {
    // A connection refused or a missing socket: a machine without CUPS.
    server.state = PrintServerState::Unreachable;
    return server;
  }
  const CupsCalls& cups = *Cups();
  ipp_t* answer = cups.cupsDoRequest(http, cups.ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
  server.state = answer ? PrintServerState::Answered : PrintServerState::Silent;
  cups.ippDelete(answer);
  cups.httpClose(http);
  return server;
}

QString JobRefusal(const QString& printerName) {
  http_t* http = ConnectWithLimits();
  if (!http) return ServerSilentDetail();
  const CupsCalls& cups = *Cups();
  ipp_t* answer = AskAttributes(http, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                "/printers/" + printerName.toUtf8(),
                                {"printer-is-accepting-jobs", "printer-state-message"});
  cups.httpClose(http);
  if (!answer) return ServerSilentDetail();
  // A printer the server does not know yet (a discovered network printer whose
  // queue CUPS makes for the job) is left to the job itself.
  QString refusal;
  if (ipp_attribute_t* accepting =
          cups.ippFindAttribute(answer, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
      accepting && !cups.ippGetBoolean(accepting, 0)) {
    refusal = TextOf(answer, "printer-state-message");
    if (refusal.isEmpty()) refusal = QStringLiteral("it rejects jobs");
  }
  cups.ippDelete(answer);
  return refusal;
}

std::optional<std::pair<ipp_jstate_t, QString>> JobState(http_t* http, int jobId) {
  const CupsCalls& cups = *Cups();
  ipp_t* answer = AskAttributes(http, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri",
                                "/jobs/" + QByteArray::number(jobId),
                                {"job-state", "job-printer-state-message"});
  ipp_attribute_t* state = cups.ippFindAttribute(answer, "job-state", IPP_TAG_ENUM);
  if (!state) {
    cups.ippDelete(answer);
    return std::nullopt;
  }
  const std::pair<ipp_jstate_t, QString> found{
      static_cast<ipp_jstate_t>(cups.ippGetInteger(state, 0)),
      TextOf(answer, "job-printer-state-message").trimmed()};
  cups.ippDelete(answer);
  return found;
}

std::optional<QString> QueueStopped(http_t* http, const QByteArray& queue) {
  const CupsCalls& cups = *Cups();
  ipp_t* answer = AskAttributes(http, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                "/printers/" + queue, {"printer-state", "printer-state-message"});
  ipp_attribute_t* state = cups.ippFindAttribute(answer, "printer-state", IPP_TAG_ENUM);
  if (!state) {
    cups.ippDelete(answer);
    return std::nullopt;
  }
  QString why;
  if (cups.ippGetInteger(state, 0) == IPP_PSTATE_STOPPED) {
    why = TextOf(answer, "printer-state-message").trimmed();
    if (why.isEmpty()) why = QueueStoppedDetail();
  }
  cups.ippDelete(answer);
  return why;
}

QString QueueStoppedDetail() {
  return QStringLiteral("the queue is stopped");
}

QByteArray QueueOf(const QString& printerName) {
  return printerName.section(u'/', 0, 0).toUtf8();
}

// The PPD interface of libcups is deprecated but remains the only place a
// driver's names for its input slots are found.
std::vector<PrinterBin> PrinterBinsOf(const QString& printerName) {
  std::vector<PrinterBin> bins;
  if (printerName.isEmpty()) return bins;
  const QByteArray name = printerName.toUtf8();
  // On a connection of our own: libcups' default one would wait for ever on
  // a server that stopped answering.
  http_t* http = ConnectWithLimits();
  if (!http) return bins;
  const CupsCalls& cups = *Cups();
  time_t modified = 0;
  char ppdPath[1024] = "";
  const http_status_t got =
      cups.cupsGetPPD3(http, name.constData(), &modified, ppdPath, sizeof ppdPath);
  cups.httpClose(http);
  if (got != HTTP_STATUS_OK) {
    if (*ppdPath) unlink(ppdPath);
    return bins;
  }
  ppd_file_t* ppd = cups.ppdOpenFile(ppdPath);
  if (ppd) {
    if (ppd_option_t* option = cups.ppdFindOption(ppd, "InputSlot")) {
      for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& c = option->choices[i];
        PrinterBin bin;
        bin.key = QString::fromUtf8(c.choice);
        bin.name = QString::fromUtf8(c.text[0] ? c.text : c.choice);
        bin.isDefault = qstrcmp(option->defchoice, c.choice) == 0;
        bins.push_back(bin);
      }
    }
    cups.ppdClose(ppd);
  }
  unlink(ppdPath);
  return bins;
}

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

}  // namespace kazenori
