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

// The window's tests run in the program's own application class, with its
// error handler. It is made, and a message box that no test expects made a
// failure instead of a block, before any test: a fixture may record messages
// from its first member on.
class UiTestEnvironment final : public ::testing::Environment {
 public:
  void SetUp() override {
    TestApp<Application>();
    static UnexpectedMessages unexpected;
    Messages::Install(&unexpected);
  }
};
inline const ::testing::Environment* const kUiTestEnvironment =
    ::testing::AddGlobalTestEnvironment(new UiTestEnvironment);

using UiTest = AppTest<Application>;

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
