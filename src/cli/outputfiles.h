// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <sys/types.h>

#include <memory>
#include <vector>

class QSaveFile;

namespace kazenori {

class InterruptGuard;

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

// The outputs of one run, each written through a QSaveFile and committed only
// when all are complete.
class OutputFiles {
 public:
  OutputFiles(std::vector<OutputTarget> targets, InterruptGuard* guard);
  ~OutputFiles();  // discards what was not committed
  OutputFiles(const OutputFiles&) = delete;
  OutputFiles& operator=(const OutputFiles&) = delete;

  // The file of target i, opened for writing. Throws std::runtime_error
  // naming the target.
  QIODevice& Open(std::size_t i);
  // After writing: flushes to disk and gives the file the mode (and owner,
  // where permitted) it will keep. An empty text, or what went wrong.
  QString Finish(std::size_t i);
  // Puts every file in place. An empty text, or which outputs were replaced
  // and which were not.
  QString Commit();

 private:
  struct Pending;
  QString PutInPlace(Pending& p);
  void Discard(Pending& p);

  std::vector<Pending> pending_;
  InterruptGuard* guard_;
};

}  // namespace kazenori
