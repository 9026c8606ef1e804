// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <vector>

class QPrinter;

namespace kazenori {

// A paper source (input slot) of a CUPS printer: the key CUPS knows it by and
// the driver's name for it.
struct PrinterBin {
  QString key;
  QString name;
  bool isDefault = false;
};

// The input slots the printer's driver offers; empty where it offers none.
std::vector<PrinterBin> PrinterBinsOf(const QString& printerName);
// Asks CUPS to feed `printer`'s job from the slot `key` (empty: the driver's default).
void ApplyBin(QPrinter& printer, const QString& key);
// Qt's page-setup dialog on `printer`; true when confirmed.
bool RunPageSetupDialog(QPrinter& printer);

}  // namespace kazenori
