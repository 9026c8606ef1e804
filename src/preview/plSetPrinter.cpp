// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "preview/plSetPrinter.h"

#include <QDataStream>
#include <QIODevice>
#include <QPageLayout>
#include <QPrinter>

#include "preview/PrinterPlatform.h"

namespace kazenori {

namespace {

// Identifies our serialisation of the device settings and its layout.
constexpr quint32 kDevDataMagic = 0x4B5A5053;  // "KZPS"
constexpr quint8 kDevDataVersion = 2;

struct DeviceSettings {
  QString printer;
  QPageSize pageSize;
  bool landscape = false;
  QString binKey;
  int copies = 1;
  int duplex = 0;
};

QByteArray Serialise(const DeviceSettings& s) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  out << kDevDataMagic << kDevDataVersion << s.printer << s.pageSize.key()
      << s.pageSize.size(QPageSize::Millimeter) << s.pageSize.name() << quint8(s.landscape)
      << s.binKey << qint32(s.copies) << qint32(s.duplex);
  return bytes;
}

bool Deserialise(const QByteArray& bytes, DeviceSettings* s) {
  QDataStream in(bytes);
  in.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  quint8 version = 0;
  in >> magic >> version;
  if (magic != kDevDataMagic || version != kDevDataVersion) return false;
  QString key, name;
  QSizeF mm;
  quint8 landscape = 0;
  qint32 copies = 1, duplex = 0;
  in >> s->printer >> key >> mm >> name >> landscape >> s->binKey >> copies >> duplex;
  s->copies = std::max(1, static_cast<int>(copies));
  s->duplex = duplex >= 0 && duplex <= QPrinter::DuplexShortSide ? duplex : 0;
  if (in.status() != QDataStream::Ok || !mm.isValid() || mm.isEmpty()) return false;
  const QPageSize::PageSizeId id = QPageSize::id(mm, QPageSize::Millimeter, QPageSize::FuzzyMatch);
  s->pageSize = id != QPageSize::Custom && QPageSize::key(id) == key
                    ? QPageSize(id)
                    : QPageSize(mm, QPageSize::Millimeter, name, QPageSize::ExactMatch);
  s->landscape = landscape != 0;
  return true;
}

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

}  // namespace

const std::vector<PaperCode>& PaperCodes() {
  static const std::vector<PaperCode> kCodes = {
      {1, QPageSize::Letter}, {3, QPageSize::Tabloid},   {4, QPageSize::Ledger},
      {5, QPageSize::Legal},  {7, QPageSize::Executive}, {8, QPageSize::A3},
      {9, QPageSize::A4},     {11, QPageSize::A5},       {12, QPageSize::JisB4},
      {13, QPageSize::JisB5},
  };
  return kCodes;
}

QPageSize::PageSizeId PageSizeForCode(int code, bool* known) {
  for (const PaperCode& p : PaperCodes()) {
    if (p.code == code) {
      if (known) *known = true;
      return p.id;
    }
  }
  if (known) *known = false;
  return QPageSize::Custom;
}

int CodeForPageSize(const QPageSize& size) {
  const QPageSize::PageSizeId id =
      QPageSize::id(size.size(QPageSize::Millimeter), QPageSize::Millimeter, QPageSize::FuzzyMatch);
  for (const PaperCode& p : PaperCodes()) {
    if (p.id == id) return p.code;
  }
  return 256;
}

QString DevDataToHex(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray DevDataFromHex(const QString& text) {
  auto digit = [](QChar c) -> int {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    return -1;
  };
  QByteArray bytes;
  bytes.reserve(text.size() / 2 + 1);
  for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
    const int hi = digit(text[i]);
    const int lo = digit(text[i + 1]);
    if (hi < 0 || lo < 0) break;
    bytes.append(static_cast<char>(hi * 16 + lo));
  }
  return bytes;
}

TplSetPrinter::TplSetPrinter(QObject* owner, const QString& name, PrinterAccess access)
    : QObject(owner) {
  setObjectName(name);
  if (access == PrinterAccess::DesignPaper) return;
  // Qt and libcups wait on a server without a limit; one that does not answer
  // the probe is not asked anything more, as if there were no printers.
  server_ = ProbePrintServer();
  if (server_.state != PrintServerState::Answered) return;
  const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
  printers_.assign(all.begin(), all.end());
}

TplSetPrinter::~TplSetPrinter() = default;

QStringList TplSetPrinter::PrinterNames() const {
  QStringList names;
  for (const QPrinterInfo& p : printers_) names << p.printerName();
  return names;
}

