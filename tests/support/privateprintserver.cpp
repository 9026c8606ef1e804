// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/privateprintserver.h"

#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <vector>

#include "support/loopback.h"

namespace kazenori::testing {

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";

bool WriteFile(const std::string& path, const std::string& text, mode_t mode = 0644) {
  std::ofstream(path) << text;
  return chmod(path.c_str(), mode) == 0;
}

// A port nobody listens on just now.
int FreePort() {
  int port = 0;
  const int fd = ListenOnLoopback(port);
  if (fd >= 0) close(fd);
  return port;
}

bool Accepts(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

const char* const kBackend = R"(#!/bin/sh
if [ $# -eq 0 ]; then echo 'direct kzslow "Unknown" "Kazenori test slow output"'; exit 0; fi
cat "${6:-/dev/stdin}" >/dev/null
sleep 5
)";

}  // namespace

PrivatePrintServer::PrivatePrintServer() {
  if (access(kCupsd, X_OK) != 0) {
    problem_ = std::string(kCupsd) + " is not installed";
    return;
  }
  char dir[] = "/tmp/kazenori-cupsd-XXXXXX";
  if (!mkdtemp(dir)) {
    problem_ = "no temporary folder";
    return;
  }
  dir_ = dir;
  port_ = FreePort();
  if (!WriteConfiguration()) {
    problem_ = "the configuration could not be written in " + dir_;
    return;
  }
  if (!Start()) problem_ = "cupsd did not start; see " + dir_ + "/log/error_log";
}

PrivatePrintServer::~PrivatePrintServer() {
  stop_ = true;
  if (watcher_.joinable()) watcher_.join();
  Kill();
  // Kept when cupsd failed, for its log.
  std::error_code ignored;
  if (!dir_.empty() && problem_.empty()) std::filesystem::remove_all(dir_, ignored);
}

std::string PrivatePrintServer::Address() const {
  return "127.0.0.1:" + std::to_string(port_);
}

bool PrivatePrintServer::WriteConfiguration() {
  for (const char* sub :
       {"/etc", "/spool", "/cache", "/state", "/tmp", "/log", "/bin", "/bin/backend"}) {
    if (mkdir((dir_ + sub).c_str(), 0755) != 0) return false;
  }
  // Filters and helpers are the system's; the backend is our own.
  for (const char* sub : {"filter", "daemon", "cgi-bin", "notifier", "monitor", "driver"}) {
    if (symlink((std::string("/usr/lib/cups/") + sub).c_str(), (dir_ + "/bin/" + sub).c_str()) !=
        0) {
      return false;
    }
  }
  // Mode 0700: cupsd runs the backend as root, as the test itself runs.
  return WriteFile(dir_ + "/bin/backend/kzslow", kBackend, 0700) &&
         WriteFile(dir_ + "/etc/cupsd.conf",
                   "Listen 127.0.0.1:" + std::to_string(port_) +
                       "\nLogLevel warn\nBrowsing No\nDefaultAuthType None\nWebInterface No\n"
                       "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                       "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                       "</Policy>\n") &&
         WriteFile(dir_ + "/etc/cups-files.conf",
                   "ServerRoot " + dir_ + "/etc\nRequestRoot " + dir_ + "/spool\nCacheDir " + dir_ +
                       "/cache\nStateDir " + dir_ + "/state\nTempDir " + dir_ + "/tmp\nServerBin " +
                       dir_ + "/bin\nDataDir /usr/share/cups\nErrorLog " + dir_ +
                       "/log/error_log\nAccessLog " + dir_ + "/log/access_log\nPageLog " + dir_ +
                       "/log/page_log\nSandboxing Relaxed\n") &&
         WriteFile(dir_ + "/etc/printers.conf",
                   std::string("<DefaultPrinter ") + Queue() +
                       ">\nDeviceURI kzslow:/\nState Idle\nAccepting Yes\nShared No\n"
                       "</DefaultPrinter>\n");
}

bool PrivatePrintServer::Start() {
  const std::string conf = dir_ + "/etc/cupsd.conf";
  const std::string files = dir_ + "/etc/cups-files.conf";
  const pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    execl(kCupsd, kCupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  pid_ = pid;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Accepts(port_)) return true;
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      pid_ = -1;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  Kill();
  return false;
}

void PrivatePrintServer::Kill() {
  const pid_t pid = pid_.exchange(-1);
  if (pid <= 0) return;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

int PrivatePrintServer::SpooledDocuments() const {
  DIR* spool = opendir((dir_ + "/spool").c_str());
  if (!spool) return 0;
  int found = 0;
  while (const dirent* entry = readdir(spool)) {
    if (entry->d_name[0] == 'd') ++found;
  }
  closedir(spool);
  return found;
}

void PrivatePrintServer::KillOnceAJobArrives() {
  watcher_ = std::thread([this, before = SpooledDocuments()] {
    while (!stop_ && SpooledDocuments() == before) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (stop_) return;
    Kill();
    killed_ = true;
  });
}

}  // namespace kazenori::testing
