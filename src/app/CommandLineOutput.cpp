// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLineOutput.h"

#include <QFile>
#include <QRandomGenerator>

#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "app/CommandLine.h"

namespace kazenori {

namespace {

// A file name in a message: whole, since the user must know which file it is.
QString Shown(const QByteArray& name) {
  return QFile::decodeName(name);
}

QString Reason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Free functions rather than members, so that the catalogue files their texts
// under the command line's one context.
QString CannotWrite(const QString& option, const QByteArray& name, int error) {
  return Tr("--%1: cannot write '%2': %3").arg(option, Shown(name), Reason(error));
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

int CreateFile(const QByteArray& name) {
  return ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

}  // namespace

// Writes to a file descriptor and keeps the system's reason for a failure,
// which QFile reports as "Unknown error" when the disk is full.
class DescriptorDevice final : public QIODevice {
 public:
  explicit DescriptorDevice(int fd) : fd_(fd) {
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
  }
  bool isSequential() const override { return true; }
  // Empties the buffer; false, with Error() set, when the system refused.
  bool Drain() {
    const char* p = buffer_.constData();
    qsizetype left = buffer_.size();
    while (left > 0 && error_ == 0) {
      const ssize_t n = ::write(fd_, p, static_cast<size_t>(left));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) error_ = errno;
      if (n > 0) {
        p += n;
        left -= n;
      }
    }
    buffer_.clear();
    return error_ == 0;
  }
  int Error() const { return error_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (error_ != 0) return -1;
    buffer_.append(data, static_cast<qsizetype>(size));
    if (buffer_.size() >= kChunk && !Drain()) return -1;
    return size;
  }

 private:
  static constexpr qsizetype kChunk = 1 << 16;
  int fd_;
  int error_ = 0;
  QByteArray buffer_;
};

QString Shortened(const QString& value) {
  constexpr int kShown = 20;
  if (value.size() <= kShown + 1) return value;
  return value.left(kShown) + QStringLiteral("…");
}

OutputTarget CheckOutputTarget(const QString& option, const QByteArray& name) {
  OutputTarget t;
  t.option = option;
  t.given = name;
  struct stat st {};
  if (::stat(name.constData(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) Refuse(option, Tr("'%1' is a folder").arg(Shown(name)));
    if (!S_ISREG(st.st_mode)) {
      Refuse(option, Tr("'%1' is not a regular file (a device, FIFO or socket); "
                        "only regular files are written")
                         .arg(Shown(name)));
    }
    t.file = RealPath(name);
    if (t.file.isEmpty())
      Refuse(option, QStringLiteral("'%1': %2").arg(Shown(name), Reason(errno)));
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
    return t;
  }
  const int error = errno;
  if (error != ENOENT) Refuse(option, QStringLiteral("'%1': %2").arg(Shown(name), Reason(error)));
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
  if (real.isEmpty()) {
    Refuse(option, Tr("the folder of '%1' does not exist").arg(Shown(name)));
  }
  CheckFolder(option, name, real);
  const long nameMax = ::pathconf(real.constData(), _PC_NAME_MAX);
  if (nameMax > 0 && base.size() > nameMax) {
    Refuse(option, Tr("the name '%1' is longer than the file system allows (%2 bytes)")
                       .arg(Shown(base))
                       .arg(nameMax));
  }
  t.file = (real.endsWith('/') ? real : real + '/') + base;
  if (t.file.size() >= PATH_MAX) {
    Refuse(option, Tr("the path of '%1' is too long").arg(Shown(name)));
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
  // A signal that came while stopping is delivered here, as it would have been.
  ::pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

int InterruptGuard::Create(const QByteArray& temporary) {
  const std::lock_guard<std::mutex> lock(mutex_);
  const int fd = CreateFile(temporary);
  if (fd >= 0) temporaries_.push_back(temporary);
  return fd;
}

void InterruptGuard::Forget(const QByteArray& temporary) {
  const std::lock_guard<std::mutex> lock(mutex_);
  temporaries_.erase(std::remove(temporaries_.begin(), temporaries_.end(), temporary),
                     temporaries_.end());
}

void InterruptGuard::Watch() {
  const timespec wait{0, 100 * 1000 * 1000};
  while (!stop_) {
    const int sig = ::sigtimedwait(&signals_, nullptr, &wait);
    if (sig <= 0) continue;
    const std::lock_guard<std::mutex> lock(mutex_);
    for (const QByteArray& t : temporaries_) ::unlink(t.constData());
    std::signal(sig, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, sig);
    ::pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    ::raise(sig);
  }
}

OutputFiles::OutputFiles(std::vector<OutputTarget> targets, InterruptGuard* guard) : guard_(guard) {
  for (OutputTarget& t : targets) pending_.push_back(Pending{std::move(t), {}, -1, nullptr});
}

OutputFiles::~OutputFiles() {
  for (Pending& p : pending_) Discard(p);
}

void OutputFiles::Discard(Pending& p) {
  p.device.reset();
  if (p.fd >= 0) ::close(p.fd);
  p.fd = -1;
  if (!p.temporary.isEmpty()) {
    ::unlink(p.temporary.constData());
    if (guard_ != nullptr) guard_->Forget(p.temporary);
    p.temporary.clear();
  }
}

QString OutputFiles::Failure(const Pending& p, int error) const {
  return CannotWrite(p.target.option, p.target.given, error);
}

QIODevice& OutputFiles::Open(std::size_t i) {
  Pending& p = pending_.at(i);
  const QByteArray folder = p.target.file.left(p.target.file.lastIndexOf('/') + 1);
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (int attempt = 0; attempt < 100 && p.fd < 0; ++attempt) {
    QByteArray name = folder + ".kazenori-";
    for (int k = 0; k < 6; ++k) name += kLetters[QRandomGenerator::global()->bounded(62)];
    // A new file's mode follows the umask; an existing file's comes in Finish.
    p.fd = guard_ != nullptr ? guard_->Create(name) : CreateFile(name);
    if (p.fd >= 0) {
      p.temporary = name;
    } else if (errno != EEXIST) {
      throw std::runtime_error(Failure(p, errno).toStdString());
    }
  }
  if (p.fd < 0) throw std::runtime_error(Failure(p, EEXIST).toStdString());
  p.device = std::make_unique<DescriptorDevice>(p.fd);
  return *p.device;
}

QString OutputFiles::Finish(std::size_t i) {
  Pending& p = pending_.at(i);
  if (!p.device->Drain()) {
    const QString text = Failure(p, p.device->Error());
    Discard(p);
    return text;
  }
  p.device.reset();
  if (p.target.exists) {
    // Where the owner cannot be kept (not root), the group may still be.
    if (::fchown(p.fd, p.target.owner, p.target.group) != 0) {
      (void)::fchown(p.fd, static_cast<uid_t>(-1), p.target.group);
    }
    if (::fchmod(p.fd, p.target.mode) != 0) {
      const QString text = Failure(p, errno);
      Discard(p);
      return text;
    }
  }
  if (::fsync(p.fd) != 0 || ::close(p.fd) != 0) {
    const QString text = Failure(p, errno);
    p.fd = -1;
    Discard(p);
    return text;
  }
  p.fd = -1;
  return {};
}

QString OutputFiles::Commit() {
  std::unique_lock<std::mutex> hold;
  if (guard_ != nullptr) hold = guard_->Hold();
  QStringList replaced;
  for (Pending& p : pending_) {
    if (::rename(p.temporary.constData(), p.target.file.constData()) != 0) {
      const int error = errno;
      QStringList left;
      for (const Pending& q : pending_) {
        if (!q.temporary.isEmpty()) left << QStringLiteral("'%1'").arg(Shown(q.target.given));
      }
      return Failure(p, error) + Unfinished(left, replaced);
    }
    replaced << QStringLiteral("'%1'").arg(Shown(p.target.given));
    p.temporary.clear();
  }
  if (hold.owns_lock()) hold.unlock();
  return {};
}

}  // namespace kazenori
