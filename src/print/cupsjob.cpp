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

// The document's bytes, handed to libcups as the PDF writer makes them.
class CupsJob::Stream : public QIODevice {
 public:
  explicit Stream(CupsJob& job) : job_(job) {}

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    return job_.Send(data, size) ? size : -1;
  }

 private:
  CupsJob& job_;
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
  for (const auto& [name, value] : options) {
    cupsOptions.push_back(
        {const_cast<char*>(name.constData()), const_cast<char*>(value.constData())});
  }
  const QByteArray name = title.toUtf8();
  id_ = cupsCreateJob(http_, queue_.constData(), name.constData(),
                      static_cast<int>(cupsOptions.size()), cupsOptions.data());
  if (id_ == 0) {
    FailFromLastError(PrintOutcome::Result::NotStarted);
    return;
  }
  if (cupsStartDocument(http_, queue_.constData(), id_, name.constData(), CUPS_FORMAT_PDF, 1) !=
      HTTP_STATUS_CONTINUE) {
    FailFromLastError(PrintOutcome::Result::NotStarted);
    return;
  }
  document_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

CupsJob::~CupsJob() {
  // A job whose document never arrived whole would wait for it on the server
  // and could print truncated once it gives up waiting.
  if (!finished_) Cancel();
  if (http_) httpClose(http_);
}

// On a connection of its own: the job's may be the one that hung. A server
// that is gone for good costs the connection's limits once.
void CupsJob::Cancel() {
  if (id_ <= 0) return;
  if (http_t* http = ConnectWithLimits()) {
    cupsCancelJob2(http, queue_.constData(), id_, 0);
    httpClose(http);
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
  const ipp_status_t status = cupsLastError();
  if (gaveUp_ || status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE ||
      status == IPP_STATUS_ERROR_INTERNAL) {
    Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
  } else if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) {
    Fail(PrintOutcome::Result::Refused, QString::fromUtf8(cupsLastErrorString()));
  } else {
    const QString why = QString::fromUtf8(cupsLastErrorString());
    Fail(result, why.isEmpty() ? NotAccepted() : why);
  }
}

bool CupsJob::Send(const char* data, qint64 size) {
  if (Failed()) return false;
  if (cupsWriteRequestData(http_, data, static_cast<size_t>(size)) == HTTP_STATUS_CONTINUE) {
    return true;
  }
  // The server stopped taking the document: it hangs, or it is gone.
  Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
  return false;
}

PrintOutcome CupsJob::Finish(std::chrono::milliseconds wait) {
  status_.jobId = id_ > 0 ? id_ : 0;
  if (!Failed()) {
    document_->close();
    if (cupsFinishDocument(http_, queue_.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
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

// Until CUPS has decided, or the wait is over. A job CUPS took may still be
// aborted by its filter or backend long after it was sent.
void CupsJob::Follow(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto state = JobState(http_, id_);
    if (!state) {
      Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
      return;
    }
    switch (state->first) {
      case IPP_JSTATE_COMPLETED:
        return;
      case IPP_JSTATE_ABORTED:
      case IPP_JSTATE_CANCELED:
        Fail(PrintOutcome::Result::Failed, state->second.isEmpty() ? NotAccepted() : state->second);
        return;
      case IPP_JSTATE_HELD:
      case IPP_JSTATE_STOPPED:
        Fail(PrintOutcome::Result::Held, state->second);
        return;
      case IPP_JSTATE_PENDING:
        // A stopped queue keeps its jobs pending, saying so only of itself.
        if (const auto stopped = QueueStopped(http_, queue_); stopped && !stopped->isEmpty()) {
          Fail(PrintOutcome::Result::Held, *stopped);
          return;
        }
        break;
      default:
        break;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      Fail(PrintOutcome::Result::InProgress, state->second);
      return;
    }
    QThread::msleep(static_cast<unsigned long>(kJobPollInterval.count()));
  }
}

}  // namespace kazenori
