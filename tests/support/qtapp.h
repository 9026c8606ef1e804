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

// The one application of a test process (Qt allows one), made on first use:
// offscreen unless QT_QPA_PLATFORM says otherwise, with the font
// substitutions. The Qt layers' tests take a plain QApplication; the window's
// tests ask for the program's own class (tests/ui/mainwindowtestsupport.h),
// which must then come first.
template <class App = QApplication>
App& TestApp() {
  if (!QCoreApplication::instance()) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kazenori-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may be gone before it.
    new App(argc, argv);
    RegisterFontSubstitutions();
  }
  auto* app = qobject_cast<App*>(QCoreApplication::instance());
  if (!app)
    qFatal("the test's application is of another class than %s", App::staticMetaObject.className());
  return *app;
}

// Base of fixtures whose members need the application (it exists before they are built).
template <class App = QApplication>
class AppTest : public ::testing::Test {
 protected:
  AppTest() { TestApp<App>(); }
};
using QtTest = AppTest<>;

}  // namespace kazenori::testing
