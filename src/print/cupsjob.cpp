// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/cupsjob.h"

#include <QThread>

#include <chrono>

#include "print/cupsconnection.h"

namespace kazenori {

namespace {

// A backend or filter that fails does so as soon as it starts, well within a
// second on a local queue; a job still pending or processing after this is one
// CUPS holds for a stopped queue or is sending to a slow printer, and stands.
constexpr auto kJobSettleLimit = std::chrono::milliseconds(1500);
constexpr auto kJobPollInterval = std::chrono::milliseconds(50);

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
  if (http_) httpClose(http_);
  // A job whose document never arrived whole would wait for it on the
  // server; it is cancelled while the server still answers.
  if (id_ > 0 && !finished_ && !gaveUp_) {
    if (http_t* http = ConnectWithLimits()) {
      cupsCancelJob2(http, queue_.constData(), id_, 0);
      httpClose(http);
    }
  }
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

PrintOutcome CupsJob::Finish() {
  if (!Failed()) {
    document_->close();
    if (cupsFinishDocument(http_, queue_.constData()) > IPP_STATUS_OK_EVENTS_COMPLETE) {
      FailFromLastError(PrintOutcome::Result::Failed);
    } else {
      finished_ = true;
      Settle();
    }
  }
  return status_;
}

// A job CUPS took may still be aborted at once by its filter or backend.
void CupsJob::Settle() {
  const auto deadline = std::chrono::steady_clock::now() + kJobSettleLimit;
  for (;;) {
    const auto state = JobState(http_, id_);
    if (!state) {
      Fail(PrintOutcome::Result::ServerSilent, ServerSilentDetail());
      return;
    }
    if (state->first == IPP_JSTATE_ABORTED || state->first == IPP_JSTATE_CANCELED) {
      Fail(PrintOutcome::Result::Failed, state->second.isEmpty() ? NotAccepted() : state->second);
      return;
    }
    if ((state->first != IPP_JSTATE_PENDING && state->first != IPP_JSTATE_PROCESSING) ||
        std::chrono::steady_clock::now() >= deadline) {
      return;
    }
    QThread::msleep(static_cast<unsigned long>(kJobPollInterval.count()));
  }
}

}  // namespace kazenori
