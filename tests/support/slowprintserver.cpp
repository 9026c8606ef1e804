// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/slowprintserver.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string_view>

#include <cups/cups.h>

#include "support/loopback.h"

namespace kazenori::testing {

SlowPrintServer::SlowPrintServer(std::chrono::milliseconds delay, Hold hold)
    : delay_(delay), hold_(hold) {
  upstream_ = cupsServer();
  if (upstream_.empty() || upstream_[0] != '/') upstream_ += ":" + std::to_string(ippPort());
  int port = 0;
  listener_ = ListenOnLoopback(port);
  if (listener_ < 0 || pipe2(stop_, O_CLOEXEC) != 0) return;
  port_ = port;
  acceptor_ = std::thread([this] { Accept(); });
}

SlowPrintServer::~SlowPrintServer() {
  if (listener_ >= 0) shutdown(listener_, SHUT_RDWR);
  if (acceptor_.joinable()) acceptor_.join();
  if (stop_[1] >= 0) close(stop_[1]);  // wakes every relay
  for (std::thread& relay : relays_) relay.join();
  for (int fd : {listener_, stop_[0]}) {
    if (fd >= 0) close(fd);
  }
}

std::string SlowPrintServer::Address() const {
  return "127.0.0.1:" + std::to_string(port_);
}

int SlowPrintServer::DelayedAnswers() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return delayed_;
}

int SlowPrintServer::HeldRequests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return held_;
}

void SlowPrintServer::Accept() {
  for (int client; (client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
    std::lock_guard<std::mutex> lock(mutex_);
    relays_.emplace_back([this, client] { Relay(client); });
  }
}

int SlowPrintServer::ConnectUpstream() const {
  if (upstream_[0] == '/') {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, upstream_.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      return fd;
    }
    if (fd >= 0) close(fd);
    return -1;
  }
  const std::size_t colon = upstream_.rfind(':');
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(upstream_.substr(0, colon).c_str(), upstream_.substr(colon + 1).c_str(), &hints,
                  &found) != 0) {
    return -1;
  }
  int fd = -1;
  for (addrinfo* a = found; a && fd < 0; a = a->ai_next) {
    fd = socket(a->ai_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, a->ai_addr, a->ai_addrlen) != 0) {
      close(fd);
      fd = -1;
    }
  }
  freeaddrinfo(found);
  return fd;
}

// Requests pass at once; the first bytes of each answer wait `delay_`.
void SlowPrintServer::Relay(int client) {
  const int server = ConnectUpstream();
  bool asked = false;
  bool held = false;
  bool jobCreated = false;
  // A job's number in an IPP answer: the integer attribute "job-id".
  constexpr std::string_view kJobId("\x21\x00\x06job-id\x00\x04", 11);
  char buffer[16384];
  pollfd fds[3] = {{client, POLLIN, 0}, {server, POLLIN, 0}, {stop_[0], POLLIN, 0}};
  while (server >= 0 && poll(fds, 3, -1) > 0 && !fds[2].revents) {
    const bool fromClient = fds[0].revents != 0;
    const int from = fromClient ? client : server;
    const ssize_t n = read(from, buffer, sizeof buffer);
    if (n <= 0) break;
    const std::string_view request(buffer, static_cast<std::size_t>(n));
    held = fromClient &&
           ((hold_ == Hold::PrinterRequests && (request.rfind("POST /printers/", 0) == 0 ||
                                                request.rfind("GET /printers/", 0) == 0)) ||
            (hold_ == Hold::AfterJobCreated && jobCreated));
    if (!fromClient && request.find(kJobId) != std::string_view::npos) jobCreated = true;
    if (held) {
      std::lock_guard<std::mutex> lock(mutex_);
      ++held_;
      break;
    }
    if (!fromClient && asked) {
      std::this_thread::sleep_for(delay_);
      std::lock_guard<std::mutex> lock(mutex_);
      ++delayed_;
    }
    asked = fromClient;
    if (write(fromClient ? server : client, buffer, static_cast<std::size_t>(n)) != n) break;
  }
  if (server >= 0) close(server);
  // A held request's connection stays open and unanswered until the end.
  if (held) poll(&fds[2], 1, -1);
  close(client);
}

}  // namespace kazenori::testing
