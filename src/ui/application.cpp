// SPDX-FileCopyrightText: 2026 The Kazenori developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <exception>
#include <stdexcept>

#include "ui/messages.h"

namespace kazenori {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("Kazenori"));
  // The desktop entry's name (the Wayland app id) and, through the
  // application's name, X11's window class (the entry's StartupWMClass): docks
  // group the windows with their launcher and show its icon.
  setDesktopFileName(QStringLiteral("org.kazenori.Kazenori"));
  // Fusion on every desktop, so that the windows look the same everywhere.
  setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The whole interface is Japanese, whatever the desktop's language: Qt's
  // print and file dialogs too.
  qtJapaneseLoaded_ = qtJapanese_.load(QStringLiteral("qtbase_ja"),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (qtJapaneseLoaded_) installTranslator(&qtJapanese_);
}

void Application::setProgramIcon() {
  if (QGuiApplication::windowIcon().isNull()) {
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kazenori.Kazenori")));
  }
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    reportCurrentException();
  }
  return true;
}

void Application::reportCurrentException() {
  try {
    throw;
  } catch (const std::logic_error& error) {
    // A fault of the program, not of the teacher's input: its text is for a
    // bug report, so it comes after a Japanese word of what happened.
    reportError(
        QStringLiteral("プログラムの内部エラーです（%1）。").arg(QString::fromUtf8(error.what())));
  } catch (const std::exception& error) {
    reportError(QString::fromUtf8(error.what()));
  } catch (...) {
    reportError(QStringLiteral("不明なエラーが発生しました。"));
  }
}

void Application::reportError(const QString& text) {
  Messages::Current().Error(text, QStringLiteral("Kazenori"));
}

}  // namespace kazenori