int TplSetPrinter::Match(const QString& name) const {
  if (name.isEmpty()) return -1;
  const QString upper = name.toUpper();
  for (size_t i = 0; i < printers_.size(); ++i) {
    const QString candidate = printers_[i].printerName().toUpper();
    if (!candidate.isEmpty() && upper.contains(candidate)) return static_cast<int>(i);
  }
  return -1;
}

const QPrinterInfo* TplSetPrinter::Selected() const {
  if (printerIndex_ < 0 || printerIndex_ >= PrinterCount()) return nullptr;
  return &printers_[static_cast<size_t>(printerIndex_)];
}

void TplSetPrinter::SetPrinterName(const QString& name) {
  if (printers_.empty()) return;
  const QString old = printerName_;
  int index = Match(name);
  if (index < 0) index = Match(QPrinterInfo::defaultPrinterName());
  if (index < 0) index = 0;  // no default printer configured: the first one stands in
  printerName_ = printers_[static_cast<size_t>(index)].printerName();
  SelectPrinter(printerName_);
  CaptureDeviceSettings();
  if (printerName_ != old && OnPrinterChange) OnPrinterChange(this);
}

void TplSetPrinter::SelectPrinter(const QString& name) {
  if (printers_.empty()) return;
  int index = Match(name);
  if (index < 0) index = Match(QPrinterInfo::defaultPrinterName());
  if (index < 0) index = 0;
  printerIndex_ = index;
  bins_.reset();
  if (printerName_.isEmpty()) printerName_ = printers_[static_cast<size_t>(index)].printerName();
  ResetToPrinterDefaults();
}

const std::vector<PrinterBin>& TplSetPrinter::Bins() const {
  if (!bins_) {
    const QPrinterInfo* info = Selected();
    bins_ = std::make_unique<std::vector<PrinterBin>>(info ? PrinterBinsOf(info->printerName())
                                                           : std::vector<PrinterBin>());
  }
  return *bins_;
}

void TplSetPrinter::ResetToPrinterDefaults() {
  const QPrinterInfo* info = Selected();
  if (!info) return;
  pageSize_ = info->defaultPageSize();
  if (!pageSize_.isValid()) pageSize_ = QPageSize(QPageSize::A4);
  landscape_ = false;
  binKey_.clear();
  copies_ = 1;
  duplex_ = 0;
  RefreshCaps();
}

void TplSetPrinter::RefreshCaps() {
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

void TplSetPrinter::ConfigurePrinter(QPrinter& printer) const {
  const QPrinterInfo* info = Selected();
  if (!info) return;
  if (printer.printerName() != info->printerName()) printer.setPrinterName(info->printerName());
  printer.setFullPage(false);
  printer.setPageSize(pageSize_);
  printer.setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
  // The printable area is all the device can print, not Qt's default margins.
  const QPageLayout layout = printer.pageLayout();
  printer.setPageMargins(layout.minimumMargins(), layout.units());
  printer.setCopyCount(copies_);
  printer.setDuplex(static_cast<QPrinter::DuplexMode>(duplex_));
  ApplyBin(printer, binKey_);
}

int TplSetPrinter::GetPrinterCaps(int index) const {
  if (printers_.empty() || !caps_) return 0;
  const int res = caps_->resolution();
  const QPageLayout layout = caps_->pageLayout();
  const QRect full = layout.fullRectPixels(res);
  const QRect paint = layout.paintRectPixels(res);
  switch (index) {
    case 1:
    case 2:
      return res;
    case 3:
      return full.width();
    case 4:
      return full.height();
    case 5:
      return paint.width();
    case 6:
      return paint.height();
    case 7:
      return paint.top();
    case 8:
      return paint.top() + paint.height();
    case 9:
      return paint.left();
    case 10:
      return paint.left() + paint.width();
    default:
      return 0;
  }
}

bool TplSetPrinter::SetPaperSize(int code) {
  const QPrinterInfo* info = Selected();
  bool known = false;
  const QPageSize::PageSizeId id = PageSizeForCode(code, &known);
  if (!info || !known) return false;
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
    pageSize_ = *best;
    RefreshCaps();
    CaptureDeviceSettings();
  }
  return GetPaperSize() == code;
}

int TplSetPrinter::GetPaperSize() const {
  if (!Selected()) return 0;
  return CodeForPageSize(pageSize_);
}

QString TplSetPrinter::GetPaperName() const {
  const QPrinterInfo* info = Selected();
  if (!info) return QString();
  const QList<QPageSize> supported = info->supportedPageSizes();
  for (const QPageSize& s : supported) {
    if (s == pageSize_) return s.name();
  }
  for (const QPageSize& s : supported) {
    if (s.isEquivalentTo(pageSize_)) return s.name();
  }
  return QString();
}

