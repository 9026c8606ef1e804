// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <QTranslator>

namespace kazenori {

// The application object with the program's one handler for errors that
// escape an event handler: the error is shown in a message box (through the
// Messages seam) and the event loop goes on, so the window stays usable.
//
// Qt's own frames are not exception safe (an exception unwinding through a
// signal emission leaks its bookkeeping), so a handler that can fail catches
// its error itself and hands it to reportCurrentException(); notify() is the
// net for anything thrown elsewhere.
class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The program's icon, from the desktop's icon theme, on every window (once).
  // Finding it reads the themes' index files and looks through their folders,
  // about a fifth of all the work of starting: the main window asks for it
  // once it is first drawn, and the window manager shows it from then on.
  static void setProgramIcon();

  // Whether Qt's own Japanese catalogue (its dialogs' buttons and labels) is
  // installed; false only where Qt's translations are missing.
  bool qtJapaneseLoaded() const { return qtJapaneseLoaded_; }

  // Shows an escaped error as the program's error box.
  static void reportError(const QString& text);
  // Reports the exception being handled (call inside a catch block).
  static void reportCurrentException();

 private:
  QTranslator qtJapanese_;
  bool qtJapaneseLoaded_ = false;
};

}  // namespace kazenori
