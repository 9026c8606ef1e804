// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextStream>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <map>
#include <optional>

#include "cli/batchrun.h"
#include "cli/commandline.h"
#include "composition/pagegeometry.h"
#include "print/printergeometry.h"
#include "print/printtestsupport.h"
#include "support/privateprintserver.h"
#include "support/qtapp.h"
#include "support/silentprintserver.h"
#include "support/slowprintserver.h"

#include <cups/cups.h>

namespace kazenori {
namespace {

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

template <typename Arguments = QStringList>
Outcome Execute(const Arguments& args, const QString& jobTitle = {}) {
  Outcome run;
  QTextStream out(&run.out);
  QTextStream err(&run.err);
  try {
    CommandLineRequest request = ParseCommandLine(args);
    if (!jobTitle.isEmpty()) request.jobTitle = jobTitle;
    run.status = ExecuteCommandLine(request, out, err);
  } catch (const UsageError& e) {
    run.status = 2;
    run.err = QString::fromUtf8(e.what());
  }
  return run;
}

QByteArray Read(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CommandLineOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::TestApp();
    ASSERT_TRUE(dir_.isValid());
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
  QTemporaryDir dir_;
};

TEST_F(CommandLineOutput, SameSeedGivesTheSameJsonByteForByte) {
  const QStringList base{"--patterns", "7,18,51,136", "--hide", "random",         "--blank",
                         "random",     "--sheets",    "2",      "--print-number", "41"};
  ASSERT_EQ(Execute(base + QStringList{"--seed", "9", "--json", Path("a.json")}).status, 0);
  ASSERT_EQ(Execute(base + QStringList{"--seed", "9", "--json", Path("b.json")}).status, 0);
  ASSERT_EQ(Execute(base + QStringList{"--seed", "10", "--json", Path("c.json")}).status, 0);
  const QByteArray a = Read(Path("a.json"));
  ASSERT_FALSE(a.isEmpty());
  EXPECT_EQ(a, Read(Path("b.json")));
  EXPECT_NE(a, Read(Path("c.json")));

  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(a, &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_EQ(root["geometry"].toObject().keys().size(), 4);
  const QJsonArray sheets = root["sheets"].toArray();
  ASSERT_EQ(sheets.size(), 2);
  for (int s = 0; s < 2; ++s) {
    const QJsonObject sheet = sheets[s].toObject();
    EXPECT_EQ(sheet["printNumber"].toInt(), 41 + s);
    const QJsonArray problems = sheet["problems"].toArray();
    const QJsonArray pages = sheet["pages"].toArray();
    ASSERT_EQ(problems.size(), 50);
    ASSERT_EQ(pages.size(), 2);
    const QJsonArray page1 = pages[0].toObject()["items"].toArray();
    EXPECT_EQ(page1[0].toObject()["text"].toString(), "問題No." + QString::number(41 + s));
    EXPECT_EQ(pages[1].toObject()["items"].toArray()[0].toObject()["text"].toString(),
              "問題No." + QString::number(41 + s));
    for (int i = 0; i < 50; ++i) {
      const QJsonObject p = problems[i].toObject();
      EXPECT_EQ(p["index"].toInt(), i + 1);
      EXPECT_TRUE(QList<int>({7, 18, 51, 136}).contains(p["pattern"].toInt()));
      const QJsonObject item = page1[4 + i].toObject();
      EXPECT_EQ(item["text"].toString(), p["question"].toString());
      EXPECT_EQ(item["op"].toString(), "left");
      EXPECT_EQ(item["color"].toString(), "#000000");
    }
  }
}

TEST_F(CommandLineOutput, PdfTextReadsBack) {
  const Outcome run = Execute({"--patterns", "18", "--print-number", "5", "--seed", "3", "--pdf",
                               Path("s.pdf"), "--json", Path("s.json")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QString pdf = Path("s.pdf");
  ASSERT_EQ(testing::PdfPageCount(pdf), 2);
  EXPECT_NEAR(testing::PdfPageSize(pdf).width(), 595.3, 1.5) << "A4";
  EXPECT_NEAR(testing::PdfPageSize(pdf).height(), 841.9, 1.5);
  const QJsonObject sheet =
      QJsonDocument::fromJson(Read(Path("s.json"))).object()["sheets"].toArray()[0].toObject();
  const QJsonArray answers = sheet["pages"].toArray()[1].toObject()["items"].toArray();
  const QString page1 = testing::PdfText(pdf, 1);
  const QString page2 = testing::PdfText(pdf, 2);
  EXPECT_TRUE(page1.contains("問題No.5"));
  EXPECT_TRUE(page2.contains("問題No.5"));
  EXPECT_TRUE(page1.contains("次の計算をしましょう。"));
  // Answer lines, with their remainders, are searchable on page 2, and so is
  // the sheet's code that follows them.
  EXPECT_TRUE(page2.contains(answers.last().toObject()["text"].toString()));
  int found = 0;
  for (int i = 4; i < answers.size() - 1; ++i) {
    const QString line = answers[i].toObject()["text"].toString();
    const QString firstPart = line.section(QStringLiteral(" … "), 0, 0);
    if (page2.contains(firstPart)) ++found;
  }
  EXPECT_EQ(found, 50) << page2.toStdString();
}

// Sheets are written as they are composed: every one, in order, in both files.
TEST_F(CommandLineOutput, EverySheetInOrderInThePdfAndTheJson) {
  const Outcome run = Execute({"--patterns", "1-150", "--sheets", "3", "--print-number", "8",
                               "--seed", "4", "--pdf", Path("m.pdf"), "--json", Path("m.json")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QJsonArray sheets =
      QJsonDocument::fromJson(Read(Path("m.json"))).object()["sheets"].toArray();
  ASSERT_EQ(sheets.size(), 3);
  ASSERT_EQ(testing::PdfPageCount(Path("m.pdf")), 6);
  for (int k = 0; k < 3; ++k) {
    const QJsonObject sheet = sheets[k].toObject();
    EXPECT_EQ(sheet["printNumber"].toInt(), 8 + k);
    const QJsonArray answers = sheet["pages"].toArray()[1].toObject()["items"].toArray();
    const QString answer = answers[4].toObject()["text"].toString().section(" … ", 0, 0);
    const QString header = "問題No." + QString::number(8 + k);
    EXPECT_TRUE(testing::PdfText(Path("m.pdf"), 2 * k + 1).contains(header)) << k;
    const QString page2 = testing::PdfText(Path("m.pdf"), 2 * k + 2);
    EXPECT_TRUE(page2.contains(header) && page2.contains(answer)) << k << page2.toStdString();
  }
}

TEST_F(CommandLineOutput, ErrorsLeaveNoFileCreatedOrChanged) {
  const QString pdf = Path("keep.pdf");
  {
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  const QString fresh = Path("fresh.json");
  QDir(dir_.path()).mkdir("adir");
  const QList<QStringList> failing{
      {"--patterns", "7", "--hide", "some", "--pdf", pdf, "--json", fresh},
      {"--patterns", "7,151", "--pdf", pdf, "--json", fresh},
      {"--pdf", pdf, "--json", fresh},
      {"--patterns", "7", "--print-number", "x", "--pdf", pdf, "--json", fresh},
      {"--patterns", "7", "--pdf", pdf, "--json", Path("missing/dir.json")},
      {"--patterns", "7", "--pdf", Path("adir"), "--json", fresh},
      {"--patterns", "7", "--pdf", pdf, "--json", fresh, "--print", "no-such-printer-kz"},
  };
  for (const QStringList& args : failing) {
    const Outcome run = Execute(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_EQ(run.err.trimmed().count(u'\n'), 0) << "one line: " << run.err.toStdString();
    EXPECT_EQ(Read(pdf), "old") << args.join(' ').toStdString();
    EXPECT_FALSE(QFile::exists(fresh)) << args.join(' ').toStdString();
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
      << "no temporary files are left behind";
  ASSERT_EQ(Execute({"--patterns", "7", "--pdf", pdf}).status, 0);
  EXPECT_TRUE(Read(pdf).startsWith("%PDF"));
}

// What a folder holds, by the bytes of each name: type and mode, and the
// content of a file or the target of a link.
struct Entry {
  mode_t mode;
  uid_t owner;
  QByteArray content;
  bool operator==(const Entry& o) const {
    return mode == o.mode && owner == o.owner && content == o.content;
  }
};
using Snapshot = std::map<QByteArray, Entry>;

void Take(const QByteArray& folder, const QByteArray& prefix, Snapshot& into) {
  DIR* dir = ::opendir(folder.constData());
  if (dir == nullptr) return;
  while (const dirent* e = ::readdir(dir)) {
    const QByteArray name = e->d_name;
    if (name == "." || name == "..") continue;
    const QByteArray path = folder + '/' + name;
    struct stat st {};
    ::lstat(path.constData(), &st);
    QByteArray content;
    if (S_ISREG(st.st_mode)) {
      QFile f(QFile::decodeName(path));
      int fd = ::open(path.constData(), O_RDONLY);
      if (fd >= 0 && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        content = f.readAll();
    } else if (S_ISLNK(st.st_mode)) {
      content.resize(4096);
      content.resize(std::max<ssize_t>(0, ::readlink(path.constData(), content.data(), 4096)));
    }
    into[prefix + name] = {st.st_mode, st.st_uid, content};
    if (S_ISDIR(st.st_mode)) Take(path, prefix + name + '/', into);
  }
  ::closedir(dir);
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(022);
  ::umask(mask);
  return 0666 & ~mask;
}

// One output target a row, in a folder laid out the same for every row.
struct TargetCase {
  const char* what;
  QList<QByteArray> outputs;  // --pdf and, if given, --json
  int status;
  const char* message;               // in stderr
  std::vector<QByteArray> written;   // files that get new content, in option order
  const char* (*setup)() = nullptr;  // returns a reason to skip, or nullptr
};

// The same folder for every row: files of several modes, links, a FIFO.
void Write(const char* name, mode_t mode) {
  QFile f(QFile::decodeName(name));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("old");
  f.close();
  ::chmod(name, mode);
}

void LayOut() {
  ::mkdir("d", 0755);
  Write("old.pdf", 0600);
  Write("d/x.pdf", 0640);
  if (::geteuid() == 0) ::chown("d/x.pdf", 65534, 65534);  // another user's file keeps its owner
  Write("v\xef\xbf\xbd.pdf", 0644);  // what the name with byte 0xFE decodes to
  ::symlink("d/x.pdf", "link.pdf");
  ::link("d/x.pdf", "hard.pdf");
  ::symlink("d/missing.pdf", "dangling.pdf");
  ::mkfifo("fifo", 0644);
}

const char* CharacterDevice() {
  if (::geteuid() != 0) return "making a character device needs root";
  return ::mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0 ? nullptr : "mknod failed";
}

const char* ReadOnlyFolder() {
  ::mkdir("ro", 0555);
  if (::geteuid() != 0) return nullptr;
  // Root writes into any folder whatever its mode; a read-only file system stops it.
  return ::mount("tmpfs", "ro", "tmpfs", MS_RDONLY, "size=16k") == 0
             ? nullptr
             : "root needs a read-only mount, and mounting is not permitted here";
}

TEST_F(CommandLineOutput, EachTargetIsReplacedWholeOrRefusedUntouched) {
  const QByteArray longName = QByteArray(300, 'n') + ".json";
  const std::vector<TargetCase> cases{
      {"same file, ./ spelling", {"d/x.pdf", "d/./x.pdf"}, 2, "name the same file", {}},
      {"same file, absolute", {"$PWD/d/x.pdf", "d/x.pdf"}, 2, "name the same file", {}},
      {"same file, symlink", {"link.pdf", "d/x.pdf"}, 2, "name the same file", {}},
      {"same file, hard link", {"hard.pdf", "d/x.pdf"}, 2, "name the same file", {}},
      {"same new file, ..", {"d/n.json", "d/../d/n.json"}, 2, "name the same file", {}},
      {"symlink followed", {"link.pdf"}, 0, "", {"d/x.pdf"}},
      {"dangling symlink", {"dangling.pdf"}, 2, "symbolic link to a file that does not exist", {}},
      {"FIFO", {"fifo"}, 2, "'fifo' is not a regular file", {}},
      {"control characters", {"n\x1b[2J/a.pdf"}, 2, "of 'n\\x1b[2J/a.pdf' does not exist", {}},
      {"character device", {"null"}, 2, "'null' is not a regular file", {}, CharacterDevice},
      {"read-only folder",
       {"old.pdf", "ro/a.json"},
       2,
       "folder of 'ro/a.json' cannot be written",
       {},
       ReadOnlyFolder},
      {"too long a name", {"new.pdf", longName}, 2, "File name too long", {}},
      {"not UTF-8", {"v\xfe.pdf"}, 0, "", {"v\xfe.pdf"}},
      {"existing 0600 file", {"old.pdf", "new.json"}, 0, "", {"old.pdf", "new.json"}},
  };
  const QString home = QDir::currentPath();
  for (const TargetCase& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir row(dir_.filePath("row-XXXXXX"));
    ASSERT_TRUE(QDir::setCurrent(row.path()));
    const auto leave = qScopeGuard([&home] {
      ::umount("ro");
      QDir::setCurrent(home);
    });
    LayOut();
    if (c.setup) {
      if (const char* skip = c.setup()) {
        std::printf("[ SKIPPED  ] %s: %s\n", c.what, skip);
        continue;
      }
    }
    Snapshot before;
    Take(".", "", before);
    QList<QByteArray> args{"--patterns", "7", "--seed", "1"};
    const char* options[] = {"--pdf", "--json"};
    for (int i = 0; i < c.outputs.size(); ++i) {
      args << options[i] << QByteArray(c.outputs[i]).replace("$PWD", QFile::encodeName(row.path()));
    }
    const Outcome run = Execute(args);
    EXPECT_EQ(run.status, c.status) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    Snapshot after;
    Take(".", "", after);
    for (std::size_t i = 0; i < c.written.size(); ++i) {
      const QByteArray& name = c.written[i];
      const auto was = before.find(name);
      ASSERT_TRUE(after.count(name)) << name.toStdString();
      const Entry fresh{S_IFREG | NewFileMode(), ::geteuid(), {}};
      const Entry& old = was != before.end() ? was->second : fresh;
      EXPECT_EQ(after[name].mode, old.mode) << name.toStdString();
      EXPECT_EQ(after[name].owner, old.owner) << name.toStdString();
      EXPECT_TRUE(after[name].content.startsWith(i == 0 ? "%PDF" : "{")) << name.toStdString();
      before.erase(name);
      after.erase(name);
    }
    EXPECT_EQ(after, before) << "nothing else is created or changed, no temporary is left";
  }
}

TEST_F(CommandLineOutput, AFullDiskNamesTheTargetAndKeepsTheOldFile) {
  const QByteArray full = QFile::encodeName(Path("full"));
  ::mkdir(full.constData(), 0755);
  if (::geteuid() != 0 || ::mount("tmpfs", full.constData(), "tmpfs", 0, "size=8k") != 0)
    GTEST_SKIP() << "a small file system needs root and permission to mount tmpfs";
  const auto unmount = qScopeGuard([&full] { ::umount(full.constData()); });
  const QString pdf = Path("full/old.pdf");
  {
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  const Outcome run = Execute(QStringList{"--patterns", "1-150", "--pdf", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      run.err.toStdString(),
      ("kazenori: --pdf: cannot write '" + pdf + "': No space left on device\n").toStdString());
  EXPECT_EQ(Read(pdf), "old");
  EXPECT_EQ(QDir(Path("full")).entryList(QDir::Files | QDir::Hidden), QStringList{"old.pdf"});
}

TEST_F(CommandLineOutput, ColourWordSheetThroughTheCommandLine) {
  ASSERT_EQ(Execute({"--bonus", "--colours", "3", "--words", "20", "--sheets", "2", "--seed", "1",
                     "--json", Path("c.json")})
                .status,
            0);
  const QJsonArray sheets =
      QJsonDocument::fromJson(Read(Path("c.json"))).object()["sheets"].toArray();
  ASSERT_EQ(sheets.size(), 2);
  for (const auto& s : sheets) {
    const QJsonObject sheet = s.toObject();
    EXPECT_TRUE(sheet["problems"].toArray().isEmpty());
    const QJsonArray items = sheet["pages"].toArray()[0].toObject()["items"].toArray();
    ASSERT_EQ(items.size(), 4 + 3 + 80 + 1);  // the code last
    EXPECT_EQ(items.last().toObject()["text"].toString(),
              "再作成コード " + sheet["code"].toString());
    QString previous;
    for (int i = 7; i < items.size() - 1; ++i) {
      const QJsonObject w = items[i].toObject();
      EXPECT_EQ(w["op"].toString(), "center");
      EXPECT_TRUE(w["bold"].toBool());
      EXPECT_NE(w["color"].toString(), previous) << i;
      previous = w["color"].toString();
    }
  }
}

// A sheet of a set made again from its code is that sheet, in the JSON as in
// the PDF's text; a damaged code or one given with options of its own is a
// usage error that writes nothing.
TEST_F(CommandLineOutput, ACodeMakesItsSheetAgainAndADamagedOneNothing) {
  ASSERT_EQ(Execute({"--patterns", "3,40,41", "--blank", "random", "--sheets", "3", "--seed", "8",
                     "--print-number", "20", "--json", Path("set.json")})
                .status,
            0);
  const QJsonObject second =
      QJsonDocument::fromJson(Read(Path("set.json"))).object()["sheets"].toArray()[1].toObject();
  const QString code = second["code"].toString();
  ASSERT_EQ(
      Execute({"--code", code.toLower(), "--json", Path("one.json"), "--pdf", Path("one.pdf")})
          .status,
      0);
  const QJsonArray again =
      QJsonDocument::fromJson(Read(Path("one.json"))).object()["sheets"].toArray();
  ASSERT_EQ(again.size(), 1);
  EXPECT_EQ(again[0].toObject(), second);
  EXPECT_TRUE(testing::PdfText(Path("one.pdf"), 2).contains(code));
  for (const QStringList& wrong :
       {QStringList{"--code", code.chopped(1)}, QStringList{"--code", code, "--seed", "8"},
        QStringList{"--code", "ＡＢＣＤ"}}) {
    const Outcome run = Execute(wrong + QStringList{"--json", Path("bad.json")});
    EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
    EXPECT_TRUE(run.err.startsWith("--code ")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("bad.json")));
  }
}

// The program binary itself, with no display at all.
QString Binary() {
  return QDir::cleanPath(QStringLiteral(KAZENORI_BINARY_DIR "/src/app/kazenori"));
}

// environment: "VAR=value ..." set for the run (locale, print server); a run that
// has not finished within the wait has status -1.
Outcome RunBinary(const QStringList& args, const QString& display = {},
                  const QString& environment = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES",
                        "LANG", "LANGUAGE"})
    env.remove(v);
  if (!display.isEmpty()) env.insert("DISPLAY", display);
  for (const QString& setting : environment.split(u' ', Qt::SkipEmptyParts))
    env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
  p.setProcessEnvironment(env);
  p.start(Binary(), args);
  Outcome run;
  if (!p.waitForFinished(environment.contains("CUPS_SERVER") ? 30000 : 120000)) return run;
  run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  run.out = QString::fromUtf8(p.readAllStandardOutput());
  run.err = QString::fromUtf8(p.readAllStandardError());
  return run;
}

TEST_F(CommandLineOutput, TheProgramRunsWithoutADisplay) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  Outcome run = RunBinary({"--patterns", "111-115", "--pdf", Path("b.pdf")});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(testing::PdfPageCount(Path("b.pdf")), 2);
  // A display that cannot be reached does not matter either.
  run = RunBinary({"--patterns", "7", "--json", Path("d.json")}, ":97");
  EXPECT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
  // Nor a platform that needs a display, named or not.
  for (const char* platform : {"xcb", "wayland", "no-such-platform"}) {
    run = RunBinary({"--patterns", "7", "--json", Path("p.json")}, {},
                    QStringLiteral("QT_QPA_PLATFORM=") + platform);
    EXPECT_EQ(run.status, 0) << platform << ": " << run.err.toStdString();
  }
  run = RunBinary({});
  EXPECT_EQ(run.status, 1) << "no display for the window";
  EXPECT_TRUE(run.err.startsWith("kazenori: there is no display")) << run.err.toStdString();
  EXPECT_TRUE(run.err.contains("--pdf") && run.err.contains("--help"));
  run = RunBinary({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.startsWith("Usage: kazenori [OPTION]..."));
  run = RunBinary({"--patterns", "7", "--pdf", Path("x.pdf"), "--sheet", "2"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kazenori: unrecognized option '--sheet'\n");
  EXPECT_FALSE(QFile::exists(Path("x.pdf")));
}

// Whether process pid has a file in folder open.
bool WritesInto(qint64 pid, const QString& folder) {
  const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
  for (const QFileInfo& fd :
       fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
    if (fd.symLinkTarget().startsWith(folder + u'/')) return true;
  }
  return false;
}

TEST_F(CommandLineOutput, AnInterruptWhileWritingLeavesNoFile) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(sig);
    QDir folder(Path("interrupted"));
    folder.mkpath(".");
    QProcess p;
    p.start(Binary(), {"--patterns", "1-150", "--sheets", "40", "--pdf", folder.filePath("i.pdf")});
    ASSERT_TRUE(p.waitForStarted());
    // Once composing is done the output is open in the folder (as an unnamed
    // file where the file system has them); strike while it is written.
    bool seen = false;
    for (int i = 0; i < 24000 && !seen && p.state() == QProcess::Running; ++i) {
      seen = WritesInto(p.processId(), folder.absolutePath());
      if (!seen) p.waitForFinished(5);
    }
    ASSERT_TRUE(seen) << "the output was never seen open";
    ::kill(static_cast<pid_t>(p.processId()), sig);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit) << "the signal ends the program";
    EXPECT_EQ(p.exitCode(), sig);
    EXPECT_TRUE(folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << folder.entryList(QDir::AllEntries | QDir::Hidden).join(' ').toStdString();
  }
}

// A print job is named after its sheets; interrupted while CUPS holds it (its
// document still on its way) or while it is followed, the job is cancelled,
// so that nothing half-sent prints once the queue resumes.
TEST_F(CommandLineOutput, AnInterruptedPrintLeavesNoJobBehind) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  struct Row {
    const char* queue;
    int sheets;
  };
  for (const Row& row :
       {Row{"KAZENORI_CUPS_STOPPED_QUEUE", 200}, Row{"KAZENORI_CUPS_LATEFAIL_QUEUE", 1}}) {
    SCOPED_TRACE(row.queue);
    QString queue;
    KZ_REQUIRE_CUPS(row.queue, queue);
    const int first = 700000000 + static_cast<int>(QCoreApplication::applicationPid() % 1000000);
    const QString title =
        row.sheets == 1 ? QStringLiteral("プリントNo.%1").arg(first)
                        : QStringLiteral("プリントNo.%1–%2").arg(first).arg(first + row.sheets - 1);
    QProcess p;
    p.start(Binary(),
            {"--patterns", "1-150", "--sheets", QString::number(row.sheets), "--print-number",
             QString::number(first), "--print", queue, "--print-timeout", "60"});
    ASSERT_TRUE(p.waitForStarted());
    bool seen = false;
    for (int i = 0; i < 3000 && !seen && p.state() == QProcess::Running; ++i) {
      seen = !testing::ActiveJobs(queue, title).empty();
      if (!seen) p.waitForFinished(20);
    }
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    const auto cancel = qScopeGuard([&] { testing::CancelJobs(queue, title); });
    ASSERT_TRUE(seen) << "no job named " << title.toStdString() << ": "
                      << p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::CrashExit) << "the signal ends the program";
    EXPECT_TRUE(testing::ActiveJobs(queue, title).empty());
  }
}

// Standard output that takes nothing is a failure to write, told on stderr.
TEST_F(CommandLineOutput, AStandardOutputThatTakesNothingFails) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  for (const QStringList& args : {QStringList{"--help"}, QStringList{"--list-patterns"}}) {
    QProcess p;
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(Binary(), args);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1) << args.join(' ').toStdString();
    EXPECT_TRUE(p.readAllStandardError().startsWith("kazenori: cannot write to standard output"));
  }
}

// Once every output is in place, an interrupt no longer turns the run into a
// failure: it ends with 0, the files whole.
TEST_F(CommandLineOutput, AnInterruptAfterTheFilesAreInPlaceKeepsTheirSuccess) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  for (int run = 0; run < 12; ++run) {
    SCOPED_TRACE(run);
    const QString json = Path("late.json");
    QFile::remove(json);
    QProcess p;
    p.start(Binary(), {"--patterns", "7", "--json", json});
    ASSERT_TRUE(p.waitForStarted());
    for (int wait = 0; wait < 600000 && !QFile::exists(json); ++wait) ::usleep(100);
    ::kill(static_cast<pid_t>(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  }
}

// Messages and --help in the language of the locale (its catalogue found
// beside the program in the build tree), English otherwise; a usage error
// stays one line on stderr in either.
TEST_F(CommandLineOutput, SpeaksTheLanguageOfTheLocale) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  struct Row {
    const char* locale;
    QStringList args;
    int status;
    const char* out;  // its start; "" for none at all
    const char* err;
  };
  const QStringList help{"--help"}, mistake{"--patterns", "7", "--pdf", "x.pdf", "--sheet", "2"};
  const Row rows[] = {
      {"LANG=ja_JP.UTF-8", help, 0, "使い方: kazenori [オプション]...\n", ""},
      {"LANG=C", help, 0, "Usage: kazenori [OPTION]...\n", ""},
      {"", help, 0, "Usage: kazenori [OPTION]...\n", ""},
      {"LC_MESSAGES=ja_JP.UTF-8 LANG=C", help, 0, "使い方: kazenori", ""},
      {"LC_ALL=C LANG=ja_JP.UTF-8", help, 0, "Usage: kazenori", ""},
      {"LANG=ja_JP.UTF-8", mistake, 2, "", "kazenori: '--sheet' というオプションはありません\n"},
      {"LANG=C", mistake, 2, "", "kazenori: unrecognized option '--sheet'\n"},
      {"LANG=ja_JP.UTF-8",
       {"--code", "ABCD-EFGH", "--json", "x.json"},
       2,
       "",
       "kazenori: "
       "再作成コード「ABCD-EFGH」が正しくありません。シートに印刷されたとおりに入力して下さい\n"},
      {"LC_ALL=ja_JP.eucJP",
       {"--hide", "x"},
       2,
       "",
       "kazenori: --hide には none、random、all のどれかを指定して下さい ('x' は使えません)\n"},
      {"LANG=ja_JP.UTF-8",
       {},
       1,
       "",
       "kazenori: ウィンドウを表示する画面がありません (DISPLAY も WAYLAND_DISPLAY "
       "も設定されていません)\n"
       "kazenori: 画面がなくても --pdf ファイル や --json ファイル でプリントを書き出せます "
       "(--help を参照)\n"},
      {"LANG=ja_JP.UTF-8 FONTCONFIG_PATH=. FONTCONFIG_FILE=nofonts.conf",
       {"--patterns", "7", "--json", "f.json"},
       0,
       "",
       "kazenori: フォント「IPAGothic」(「ＭＳ ゴシック」の代わり) "
       "がインストールされていないので、日本語は代わりのフォントで描かれます。Debian パッケージ "
       "fonts-ipafont-gothic をインストールして下さい。\n"
       "kazenori: フォント「IPAPGothic」(「ＭＳ Ｐゴシック」の代わり) "
       "がインストールされていないので、日本語は代わりのフォントで描かれます。Debian パッケージ "
       "fonts-ipafont-gothic をインストールして下さい。\n"},
  };
  // The runs' files in the test's own folder, with a font configuration that
  // knows no font at all.
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  const auto back = qScopeGuard([&] { QDir::setCurrent(previous); });
  QFile noFonts("nofonts.conf");
  ASSERT_TRUE(noFonts.open(QIODevice::WriteOnly));
  noFonts.write("<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
  noFonts.close();
  for (const Row& row : rows) {
    const Outcome run = RunBinary(row.args, {}, QString::fromUtf8(row.locale));
    SCOPED_TRACE(std::string(row.locale) + " " + row.args.join(' ').toStdString());
    EXPECT_EQ(run.status, row.status);
    if (*row.out == '\0')
      EXPECT_EQ(run.out, "");
    else
      EXPECT_TRUE(run.out.startsWith(QString::fromUtf8(row.out))) << run.out.toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8(row.err));
  }
  EXPECT_FALSE(QFile::exists("x.pdf"));
}

// A PDF names its sheets, its language and the program that made it.
TEST_F(CommandLineOutput, ThePdfNamesItsSheets) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const QString pdf = Path("t.pdf");
  const Outcome run =
      RunBinary({"--patterns", "7", "--print-number", "7", "--sheets", "3", "--pdf", pdf});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_EQ(testing::PdfInfo(pdf, "Title"), QStringLiteral("プリントNo.7–9"));
  EXPECT_EQ(testing::PdfInfo(pdf, "Creator"), QStringLiteral("Kazenori"));
  EXPECT_TRUE(testing::PdfInfo(pdf, "Metadata").contains("<dc:language><rdf:Bag><rdf:li>ja<"));
}

// Columns of a terminal: East Asian wide characters take two.
int TerminalWidth(const QString& line) {
  int width = 0;
  for (const uint c : line.toUcs4()) {
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                      (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                      (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6);
    width += wide ? 2 : 1;
  }
  return width;
}

// --help fits a terminal of 80 columns and --version names the licence and the
// Qt the program runs on, in either language.
TEST_F(CommandLineOutput, HelpAndVersionFitATerminal) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  for (const char* locale : {"LANG=C", "LANG=ja_JP.UTF-8"}) {
    SCOPED_TRACE(locale);
    const Outcome help = RunBinary({"--help"}, {}, QString::fromUtf8(locale));
    ASSERT_EQ(help.status, 0);
    for (const QString& line : help.out.split(u'\n'))
      EXPECT_LE(TerminalWidth(line), 80) << line.toStdString();
    const Outcome version = RunBinary({"--version"}, {}, QString::fromUtf8(locale));
    ASSERT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.contains(QStringLiteral("Qt %1 ").arg(qVersion())) ||
                version.out.contains(QStringLiteral("Qt %1\n").arg(qVersion())))
        << version.out.toStdString();
    EXPECT_TRUE(version.out.contains("GPL-3.0-or-later")) << version.out.toStdString();
  }
}

// A PDF needs no printer, so a print server that never answers does not hold it up.
TEST_F(CommandLineOutput, PdfIsWrittenWhileThePrintServerHangs) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const testing::SilentPrintServer server;
  ASSERT_TRUE(server.Listening());
  const Outcome run = RunBinary({"--patterns", "7", "--pdf", Path("h.pdf")}, {},
                                "CUPS_SERVER=" + QString::fromStdString(server.Address()));
  ASSERT_EQ(run.status, 0) << "not finished in 30 s, or failed: " << run.err.toStdString();
  EXPECT_EQ(testing::PdfPageCount(Path("h.pdf")), 2);
  EXPECT_TRUE(testing::PdfText(Path("h.pdf"), 2).contains("問題No.1"));
}

// --print to a server that does not answer, or to none at all, is a failure
// naming the server, not a mistyped printer; nothing is written.
TEST_F(CommandLineOutput, PrintFailsNamingAPrintServerThatDoesNotAnswer) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const testing::SilentPrintServer silent;
  ASSERT_TRUE(silent.Listening());
  const QString hung = QString::fromStdString(silent.Address());
  const QString none = Path("no-print-server.sock");
  struct Row {
    QString server;
    const char* problem;
    const char* japanese;  // the same under a Japanese locale
  };
  for (const Row& row : {Row{hung, "did not answer", "が応答しません"},
                         Row{none, "cannot be reached", "に接続できません"}}) {
    for (const QString option : {"--print", "--printer-geometry"}) {
      const QStringList args{"--patterns", "7", "--pdf", Path("p.pdf"), option, "kz-pdf"};
      const Outcome run = RunBinary(args, {}, "CUPS_SERVER=" + row.server);
      EXPECT_EQ(run.status, 1) << row.server.toStdString();
      EXPECT_EQ(run.err, "kazenori: " + option + ": the print server " + row.server + " " +
                             row.problem + "\n");
      const Outcome ja = RunBinary(args, {}, "LANG=ja_JP.UTF-8 CUPS_SERVER=" + row.server);
      EXPECT_EQ(ja.err, "kazenori: " + option + ": 印刷サーバー " + row.server + " " +
                            QString::fromUtf8(row.japanese) + "\n");
      EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
  }
}

// Without the CUPS module no server can be asked: --print fails saying that
// printing is unavailable and why, and writes nothing.
TEST_F(CommandLineOutput, PrintFailsWithoutTheCupsModule) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const QString module = Path("kazenori-cups.so");
  const Outcome run = RunBinary({"--patterns", "7", "--pdf", Path("p.pdf"), "--print", "kz-pdf"},
                                {}, "KAZENORI_CUPS_MODULE=" + module);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(
      run.err.startsWith("kazenori: --print: printing is unavailable: the CUPS module "
                         "cannot be loaded: " +
                         module))
      << run.err.toStdString();
  EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// A server that answers the first questions and then hangs inside one of Qt's
// (the printer's driver): given up at the limit, the same failure.
TEST_F(CommandLineOutput, PrintFailsWhenThePrintServerHangsAfterAnswering) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const testing::SlowPrintServer server(std::chrono::milliseconds(0),
                                        testing::SlowPrintServer::Hold::PrinterRequests);
  ASSERT_TRUE(server.Listening());
  const QString address = QString::fromStdString(server.Address());
  const Outcome run =
      RunBinary({"--patterns", "7", "--print", queue}, {}, "CUPS_SERVER=" + address);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kazenori: --print: the print server " + address + " did not answer\n");
  EXPECT_GE(server.HeldRequests(), 1);
}

// A queue rejecting jobs is a failure with its reason, and no page counts as
// printed.
TEST_F(CommandLineOutput, AQueueRejectingJobsFailsWithItsReason) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_REJECT_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  const QString title = testing::JobTitle("reject");
  testing::RemoveOutputs(dir, title);
  const Outcome run = Execute({"--patterns", "7", "--print-number", "7", "--print", queue}, title);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kazenori: the printer \"" + queue +
                         "\" takes no job: kazenori test: this queue takes no jobs\n");
  EXPECT_EQ(run.out, QString()) << "nothing printed, the number not advanced";
  EXPECT_TRUE(QDir(dir).entryList({title + "*"}, QDir::Files).isEmpty());
  // Under a Japanese locale in the window's words, CUPS's reason as it is.
  const Outcome ja = RunBinary({"--patterns", "7", "--print", queue}, {}, "LANG=ja_JP.UTF-8");
  EXPECT_EQ(ja.status, 1);
  EXPECT_TRUE(ja.err.contains("kazenori: プリンタ「" + queue +
                              "」で印刷できませんでした。ジョブを受け付けません: "
                              "kazenori test: this queue takes no jobs\n"))
      << ja.err.toStdString();
}

