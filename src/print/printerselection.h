// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPageSize>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "print/printersettings.h"
#include "print/printserver.h"

class QPrinter;

namespace kazenori {

// The printers CUPS offers (asked once, at construction) and the one chosen,
// with its settings. Without printers every question answers 0 or empty and
// every change does nothing.
class PrinterSelection {
 public:
  // With PrinterAccess::DesignPaper CUPS is never asked: there are no printers.
  explicit PrinterSelection(PrinterAccess access = PrinterAccess::Cups);
  // A print server given up on (`server` as it was found): CUPS is not asked,
  // there are no printers, as with DesignPaper.
  explicit PrinterSelection(PrintServer server);
  ~PrinterSelection();
  PrinterSelection(const PrinterSelection&) = delete;
  PrinterSelection& operator=(const PrinterSelection&) = delete;

  // The print server as it was found at construction.
  const PrintServer& Server() const { return server_; }
  int PrinterCount() const { return static_cast<int>(printers_.size()); }
  QStringList PrinterNames() const;

  // The chosen printer's own name; empty without printers.
  QString PrinterName() const { return settings_.printer; }
  // Chooses the first printer whose upper-cased name occurs in the
  // upper-cased `name`, else the default printer, else the first, with the
  // printer's default settings.
  void SelectPrinter(const QString& name);

  const PrinterSettings& Settings() const { return settings_; }
  // Takes settings copied before (or made by a dialog): their printer is
  // chosen, their paper matched to the driver's own entry, an input slot the
  // driver does not offer dropped.
  void SetSettings(const PrinterSettings& settings);
  // Takes over the printer and settings of a QPrinter a dialog ran on.
  void TakeFromPrinter(const QPrinter& printer);
  void ConfigurePrinter(QPrinter& printer) const;

  PrinterCapabilities Capabilities() const;
  // The chosen printer's sheet with the settings; a default one without printers.
  PrinterSheet Sheet() const;
  // The document's paper on this printer; `fallback` without printers.
  Paper PagePaper(const Paper& fallback = DesignPaper()) const;

  // Chooses the driver's entry for a paper size; false (and nothing changes)
  // when the printer has no such paper, or there is no printer.
  bool SetPageSize(QPageSize::PageSizeId id);
  // Puts the printer on the paper a sheet is made for. A printer without A4
  // takes its own default paper instead, as when it was chosen: the layout
  // is measured on that. False when it has no B5 or B4 asked for, since a
  // sheet scaled to fill that paper would be cut off on any other; the
  // printer then keeps the paper it had. Without printers, true: there is
  // no paper to refuse.
  bool UseSheetPaper(PaperSize paper);
  // The chosen paper's size; QPageSize::Custom without a printer or for a
  // size Qt has no name for.
  QPageSize::PageSizeId PageSizeId() const;
  QString PaperName() const;
  void SetPaperName(const QString& name);
  bool IsLandscape() const;
  void SetLandscape(bool landscape);
  // Paper source, from the printer's input slots where CUPS offers them.
  QString InputSlotName() const;
  void SetInputSlotName(const QString& name);
  QStringList InputSlotNames() const;

 private:
  int Match(const QString& name) const;
  const QPrinterInfo* Selected() const;
  void RefreshCapabilities();
  // The chosen printer's input slots, asked of CUPS once per choice.
  const std::vector<PrinterBin>& Bins() const;

  PrintServer server_;
  std::vector<QPrinterInfo> printers_;
  int printerIndex_ = -1;
  PrinterSettings settings_;
  std::unique_ptr<QPrinter> caps_;  // the chosen printer, configured, for its metrics
  mutable std::unique_ptr<std::vector<PrinterBin>> bins_;
};

}  // namespace kazenori
