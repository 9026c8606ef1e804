// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt helpers for the tests of the Qt subsystems (header-only: the support
// library itself is built without Qt).

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

#include "pages/fonts.h"

namespace kazenori::testing {

// The one QApplication of a test process (created on first use, offscreen
// unless QT_QPA_PLATFORM says otherwise), with the font substitutions.
inline QApplication& EnsureQtApp() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kazenori-test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  kazenori::RegisterFontSubstitutions();
  return app;
}

// Base of fixtures whose members need the application (it exists before they are built).
class QtTest : public ::testing::Test {
 protected:
  QtTest() { EnsureQtApp(); }
};

}  // namespace kazenori::testing
