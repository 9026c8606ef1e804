// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <algorithm>
#include <limits>
#include <memory>

#include "composition/colourwordsheet.h"
#include "composition/composer.h"
#include "composition/gridsheet.h"
#include "composition/printnumber.h"
#include "generation/patterncatalogue.h"
#include "generation/patterngrades.h"

namespace kazenori {

namespace {

// The language of messages as POSIX chooses it (LC_ALL, then LC_MESSAGES,
// then LANG): "ja" of "ja_JP.UTF-8". Read from the environment because the
// locale need not be generated on the machine for its catalogue to apply.
QString MessagesLanguage() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty()) return value.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0);
  }
  return {};
}

// The catalogue lies beside the program in the build tree and under
// share/kazenori once installed. Messages arise before any QCoreApplication
// exists (usage errors, --help), so it is asked directly, not installed.
std::unique_ptr<QTranslator> LoadCatalogue() {
  auto catalogue = std::make_unique<QTranslator>();
  const QString language = MessagesLanguage();
  if (language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX"))
    return catalogue;
  const QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  for (const QString& dir : {programDir + QStringLiteral("/translations"),
                             programDir + QStringLiteral("/../share/kazenori/translations")}) {
    if (catalogue->load(QStringLiteral("kazenori_") + language, dir)) break;
  }
  return catalogue;
}

}  // namespace

QString Tr(const char* source) {
  static const std::unique_ptr<const QTranslator> catalogue = LoadCatalogue();
  const QString text = catalogue->translate("kazenori", source);
  return text.isEmpty() ? QString::fromUtf8(source) : text;
}

namespace {

// Qt asks an installed translator for every context; only the program's own
// texts are Tr's, and Tr gives a text back unchanged when it has none.
class MessageCatalogue final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int /*n*/) const override {
    if (source == nullptr || qstrcmp(context, "kazenori") != 0) return {};
    const QString text = Tr(source);
    return text == QString::fromUtf8(source) ? QString() : text;
  }
  bool isEmpty() const override { return false; }
};

}  // namespace

void InstallMessageCatalogue(QCoreApplication& app) {
  app.installTranslator(new MessageCatalogue(&app));
}

const std::vector<CommandLineOption>& CommandLineOptions() {
  static const std::vector<CommandLineOption> kOptions{
      {"patterns", "LIST",
       QT_TRANSLATE_NOOP("kazenori", "patterns 1..150 in tick order: 7,8,9 or 111-120")},
      {"grade", "1..6", QT_TRANSLATE_NOOP("kazenori", "this school year's (学年) patterns")},
      {"zero", nullptr,
       QT_TRANSLATE_NOOP("kazenori", "a term may be 0 where the pattern allows (\"あり\")")},
      {"hide", "none|random|all",
       QT_TRANSLATE_NOOP("kazenori", "hide the operators (default none)")},
      {"blank", "none|random|all",
       QT_TRANSLATE_NOOP("kazenori", "blank one number of each problem (default none)")},
      {"problems", "20|30|50",
       QT_TRANSLATE_NOOP("kazenori", "problems a sheet; fewer come larger (default 50)")},
      {"red-answers", nullptr,
       QT_TRANSLATE_NOOP("kazenori", "answers in red and a 「解答」 mark on answer pages")},
      {"score", nullptr,
       QT_TRANSLATE_NOOP("kazenori", "a score box 「　　／50点」 beside the time line")},
      {"message", "TEXT",
       QT_TRANSLATE_NOOP("kazenori", "instruction line (default: the hide/blank setting's)")},
      {"print-number", "N", QT_TRANSLATE_NOOP("kazenori", "number of the first sheet (default 1)")},
      {"sheets", "K",
       QT_TRANSLATE_NOOP("kazenori", "K sheets numbered N, N+1, ... in one document")},
      {"seed", "S",
       QT_TRANSLATE_NOOP("kazenori", "random seed 0..4294967295: the same sheets again")},
      {"code", "CODE",
       QT_TRANSLATE_NOOP("kazenori", "make this code's sheet again (printed on its pages)")},
      {"bonus", nullptr,
       QT_TRANSLATE_NOOP("kazenori", "the colour-word sheet instead of arithmetic")},
      {"colours", "2..5",
       QT_TRANSLATE_NOOP("kazenori", "colours on the colour-word sheet (default 4)")},
      {"words", "20|30|40",
       QT_TRANSLATE_NOOP("kazenori", "words a block on the colour-word sheet (default 40)")},
      {"grid", "add|sub|mul",
       QT_TRANSLATE_NOOP("kazenori", "a 百ます計算 grid sheet instead of problems")},
      {"grid-size", "5|10",
       QT_TRANSLATE_NOOP("kazenori", "rows and columns of the grid (default 10)")},
      {"paper", "a4|b5|b4",
       QT_TRANSLATE_NOOP("kazenori", "scale the sheet to fill JIS B4 or B5 (default a4)")},
      {"pdf", "FILE",
       QT_TRANSLATE_NOOP("kazenori", "write the pages to a PDF file (searchable text)")},
      {"json", "FILE", QT_TRANSLATE_NOOP("kazenori", "write what was composed as JSON")},
      {"print", "PRINTER", QT_TRANSLATE_NOOP("kazenori", "print the pages on a CUPS printer")},
      {"print-timeout", "SECONDS",
       QT_TRANSLATE_NOOP("kazenori", "seconds to wait for the printer (default 120)")},
      {"printer-geometry", "PRINTER",
       QT_TRANSLATE_NOOP("kazenori", "lay out for this printer's paper and margins")},
      {"list-patterns", nullptr,
       QT_TRANSLATE_NOOP("kazenori", "list the patterns with their school years, then exit")},
      {"help", nullptr, QT_TRANSLATE_NOOP("kazenori", "show this help, then exit")},
      {"version", nullptr, QT_TRANSLATE_NOOP("kazenori", "show the version, then exit")},
  };
  return kOptions;
}

