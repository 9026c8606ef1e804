// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/PrinterPlatform.h"

#include <QPageSetupDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QStringList>

#include <cups/cups.h>
#include <cups/ppd.h>

namespace kazenori {

namespace {

// Qt's CUPS print engine takes extra job options through this property
// (alternating option names and values).
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

}  // namespace

// The PPD interface of libcups is deprecated but remains the only place a
// driver's names for its input slots are found.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
std::vector<PrinterBin> PrinterBinsOf(const QString& printerName) {
  std::vector<PrinterBin> bins;
  if (printerName.isEmpty()) return bins;
  const QByteArray name = printerName.toUtf8();
  const char* ppdPath = cupsGetPPD(name.constData());
  if (!ppdPath) return bins;
  ppd_file_t* ppd = ppdOpenFile(ppdPath);
  if (ppd) {
    if (ppd_option_t* option = ppdFindOption(ppd, "InputSlot")) {
      for (int i = 0; i < option->num_choices; ++i) {
        const ppd_choice_t& c = option->choices[i];
        PrinterBin bin;
        bin.key = QString::fromUtf8(c.choice);
        bin.name = QString::fromUtf8(c.text[0] ? c.text : c.choice);
        bin.isDefault = qstrcmp(option->defchoice, c.choice) == 0;
        bins.push_back(bin);
      }
    }
    ppdClose(ppd);
  }
  unlink(ppdPath);
  return bins;
}
#pragma GCC diagnostic pop

void ApplyBin(QPrinter& printer, const QString& key) {
  QPrintEngine* engine = printer.printEngine();
  if (!engine) return;
  QStringList options = engine->property(kCupsOptions).toStringList();
  for (int i = 0; i + 1 < options.size(); i += 2) {
    if (options[i] == QLatin1String("InputSlot")) {
      options.remove(i, 2);
      break;
    }
  }
  if (!key.isEmpty()) options << QStringLiteral("InputSlot") << key;
  engine->setProperty(kCupsOptions, options);
}

bool RunPageSetupDialog(QPrinter& printer) {
  QPageSetupDialog dialog(&printer);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kazenori
