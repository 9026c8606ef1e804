// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/jobwatch.h"

#include <QTimer>

#include <memory>
#include <optional>
#include <utility>

#include "print/cupsconnection.h"

namespace kazenori {

namespace {

// The watch's own connection, kept from one question to the next; libcups
// keeps the server per thread, so the watch's thread is told its starter's.
struct Connection {
  QByteArray server;
  QByteArray queue;
  http_t* http = nullptr;
  Connection(QByteArray s, QByteArray q) : server(std::move(s)), queue(std::move(q)) {}
  ~Connection() {
    if (http) Cups()->httpClose(http);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
};

}  // namespace

JobWatch::JobWatch(const QString& printer, int jobId, QObject* parent)
    : QObject(parent), jobId_(jobId) {
  auto* timer = new QTimer;
  timer->setInterval(kPollInterval);
  timer->moveToThread(&thread_);
  auto connection = std::make_shared<Connection>(ClientServer(), QueueOf(printer));
  connect(timer, &QTimer::timeout, timer, [this, timer, connection, jobId] {
    if (!connection->http) {
      UseServer(connection->server);
      connection->http = ConnectWithLimits();
    }
    std::optional<PrintOutcome> decided;
    if (connection->http) {
      decided = JobDecision(connection->http, jobId, connection->queue);
    } else {
      decided = PrintOutcome{PrintOutcome::Result::ServerSilent, {}, jobId, ServerSilentDetail()};
    }
    if (!decided) return;
    timer->stop();
    // Posted: dropped should the watch be gone by then.
    QMetaObject::invokeMethod(
        this, [this, outcome = *decided] { emit this->decided(outcome); }, Qt::QueuedConnection);
  });
  connect(&thread_, &QThread::started, timer, qOverload<>(&QTimer::start));
  connect(&thread_, &QThread::finished, timer, &QObject::deleteLater);
  thread_.start();
}

JobWatch::~JobWatch() {
  thread_.quit();
  thread_.wait();
}

}  // namespace kazenori