namespace {

QString Utf8(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// QCommandLineParser works on text. An argument whose bytes are no valid text
// in the locale reaches it with each byte above 0x7f as a lone surrogate
// (U+DC80..U+DCFF), which no decoded text holds, so that a file name comes
// back byte for byte.
QString ParserText(const QByteArray& argument) {
  QString text = QFile::decodeName(argument);
  if (QFile::encodeName(text) == argument) return text;
  QString escaped;
  for (const char c : argument) {
    const auto byte = static_cast<uchar>(c);
    escaped += byte < 0x80 ? QChar(byte) : QChar(0xdc00 + byte);
  }
  return escaped;
}

bool IsEscapedByte(QChar c) {
  return c.unicode() >= 0xdc80 && c.unicode() <= 0xdcff;
}

QByteArray ArgumentBytes(const QString& parserText) {
  if (std::none_of(parserText.begin(), parserText.end(), IsEscapedByte))
    return QFile::encodeName(parserText);
  QByteArray bytes;
  for (const QChar c : parserText) bytes += static_cast<char>(c.unicode() & 0xff);
  return bytes;
}

// An argument as messages show it.
QString Shown(const QString& parserText) {
  return QFile::decodeName(ArgumentBytes(parserText));
}

LayerSetting Item(const QString& option, const QString& value) {
  if (value == "none") return LayerSetting::None;
  if (value == "random") return LayerSetting::Random;
  if (value == "all") return LayerSetting::All;
  throw UsageError(Tr("--%1 takes none, random or all, not '%2'").arg(option, Echoed(value)));
}

// A decimal number in [low, high], else a usage error naming the option.
qint64 Number(const QString& option, const QString& value, qint64 low, qint64 high) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,12}$"));
  if (!digits.match(value).hasMatch() || value.toLongLong() < low || value.toLongLong() > high) {
    throw UsageError(Tr("--%1 takes a number from %2 to %3, not '%4'")
                         .arg(option)
                         .arg(low)
                         .arg(high)
                         .arg(Echoed(value)));
  }
  return value.toLongLong();
}

std::int32_t PrintNumber(const QString& value) {
  try {
    return StrToInt(value.toStdString());
  } catch (const ConversionError&) {
    throw UsageError(
        QStringLiteral("--print-number: %1")
            .arg(QString::fromUtf8(ConversionError(Echoed(value, 20).toStdString()).what())));
  }
}

GridOp GridItem(const QString& value) {
  if (value == "add") return GridOp::Add;
  if (value == "sub") return GridOp::Sub;
  if (value == "mul") return GridOp::Mul;
  throw UsageError(Tr("--grid takes add, sub or mul, not '%1'").arg(Echoed(value)));
}

