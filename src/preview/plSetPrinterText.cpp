// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The stored text form of TplSetPrinter.
#include "preview/ComponentText.h"
#include "preview/plSetPrinter.h"

namespace kazenori {

QString TplSetPrinter::WriteToText() const {
  ComponentText c;
  c.name = objectName().isEmpty() ? QStringLiteral("plSetPrinter") : objectName();
  c.className = QStringLiteral("TplSetPrinter");
  c.properties.emplace_back(QStringLiteral("PrinterName"), QuoteText(printerName_));
  c.properties.emplace_back(QStringLiteral("DevDataSize"), QString::number(devData_.size()));
  c.properties.emplace_back(QStringLiteral("ADevData"), QuoteText(DevDataToHex(devData_)));
  const TplSetPrinterDesignValue& d = designValue_;
  c.properties.emplace_back(QStringLiteral("DesignValue"), QStringLiteral("(%1 %2 %3 %4 %5 %6)")
                                                               .arg(QuoteText(d.printerName))
                                                               .arg(d.landscape)
                                                               .arg(QuoteText(d.paperName))
                                                               .arg(d.paperCode)
                                                               .arg(d.sourceCode)
                                                               .arg(d.driverVersion));
  return FormatComponentText(c);
}

bool TplSetPrinter::ReadFromText(const QString& text) {
  ComponentText c;
  if (!ParseComponentText(text, &c)) return false;
  QString name;
  ItemReader(c.Value(QStringLiteral("PrinterName"))).ReadString(&name);
  int size = 0;
  ItemReader(c.Value(QStringLiteral("DevDataSize"))).ReadInt(&size);
  QString hex;
  ItemReader(c.Value(QStringLiteral("ADevData"))).ReadString(&hex);
  QByteArray bytes = DevDataFromHex(hex);
  // A size larger than the bytes actually stored would read past them.
  if (size >= 0 && size < bytes.size()) bytes.truncate(size);

  TplSetPrinterDesignValue d = designValue_;
  ItemReader list(c.Value(QStringLiteral("DesignValue")));
  if (list.OpenList() && list.ReadString(&d.printerName) && list.ReadInt(&d.landscape) &&
      list.ReadString(&d.paperName) && list.ReadInt(&d.paperCode) && list.ReadInt(&d.sourceCode)) {
    list.ReadInt(&d.driverVersion);
  }
  designValue_ = d;

  devData_ = bytes;
  if (printers_.empty()) {
    printerName_.clear();
    return true;
  }
  // Loading selects by the stored name without announcing a change.
  int index = Match(name);
  if (index < 0) index = Match(QPrinterInfo::defaultPrinterName());
  if (index < 0) index = 0;
  printerName_ = printers_[static_cast<size_t>(index)].printerName();
  SelectPrinter(printerName_);
  ApplyDeviceSettings(bytes);
  CaptureDeviceSettings();
  return true;
}

}  // namespace kazenori
