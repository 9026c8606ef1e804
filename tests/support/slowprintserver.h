// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kazenori::testing {

// A print server that answers, but slowly: a relay on 127.0.0.1 in front of
// the CUPS server this process would use, holding back each answer by `delay`
// (a busy server on a school network). Point the program at it with
// CUPS_SERVER=Address() or cupsSetServer. With Hold::PrinterRequests it hangs
// instead on any request for a printer's own resource (a job as it arrives, a
// driver as it is fetched): such a request is never passed on or answered.
// With Hold::AfterJobCreated it goes silent once it has passed on a new job's
// number (the answer to Create-Job): the connection's next request (the
// job's document) is held.
class SlowPrintServer {
 public:
  enum class Hold { Nothing, PrinterRequests, AfterJobCreated };
  explicit SlowPrintServer(std::chrono::milliseconds delay, Hold hold = Hold::Nothing);
  ~SlowPrintServer();
  SlowPrintServer(const SlowPrintServer&) = delete;
  SlowPrintServer& operator=(const SlowPrintServer&) = delete;

  bool Listening() const { return port_ > 0; }
  // "127.0.0.1:PORT".
  std::string Address() const;
  // How many answers were held back so far.
  int DelayedAnswers() const;
  // How many requests were held.
  int HeldRequests() const;

 private:
  void Accept();
  void Relay(int client);
  int ConnectUpstream() const;

  std::chrono::milliseconds delay_;
  Hold hold_;
  std::string upstream_;  // a socket path, or "host:port"
  int listener_ = -1;
  int port_ = 0;
  int stop_[2] = {-1, -1};  // a pipe: readable once the relays are to end
  mutable std::mutex mutex_;
  int delayed_ = 0;
  int held_ = 0;
  std::vector<std::thread> relays_;
  std::thread acceptor_;
};

}  // namespace kazenori::testing