// A PDF and JSON laid out for a printer's margins, not the design paper's; a
// printer the server does not know is a mistake, as for --print.
TEST_F(CommandLineOutput, PrinterGeometryLaysThePagesOutForThatPrinter) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  PrinterSelection printer;
  printer.SelectPrinter(queue);
  printer.SetPageSize(QPageSize::A4);
  const PageGeometry expected = PrinterPageGeometry(printer);
  ASSERT_FALSE(expected == DesignPaperGeometry());
  const Outcome run = Execute({"--patterns", "7", "--json", Path("g.json"), "--pdf", Path("g.pdf"),
                               "--printer-geometry", queue});
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QJsonObject g = QJsonDocument::fromJson(Read(Path("g.json")))["geometry"].toObject();
  EXPECT_EQ(QPoint(g["left"].toInt(), g["top"].toInt()), QPoint(expected.left, expected.top));
  EXPECT_EQ(QSize(g["width"].toInt(), g["height"].toInt()), QSize(expected.width, expected.height));
  EXPECT_EQ(testing::PdfPageCount(Path("g.pdf")), 2);
  const Outcome unknown =
      Execute({"--patterns", "7", "--pdf", Path("u.pdf"), "--printer-geometry", "kz-nowhere"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_TRUE(unknown.err.startsWith(
      "kazenori: --printer-geometry: no printer named 'kz-nowhere' (installed: "))
      << unknown.err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("u.pdf")));
}

