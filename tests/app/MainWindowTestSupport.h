#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QString>
#include <vector>

#include "app/KazenoriApplication.h"

namespace kazenori::testing {

// The one application object of the test program, created on first use with
// the program's error handler; the handler's messages are collected here
// instead of being shown.
struct MainWindowTestApp {
  KazenoriApplication* app = nullptr;
  std::vector<QString> errors;
};

inline MainWindowTestApp& TestApp() {
  static MainWindowTestApp state = [] {
    MainWindowTestApp made;
    made.app = qobject_cast<KazenoriApplication*>(QCoreApplication::instance());
    if (!made.app && !QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "test_app";
      static char* argv[] = {name, nullptr};
      made.app = new KazenoriApplication(argc, argv);
    }
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    return made;
  }();
  if (state.app) {
    state.app->SetErrorReporter([](const QString& text) { TestApp().errors.push_back(text); });
  }
  return state;
}

// A first base of widget fixtures: the application exists before any member
// widget is built.
struct WithTestApp {
  WithTestApp() { TestApp(); }
};

}  // namespace kazenori::testing