PaperSize PaperItem(const QString& value) {
  for (const PaperSize paper : {PaperSize::A4, PaperSize::B5, PaperSize::B4}) {
    if (value == QString::fromLatin1(PaperName(paper)).toLower()) return paper;
  }
  throw UsageError(Tr("--paper takes a4, b5 or b4, not '%1'").arg(Echoed(value)));
}

// A grid sheet is drawn from its operation and size alone: what shapes the
// other sheets would do nothing, and is refused.
void CompleteGridRequest(const CommandLineRequest& r, const QSet<QString>& seen) {
  if (r.sheet.grid == GridOp::None) {
    if (seen.contains("grid-size")) throw UsageError(Tr("--grid-size belongs to --grid"));
    return;
  }
  for (const char* other : {"bonus", "patterns", "grade", "zero", "hide", "blank", "colours",
                            "words", "problems", "red-answers", "score"}) {
    if (seen.contains(other)) {
      throw UsageError(Tr("--grid makes the grid sheet; it takes no --%1").arg(Utf8(other)));
    }
  }
}

const CommandLineOption* Find(const QString& name) {
  for (const CommandLineOption& o : CommandLineOptions()) {
    if (name == QLatin1String(o.name)) return &o;
  }
  return nullptr;
}

// The options that shape the sheets; false for any other name.
bool ApplySheetOption(CommandLineRequest& r, const QString& name, const QString& value) {
  SheetOptions& s = r.sheet;
  if (name == "patterns") {
    s.patterns = ParsePatternList(value);
  } else if (name == "grade") {
    s.patterns = PatternsOfGrade(static_cast<int>(Number(name, value, kFirstGrade, kLastGrade)));
  } else if (name == "zero") {
    s.zero = ZeroSetting::Allowed;
  } else if (name == "hide") {
    s.hide = Item(name, value);
  } else if (name == "blank") {
    s.blank = Item(name, value);
  } else if (name == "problems") {
    const auto problems = Number(name, value, 20, 50);
    if (problems != 20 && problems != 30 && problems != 50) {
      throw UsageError(Tr("--problems takes 20, 30 or 50, not '%1'").arg(Echoed(value)));
    }
    s.problems = static_cast<int>(problems);
  } else if (name == "red-answers") {
    s.redAnswers = true;
  } else if (name == "score") {
    s.score = true;
  } else if (name == "message") {
    s.instruction = value.toStdString();
  } else if (name == "print-number") {
    s.printNumber = PrintNumber(value);
    r.printNumberText = value;
  } else if (name == "bonus") {
    s.bonus = true;
  } else if (name == "colours") {
    s.colourWords.colourCount = static_cast<int>(Number(name, value, 2, 5));
  } else if (name == "words") {
    const auto words = Number(name, value, 20, 40);
    if (words % 10 != 0) {
      throw UsageError(Tr("--words takes 20, 30 or 40, not '%1'").arg(Echoed(value)));
    }
    s.colourWords.wordsPerBlock = static_cast<int>(words);
  } else if (name == "paper") {
    s.paper = PaperItem(value);
  } else if (name == "grid") {
    s.grid = GridItem(value);
  } else if (name == "grid-size") {
    if (value != QLatin1String("5") && value != QLatin1String("10")) {
      throw UsageError(Tr("--grid-size takes 5 or 10, not '%1'").arg(Echoed(value)));
    }
    s.gridSize = value.toInt();
  } else {
    return false;
  }
  return true;
}

// The options of the run: how many sheets, where they go, what to answer instead.
void ApplyRunOption(CommandLineRequest& r, const QString& name, const QString& parserValue) {
  const QString value = Shown(parserValue);
  if (name == "sheets") {
    r.sheets = static_cast<int>(Number(name, value, 1, 10000));
  } else if (name == "seed") {
    r.seed = static_cast<std::uint32_t>(
        Number(name, value, 0, std::numeric_limits<std::uint32_t>::max()));
  } else if (name == "code") {
    r.remakeCode = value;
  } else if (name == "pdf" || name == "json") {
    if (value.isEmpty()) throw UsageError(Tr("--%1 needs a file name").arg(name));
    // "-" reads as standard output to most users, and a file of that name
    // would surprise them; "./-" still names one.
    if (value == QLatin1String("-")) {
      throw UsageError(Tr("--%1 writes a file, not standard output: for a file named '-' give "
                          "./-")
                           .arg(name));
    }
    (name == "pdf" ? r.pdfPath : r.jsonPath) = value;
    (name == "pdf" ? r.pdfFile : r.jsonFile) = ArgumentBytes(parserValue);
  } else if (name == "print" || name == "printer-geometry") {
    if (value.isEmpty()) throw UsageError(Tr("--%1 needs a printer name").arg(name));
    (name == "print" ? r.printer : r.geometryPrinter) = value;
  } else if (name == "print-timeout") {
    r.printTimeoutSeconds = static_cast<int>(Number(name, value, 0, 86400));
  } else if (name == "list-patterns") {
    r.listPatterns = true;
  } else if (name == "help") {
    r.help = true;
  } else if (name == "version") {
    r.version = true;
  } else {
    throw std::logic_error("option --" + name.toStdString() + " has no handler");
  }
}

