// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/outputfiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "cli/commandline.h"
#include "cli/interruptguard.h"

namespace kazenori {

namespace {

// A file name in a message: whole, since the user must know which file it is,
// but with what a terminal would act on made visible.
QString Shown(const QByteArray& name) {
  return Echoed(QFile::decodeName(name), std::numeric_limits<int>::max() - 1);
}

QString Reason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Free functions rather than members, so that the catalogue files their texts
// under the command line's one context.
QString CannotWrite(const OutputTarget& target, const QString& reason) {
  return Tr("--%1: cannot write '%2': %3").arg(target.option, Shown(target.given), reason);
}

QString Unfinished(const QStringList& left, const QStringList& replaced) {
  QString text = Tr("; not written: ") + left.join(", ");
  if (!replaced.isEmpty()) text += Tr("; already written: ") + replaced.join(", ");
  return text;
}

[[noreturn]] void Refuse(const QString& option, const QString& text) {
  throw UsageError(QStringLiteral("--%1: %2").arg(option, text));
}

QByteArray RealPath(const QByteArray& name) {
  char* real = ::realpath(name.constData(), nullptr);
  if (real == nullptr) return {};
  QByteArray result(real);
  std::free(real);
  return result;
}

// A new file needs a folder to create it in; replacing one needs it too,
// because the new content is renamed over the old.
void CheckFolder(const QString& option, const QByteArray& name, const QByteArray& folder) {
  struct stat st {};
  if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    Refuse(option, Tr("the folder of '%1' does not exist").arg(Shown(name)));
  }
  if (::access(folder.constData(), W_OK | X_OK) != 0) {
    Refuse(option, Tr("the folder of '%1' cannot be written: %2").arg(Shown(name), Reason(errno)));
  }
}

// QSaveFile writes an unnamed file where the file system has them, and a
// named one beside the target where not: that name, which an interrupt must
// remove, or nothing.
QByteArray NamedTemporary(const QSaveFile& file) {
  QByteArray path(PATH_MAX, '\0');
  const QByteArray link = "/proc/self/fd/" + QByteArray::number(file.handle());
  const ssize_t n = ::readlink(link.constData(), path.data(), path.size());
  if (n <= 0 || n >= path.size()) return {};
  path.truncate(n);
  return path.startsWith('/') && !path.endsWith(" (deleted)") ? path : QByteArray();
}

QByteArray StandInName() {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  QByteArray name = ".kazenori-";
  for (int k = 0; k < 6; ++k) name += kLetters[QRandomGenerator::global()->bounded(62)];
  return name;
}

// Gathers small writes (the PDF writer makes many) into large ones to a
// QSaveFile opened unbuffered, and keeps the system's reason for the first
// that fails: QFileDevice's own buffer reports a full disk as "Unknown error".
class ChunkedWriter final : public QIODevice {
 public:
  explicit ChunkedWriter(QSaveFile& file) : file_(file) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  bool isSequential() const override { return true; }
  // Writes out what is gathered; false, with Failure() set, when the system refused.
  bool Drain() {
    // A short write says nothing; the next one gives the reason.
    for (qsizetype done = 0; failure_.isEmpty() && done < buffer_.size();) {
      const qint64 n = file_.write(buffer_.constData() + done, buffer_.size() - done);
      if (n <= 0) failure_ = file_.errorString();
      done += std::max<qint64>(n, 0);
    }
    buffer_.clear();
    return failure_.isEmpty();
  }
  const QString& Failure() const { return failure_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (!failure_.isEmpty()) return -1;
    buffer_.append(data, static_cast<qsizetype>(size));
    if (buffer_.size() >= kChunk && !Drain()) return -1;
    return size;
  }

 private:
  static constexpr qsizetype kChunk = 1 << 16;
  QSaveFile& file_;
  QByteArray buffer_;
  QString failure_;
};

}  // namespace

// QSaveFile takes a name as text. A file whose name is no valid text in the
// locale is saved under a stand-in name in its folder (reached through the
// folder's descriptor, whatever the folder's own name) and renamed to its
// bytes when everything is put in place.
struct OutputFiles::Pending {
  OutputTarget target;
  std::unique_ptr<QSaveFile> file;
  std::unique_ptr<ChunkedWriter> writer;
  QByteArray temporary;  // told to the interrupt guard
  int folder = -1;       // with a stand-in: the folder's descriptor
  QByteArray standIn;
};

