// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

#include <csignal>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kazenori {

// SIGINT, SIGTERM and SIGHUP are taken by a watching thread instead of
// killing the process where it stands: the watcher removes the temporary
// files it is told of, then lets the signal end the process as it would have.
// Blocking the signals before any other thread starts makes every thread
// leave them to the watcher; a plain thread, unlike a signal handler, may lock
// and unlink freely, and no global state is needed. Signals that were ignored
// when the program started (nohup) stay ignored.
class InterruptGuard {
 public:
  InterruptGuard();
  ~InterruptGuard();
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

  // While held, an interrupt waits: a temporary is created and told of, or
  // files are put in place, all together or not at all.
  std::unique_lock<std::mutex> Hold() { return std::unique_lock<std::mutex>(mutex_); }
  // Keeps a temporary's name for removal, or stops; `held` is the lock of Hold().
  void Track(const QByteArray& temporary, const std::unique_lock<std::mutex>& held);
  void Forget(const QByteArray& temporary, const std::unique_lock<std::mutex>& held);
  // Every output is in place: from here an interrupt would only turn a run
  // that did its work into one that seems to have failed, so it is told
  // and otherwise let pass.
  void Settle(const std::unique_lock<std::mutex>& held);
  // Work on its way that an interrupt must take back before the program
  // ends (a print job, which would otherwise print half of what was sent
  // once its queue resumes). `undo` says whether the work turned out to be
  // done already (CUPS completed the job): the interrupt is then let pass,
  // as after Settle; otherwise it ends the program even after Settle. An
  // empty `undo` leaves none.
  void SetUndo(std::function<bool()> undo, const std::unique_lock<std::mutex>& held);

 private:
  void Watch();

  sigset_t signals_;
  sigset_t previousMask_;
  std::mutex mutex_;
  std::vector<QByteArray> temporaries_;
  bool settled_ = false;
  std::function<bool()> undo_;
  std::atomic<bool> stop_{false};
  std::thread watcher_;
};

}  // namespace kazenori