// Each option as the parser found it, in the order given, the first `count`
// only (all for -1): a later one given again wins.
void ApplyInOrder(const QCommandLineParser& parser, int count, CommandLineRequest& r,
                  QSet<QString>& seen) {
  const QStringList names = parser.optionNames();
  QHash<QString, int> occurrence;
  for (int i = 0; i < names.size() && (count < 0 || i < count); ++i) {
    const QString& name = names[i];
    const QStringList values = parser.values(name);
    const int k = occurrence[name]++;
    const QString value = k < values.size() ? values[k] : QString();
    seen.insert(name);
    if (name == "message") r.messageGiven = true;
    if (!ApplySheetOption(r, name, Shown(value))) ApplyRunOption(r, name, value);
  }
}

// QCommandLineParser tells that the arguments went wrong, not where, and in
// its own words: the first argument at fault, in ours, and how many options
// came before it (their mistakes are reported first).
struct ArgumentFault {
  int optionsBefore;
  QString message;
};

ArgumentFault FirstFault(const QStringList& arguments) {
  int options = 0;
  for (int i = 0; i < arguments.size(); ++i, ++options) {
    const QString& arg = arguments[i];
    const bool endOfOptions = arg == QLatin1String("--");
    if (endOfOptions && i + 1 == arguments.size()) break;
    if (endOfOptions || !arg.startsWith(QLatin1String("--"))) {
      const QString unexpected = endOfOptions ? arguments[i + 1] : arg;
      return {options, Tr("unexpected argument '%1'").arg(Echoed(Shown(unexpected)))};
    }
    const QString name = arg.mid(2).section(u'=', 0, 0);
    const CommandLineOption* option = Find(name);
    if (option == nullptr) {
      return {options, Tr("unrecognized option '--%1'").arg(Echoed(Shown(name)))};
    }
    const bool attached = arg.contains(u'=');
    if (option->argument == nullptr && attached)
      return {options, Tr("option '--%1' takes no argument").arg(name)};
    if (option->argument != nullptr && !attached && ++i == arguments.size()) {
      return {options, Tr("option '--%1' needs an argument %2").arg(name, Utf8(option->argument))};
    }
  }
  throw std::logic_error("QCommandLineParser refused arguments that have no fault");
}

QList<QCommandLineOption> ParserOptions() {
  QList<QCommandLineOption> options;
  for (const CommandLineOption& o : CommandLineOptions()) {
    const QString value = o.argument != nullptr ? Utf8(o.argument) : QString();
    options.append(QCommandLineOption(QString::fromLatin1(o.name), QString(), value));
  }
  return options;
}

// A code names the options, the seed and the sheet: none of them may be given
// besides it, except the instruction line that a code only checks.
void RemakeRequest(CommandLineRequest& r, const QSet<QString>& seen) {
  const QString shown = Echoed(r.remakeCode);
  for (const char* shaping :
       {"patterns", "grade", "zero", "hide", "blank", "print-number", "sheets", "seed", "bonus",
        "colours", "words", "problems", "red-answers", "score", "grid", "grid-size", "paper"}) {
    if (seen.contains(shaping)) {
      throw UsageError(Tr("--code names the sheet; it takes no --%1").arg(Utf8(shaping)));
    }
  }
  try {
    r.remake = DecodeSheetCode(r.remakeCode.toStdString(),
                               r.messageGiven ? r.sheet.instruction : std::string());
  } catch (const SheetCodeError& e) {
    switch (e.kind()) {
      case SheetCodeError::Kind::Newer:
        throw UsageError(Tr("--code '%1' comes from a newer version of kazenori").arg(shown));
      case SheetCodeError::Kind::InstructionDiffers:
        throw UsageError(Tr("--code '%1' is of a sheet with its own instruction line: give it "
                            "with --message")
                             .arg(shown));
      case SheetCodeError::Kind::Malformed:
        break;
    }
    throw UsageError(
        Tr("--code '%1' is no code of a sheet: check it against the sheet").arg(shown));
  }
  // A sheet with a line of the program's own keeps it: a --message would be dropped.
  if (r.messageGiven && r.remake->options.instruction != r.sheet.instruction) {
    throw UsageError(
        Tr("--code '%1' is of a sheet with the program's instruction line; it takes no --message")
            .arg(shown));
  }
  r.sheet = r.remake->options;
  r.messageGiven = true;
}

