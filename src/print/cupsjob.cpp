// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/cupsjob.h"

#include <QThread>

#include <chrono>

#include "print/cupsconnection.h"

namespace kazenori {

namespace {

// Often enough that a short job is reported at once, seldom enough that a
// long wait costs the server nothing.
constexpr auto kJobPollInterval = std::chrono::milliseconds(100);

QString NotAccepted() {
  return QStringLiteral("the job was not accepted");
}

}  // namespace

// The document's bytes, handed to libcups in pieces of a useful size: the PDF
// writer makes them a few bytes at a time, and each write to CUPS is a chunk
// of its own on the wire.
class CupsJob::Stream : public QIODevice {
 public:
  explicit Stream(CupsJob& job) : job_(job) {}
  void close() override {
    Pass();
    QIODevice::close();
  }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (job_.Failed()) return -1;
    pending_.append(data, size);
    if (pending_.size() >= kPiece && !Pass()) return -1;
    return size;
  }

 private:
  static constexpr qsizetype kPiece = qsizetype{64} * 1024;
  bool Pass() {
    const bool sent = pending_.isEmpty() || job_.Send(pending_.constData(), pending_.size());
    pending_.clear();
    return sent;
  }

  CupsJob& job_;
  QByteArray pending_;
};

CupsJob::CupsJob(const QString& printer, const QString& title,
                 const std::vector<JobOption>& options)
    : queue_(QueueOf(printer)), document_(std::make_unique<Stream>(*this)) {
  http_ = ConnectWithLimits(&gaveUp_);
  if (!http_) {
    Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
    return;
  }
  std::vector<cups_option_t> cupsOptions;
  cupsOptions.reserve(options.size());
  for (const auto& [name, value] : options) {
    cupsOptions.push_back(
        {const_cast<char*>(name.constData()), const_cast<char*>(value.constData())});
  }
  const CupsCalls& cups = *Cups();
  const QByteArray name = title.toUtf8();
  id_ = cups.cupsCreateJob(http_, queue_.constData(), name.constData(),
                           static_cast<int>(cupsOptions.size()), cupsOptions.data());
  if (id_ == 0) {
    FailFromLastError(PrintOutcome::Result::NotStarted);
    return;
  }
  if (cups.cupsStartDocument(http_, queue_.constData(), id_, name.constData(), CUPS_FORMAT_PDF,
                             1) != HTTP_STATUS_CONTINUE) {
    FailFromLastError(PrintOutcome::Result::NotStarted);
    return;
  }
  document_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

CupsJob::~CupsJob() {
  // A job whose document never arrived whole would wait for it on the server
  // and could print truncated once it gives up waiting.
  if (!finished_) Cancel();
  if (http_) Cups()->httpClose(http_);
}

// On a connection of its own: the job's may be the one that hung. A server
// that is gone for good costs the connection's limits once.
void CupsJob::Cancel() {
  if (id_ <= 0) return;
  if (http_t* http = ConnectWithLimits()) {
    Cups()->cupsCancelJob2(http, queue_.constData(), id_, 0);
    Cups()->httpClose(http);
  }
  id_ = -id_;  // once
}

void CupsJob::Fail(PrintOutcome::Result result, const QString& why) {
  if (Failed()) return;
  status_.result = result;
  status_.detail = why;
}

// What CUPS answered to the last request, where it answered at all.
void CupsJob::FailFromLastError(PrintOutcome::Result result) {
  const CupsCalls& cups = *Cups();
  const ipp_status_t status = cups.cupsLastError();
  if (gaveUp_ || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
      status == IPP_STATUS_ERROR_INTERNAL) {
    Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
  } else if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) {
    Fail(PrintOutcome::Result::Refused, QString::fromUtf8(cups.cupsLastErrorString()));
  } else {
    const QString why = QString::fromUtf8(cups.cupsLastErrorString());
    Fail(result, why.isEmpty() ? NotAccepted() : why);
  }
}

bool CupsJob::Send(const char* data, qint64 size) {
  if (Failed()) return false;
  if (Cups()->cupsWriteRequestData(http_, data, static_cast<size_t>(size)) ==
      HTTP_STATUS_CONTINUE) {
    return true;
  }
  // The server stopped taking the document: it hangs, or it is gone.
  Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
  return false;
}

PrintOutcome CupsJob::Finish(std::chrono::milliseconds wait) {
  status_.jobId = id_ > 0 ? id_ : 0;
  if (!Failed()) {
    document_->close();  // what it still holds goes first
  }
  if (!Failed()) {
    // A server that stopped answering leaves libcups' last status as the
    // previous request's: only our own note tells that it gave up.
    if (Cups()->cupsFinishDocument(http_, queue_.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE ||
        gaveUp_) {
      FailFromLastError(PrintOutcome::Result::Failed);
    } else {
      Follow(wait);
    }
  }
  // What the server still has of a failed job is taken back; a held job or
  // one on its way stands, for whoever starts the queue or waits for it.
  if (Failed() && !status_.Pending()) {
    Cancel();
  }
  finished_ = true;
  return status_;
}

std::optional<PrintOutcome> JobDecision(http_t* http, int id, const QByteArray& queue) {
  PrintOutcome decided;
  decided.jobId = id;
  const auto state = JobState(http, id);
  if (!state) {
    decided.result = PrintOutcome::Result::ServerSilent;
    decided.detail = ServerSilentDetail();
    return decided;
  }
  decided.detail = state->second;
  switch (state->first) {
    case IPP_JSTATE_COMPLETED:
      decided.detail.clear();
      return decided;
    case IPP_JSTATE_ABORTED:
    case IPP_JSTATE_CANCELED:
      decided.result = PrintOutcome::Result::Failed;
      if (decided.detail.isEmpty()) decided.detail = NotAccepted();
      return decided;
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_STOPPED:
      decided.result = PrintOutcome::Result::Held;
      return decided;
    case IPP_JSTATE_PENDING:
      // A stopped queue keeps its jobs pending, saying so only of itself.
      if (const auto stopped = QueueStopped(http, queue); stopped && !stopped->isEmpty()) {
        decided.result = PrintOutcome::Result::Held;
        decided.detail = *stopped;
        return decided;
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

// Until CUPS has decided, or the wait is over. A job CUPS took may still be
// aborted by its filter or backend long after it was sent.
void CupsJob::Follow(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (const auto decided = JobDecision(http_, id_, queue_)) {
      if (!decided->Ok()) Fail(decided->result, decided->detail);
      return;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      Fail(PrintOutcome::Result::InProgress, QString());
      return;
    }
    QThread::msleep(static_cast<unsigned long>(kJobPollInterval.count()));
  }
}

bool CancelUnlessCompleted(const QByteArray& server, const QString& printer, int id) {
  UseServer(server);
  http_t* http = ConnectWithLimits();
  if (!http) return false;
  const auto state = JobState(http, id);
  const bool completed = state && state->first == IPP_JSTATE_COMPLETED;
  if (!completed) Cups()->cupsCancelJob2(http, QueueOf(printer).constData(), id, 0);
  Cups()->httpClose(http);
  return completed;
}

}  // namespace kazenori