// A job CUPS took and then aborted (its backend failed) printed nothing.
TEST_F(CommandLineOutput, AJobCupsAbortsFailsNamingThePrinterAndItsReason) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_FAIL_QUEUE", queue);
  const Outcome run = Execute({"--patterns", "7", "--print-number", "7", "--print", queue},
                              testing::JobTitle("fail"));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kazenori: the printer \"" + queue + "\" did not print the job: " +
                         "kazenori test: this printer fails every job\n");
  EXPECT_EQ(run.out, QString()) << "nothing printed, the number not advanced";
}

// What CUPS made of the job decides the words and the status: a job that
// fails seconds after it was taken, or whose server goes silent once it has
// made the job, is a failure and leaves nothing queued; one waiting in a
// stopped queue, or not finished within --print-timeout, is not yet printed
// (status 3) and stays; none of them advances the number.
TEST_F(CommandLineOutput, APrintIsReportedAsCupsFinallyHadTheJob) {
  using Hold = testing::SlowPrintServer::Hold;
  struct Row {
    const char* queue;
    const char* timeout;
    int status;
    const char* words;
    Hold proxy = Hold::Nothing;  // else a relay to the server, holding this
  };
  for (const Row& row : {
           Row{"KAZENORI_CUPS_LATEFAIL_QUEUE", "60", 1,
               "did not print the job: "
               "kazenori test: this printer fails late"},
           Row{"KAZENORI_CUPS_LATEFAIL_QUEUE", "0", 3, "had not finished printing after 0 seconds"},
           Row{"KAZENORI_CUPS_STOPPED_QUEUE", "60", 3,
               "\" and has not printed: kazenori test: "
               "stopped; no page counts as printed"},
           Row{"KAZENORI_CUPS_STOPPED_QUEUE", "60", 1,
               "did not print the job: the print server did not answer", Hold::AfterJobCreated},
       }) {
    SCOPED_TRACE(row.queue);
    QString queue;
    KZ_REQUIRE_CUPS(row.queue, queue);
    const QString title = testing::JobTitle("outcome");
    std::optional<testing::SlowPrintServer> proxy;
    if (row.proxy != Hold::Nothing) {
      proxy.emplace(std::chrono::milliseconds(0), row.proxy);
      cupsSetServer(proxy->Address().c_str());
    }
    const Outcome run = Execute({"--patterns", "7", "--print-number", "7", "--print", queue,
                                 "--print-timeout", row.timeout},
                                title);
    cupsSetServer(nullptr);
    if (proxy) {
      EXPECT_EQ(proxy->HeldRequests(), 1);
    }
    EXPECT_EQ(run.status, row.status);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.words))) << run.err.toStdString();
    EXPECT_EQ(run.out, QString()) << "nothing printed, the number not advanced";
    EXPECT_EQ(testing::ActiveJobs(queue, title).size(), row.status == 3 ? 1u : 0u);
    testing::CancelJobs(queue, title);
  }
}