// What the options mean together: the colour-word sheet's defaults, the
// instruction line, and the mistakes only the whole request shows.
void CompleteRequest(CommandLineRequest& r, const QSet<QString>& seen) {
  if (seen.contains("code")) RemakeRequest(r, seen);
  SheetOptions& s = r.sheet;
  if (seen.contains("print-timeout") && r.printer.isEmpty()) {
    throw UsageError(Tr("--print-timeout belongs to --print"));
  }
  CompleteGridRequest(r, seen);
  if (!s.bonus && (seen.contains("colours") || seen.contains("words"))) {
    throw UsageError(Tr("--colours and --words belong to --bonus"));
  }
  if (s.bonus) {
    for (const char* arithmetic :
         {"patterns", "zero", "hide", "blank", "problems", "red-answers", "score"}) {
      if (seen.contains(arithmetic)) {
        throw UsageError(
            Tr("--bonus makes the colour-word sheet; it takes no --%1").arg(Utf8(arithmetic)));
      }
    }
    // The colour dialog's own first choices.
    if (!seen.contains("colours")) s.colourWords.colourCount = 4;
    if (!seen.contains("words")) s.colourWords.wordsPerBlock = 40;
  } else if (s.patterns.empty() && s.grid == GridOp::None) {
    throw UsageError(QString::fromStdString(EmptySelectionText()));
  }
  if (!SheetNumbersFit(s.printNumber, r.sheets)) {
    throw UsageError(Tr("--sheets %1 from --print-number %2 runs past 2147483647")
                         .arg(r.sheets)
                         .arg(r.printNumberText));
  }
  if (!r.messageGiven) {
    s.instruction = s.bonus ? kColourInstruction : InstructionText(std::max(s.hide, s.blank));
    if (s.grid != GridOp::None) s.instruction = GridInstruction(s.grid);
  }
  if (r.pdfPath.isEmpty() && r.jsonPath.isEmpty() && r.printer.isEmpty()) {
    throw UsageError(Tr("no output: give --pdf FILE, --json FILE or --print PRINTER"));
  }
  if (!r.printer.isEmpty() && !r.geometryPrinter.isEmpty() && r.printer != r.geometryPrinter) {
    throw UsageError(Tr("--print lays the pages out for its own printer, not for '%1'")
                         .arg(Echoed(r.geometryPrinter)));
  }
  if (!r.pdfFile.isEmpty() && r.pdfFile == r.jsonFile) {
    throw UsageError(Tr("--pdf and --json name the same file"));
  }
}

}  // namespace

QString Echoed(const QString& value, int shown) {
  QString text;
  int kept = 0;
  for (const QChar c : value) {
    if (kept == shown && value.size() > shown + 1) return text + QStringLiteral("…");
    ++kept;
    // A terminal would act on these (escape sequences, new lines, reordering).
    const auto category = c.category();
    if (category == QChar::Other_Control || category == QChar::Other_Format) {
      text += c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                  : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    } else {
      text += c;
    }
  }
  return text;
}

std::vector<int> ParsePatternList(const QString& list) {
  static const QRegularExpression item(QStringLiteral("^([0-9]{1,4})(?:-([0-9]{1,4}))?$"));
  std::vector<int> numbers;
  QSet<int> seen;
  for (const QString& part : list.split(u',')) {
    const auto m = item.match(part.trimmed());
    if (!m.hasMatch())
      throw UsageError(Tr("--patterns: '%1' is no pattern number or range").arg(Echoed(part)));
    const int from = m.captured(1).toInt();
    const int to = m.captured(2).isEmpty() ? from : m.captured(2).toInt();
    if (std::min(from, to) < 1 || std::max(from, to) > kPatternCount) {
      throw UsageError(Tr("--patterns: '%1' is outside 1..150").arg(Echoed(part)));
    }
    if (from > to) {
      throw UsageError(Tr("--patterns: '%1' runs downwards; a range runs upwards, as in %2-%3")
                           .arg(part.trimmed())
                           .arg(to)
                           .arg(from));
    }
    for (int p = from; p <= to; ++p) {
      if (seen.contains(p)) throw UsageError(Tr("--patterns: pattern %1 is listed twice").arg(p));
      seen.insert(p);
      numbers.push_back(p);
    }
  }
  return numbers;
}