namespace {

// An existing name: a regular file (a symlink's target) that can be replaced.
void CheckExistingTarget(OutputTarget& t, const struct stat& st) {
  const QString& option = t.option;
  const QByteArray& name = t.given;
  if (S_ISDIR(st.st_mode)) Refuse(option, Tr("'%1' is a folder").arg(Shown(name)));
  if (!S_ISREG(st.st_mode)) {
    Refuse(option, Tr("'%1' is not a regular file (a device, FIFO or socket); "
                      "only regular files are written")
                       .arg(Shown(name)));
  }
  t.file = RealPath(name);
  if (t.file.isEmpty()) Refuse(option, QStringLiteral("'%1': %2").arg(Shown(name), Reason(errno)));
  if (::access(t.file.constData(), W_OK) != 0) {
    Refuse(option, Tr("'%1' cannot be written: %2").arg(Shown(name), Reason(errno)));
  }
  CheckFolder(option, name, t.file.left(t.file.lastIndexOf('/') + 1));
  t.exists = true;
  t.device = st.st_dev;
  t.inode = st.st_ino;
  t.mode = st.st_mode & 07777;
  t.owner = st.st_uid;
  t.group = st.st_gid;
}

// A new name: no dangling symlink, in a folder that exists and can be
// written, and short enough for the file system.
void CheckNewTarget(OutputTarget& t) {
  const QString& option = t.option;
  const QByteArray& name = t.given;
  struct stat link {};
  if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
    Refuse(option, Tr("'%1' is a symbolic link to a file that does not exist").arg(Shown(name)));
  }
  const int slash = name.lastIndexOf('/');
  const QByteArray base = name.mid(slash + 1);
  const QByteArray folder = slash < 0    ? QByteArray(".")
                            : slash == 0 ? QByteArray("/")
                                         : name.left(slash);
  if (base.isEmpty() || base == "." || base == "..") {
    Refuse(option, Tr("'%1' names a folder, not a file").arg(Shown(name)));
  }
  const QByteArray real = RealPath(folder);
  if (real.isEmpty()) Refuse(option, Tr("the folder of '%1' does not exist").arg(Shown(name)));
  CheckFolder(option, name, real);
  const long nameMax = ::pathconf(real.constData(), _PC_NAME_MAX);
  if (nameMax > 0 && base.size() > nameMax) {
    Refuse(option, Tr("the name '%1' is longer than the file system allows (%2 bytes)")
                       .arg(Shown(base))
                       .arg(nameMax));
  }
  t.file = (real.endsWith('/') ? real : real + '/') + base;
  if (t.file.size() >= PATH_MAX)
    Refuse(option, Tr("the path of '%1' is too long").arg(Shown(name)));
}

}  // namespace

OutputTarget CheckOutputTarget(const QString& option, const QByteArray& name) {
  OutputTarget t;
  t.option = option;
  t.given = name;
  struct stat st {};
  if (::stat(name.constData(), &st) == 0) {
    CheckExistingTarget(t, st);
  } else if (const int error = errno; error == ENOENT) {
    CheckNewTarget(t);
  } else {
    Refuse(option, QStringLiteral("'%1': %2").arg(Shown(name), Reason(error)));
  }
  return t;
}

void CheckDistinctTargets(const std::vector<OutputTarget>& targets) {
  for (std::size_t i = 0; i < targets.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      const OutputTarget& a = targets[j];
      const OutputTarget& b = targets[i];
      const bool same =
          a.exists && b.exists ? a.device == b.device && a.inode == b.inode : a.file == b.file;
      if (same) {
        throw UsageError(
            Tr("--%1 and --%2 name the same file ('%3')").arg(a.option, b.option, Shown(b.given)));
      }
    }
  }
}

OutputFiles::OutputFiles(std::vector<OutputTarget> targets, InterruptGuard* guard) : guard_(guard) {
  for (OutputTarget& t : targets)
    pending_.push_back(Pending{std::move(t), nullptr, nullptr, {}, -1, {}});
}

OutputFiles::~OutputFiles() {
  for (Pending& p : pending_) Discard(p);
}

