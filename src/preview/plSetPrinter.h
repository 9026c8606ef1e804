// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QPageSize>
#include <QPrinterInfo>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "preview/PrinterPlatform.h"

class QPrinter;

namespace kazenori {

// The paper codes of the original printer layer that the program uses, and
// their Qt page sizes.
struct PaperCode {
  int code;
  QPageSize::PageSizeId id;
};
const std::vector<PaperCode>& PaperCodes();
// 0 when the code is unknown.
QPageSize::PageSizeId PageSizeForCode(int code, bool* known = nullptr);
// 256 (a user-defined size) when the size has no code of its own.
int CodeForPageSize(const QPageSize& size);

// Stored device settings as bytes: hexadecimal text, two upper-case digits a
// byte. Reading stops at the first pair that is not hexadecimal; an odd length
// ignores the last digit.
QString DevDataToHex(const QByteArray& bytes);
QByteArray DevDataFromHex(const QString& text);

// The DesignValue list kept with a stored printer-settings component.
struct TplSetPrinterDesignValue {
  QString printerName;
  int landscape = 0;
  QString paperName;
  int paperCode = 0;
  int sourceCode = 0;
  int driverVersion = 0;
};

// One printer with one set of device settings (paper, orientation, paper
// source), over QPrinterInfo and QPrinter (CUPS).
//
// The "current printer" of the original platform has no counterpart in Qt: here
// it is the system's default printer (SyncFromPrinter(bool)), or the QPrinter a
// print or page-setup dialog was run on (SyncFromPrinter(const QPrinter&)).
// Configure a QPrinter for this component's printer and settings with
// ConfigurePrinter(); capabilities are those of such a QPrinter in
// HighResolution mode, which is what printing uses.
class TplSetPrinter : public QObject {
  Q_OBJECT
 public:
  using NotifyEvent = std::function<void(QObject* sender)>;
  using DialogCloseEvent = std::function<void(QObject* sender, int id)>;
  // Runs a setup dialog on `printer`; true when confirmed. Tests replace it.
  using SetupDialogRunner = std::function<bool(QPrinter& printer)>;

  explicit TplSetPrinter(QObject* owner = nullptr, const QString& name = QString(),
                         PrinterAccess access = PrinterAccess::Cups);
  ~TplSetPrinter() override;

  // The print server as it was found at construction; its printers are asked
  // for only when it answered.
  const PrintServer& Server() const { return server_; }
  // Number of printers found at construction.
  int PrinterCount() const { return static_cast<int>(printers_.size()); }
  QStringList PrinterNames() const;

  // The selected printer's own name; empty without printers. Setting selects
  // the first printer whose upper-cased name occurs in the upper-cased value,
  // or the default printer when none does.
  QString PrinterName() const { return printerName_; }
  void SetPrinterName(const QString& name);

  // Capabilities 1..10 in device dots: 1/2 horizontal/vertical resolution,
  // 3/4 page width/height, 5/6 printable width/height, 7 top offset, 8 = 7 + 6,
  // 9 left offset, 10 = 9 + 5. 0 for every index without printers.
  int GetPrinterCaps(int index) const;

  bool SetPaperSize(int code);
  int GetPaperSize() const;
  QString GetPaperName() const;
  void SetPaperName(const QString& name);
  bool IsLandscape() const;
  void SetOrientation(bool landscape);
  // Paper source, from the printer's input slots where CUPS offers them.
  QString GetBinName() const;
  void SetBinName(const QString& name);
  QStringList BinNames() const;

  // Selects the printer matching `name` (the default one when nothing matches)
  // with its default settings.
  void SelectPrinter(const QString& name);
  // Takes over the default printer (see the class comment).
  void SyncFromPrinter(bool reselect);
  // Takes over the printer and settings of a QPrinter a dialog ran on.
  void SyncFromPrinter(const QPrinter& printer);
  // SelectPrinter(PrinterName()), then re-applies the stored device settings.
  void ReapplySettings();
  bool ExecuteSetupDialog();
  void SetSetupDialogRunner(SetupDialogRunner runner) { setupRunner_ = std::move(runner); }

  // Sets up `printer` for this component's printer and settings (HighResolution
  // is the caller's choice when constructing it).
  void ConfigurePrinter(QPrinter& printer) const;

  // The stored device settings.
  QByteArray DevData() const { return devData_; }
  int DevDataSize() const { return static_cast<int>(devData_.size()); }
  const TplSetPrinterDesignValue& DesignValue() const { return designValue_; }
  void SetDesignValue(const TplSetPrinterDesignValue& v) { designValue_ = v; }

  // The component in its stored text form (PrinterName, DevDataSize, ADevData,
  // DesignValue) and back. Reading selects the stored printer and re-applies the
  // stored settings; it returns false when the text is not such a component.
  QString WriteToText() const;
  bool ReadFromText(const QString& text);

  NotifyEvent OnPrinterChange;
  NotifyEvent OnSetupDialogShow;
  NotifyEvent OnSetupDialogClose;
  DialogCloseEvent OnDialogClose;  // kept for stored designs; never raised

 private:
  int Match(const QString& name) const;
  const QPrinterInfo* Selected() const;
  void ResetToPrinterDefaults();
  void CaptureDeviceSettings();
  bool ApplyDeviceSettings(const QByteArray& bytes);
  void RefreshCaps();
  // The selected printer's input slots, asked of CUPS once per selection.
  const std::vector<PrinterBin>& Bins() const;

  PrintServer server_;
  std::vector<QPrinterInfo> printers_;
  QString printerName_;
  int printerIndex_ = -1;
  QPageSize pageSize_;
  bool landscape_ = false;
  QString binKey_;
  int copies_ = 1;
  int duplex_ = 0;  // QPrinter::DuplexMode
  QByteArray devData_;
  TplSetPrinterDesignValue designValue_;
  std::unique_ptr<QPrinter> caps_;  // the selected printer, configured, for its metrics
  SetupDialogRunner setupRunner_;
  mutable std::unique_ptr<std::vector<PrinterBin>> bins_;
};

}  // namespace kazenori
