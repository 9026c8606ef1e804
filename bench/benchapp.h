// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>

#include "pages/fonts.h"

namespace kazenori::bench {

// The one application of a benchmark binary, whichever of its files asks
// first (Qt allows a single one a process): offscreen unless the caller's
// environment says otherwise, with the sheet font's substitutions made.
template <class App = QGuiApplication>
App& BenchApp() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static App app(argc, argv);
  static const bool fonts = RegisterFontSubstitutions();
  (void)fonts;
  return app;
}

}  // namespace kazenori::bench