// A print server that dies while the job is on its way (its own cupsd, so
// that the shared one is left alone): a failure, and no page counts. The same
// print before the kill shows that it is the kill that fails it.
TEST_F(CommandLineOutput, APrintServerKilledMidJobIsAFailure) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  testing::PrivatePrintServer server;
  ASSERT_TRUE(server.Running()) << server.Problem();
  const QString environment = "CUPS_SERVER=" + QString::fromStdString(server.Address());
  const QString queue = testing::PrivatePrintServer::Queue();
  const QStringList print{"--patterns",     "7", "--sheets", "20",
                          "--print-number", "5", "--print",  queue};
  const Outcome before = RunBinary(print, {}, environment);
  ASSERT_EQ(before.status, 0) << before.err.toStdString();
  EXPECT_TRUE(before.out.endsWith("next print number 25\n")) << before.out.toStdString();
  server.KillOnceAJobArrives();
  const Outcome run = RunBinary(print, {}, environment);
  EXPECT_TRUE(server.Killed());
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.err.endsWith("kazenori: the printer \"" + queue +
                               "\" did not print the job: the print server did not answer\n"))
      << run.err.toStdString();
  EXPECT_EQ(run.out, QString()) << "nothing printed, the number not advanced";
}

// Each paper's PDF pages are of its size, and its JSON names it where it is not A4.
TEST_F(CommandLineOutput, EachPaperGivesPagesOfItsSize) {
  const struct {
    const char* paper;
    double width, height;  // points
    const char* named;
  } kPapers[] = {{"a4", 595.3, 841.9, nullptr},
                 {"b5", 515.9, 728.5, "\"paper\":\"B5\""},
                 {"b4", 728.5, 1031.8, "\"paper\":\"B4\""}};
  for (const auto& p : kPapers) {
    const QString pdf = Path("paper.pdf");
    const QString json = Path("paper.json");
    const Outcome run =
        Execute({"--grid", "mul", "--seed", "3", "--paper", p.paper, "--pdf", pdf, "--json", json});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QSizeF size = testing::PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), p.width, 1) << p.paper;
    EXPECT_NEAR(size.height(), p.height, 1) << p.paper;
    const QByteArray head = Read(json).left(120);
    EXPECT_EQ(head.contains("\"paper\""), p.named != nullptr) << head.toStdString();
    if (p.named) {
      EXPECT_TRUE(head.contains(p.named)) << head.toStdString();
    }
  }
}

