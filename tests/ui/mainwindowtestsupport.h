// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include "support/qtapp.h"
#include "ui/application.h"
#include "ui/messages.h"

namespace kazenori::testing {

// A message box that nobody installed a recorder for would block the test run;
// it is recorded as a failure instead.
class UnexpectedMessages final : public kazenori::Messages {
 public:
  void Show(const kazenori::Message& m) override {
    ADD_FAILURE() << "unexpected message box \"" << m.caption.toStdString()
                  << "\": " << m.text.toStdString();
  }
};

// The one application object of the test program: the program's own class,
// with its error handler, unless another test made a plain one first (then
// nullptr is returned and the handler's tests skip). Message boxes nobody
// expects fail the test instead of blocking it.
inline Application* TestApp() {
  static Application* app = [] {
    if (QCoreApplication::instance()) {
      return qobject_cast<Application*>(QCoreApplication::instance());
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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

// Waits, in the event loop, for the next modal window (a preview composed
// once the printers are known), closes it and sets `shown`.
inline void CloseTheNextModal(QObject& context, bool& shown) {
  if (QWidget* modal = QApplication::activeModalWidget()) {
    shown = true;
    modal->close();
    return;
  }
  QTimer::singleShot(20, &context, [&context, &shown] { CloseTheNextModal(context, shown); });
}

}  // namespace kazenori::testing
