// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <sys/types.h>

#include <atomic>
#include <csignal>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kazenori {

// An output file as the checks before composing found it. Names are bytes as
// the system gives them, so a name that is not UTF-8 stays the name it was.
struct OutputTarget {
  QString option;    // "pdf" or "json"
  QByteArray given;  // the name on the command line
  QByteArray file;   // the regular file replaced or created: symlinks followed, folder canonical
  bool exists = false;
  dev_t device = 0;  // of an existing file: its identity, and what it keeps
  ino_t inode = 0;
  mode_t mode = 0;
  uid_t owner = 0;
  gid_t group = 0;
};

// Everything about one output that can be known before composing: the folder
// exists and can be written, the name fits the file system, an existing name
// is a regular file (a symlink counts as its target; a dangling symlink and
// anything that is no regular file are refused). Throws UsageError.
OutputTarget CheckOutputTarget(const QString& option, const QByteArray& name);

// Refuses two outputs that are the same file under different names.
// Throws UsageError.
void CheckDistinctTargets(const std::vector<OutputTarget>& targets);

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

  // Creates a new file (0666 less the umask) and keeps its name for removal;
  // an interrupt comes before or after, never between. The descriptor, or -1.
  int Create(const QByteArray& temporary);
  void Forget(const QByteArray& temporary);
  // While held, an interrupt waits: files are put in place all together or not.
  std::unique_lock<std::mutex> Hold() { return std::unique_lock<std::mutex>(mutex_); }

 private:
  void Watch();

  sigset_t signals_;
  sigset_t previousMask_;
  std::mutex mutex_;
  std::vector<QByteArray> temporaries_;
  std::atomic<bool> stop_{false};
  std::thread watcher_;
};

class DescriptorDevice;

// The outputs of one run, each written to a temporary file beside its target
// and put in place only when all are complete.
class OutputFiles {
 public:
  OutputFiles(std::vector<OutputTarget> targets, InterruptGuard* guard);
  ~OutputFiles();  // removes the temporaries not put in place
  OutputFiles(const OutputFiles&) = delete;
  OutputFiles& operator=(const OutputFiles&) = delete;

  // The temporary of target i, opened for writing. Throws std::runtime_error
  // naming the target.
  QIODevice& Open(std::size_t i);
  // After writing: flushes to disk and gives the file the mode (and owner,
  // where permitted) it will keep. An empty text, or what went wrong.
  QString Finish(std::size_t i);
  // Renames every temporary over its target. An empty text, or which
  // outputs were replaced and which were not.
  QString Commit();

 private:
  struct Pending {
    OutputTarget target;
    QByteArray temporary;
    int fd = -1;
    std::unique_ptr<DescriptorDevice> device;
  };
  QString Failure(const Pending& p, int error) const;
  void Discard(Pending& p);

  std::vector<Pending> pending_;
  InterruptGuard* guard_;
};

// A value echoed in a message, cut short when it is long.
QString Shortened(const QString& value);

}  // namespace kazenori
