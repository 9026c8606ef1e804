#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CommandLine.h"
#include "preview/PrintTestSupport.h"
#include "support/QtApp.h"
#include "support/SilentPrintServer.h"

namespace kazenori {
namespace {

struct Outcome {
  int status = -1;
  QString out;
  QString err;
};

Outcome Execute(const QStringList& args, const QString& jobTitle = {}) {
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
    testing::EnsureQtApp();
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
  // Answer lines, with their remainders, are searchable on page 2.
  int found = 0;
  for (int i = 4; i < answers.size(); ++i) {
    const QString line = answers[i].toObject()["text"].toString();
    const QString firstPart = line.section(QStringLiteral(" … "), 0, 0);
    if (page2.contains(firstPart)) ++found;
  }
  EXPECT_EQ(found, 50) << page2.toStdString();
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
    ASSERT_EQ(items.size(), 4 + 3 + 80);
    QString previous;
    for (int i = 7; i < items.size(); ++i) {
      const QJsonObject w = items[i].toObject();
      EXPECT_EQ(w["op"].toString(), "center");
      EXPECT_TRUE(w["bold"].toBool());
      EXPECT_NE(w["color"].toString(), previous) << i;
      previous = w["color"].toString();
    }
  }
}

// The program binary itself, with no display at all.
QString Binary() {
  return QDir::cleanPath(QStringLiteral(KAZENORI_BINARY_DIR "/src/app/kazenori"));
}

// A run that has not finished within the wait has status -1.
Outcome RunBinary(const QStringList& args, const QString& display = {},
                  const QString& cupsServer = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
  if (!display.isEmpty()) env.insert("DISPLAY", display);
  if (!cupsServer.isEmpty()) env.insert("CUPS_SERVER", cupsServer);
  p.setProcessEnvironment(env);
  p.start(Binary(), args);
  Outcome run;
  if (!p.waitForFinished(cupsServer.isEmpty() ? 120000 : 30000)) return run;
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
  run = RunBinary({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.startsWith("Usage: kazenori [OPTION]..."));
  run = RunBinary({"--patterns", "7", "--pdf", Path("x.pdf"), "--sheet", "2"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kazenori: unrecognized option '--sheet'\n");
  EXPECT_FALSE(QFile::exists(Path("x.pdf")));
}

// A PDF needs no printer, so a print server that never answers does not hold it up.
TEST_F(CommandLineOutput, PdfIsWrittenWhileThePrintServerHangs) {
  if (!QFile::exists(Binary()))
    GTEST_SKIP() << "the program is not built: " << Binary().toStdString();
  const testing::SilentPrintServer server;
  ASSERT_TRUE(server.Listening());
  const Outcome run = RunBinary({"--patterns", "7", "--pdf", Path("h.pdf")}, {},
                                QString::fromStdString(server.Address()));
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
  for (const auto& [server, problem] : {std::pair{hung, QStringLiteral("did not answer")},
                                        std::pair{none, QStringLiteral("cannot be reached")}}) {
    const Outcome run =
        RunBinary({"--patterns", "7", "--pdf", Path("p.pdf"), "--print", "kz-pdf"}, {}, server);
    EXPECT_EQ(run.status, 1) << server.toStdString();
    EXPECT_EQ(run.err, "kazenori: --print: the print server " + server + " " + problem + "\n");
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  }
}

// Qt does not tell whether CUPS took the job; a queue rejecting jobs is a failure
// with its reason, and no page counts as printed.
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
}

}  // namespace
}  // namespace kazenori
