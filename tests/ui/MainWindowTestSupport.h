// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>

#include "support/QtApp.h"
#include "ui/application.h"

namespace kazenori::testing {

// The one application object of the test program: the program's own class,
// with its error handler, unless another test made a plain one first (then
// nullptr is returned and the handler's tests skip). Message boxes nobody
// expects fail the test instead of blocking it.
inline Application* TestApp() {
  static Application* app = [] {
    if (QCoreApplication::instance()) {
      return qobject_cast<Application*>(QCoreApplication::instance());
    }
    static int argc = 1;
    static char name[] = "test_app";
    static char* argv[] = {name, nullptr};
    auto* made = new Application(argc, argv);
    static UnexpectedMessages unexpected;
    Messages::Install(&unexpected);
    RegisterFontSubstitutions();
    return made;
  }();
  return app;
}

// Makes the application before any test of the program runs, so that it is
// the program's own class whichever test comes first.
class MainWindowTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { TestApp(); }
};

// A first base of widget fixtures: the application exists before any member
// widget is built.
struct WithTestApp {
  WithTestApp() { TestApp(); }
};

}  // namespace kazenori::testing
