// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/silentprintserver.h"

#include "support/loopback.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <vector>

namespace kazenori::testing {

SilentPrintServer::SilentPrintServer() {
  listener_ = ListenOnLoopback(port_);
  if (listener_ < 0) return;
  // Accepted connections are held open, unread, until the server goes away.
  acceptor_ = std::thread([fd = listener_] {
    std::vector<int> held;
    for (int c; (c = accept(fd, nullptr, nullptr)) >= 0;) held.push_back(c);
    for (int c : held) close(c);
  });
}

SilentPrintServer::~SilentPrintServer() {
  if (listener_ < 0) return;
  // Ends the blocked accept().
  shutdown(listener_, SHUT_RDWR);
  if (acceptor_.joinable()) acceptor_.join();
  close(listener_);
}

std::string SilentPrintServer::Address() const {
  return "127.0.0.1:" + std::to_string(port_);
}

}  // namespace kazenori::testing
