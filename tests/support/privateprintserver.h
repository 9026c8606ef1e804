// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <atomic>
#include <string>
#include <thread>

namespace kazenori::testing {

// A cupsd of the test's own, on 127.0.0.1 with a fresh spool, so that it can be
// killed without disturbing the shared test server: one raw queue, Queue(),
// whose backend takes every job and holds it five seconds (a slow printer).
// Needs /usr/sbin/cupsd and the rights to run it; else Running() is false and
// Problem() says why.
class PrivatePrintServer {
 public:
  PrivatePrintServer();
  ~PrivatePrintServer();
  PrivatePrintServer(const PrivatePrintServer&) = delete;
  PrivatePrintServer& operator=(const PrivatePrintServer&) = delete;

  bool Running() const { return pid_ > 0; }
  const std::string& Problem() const { return problem_; }
  // "127.0.0.1:PORT".
  std::string Address() const;
  static const char* Queue() { return "kz-slow"; }

  // Kills the server (SIGKILL, as a crash) as soon as the next job's document
  // reaches its spool, from a thread of its own.
  void KillOnceAJobArrives();
  bool Killed() const { return killed_; }

 private:
  bool WriteConfiguration();
  bool Start();
  int SpooledDocuments() const;
  void Kill();

  std::string dir_;
  int port_ = 0;
  std::atomic<pid_t> pid_{-1};
  std::string problem_;
  std::atomic<bool> killed_{false};
  std::atomic<bool> stop_{false};
  std::thread watcher_;
};

}  // namespace kazenori::testing
