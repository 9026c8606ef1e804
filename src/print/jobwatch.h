// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <chrono>

#include "print/printoutcome.h"

namespace kazenori {

// Follows a job CUPS took but had not finished when its print returned, so
// that the window need not wait for the printer: CUPS is asked on a thread of
// the watch's own, where a server slow to answer holds nothing else, and
// decided() comes once, on the watch's thread, when CUPS has completed,
// aborted, cancelled or held the job, or stopped answering.
class JobWatch : public QObject {
  Q_OBJECT
 public:
  JobWatch(const QString& printer, int jobId, QObject* parent = nullptr);
  // Stops asking (a question under way ends within the server's limits).
  ~JobWatch() override;
  JobWatch(const JobWatch&) = delete;
  JobWatch& operator=(const JobWatch&) = delete;

  int JobId() const { return jobId_; }
  // Often enough that the teacher hears of a job soon after the printer is
  // done, seldom enough that a long job costs the server nothing.
  static constexpr std::chrono::milliseconds kPollInterval{500};

 signals:
  void decided(const PrintOutcome& outcome);

 private:
  int jobId_;
  QThread thread_;
};

}  // namespace kazenori
