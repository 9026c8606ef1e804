// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printserver.h"

#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <QThread>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>

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

// A backend or filter that fails does so as soon as it starts, well within a
// second on a local queue; a job still pending or processing after this is one
// CUPS holds for a stopped queue or is sending to a slow printer, and stands.
constexpr auto kJobSettleLimit = std::chrono::milliseconds(1500);
constexpr auto kJobPollInterval = std::chrono::milliseconds(50);

const QString kSilent = QStringLiteral("the print server did not answer");
const QString kNotAccepted = QStringLiteral("the job was not accepted");

}  // namespace

// A connection to the configured server, each read limited as above; null when
// none could be made.
http_t* ConnectWithLimits() {
  int cancel = 0;
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kConnectLimitMs, &cancel);
  // Without a callback a read that waits longer than this fails.
  if (http) httpSetTimeout(http, kAnswerLimitSeconds, nullptr, nullptr);
  return http;
}

PrintServer ProbePrintServer() {
  PrintServer server;
  server.name = QString::fromUtf8(cupsServer());
  if (!server.name.startsWith(u'/')) server.name += QStringLiteral(":%1").arg(ippPort());
  http_t* http = ConnectWithLimits();
  if (!http) {
    // A connection refused or a missing socket: a machine without CUPS.
    server.state = PrintServerState::Unreachable;
    return server;
  }
  ipp_t* answer = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
  server.state = answer ? PrintServerState::Answered : PrintServerState::Silent;
  ippDelete(answer);
  httpClose(http);
  return server;
}

QString JobRefusal(const QString& printerName) {
  http_t* http = ConnectWithLimits();
  if (!http) return kSilent;
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/printers/%s", printerName.toUtf8().constData());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                kWanted);
  ipp_t* answer = cupsDoRequest(http, request, "/");
  httpClose(http);
  if (!answer) return kSilent;
  // A printer the server does not know yet (a discovered network printer whose
  // queue CUPS makes for the job) is left to the job itself.
  QString refusal;
  if (ipp_attribute_t* accepting =
          ippFindAttribute(answer, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
      accepting && !ippGetBoolean(accepting, 0)) {
    ipp_attribute_t* why = ippFindAttribute(answer, "printer-state-message", IPP_TAG_TEXT);
    const char* text = why ? ippGetString(why, 0, nullptr) : nullptr;
    refusal = text && *text ? QString::fromUtf8(text) : QStringLiteral("it rejects jobs");
  }
  ippDelete(answer);
  return refusal;
}

namespace {

// This user's jobs on `queue` (every state, completed ones too); nullopt when
// the server did not answer.
std::optional<std::vector<std::pair<int, QString>>> UserJobs(http_t* http,
                                                             const QByteArray& queue) {
  cups_job_t* jobs = nullptr;
  const int count = cupsGetJobs2(http, &jobs, queue.constData(), 1, CUPS_WHICHJOBS_ALL);
  if (count < 0 || (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)) {
    cupsFreeJobs(count, jobs);
    return std::nullopt;
  }
  std::vector<std::pair<int, QString>> found;
  for (int i = 0; i < count; ++i) {
    found.emplace_back(jobs[i].id, QString::fromUtf8(jobs[i].title ? jobs[i].title : ""));
  }
  cupsFreeJobs(count, jobs);
  return found;
}

// The job's state and what the printer said about it, nullopt when the server
// did not answer.
std::optional<std::pair<ipp_jstate_t, QString>> JobState(http_t* http, int jobId) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/jobs/%d", jobId);
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
  const char* const kWanted[] = {"job-state", "job-printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                kWanted);
  ipp_t* answer = cupsDoRequest(http, request, "/");
  ipp_attribute_t* state = ippFindAttribute(answer, "job-state", IPP_TAG_ENUM);
  if (!state) {
    ippDelete(answer);
    return std::nullopt;
  }
  std::pair<ipp_jstate_t, QString> found{static_cast<ipp_jstate_t>(ippGetInteger(state, 0)), {}};
  if (ipp_attribute_t* a = ippFindAttribute(answer, "job-printer-state-message", IPP_TAG_TEXT)) {
    found.second = QString::fromUtf8(ippGetString(a, 0, nullptr)).trimmed();
  }
  ippDelete(answer);
  return found;
}

// Qt sends the job to the queue without the instance part of the name.
QByteArray QueueOf(const QString& printerName) {
  return printerName.section(u'/', 0, 0).toUtf8();
}

}  // namespace

int LastJobId(const QString& printerName) {
  http_t* http = ConnectWithLimits();
  if (!http) return -1;
  const auto jobs = UserJobs(http, QueueOf(printerName));
  httpClose(http);
  if (!jobs) return -1;
  int last = 0;
  for (const auto& job : *jobs) last = std::max(last, job.first);
  return last;
}

QString JobFailure(const QString& printerName, const QString& title, int lastJobBefore) {
  http_t* http = ConnectWithLimits();
  if (!http) return kSilent;
  // The server numbers jobs upwards: ours is the first of ours after the mark.
  const auto jobs = UserJobs(http, QueueOf(printerName));
  int id = 0;
  for (const auto& [jobId, jobTitle] : jobs.value_or(std::vector<std::pair<int, QString>>())) {
    if (jobId > lastJobBefore && jobTitle == title && (id == 0 || jobId < id)) id = jobId;
  }
  QString failure = !jobs ? kSilent : id == 0 ? kNotAccepted : QString();
  const auto deadline = std::chrono::steady_clock::now() + kJobSettleLimit;
  while (failure.isEmpty()) {
    const auto state = JobState(http, id);
    if (!state) {
      failure = kSilent;
    } else if (state->first == IPP_JSTATE_ABORTED || state->first == IPP_JSTATE_CANCELED) {
      failure = state->second.isEmpty() ? kNotAccepted : state->second;
    } else if ((state->first != IPP_JSTATE_PENDING && state->first != IPP_JSTATE_PROCESSING) ||
               std::chrono::steady_clock::now() >= deadline) {
      break;
    } else {
      QThread::msleep(static_cast<unsigned long>(kJobPollInterval.count()));
    }
  }
  httpClose(http);
  return failure;
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

}  // namespace kazenori
