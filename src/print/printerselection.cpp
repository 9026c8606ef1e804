// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/printerselection.h"

#include <QPageLayout>
#include <QPrinter>

#include <algorithm>
#include <utility>

#include "print/printserver.h"

namespace kazenori {

namespace {

// The driver's own entry for `size`: the one with the same key, else the first of the same size.
const QPageSize* FindSupported(const QList<QPageSize>& supported, const QPageSize& size) {
  const QPageSize* equivalent = nullptr;
  for (const QPageSize& s : supported) {
    if (!s.isEquivalentTo(size)) continue;
    if (s.key() == size.key()) return &s;
    if (!equivalent) equivalent = &s;
  }
  return equivalent;
}

// The paper a printer is set up with when it is chosen.
QPageSize DefaultPageSize(const QPrinterInfo& info) {
  const QPageSize size = info.defaultPageSize();
  return size.isValid() ? size : QPageSize(QPageSize::A4);
}

}  // namespace

PrinterSelection::PrinterSelection(PrinterAccess access) {
  if (access == PrinterAccess::DesignPaper) return;
  // Qt and libcups wait on a server without a limit; one that does not answer
  // the probe is not asked anything more, as if there were no printers.
  server_ = ProbePrintServer();
  if (server_.state != PrintServerState::Answered) return;
  const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
  printers_.assign(all.begin(), all.end());
}

PrinterSelection::PrinterSelection(PrintServer server) : server_(std::move(server)) {}

PrinterSelection::~PrinterSelection() = default;

QStringList PrinterSelection::PrinterNames() const {
  QStringList names;
  for (const QPrinterInfo& p : printers_) names << p.printerName();
  return names;
}

int PrinterSelection::Match(const QString& name) const {
  if (name.isEmpty()) return -1;
  const QString upper = name.toUpper();
  for (size_t i = 0; i < printers_.size(); ++i) {
    const QString candidate = printers_[i].printerName().toUpper();
    if (!candidate.isEmpty() && upper.contains(candidate)) return static_cast<int>(i);
  }
  return -1;
}

const QPrinterInfo* PrinterSelection::Selected() const {
  if (printerIndex_ < 0 || printerIndex_ >= PrinterCount()) return nullptr;
  return &printers_[static_cast<size_t>(printerIndex_)];
}

void PrinterSelection::SelectPrinter(const QString& name) {
  if (printers_.empty()) return;
  int index = Match(name);
  if (index < 0) index = Match(QPrinterInfo::defaultPrinterName());
  if (index < 0) index = 0;  // no default printer configured: the first one stands in
  printerIndex_ = index;
  bins_.reset();
  const QPrinterInfo& info = printers_[static_cast<size_t>(index)];
  settings_ = PrinterSettings();
  settings_.printer = info.printerName();
  settings_.pageSize = DefaultPageSize(info);
  RefreshCapabilities();
}

const std::vector<PrinterBin>& PrinterSelection::Bins() const {
  if (!bins_) {
    const QPrinterInfo* info = Selected();
    bins_ = std::make_unique<std::vector<PrinterBin>>(info ? PrinterBinsOf(info->printerName())
                                                           : std::vector<PrinterBin>());
  }
  return *bins_;
}

void PrinterSelection::RefreshCapabilities() {
  const QPrinterInfo* info = Selected();
  if (!info) {
    caps_.reset();
    return;
  }
  if (!caps_ || caps_->printerName() != info->printerName()) {
    caps_ = std::make_unique<QPrinter>(*info, QPrinter::HighResolution);
  }
  ConfigurePrinter(*caps_);
}

void PrinterSelection::ConfigurePrinter(QPrinter& printer) const {
  if (Selected()) kazenori::ConfigurePrinter(printer, settings_);
}

PrinterCapabilities PrinterSelection::Capabilities() const {
  if (printers_.empty() || !caps_) return {};
  return CapabilitiesOf(*caps_);
}

PrinterSheet PrinterSelection::Sheet() const {
  if (printers_.empty() || !caps_) return {};
  return SheetOf(*caps_);
}

Paper PrinterSelection::PagePaper(const Paper& fallback) const {
  if (!Selected()) return fallback;
  Paper paper = PaperOf(Capabilities(), fallback);
  paper.name = PaperName();
  paper.source = InputSlotName();
  return paper;
}

bool PrinterSelection::SetPageSize(QPageSize::PageSizeId id) {
  const QPrinterInfo* info = Selected();
  if (!info || id == QPageSize::Custom) return false;
  // A driver may list one size under several names (Letter and ANSI A); the
  // one under the size's own key is preferred.
  const QList<QPageSize> supported = info->supportedPageSizes();
  const QPageSize* best = nullptr;
  for (const QPageSize& s : supported) {
    if (s.key() == QPageSize::key(id)) {
      best = &s;
      break;
    }
    const QPageSize::PageSizeId fuzzy =
        QPageSize::id(s.size(QPageSize::Millimeter), QPageSize::Millimeter, QPageSize::FuzzyMatch);
    if (!best && (s.id() == id || fuzzy == id)) best = &s;
  }
  if (best) {
    settings_.pageSize = *best;
    RefreshCapabilities();
  }
  return PageSizeId() == id;
}

bool PrinterSelection::UseSheetPaper(PaperSize paper) {
  const QPrinterInfo* info = Selected();
  if (!info) return true;
  if (SetPageSize(PageSizeOf(paper))) return true;
  if (paper != PaperSize::A4) return false;
  settings_.pageSize = DefaultPageSize(*info);
  RefreshCapabilities();
  return true;
}

// By the size, not the driver's name for it: a driver's "A4 (borderless)" is A4.
QPageSize::PageSizeId PrinterSelection::PageSizeId() const {
  if (!Selected()) return QPageSize::Custom;
  return QPageSize::id(settings_.pageSize.size(QPageSize::Millimeter), QPageSize::Millimeter,
                       QPageSize::FuzzyMatch);
}

QString PrinterSelection::PaperName() const {
  const QPrinterInfo* info = Selected();
  if (!info) return QString();
  const QList<QPageSize> supported = info->supportedPageSizes();
  for (const QPageSize& s : supported) {
    if (s == settings_.pageSize) return s.name();
  }
  for (const QPageSize& s : supported) {
    if (s.isEquivalentTo(settings_.pageSize)) return s.name();
  }
  return QString();
}

void PrinterSelection::SetPaperName(const QString& name) {
  const QPrinterInfo* info = Selected();
  if (!info) return;
  for (const QPageSize& s : info->supportedPageSizes()) {
    if (s.name() == name) {
      settings_.pageSize = s;
      RefreshCapabilities();
      return;
    }
  }
}

bool PrinterSelection::IsLandscape() const {
  return Selected() && settings_.orientation == QPageLayout::Landscape;
}

void PrinterSelection::SetLandscape(bool landscape) {
  if (!Selected()) return;
  settings_.orientation = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  RefreshCapabilities();
}

QStringList PrinterSelection::InputSlotNames() const {
  QStringList names;
  if (Selected() != nullptr) {
    for (const PrinterBin& b : Bins()) names << b.name;
  }
  return names;
}

QString PrinterSelection::InputSlotName() const {
  if (!Selected()) return QString();
  for (const PrinterBin& b : Bins()) {
    if (settings_.inputSlot.isEmpty() ? b.isDefault : b.key == settings_.inputSlot) return b.name;
  }
  return QString();
}

void PrinterSelection::SetInputSlotName(const QString& name) {
  if (!Selected()) return;
  for (const PrinterBin& b : Bins()) {
    if (b.name == name) {
      settings_.inputSlot = b.key;
      RefreshCapabilities();
      return;
    }
  }
}

void PrinterSelection::SetSettings(const PrinterSettings& settings) {
  if (printers_.empty()) return;
  const int index = Match(settings.printer);
  if (index >= 0 && printers_[static_cast<size_t>(index)].printerName() != PrinterName()) {
    SelectPrinter(settings.printer);
  }
  const QPrinterInfo* info = Selected();
  if (!info) return;
  const QList<QPageSize> supported = info->supportedPageSizes();
  if (const QPageSize* found = FindSupported(supported, settings.pageSize)) {
    settings_.pageSize = *found;
  }
  settings_.orientation = settings.orientation;
  settings_.copies = std::max(1, settings.copies);
  settings_.duplex = settings.duplex;
  settings_.inputSlot.clear();
  for (const PrinterBin& b : Bins()) {
    if (b.key == settings.inputSlot) settings_.inputSlot = settings.inputSlot;
  }
  RefreshCapabilities();
}

void PrinterSelection::TakeFromPrinter(const QPrinter& printer) {
  if (printers_.empty()) return;
  PrinterSettings chosen = settings_;
  if (Match(printer.printerName()) >= 0) chosen.printer = printer.printerName();
  const QPageLayout layout = printer.pageLayout();
  chosen.pageSize = layout.pageSize();
  chosen.orientation = layout.orientation();
  // The copies and sides chosen in a print dialog go to the printer with the job.
  chosen.copies = printer.copyCount();
  chosen.duplex = printer.duplex();
  SetSettings(chosen);
}

}  // namespace kazenori
