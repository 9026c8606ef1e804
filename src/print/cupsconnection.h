// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the print layer's own requests to CUPS share; not for use outside it.

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

#include "print/cupsmodule.h"
#include "print/printoutcome.h"

namespace kazenori {

// A connection to the configured print server on which every read and every
// write gives up after the answer limit (libcups' default connection would
// wait for ever); `gaveUp`, where given, becomes true once one has. Null when
// no connection could be made in time.
http_t* ConnectWithLimits(bool* gaveUp = nullptr);

// The job's state and what its printer said about it; nullopt when the server
// did not answer.
std::optional<std::pair<ipp_jstate_t, QString>> JobState(http_t* http, int jobId);

// What CUPS's word on job `id` of `queue` makes of it: Printed once it
// completed the job, Failed when it aborted or cancelled it, Held when the
// job is held or waits in a stopped queue, ServerSilent when the server did
// not answer; nullopt while the job is on its way.
std::optional<PrintOutcome> JobDecision(http_t* http, int id, const QByteArray& queue);

// Why `queue` is stopped (its administrator's reason, else a word of ours);
// empty when it is not, nullopt when the server did not answer.
std::optional<QString> QueueStopped(http_t* http, const QByteArray& queue);

// Jobs go to the queue without the instance part of a printer's name.
QByteArray QueueOf(const QString& printerName);

// The print server this thread's CUPS client uses, port included. libcups
// keeps it per thread: a thread of ours sets it to its starter's (UseServer).
// Empty without the CUPS module.
QByteArray ClientServer();
void UseServer(const QByteArray& server);

// The detail of a job held by a stopped queue that gives no reason.
QString QueueStoppedDetail();

// The detail of a failure because the print server did not answer.
QString ServerSilentDetail();

}  // namespace kazenori