// A B4 sheet goes to CUPS as a B4 job, the sheet filling the paper beyond
// where A4 would end.
TEST_F(CommandLineOutput, ASheetOnB4PrintsOnB4) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_PDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_PDF_DIR"));
  const QString title = testing::JobTitle("cli-b4");
  testing::RemoveOutputs(dir, title);
  const Outcome run = Execute({"--grid", "add", "--paper", "b4", "--print", queue}, title);
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no output of cups-pdf in " << dir.toStdString();
  const QSizeF size = testing::PdfPageSize(pdf);
  // The driver's B4 is 727 × 1029 points.
  EXPECT_NEAR(size.width(), 728.5, 3);
  EXPECT_NEAR(size.height(), 1031.8, 3);
  const testing::GreyPage page = testing::RenderPage(pdf, 2);
  const QRect ink = page.Ink(QRect(0, 0, page.width, page.height));
  EXPECT_GT(ink.right(), 210) << "mm";
  EXPECT_GT(ink.bottom(), 297) << "mm";
  EXPECT_LT(ink.right(), 257);
  EXPECT_LT(ink.bottom(), 364);

  QString noB4;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_NOB4_QUEUE", noB4);
  const Outcome refused = Execute({"--grid", "add", "--paper", "b4", "--print", noB4}, title);
  EXPECT_EQ(refused.status, 2);
  EXPECT_TRUE(refused.err.contains("the printer '" + noB4 + "' has no B4 paper"))
      << refused.err.toStdString();
}

