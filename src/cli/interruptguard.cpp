// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/interruptguard.h"

#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <utility>

namespace kazenori {

InterruptGuard::InterruptGuard() {
  sigemptyset(&signals_);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction current {};
    if (::sigaction(sig, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
      sigaddset(&signals_, sig);
    }
  }
  ::pthread_sigmask(SIG_BLOCK, &signals_, &previousMask_);
  watcher_ = std::thread(&InterruptGuard::Watch, this);
}

InterruptGuard::~InterruptGuard() {
  stop_ = true;
  watcher_.join();
  // Once every output is in place the run has done its work: a signal that
  // comes while the program winds down stays blocked and dies with it, rather
  // than killing a run that succeeded. Otherwise a signal that came while
  // stopping is delivered here, as it would have been.
  if (settled_) return;
  ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

void InterruptGuard::Track(const QByteArray& temporary, const std::unique_lock<std::mutex>& held) {
  Q_ASSERT(held.mutex() == &mutex_ && held.owns_lock());
  Q_UNUSED(held);
  temporaries_.push_back(temporary);
}

void InterruptGuard::Forget(const QByteArray& temporary, const std::unique_lock<std::mutex>& held) {
  Q_ASSERT(held.mutex() == &mutex_ && held.owns_lock());
  Q_UNUSED(held);
  temporaries_.erase(std::remove(temporaries_.begin(), temporaries_.end(), temporary),
                     temporaries_.end());
}

void InterruptGuard::Settle(const std::unique_lock<std::mutex>& held) {
  Q_ASSERT(held.mutex() == &mutex_ && held.owns_lock());
  Q_UNUSED(held);
  settled_ = true;
}

void InterruptGuard::SetUndo(std::function<bool()> undo, const std::unique_lock<std::mutex>& held) {
  Q_ASSERT(held.mutex() == &mutex_ && held.owns_lock());
  Q_UNUSED(held);
  undo_ = std::move(undo);
}

void InterruptGuard::Watch() {
  const timespec wait{0, 100L * 1000 * 1000};
  while (!stop_) {
    const int sig = ::sigtimedwait(&signals_, nullptr, &wait);
    if (sig <= 0) continue;
    const std::lock_guard<std::mutex> lock(mutex_);
    // Work on its way is taken back first; found done, it counts as settled.
    bool takenBack = false;
    if (undo_) {
      if (std::exchange(undo_, nullptr)()) {
        settled_ = true;
      } else {
        takenBack = true;
      }
    }
    if (settled_ && !takenBack) {
      constexpr char kNote[] = "kazenori: interrupted after every output was written\n";
      [[maybe_unused]] const auto written = ::write(STDERR_FILENO, kNote, sizeof kNote - 1);
      continue;
    }
    for (const QByteArray& t : temporaries_) ::unlink(t.constData());
    std::signal(sig, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, sig);
    ::pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::raise(sig);
  }
}

}  // namespace kazenori