CommandLineRequest ParseCommandLine(const QStringList& arguments) {
  QList<QByteArray> bytes;
  for (const QString& a : arguments) bytes << QFile::encodeName(a);
  return ParseCommandLine(bytes);
}

CommandLineRequest ParseCommandLine(const QList<QByteArray>& arguments) {
  QStringList texts;
  for (const QByteArray& a : arguments) texts << ParserText(a);
  QCommandLineParser parser;
  parser.addOptions(ParserOptions());
  const bool parsed = parser.parse(QStringList(QStringLiteral("kazenori")) + texts);
  CommandLineRequest r;
  QSet<QString> seen;
  if (!parsed || !parser.positionalArguments().isEmpty()) {
    const ArgumentFault fault = FirstFault(texts);
    ApplyInOrder(parser, fault.optionsBefore, r, seen);
    throw UsageError(fault.message);
  }
  ApplyInOrder(parser, -1, r, seen);
  if (!r.help && !r.version && !r.listPatterns) CompleteRequest(r, seen);
  return r;
}

QString HelpText() {
  QString text =
      Tr("Usage: kazenori [OPTION]...\n"
         "Makes mental-arithmetic drill sheets. Without options it opens the main window;\n"
         "with options it composes the sheets without a window and writes them out.\n\n");
  for (const CommandLineOption& o : CommandLineOptions()) {
    QString left = QStringLiteral("  --") + QLatin1String(o.name);
    if (o.argument != nullptr) left += u' ' + Utf8(o.argument);
    text += left.leftJustified(28) +
            (left.size() >= 28 ? QStringLiteral("\n") + QString(28, u' ') : QString()) +
            Tr(o.help) + u'\n';
  }
  text +=
      Tr("\nAt least one of --pdf, --json and --print is needed. Each sheet is a question\n"
         "page and its answer page; the colour-word sheet has one page.\n\n"
         "Only --print and --printer-geometry ask the print server (CUPS) anything.\n"
         "Without them, --pdf and --json lay the pages out on the design paper: A4\n"
         "with a printable area 3.5 mm from the left and 3.1 mm from the top,\n"
         "203.2 x 289.0 mm, whatever printers are installed. With --print or\n"
         "--printer-geometry PRINTER they use that printer's paper and margins.\n\n"
         "--print waits for CUPS to complete the job (--print-timeout) and cancels\n"
         "a job that failed, so that nothing half-sent prints later.\n\n"
         "Exit status: 0 if the sheets were written (and printed), 1 if printing or\n"
         "writing failed, 2 for a mistake in the arguments (then no file is created\n"
         "or changed), 3 if the print job was still in progress at the time limit or\n"
         "waits in a held or stopped queue (no page counts as printed).\n"
         "An output must be a regular file or a new name; a symbolic link is followed.\n"
         "No output goes to standard output: --pdf - and --json - are refused (./-\n"
         "names a file called -).\n");
  return text;
}

QString VersionText() {
  return QStringLiteral("kazenori %1\n").arg(QStringLiteral(KAZENORI_VERSION)) +
         Tr("running on Qt %1\n").arg(QString::fromLatin1(qVersion())) +
         Tr("License GPL-3.0-or-later: GNU GPL version 3 or later "
            "<https://gnu.org/licenses/gpl.html>.\n"
            "This is free software: you are free to change and redistribute it.\n"
            "There is NO WARRANTY, to the extent permitted by law.\n");
}

QString PatternListText() {
  QString text;
  for (const PatternInfo& p : PatternCatalogue()) {
    const PatternGrade& grade = GradeOf(p.number);
    text += QStringLiteral("%1\t%2年%3\t%4\n")
                .arg(p.number, 3)
                .arg(grade.grade)
                .arg(grade.enrichment ? QStringLiteral("(発展)") : QString())
                .arg(QString::fromUtf8(p.caption));
  }
  return text;
}

}  // namespace kazenori
