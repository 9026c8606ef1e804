// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "cli/commandline.h"
#include "composition/gridsheet.h"

namespace kazenori {
namespace {

CommandLineRequest Parse(const QStringList& args) {
  return ParseCommandLine(args);
}

std::string UsageMessage(const QStringList& args) {
  try {
    Parse(args);
  } catch (const UsageError& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(CommandLineParse, PatternListsKeepTheirOrderAndRanges) {
  EXPECT_EQ(ParsePatternList("7,8,9"), (std::vector<int>{7, 8, 9}));
  EXPECT_EQ(ParsePatternList("120,111-113, 5"), (std::vector<int>{120, 111, 112, 113, 5}));
  EXPECT_EQ(ParsePatternList("150"), (std::vector<int>{150}));
  for (const char* bad :
       {"0", "151", "1-151", "9-7", "7,,8", "", "x", "7-", "-7", "1.5", "7,7", "5-9,8"}) {
    EXPECT_THROW(ParsePatternList(bad), UsageError) << bad;
  }
}

TEST(CommandLineParse, WorksheetOptions) {
  const auto r = Parse({"--patterns", "18,7", "--zero", "--hide=random", "--blank", "all",
                        "--print-number", "12", "--sheets=3", "--seed", "4294967295", "--pdf",
                        "a.pdf", "--json=b.json", "--problems", "20", "--red-answers", "--score"});
  EXPECT_EQ(r.sheet.patterns, (std::vector<int>{18, 7}));
  EXPECT_EQ(r.sheet.zero, ZeroSetting::Allowed);
  EXPECT_EQ(r.sheet.hide, LayerSetting::Random);
  EXPECT_EQ(r.sheet.blank, LayerSetting::All);
  EXPECT_EQ(r.sheet.printNumber, 12);
  EXPECT_EQ(r.sheets, 3);
  ASSERT_TRUE(r.seed.has_value());
  EXPECT_EQ(*r.seed, 4294967295u);
  EXPECT_EQ(r.pdfPath, "a.pdf");
  EXPECT_EQ(r.jsonPath, "b.json");
  EXPECT_FALSE(r.sheet.bonus);
  EXPECT_EQ(r.sheet.problems, 20);
  EXPECT_TRUE(r.sheet.redAnswers);
  EXPECT_TRUE(r.sheet.score);
  // The higher of the two items chooses the instruction line.
  EXPECT_EQ(r.sheet.instruction, "記号か数字を□の上か中に書いて正しい式にしましょう。");
}

TEST(CommandLineParse, DefaultsAndTheInstructionLine) {
  auto r = Parse({"--patterns", "1", "--print", "kz-pdf"});
  EXPECT_EQ(r.sheet.printNumber, 1);
  EXPECT_EQ(r.sheets, 1);
  EXPECT_FALSE(r.seed.has_value());
  EXPECT_EQ(r.sheet.hide, LayerSetting::None);
  EXPECT_EQ(r.printer, "kz-pdf");
  EXPECT_EQ(r.sheet.instruction, "次の計算をしましょう。");
  r = Parse({"--patterns", "1", "--hide", "random", "--json", "x"});
  EXPECT_EQ(r.sheet.instruction,
            "次の計算、又は記号か数字を□の上か中に書いて正しい式にしましょう。");
  r = Parse({"--patterns", "1", "--blank", "all", "--message", "がんばろう", "--json", "x"});
  EXPECT_EQ(r.sheet.instruction, "がんばろう");
  r = Parse({"--patterns", "1", "--message=", "--json", "x"});
  EXPECT_EQ(r.sheet.instruction, "") << "an empty instruction line is the user's choice";
  r = Parse({"--patterns", "1", "--message", "--pdf", "--json", "x", "--"});
  EXPECT_EQ(r.sheet.instruction, "--pdf") << "an option's argument may start with dashes";
  EXPECT_TRUE(r.pdfFile.isEmpty());
}

// Names that are no valid text in the locale keep their bytes, even where
// they decode to the same text.
TEST(CommandLineParse, FileNamesKeepTheirBytes) {
  const auto r = ParseCommandLine(
      QList<QByteArray>{"--patterns", "1", "--pdf", "v\xfe.pdf", "--json=\xe3\x81v\xff.pdf"});
  EXPECT_EQ(r.pdfFile, "v\xfe.pdf");
  EXPECT_EQ(r.jsonFile, "\xe3\x81v\xff.pdf");
  EXPECT_EQ(r.pdfPath, QFile::decodeName("v\xfe.pdf"));
}

TEST(CommandLineParse, ColourWordSheet) {
  auto r = Parse({"--bonus", "--pdf", "c.pdf"});
  EXPECT_TRUE(r.sheet.bonus);
  EXPECT_EQ(r.sheet.colourWords.colourCount, 4);
  EXPECT_EQ(r.sheet.colourWords.wordsPerBlock, 40);
  EXPECT_EQ(r.sheet.instruction, "書かれている文字の色を声に出して読みましょう。");
  r = Parse({"--bonus", "--colours", "2", "--words=30", "--pdf", "c.pdf"});
  EXPECT_EQ(r.sheet.colourWords.colourCount, 2);
  EXPECT_EQ(r.sheet.colourWords.wordsPerBlock, 30);
  EXPECT_EQ(UsageMessage({"--colours", "3", "--patterns", "1", "--pdf", "a"}),
            "--colours and --words belong to --bonus");
}

TEST(CommandLineParse, GridSheet) {
  auto r = Parse({"--grid", "sub", "--pdf", "g.pdf"});
  EXPECT_EQ(r.sheet.grid, GridOp::Sub);
  EXPECT_EQ(r.sheet.gridSize, 10);
  EXPECT_TRUE(r.sheet.patterns.empty());
  EXPECT_EQ(r.sheet.instruction, GridInstruction(GridOp::Sub));
  r = Parse({"--grid=mul", "--grid-size", "5", "--sheets", "30", "--pdf", "g.pdf"});
  EXPECT_EQ(r.sheet.grid, GridOp::Mul);
  EXPECT_EQ(r.sheet.gridSize, 5);
  EXPECT_EQ(r.sheets, 30);
}

// The code of a sheet with the program's own instruction line.
QString DefaultLineCode() {
  SheetOptions options;
  options.patterns = {7};
  options.instruction = InstructionText(LayerSetting::None);
  return QString::fromStdString(*EncodeSheetCode({1, 0, options}));
}

TEST(CommandLineParse, MistakesAreUsageErrors) {
  const std::map<std::string, QStringList> cases{
      {"unrecognized option '--colour'", {"--bonus", "--colour", "3", "--pdf", "a"}},
      {"unrecognized option '--p'", {"--p", "1"}},
      {"unexpected argument 'extra'", {"--patterns", "1", "--pdf", "a", "extra"}},
      {"unexpected argument '-p'", {"-p"}},
      {"unexpected argument 'x'", {"--patterns", "1", "--pdf", "a", "--", "x"}},
      {"unexpected argument 'extra'", {"extra", "--hide", "some"}},
      {"unrecognized option '--sheet'", {"--sheet", "2", "--hide", "some"}},
      {"--hide takes none, random or all, not 'some'", {"--hide", "some", "--sheet", "2"}},
      {"--hide takes none, random or all, not 'most'", {"--hide", "most", "--hide", "all"}},
      {"option '--zero' takes no argument", {"--zero=1"}},
      {"option '--pdf' needs an argument FILE", {"--patterns", "1", "--pdf"}},
      {"--hide takes none, random or all, not 'some'", {"--hide", "some"}},
      {"--patterns: '151' is outside 1..150", {"--patterns", "7,151", "--pdf", "a"}},
      {"--patterns: '150-1' runs downwards; a range runs upwards, as in 1-150",
       {"--patterns", "150-1"}},
      {"--patterns: '151-1' is outside 1..150", {"--patterns", "151-1"}},
      {"--patterns: '7\\x0a8' is no pattern number or range", {"--patterns", "7\n8", "--pdf", "a"}},
      {"unrecognized option '--x\\x1b[2J'", {"--x\x1b[2J"}},
      {"--code '" + std::string(40, 'A') + "…' is no code of a sheet: check it against the sheet",
       {"--code", QString(5000, u'A'), "--pdf", "a"}},
      {"--code '" + DefaultLineCode().toStdString() +
           "' is of a sheet with the program's instruction line; it takes no --message",
       {"--code", DefaultLineCode(), "--message", "がんばろう", "--pdf", "a"}},
      {"--bonus makes the colour-word sheet; it takes no --patterns",
       {"--bonus", "--patterns", "1", "--pdf", "a"}},
      {"--bonus makes the colour-word sheet; it takes no --blank",
       {"--blank", "all", "--bonus", "--pdf", "a"}},
      {"--pdf writes a file, not standard output: for a file named '-' give ./-",
       {"--patterns", "1", "--pdf", "-"}},
      {"--json writes a file, not standard output: for a file named '-' give ./-",
       {"--patterns", "1", "--json", "-"}},
      {"少なくとも１つは問題を指定して下さい。", {"--pdf", "a"}},
      {"--print-number: '1.5' は整数ではありません", {"--print-number", "1.5"}},
      {"--print-number: '2147483648' は整数ではありません", {"--print-number", "2147483648"}},
      {"--print-number: '12345678901234567890…' は整数ではありません",
       {"--print-number", QString(5000, u'1').replace(0, 20, "12345678901234567890")}},
      {"--sheets 2 from --print-number 2147483647 runs past 2147483647",
       {"--patterns", "1", "--print-number", "2147483647", "--sheets", "2", "--pdf", "a"}},
      {"--sheets takes a number from 1 to 10000, not '0'", {"--sheets", "0"}},
      {"--seed takes a number from 0 to 4294967295, not '-1'", {"--seed", "-1"}},
      {"--grade takes a number from 1 to 6, not '7'", {"--grade", "7", "--pdf", "a"}},
      {"--colours takes a number from 2 to 5, not '6'", {"--bonus", "--colours", "6"}},
      {"--words takes 20, 30 or 40, not '25'", {"--bonus", "--words", "25"}},
      {"--problems takes 20, 30 or 50, not '40'", {"--problems", "40"}},
      {"--problems takes a number from 20 to 50, not '5'", {"--problems", "5"}},
      {"--paper takes a4, b5 or b4, not 'A3'", {"--paper", "A3"}},
      {"--bonus makes the colour-word sheet; it takes no --score",
       {"--bonus", "--score", "--pdf", "a"}},
      {"--code names the sheet; it takes no --red-answers",
       {"--code", DefaultLineCode(), "--red-answers", "--pdf", "a"}},
      {"--pdf needs a file name", {"--pdf="}},
      {"--printer-geometry needs a printer name", {"--printer-geometry="}},
      {"--print lays the pages out for its own printer, not for 'b'",
       {"--patterns", "1", "--print", "a", "--printer-geometry", "b"}},
      {"no output: give --pdf FILE, --json FILE or --print PRINTER", {"--patterns", "1"}},
      {"--pdf and --json name the same file", {"--patterns", "1", "--pdf", "s", "--json", "s"}},
  };
  for (const auto& [message, args] : cases) {
    EXPECT_EQ(UsageMessage(args), message) << args.join(' ').toStdString();
  }
}

// What would do nothing beside a grid, or without one, is refused.
TEST(CommandLineParse, GridMistakesAreUsageErrors) {
  const std::vector<std::pair<std::string, QStringList>> cases{
      {"--grid takes add, sub or mul, not 'div'", {"--grid", "div", "--pdf", "a"}},
      {"--grid-size takes 5 or 10, not '7'", {"--grid", "add", "--grid-size", "7"}},
      {"--grid-size belongs to --grid", {"--patterns", "1", "--grid-size", "5", "--pdf", "a"}},
      {"--grid makes the grid sheet; it takes no --bonus",
       {"--grid", "add", "--bonus", "--pdf", "a"}},
      {"--grid makes the grid sheet; it takes no --patterns",
       {"--patterns", "1", "--grid", "add", "--pdf", "a"}},
      {"--grid makes the grid sheet; it takes no --hide",
       {"--grid", "mul", "--hide", "all", "--pdf", "a"}},
      {"--grid makes the grid sheet; it takes no --zero",
       {"--grid", "sub", "--zero", "--pdf", "a"}},
      {"--code names the sheet; it takes no --grid",
       {"--code", DefaultLineCode(), "--grid", "add", "--pdf", "a"}},
  };
  for (const auto& [message, args] : cases) {
    EXPECT_EQ(UsageMessage(args), message) << args.join(' ').toStdString();
  }
}

TEST(CommandLineParse, HelpVersionAndListNeedNothingElse) {
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"--version"}).version);
  EXPECT_TRUE(Parse({"--list-patterns"}).listPatterns);
  EXPECT_TRUE(VersionText().startsWith("kazenori "));
  const QString list = PatternListText();
  EXPECT_EQ(list.count(u'\n'), 150);
  EXPECT_TRUE(list.startsWith("  1\t1年\t和が10以下\n"));
  EXPECT_TRUE(list.contains("\n 88\t3年(発展)\t10+aと10+bの積\n"));
  EXPECT_TRUE(list.endsWith("150\t3年\t×9の特訓\n"));
}

// --help is written from the option table, and the parser accepts exactly
// that table: an option added to one without the other fails here.
TEST(CommandLineParse, HelpListsEveryOptionTheParserAccepts) {
  const std::map<std::string, QString> samples{
      {"patterns", "7"},
      {"hide", "all"},
      {"blank", "random"},
      {"message", "m"},
      {"print-number", "3"},
      {"sheets", "2"},
      {"seed", "1"},
      {"code", QString::fromStdString(*EncodeSheetCode({1, 0, SheetOptions{{7}}}))},
      {"colours", "3"},
      {"words", "20"},
      {"pdf", "a.pdf"},
      {"json", "a.json"},
      {"print", "kz-pdf"},
      {"printer-geometry", "kz-pdf"},
      {"print-timeout", "5"},
      {"grade", "3"},
      {"grid", "add"},
      {"grid-size", "5"},
      {"problems", "30"},
      {"paper", "b4"},
  };
  const QString help = HelpText();
  QSet<QString> names;
  for (const CommandLineOption& o : CommandLineOptions()) {
    const QString name = QString::fromLatin1(o.name);
    names.insert(name);
    QString usage = "--" + name;
    if (o.argument != nullptr) usage += " " + QString::fromUtf8(o.argument);
    // A usage too long for the column has its text on the next line.
    EXPECT_TRUE(help.contains("  " + usage + " ") || help.contains("  " + usage + "\n"))
        << usage.toStdString();
    EXPECT_TRUE(help.contains(QString::fromUtf8(o.help))) << o.name;

    QStringList args{"--" + name};
    if (o.argument != nullptr) {
      const auto sample = samples.find(o.name);
      ASSERT_NE(sample, samples.end()) << "no sample argument for --" << o.name;
      args << sample->second;
    }
    if (name == "colours" || name == "words") args << "--bonus";
    if (name == "grid-size") args << "--grid=add";
    const bool colour = name == "bonus" || name == "colours" || name == "words";
    const bool grid = name == "grid" || name == "grid-size";
    if (name != "patterns" && name != "code" && !colour && !grid) args << "--patterns=1";
    if (name != "json") args << "--json=out.json";
    if (name == "print-timeout") args << "--print=kz-pdf";
    EXPECT_NO_THROW(Parse(args)) << args.join(' ').toStdString();
  }
  // Every "--name" the help mentions is in the table.
  QRegularExpression mention(QStringLiteral("--([a-z-]+)"));
  for (auto it = mention.globalMatch(help); it.hasNext();) {
    const QString name = it.next().captured(1);
    EXPECT_TRUE(names.contains(name)) << name.toStdString();
  }
  EXPECT_EQ(names.size(), static_cast<int>(CommandLineOptions().size())) << "a name twice";
}

}  // namespace
}  // namespace kazenori
