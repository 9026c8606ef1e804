// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <QTranslator>
#include <utility>

namespace kazenori {

// The application object with the program's one handler for errors that
// escape an event handler: the error is shown in a message box (through the
// Messages seam) and the event loop goes on, so the window stays usable.
//
// Qt's own frames are not exception safe (an exception unwinding through a
// signal emission leaks its bookkeeping), so handlers are connected through
// Guarded(), which stops the error at the handler and hands it to the same
// report; notify() is the net for anything thrown elsewhere.
class KazenoriApplication : public QApplication {
  Q_OBJECT

 public:
  KazenoriApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Whether Qt's own Japanese catalogue (its dialogs' buttons and labels) is
  // installed; false only where Qt's translations are missing.
  bool QtJapaneseLoaded() const { return qtJapaneseLoaded_; }

  // Shows an escaped error as the program's error box.
  static void ReportError(const QString& text);
  // Reports the exception being handled (call inside a catch block).
  static void ReportCurrentException();

 private:
  QTranslator qtJapanese_;
  bool qtJapaneseLoaded_ = false;
};

// A slot that runs `handler` and reports any error it raises.
template <typename Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)]() {
    try {
      handler();
    } catch (...) {
      KazenoriApplication::ReportCurrentException();
    }
  };
}

}  // namespace kazenori