void OutputFiles::Discard(Pending& p) {
  p.writer.reset();
  p.file.reset();  // a QSaveFile not committed removes what it wrote
  if (!p.temporary.isEmpty() && guard_ != nullptr) guard_->Forget(p.temporary, guard_->Hold());
  p.temporary.clear();
  if (p.folder >= 0) {
    if (!p.standIn.isEmpty()) ::unlinkat(p.folder, p.standIn.constData(), 0);
    ::close(p.folder);
  }
  p.folder = -1;
}

QIODevice& OutputFiles::Open(std::size_t i) {
  Pending& p = pending_.at(i);
  const QString name = QFile::decodeName(p.target.file);
  if (QFile::encodeName(name) == p.target.file) {
    p.file = std::make_unique<QSaveFile>(name);
  } else {
    const QByteArray folder = p.target.file.left(p.target.file.lastIndexOf('/') + 1);
    p.folder = ::open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (p.folder < 0) throw std::runtime_error(CannotWrite(p.target, Reason(errno)).toStdString());
    p.file = std::make_unique<QSaveFile>(QStringLiteral("/proc/self/fd/%1/%2")
                                             .arg(p.folder)
                                             .arg(QString::fromLatin1(StandInName())));
  }
  std::unique_lock<std::mutex> held;
  if (guard_ != nullptr) held = guard_->Hold();
  // A new file's mode follows the umask; an existing file's comes in Finish.
  if (!p.file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    throw std::runtime_error(CannotWrite(p.target, p.file->errorString()).toStdString());
  }
  p.temporary = NamedTemporary(*p.file);
  if (!p.temporary.isEmpty() && guard_ != nullptr) guard_->Track(p.temporary, held);
  p.writer = std::make_unique<ChunkedWriter>(*p.file);
  return *p.writer;
}

QString OutputFiles::Finish(std::size_t i) {
  Pending& p = pending_.at(i);
  if (!p.writer->Drain()) {
    QString text = CannotWrite(p.target, p.writer->Failure());
    Discard(p);
    return text;
  }
  const int fd = p.file->handle();
  if (p.target.exists) {
    // Where the owner cannot be kept (not root), the group may still be.
    if (::fchown(fd, p.target.owner, p.target.group) != 0) {
      (void)::fchown(fd, static_cast<uid_t>(-1), p.target.group);
    }
    if (::fchmod(fd, p.target.mode) != 0) {
      QString text = CannotWrite(p.target, Reason(errno));
      Discard(p);
      return text;
    }
  }
  if (::fsync(fd) != 0) {
    QString text = CannotWrite(p.target, Reason(errno));
    Discard(p);
    return text;
  }
  return {};
}

// Commits one file: an empty text, or the reason it is not in place.
QString OutputFiles::PutInPlace(Pending& p) {
  if (!p.file->commit()) return p.file->errorString();
  if (p.folder >= 0) {
    p.standIn = p.file->fileName().section(u'/', -1).toLatin1();
    const QByteArray base = p.target.file.mid(p.target.file.lastIndexOf('/') + 1);
    if (::renameat(p.folder, p.standIn.constData(), p.folder, base.constData()) != 0) {
      return Reason(errno);
    }
    p.standIn.clear();
  }
  return {};
}

QString OutputFiles::Commit() {
  std::unique_lock<std::mutex> hold;
  if (guard_ != nullptr) hold = guard_->Hold();
  QStringList replaced;
  for (std::size_t i = 0; i < pending_.size(); ++i) {
    Pending& p = pending_[i];
    if (const QString reason = PutInPlace(p); !reason.isEmpty()) {
      QStringList left;
      for (std::size_t j = i; j < pending_.size(); ++j)
        left << QStringLiteral("'%1'").arg(Shown(pending_[j].target.given));
      return CannotWrite(p.target, reason) + Unfinished(left, replaced);
    }
    replaced << QStringLiteral("'%1'").arg(Shown(p.target.given));
    // QSaveFile renamed it: the name is the target now, or gone.
    if (!p.temporary.isEmpty() && guard_ != nullptr) guard_->Forget(p.temporary, hold);
    p.temporary.clear();
  }
  if (guard_ != nullptr) guard_->Settle(hold);
  return {};
}

}  // namespace kazenori
