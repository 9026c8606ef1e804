// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <chrono>
#include <memory>
#include <utility>
#include <vector>

#include "print/printoutcome.h"

// libcups' own name for its connection, declared so that this header needs no
// cups.h.
typedef struct _http_s http_t;  // NOLINT(bugprone-reserved-identifier)

namespace kazenori {

// A job option as CUPS names it, with its value.
using JobOption = std::pair<QByteArray, QByteArray>;

// A PDF print job sent to CUPS on a connection of its own, so that every
// request and every write has a time limit: a server that stops answering
// while the job is on its way fails the job instead of holding the program
// (Qt's own printing waits on libcups' default connection, for ever). The
// job is known by the id CUPS gave it, and CUPS's answer to each request
// decides whether it was taken.
class CupsJob {
 public:
  // Creates the job on `printer`'s queue and opens its document.
  CupsJob(const QString& printer, const QString& title, const std::vector<JobOption>& options);
  // A job that was created but not finished is cancelled.
  ~CupsJob();
  CupsJob(const CupsJob&) = delete;
  CupsJob& operator=(const CupsJob&) = delete;

  // The document: what is written goes to CUPS at once. Once the job has
  // failed, writes fail.
  QIODevice& Document() { return *document_; }
  bool Failed() const { return !status_.Ok(); }
  // Ends the document and follows the job for up to `wait`: Printed once
  // CUPS completed it, Failed when it aborted or cancelled it, Held when it
  // is held or waits in a stopped queue, InProgress when it is still on its
  // way at the limit. A job that failed, or whose server was lost, is
  // cancelled, so that nothing half-sent prints later.
  PrintOutcome Finish(std::chrono::milliseconds wait);
  int Id() const { return id_; }

 private:
  class Stream;

  bool Send(const char* data, qint64 size);
  void Fail(PrintOutcome::Result result, const QString& why);
  void FailFromLastError(PrintOutcome::Result result);
  void Follow(std::chrono::milliseconds wait);
  void Cancel();

  QByteArray queue_;
  bool gaveUp_ = false;  // a read or a write ran out of time
  http_t* http_ = nullptr;
  int id_ = 0;
  bool finished_ = false;
  PrintOutcome status_;
  std::unique_ptr<QIODevice> document_;
};

// Takes job `id` on `printer` back from another thread than the job's (an
// interrupt's): cancels it unless CUPS has completed it, on a connection to
// `server` (see ClientServer) of its own. True when the job had completed.
bool CancelUnlessCompleted(const QByteArray& server, const QString& printer, int id);

}  // namespace kazenori