void TplSetPrinter::SetPaperName(const QString& name) {
  const QPrinterInfo* info = Selected();
  if (!info) return;
  for (const QPageSize& s : info->supportedPageSizes()) {
    if (s.name() == name) {
      pageSize_ = s;
      RefreshCaps();
      CaptureDeviceSettings();
      return;
    }
  }
}

bool TplSetPrinter::IsLandscape() const {
  return Selected() && landscape_;
}

void TplSetPrinter::SetOrientation(bool landscape) {
  if (!Selected()) return;
  landscape_ = landscape;
  RefreshCaps();
  CaptureDeviceSettings();
}

QStringList TplSetPrinter::BinNames() const {
  QStringList names;
  if (Selected() != nullptr) {
    for (const PrinterBin& b : Bins()) names << b.name;
  }
  return names;
}

QString TplSetPrinter::GetBinName() const {
  const QPrinterInfo* info = Selected();
  if (!info) return QString();
  const std::vector<PrinterBin>& bins = Bins();
  for (const PrinterBin& b : bins) {
    if (binKey_.isEmpty() ? b.isDefault : b.key == binKey_) return b.name;
  }
  return QString();
}

void TplSetPrinter::SetBinName(const QString& name) {
  const QPrinterInfo* info = Selected();
  if (!info) return;
  for (const PrinterBin& b : Bins()) {
    if (b.name == name) {
      binKey_ = b.key;
      RefreshCaps();
      CaptureDeviceSettings();
      return;
    }
  }
}

void TplSetPrinter::CaptureDeviceSettings() {
  if (!Selected()) return;
  devData_ = Serialise({printerName_, pageSize_, landscape_, binKey_, copies_, duplex_});
}

bool TplSetPrinter::ApplyDeviceSettings(const QByteArray& bytes) {
  const QPrinterInfo* info = Selected();
  DeviceSettings s;
  if (!info || !Deserialise(bytes, &s)) return false;
  const QList<QPageSize> supported = info->supportedPageSizes();
  if (const QPageSize* found = FindSupported(supported, s.pageSize)) pageSize_ = *found;
  landscape_ = s.landscape;
  copies_ = s.copies;
  duplex_ = s.duplex;
  binKey_.clear();
  for (const PrinterBin& b : Bins()) {
    if (b.key == s.binKey) binKey_ = s.binKey;
  }
  RefreshCaps();
  return true;
}

void TplSetPrinter::SyncFromPrinter(bool reselect) {
  if (printers_.empty()) return;
  // The system default printer stands for the platform's current printer.
  const QString current = QPrinterInfo::defaultPrinterName();
  int index = Match(current);
  if (index < 0) index = 0;
  const QString matched = printers_[static_cast<size_t>(index)].printerName();
  if (reselect || matched != printerName_) {
    printerName_ = matched;
    SelectPrinter(printerName_);
  }
  CaptureDeviceSettings();
}

void TplSetPrinter::SyncFromPrinter(const QPrinter& printer) {
  if (printers_.empty()) return;
  const int index = Match(printer.printerName());
  if (index >= 0) {
    const QString matched = printers_[static_cast<size_t>(index)].printerName();
    if (matched != printerName_ || printerIndex_ != index) {
      printerName_ = matched;
      SelectPrinter(printerName_);
    }
  }
  const QPageLayout layout = printer.pageLayout();
  if (const QPrinterInfo* info = Selected()) {
    const QList<QPageSize> supported = info->supportedPageSizes();
    if (const QPageSize* found = FindSupported(supported, layout.pageSize())) pageSize_ = *found;
  }
  landscape_ = layout.orientation() == QPageLayout::Landscape;
  // The copies and sides chosen in a print dialog go to the printer with the job.
  copies_ = std::max(1, printer.copyCount());
  duplex_ = static_cast<int>(printer.duplex());
  RefreshCaps();
  CaptureDeviceSettings();
}

void TplSetPrinter::ReapplySettings() {
  if (printers_.empty()) return;
  const QByteArray stored = devData_;
  SelectPrinter(printerName_);
  ApplyDeviceSettings(stored);
  CaptureDeviceSettings();
}

bool TplSetPrinter::ExecuteSetupDialog() {
  if (printers_.empty()) return false;
  QPrinter printer(QPrinter::HighResolution);
  ReapplySettings();
  ConfigurePrinter(printer);
  if (OnSetupDialogShow) OnSetupDialogShow(this);
  const bool confirmed = setupRunner_ ? setupRunner_(printer) : RunPageSetupDialog(printer);
  if (OnSetupDialogClose) OnSetupDialogClose(this);
  if (!confirmed) return false;
  SyncFromPrinter(printer);
  return true;
}

}  // namespace kazenori