TEST_F(CommandLineOutput, PrintsIntoTheCupsQueueAndAdvancesTheNumber) {
  QString queue;
  KZ_REQUIRE_CUPS("KAZENORI_CUPS_QTPDF_QUEUE", queue);
  const QString dir = QString::fromUtf8(qgetenv("KAZENORI_CUPS_QTPDF_DIR"));
  const QString title = testing::JobTitle("cli");
  testing::RemoveOutputs(dir, title);
  const Outcome run = Execute({"--patterns", "7", "--print-number", "7", "--print", queue}, title);
  ASSERT_EQ(run.status, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("next print number 8")) << run.out.toStdString();
  const QString pdf = testing::WaitForOutput(dir, title);
  ASSERT_FALSE(pdf.isEmpty()) << "no job output in " << dir.toStdString();
  EXPECT_EQ(testing::PdfPageCount(pdf), 2);
  EXPECT_TRUE(testing::PdfText(pdf, 1).contains("問題No.7"));
  EXPECT_TRUE(testing::PdfText(pdf, 2).contains("問題No.7"));
  // At both ends of the range: the next sheet's number, where it fits.
  const std::vector<std::array<const char*, 3>> ends{{"-2147483648", "1", "-2147483647"},
                                                     {"-2147483648", "3", "-2147483645"},
                                                     {"2147483647", "1", "2147483647"},
                                                     {"2147483645", "3", "2147483647"}};
  for (const auto& [first, sheets, next] : ends) {
    const Outcome end = Execute(QStringList{"--patterns", "7", "--print-number", first, "--sheets",
                                            sheets, "--print", queue},
                                title);
    EXPECT_TRUE(end.out.contains(QStringLiteral("next print number %1\n").arg(next)))
        << first << " " << sheets << ": " << end.out.toStdString() << end.err.toStdString();
  }
}

}  // namespace
}  // namespace kazenori
