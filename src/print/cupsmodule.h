// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Loading the CUPS module; not for use outside the print layer and its tests.

#include <QString>

#include "print/cupscalls.h"

namespace kazenori {

// The calls, from the module loaded at the first use (by whichever thread
// comes first); null when the module is missing or refused: then
// CupsProblem() says why, and nothing of CUPS can be asked. Code that holds a
// connection to CUPS has had them.
const CupsCalls* Cups();
QString CupsProblem();

// The module at `path`, loaded and checked (a file name alone is looked for
// as dlopen looks for libraries); `problem` says why `calls` is null. A module
// that was taken stays loaded.
struct CupsModule {
  const CupsCalls* calls = nullptr;
  QString problem;
};
CupsModule LoadCupsModule(const QString& path);

}  // namespace kazenori
