// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/cupsmodule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

#include <dlfcn.h>

namespace kazenori {

namespace {

// The installed module sits in the program's tree (<prefix>/bin/kazenori,
// <prefix>/lib/kazenori/), whatever the prefix; the build tree's is found by
// its file name alone, through the run path the build gives its programs and
// installing removes. KAZENORI_CUPS_MODULE names another, for a test or a
// diagnosis.
QString ModulePath() {
  QString chosen = qEnvironmentVariable("KAZENORI_CUPS_MODULE");
  if (!chosen.isEmpty()) return chosen;
  const QString program = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  const QString installed = QDir::cleanPath(QFileInfo(program).path() +
                                            QStringLiteral("/../lib/kazenori/") + kCupsModuleFile);
  return QFileInfo::exists(installed) ? installed : QString::fromLatin1(kCupsModuleFile);
}

const CupsModule& Loaded() {
  static const CupsModule module = LoadCupsModule(ModulePath());
  return module;
}

}  // namespace

const CupsCalls* Cups() {
  return Loaded().calls;
}

QString CupsProblem() {
  return Loaded().problem;
}

CupsModule LoadCupsModule(const QString& path) {
  CupsModule module;
  // dlopen in all but name: the build's programs find the module through
  // their run path, which the sanitizers' dlopen (whose caller is their own
  // library) would not search.
  void* library = dlmopen(LM_ID_BASE, QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    module.problem = QStringLiteral("the CUPS module cannot be loaded: %1")
                         .arg(QString::fromLocal8Bit(dlerror()));
    return module;
  }
  // A module of another build may have other calls, or the same in another
  // order: its table is compared before any of them is called.
  const auto entry = reinterpret_cast<CupsModuleEntry>(dlsym(library, kCupsModuleEntry));
  const CupsCalls* calls = entry ? entry() : nullptr;
  if (!calls || calls->size != sizeof(CupsCalls) ||
      std::strcmp(calls->names, kCupsCallNames) != 0) {
    dlclose(library);
    module.problem = QStringLiteral("the CUPS module %1 is not this program's").arg(path);
    return module;
  }
  module.calls = calls;
  return module;
}

}  // namespace kazenori
