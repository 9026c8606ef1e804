// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

#include "composition/sheetcode.h"
#include "composition/sheetoptions.h"

namespace kazenori {

// One option of the command line. The parser accepts exactly the options of
// this table and --help is written from it.
struct CommandLineOption {
  const char* name;      // without the leading "--"
  const char* argument;  // placeholder of its argument, nullptr for a switch
  const char* help;
};
const std::vector<CommandLineOption>& CommandLineOptions();

// A mistake in the arguments: reported on one line, exit status 2.
class UsageError : public std::runtime_error {
 public:
  explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// What the arguments ask for.
struct CommandLineRequest {
  bool help = false;
  bool version = false;
  bool listPatterns = false;
  SheetOptions sheet;  // selection, zero, hide, blank, number, instruction, bonus
  QString printNumberText = QStringLiteral("1");  // --print-number as given, for messages
  bool messageGiven = false;  // --message given; else the options' own instruction
  int sheets = 1;
  std::optional<std::uint32_t> seed;
  QString remakeCode;                 // --code as given
  std::optional<SheetRecipe> remake;  // --code: the one sheet it names, made again
  QString pdfPath;                    // as shown in messages
  QString jsonPath;
  QByteArray pdfFile;  // the names' bytes as the system gave them
  QByteArray jsonFile;
  QString printer;          // --print: the printer printed on, and laid out for
  QString geometryPrinter;  // --printer-geometry: the printer laid out for
  QString jobTitle;         // of the print job, else its sheets' title; not an option
  // --print-timeout: how long --print waits for CUPS to complete the job.
  int printTimeoutSeconds = 120;
};

// Parses the arguments after the program name (GNU style: "--name value" or
// "--name=value"; "--" ends the options). Throws UsageError.
CommandLineRequest ParseCommandLine(const QStringList& arguments);
// The same from the bytes of argv, which keep a file name that is no valid
// text in the locale as it is.
CommandLineRequest ParseCommandLine(const QList<QByteArray>& arguments);

// "7,8,9" or "111-120" and mixtures: pattern numbers 1..150 in tick order,
// each at most once. Throws UsageError.
std::vector<int> ParsePatternList(const QString& list);

// A message of the command line in the language of the user's locale (its
// catalogue, context "kazenori"), else as written.
QString Tr(const char* source);

// Installs Tr's catalogue in `app`, so that the layers below the command line
// (QCoreApplication::translate, context "kazenori") speak the user's language.
void InstallMessageCatalogue(QCoreApplication& app);

// What the user typed as a message echoes it: control and format characters
// shown as \x1b or \u202e, cut after `shown` characters.
QString Echoed(const QString& value, int shown = 40);

QString HelpText();
QString VersionText();
QString PatternListText();

}  // namespace kazenori
