// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <thread>

namespace kazenori::testing {

// A print server that accepts connections on 127.0.0.1 and never answers: a
// hung cupsd, or a central print server that is down behind a live host. The
// program under test is pointed at it with CUPS_SERVER=Address().
class SilentPrintServer {
 public:
  SilentPrintServer();
  ~SilentPrintServer();
  SilentPrintServer(const SilentPrintServer&) = delete;
  SilentPrintServer& operator=(const SilentPrintServer&) = delete;

  // False when no port could be opened.
  bool Listening() const { return port_ > 0; }
  // "127.0.0.1:PORT".
  std::string Address() const;

 private:
  int listener_ = -1;
  int port_ = 0;
  std::thread acceptor_;
};

}  // namespace kazenori::testing
